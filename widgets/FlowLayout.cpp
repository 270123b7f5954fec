#include "widgets/FlowLayout.h"

#include "widgets/FlowArrangement.h"

#include <QWidget>

#include <algorithm>

FlowLayout::FlowLayout(QWidget *parent, int margin, int hSpacing, int vSpacing)
    : QLayout(parent)
    , m_hSpacing(hSpacing)
    , m_vSpacing(vSpacing)
{
    if (margin >= 0)
        setContentsMargins(margin, margin, margin, margin);
}

FlowLayout::~FlowLayout()
{
    while (QLayoutItem *item = takeAt(0))
        delete item;
}

void FlowLayout::addItem(QLayoutItem *item)
{
    m_items.append(item);
}

QLayoutItem *FlowLayout::itemAt(int index) const
{
    return m_items.value(index);
}

QLayoutItem *FlowLayout::takeAt(int index)
{
    if (index >= 0 && index < m_items.size())
        return m_items.takeAt(index);
    return nullptr;
}

int FlowLayout::count() const
{
    return m_items.size();
}

Qt::Orientations FlowLayout::expandingDirections() const
{
    return {};
}

bool FlowLayout::hasHeightForWidth() const
{
    return true;
}

int FlowLayout::heightForWidth(int width) const
{
    return doLayout(QRect(0, 0, width, 0), false);
}

void FlowLayout::setGeometry(const QRect &rect)
{
    QLayout::setGeometry(rect);
    doLayout(rect, true);
}

QSize FlowLayout::sizeHint() const
{
    return minimumSize();
}

QSize FlowLayout::minimumSize() const
{
    QSize size;
    for (const QLayoutItem *item : m_items)
        size = size.expandedTo(item->minimumSize());
    const QMargins margins = contentsMargins();
    size += QSize(2 * margins.left(), 2 * margins.top());
    return size;
}

int FlowLayout::horizontalSpacing() const
{
    if (m_hSpacing >= 0)
        return m_hSpacing;
    return smartSpacing(QStyle::PM_LayoutHorizontalSpacing);
}

int FlowLayout::verticalSpacing() const
{
    if (m_vSpacing >= 0)
        return m_vSpacing;
    return smartSpacing(QStyle::PM_LayoutVerticalSpacing);
}

int FlowLayout::smartSpacing(QStyle::PixelMetric metric) const
{
    QObject *owner = parent();
    if (!owner)
        return -1;
    if (owner->isWidgetType()) {
        auto *widget = static_cast<QWidget *>(owner);
        return widget->style()->pixelMetric(metric, nullptr, widget);
    }
    return static_cast<QLayout *>(owner)->spacing();
}

int FlowLayout::doLayout(const QRect &rect, bool place) const
{
    int left = 0, top = 0, right = 0, bottom = 0;
    getContentsMargins(&left, &top, &right, &bottom);
    const QRect effective = rect.adjusted(left, top, -right, -bottom);

    QVector<FlowArrangement::Item> items;
    items.reserve(m_items.size());
    for (QLayoutItem *item : m_items) {
        FlowArrangement::Item entry;
        entry.size = item->sizeHint();
        entry.horizontalSpace = horizontalSpacing();
        entry.verticalSpace = verticalSpacing();
        const QWidget *widget = item->widget();
        if (entry.horizontalSpace == -1 && widget)
            entry.horizontalSpace =
                widget->style()->layoutSpacing(QSizePolicy::PushButton, QSizePolicy::PushButton, Qt::Horizontal);
        if (entry.verticalSpace == -1 && widget)
            entry.verticalSpace =
                widget->style()->layoutSpacing(QSizePolicy::PushButton, QSizePolicy::PushButton, Qt::Vertical);
        items.append(entry);
    }

    const FlowArrangement arrangement = FlowArrangement::arrange(rect, effective, bottom, items);
    if (place) {
        for (int i = 0; i < m_items.size(); ++i)
            m_items[i]->setGeometry(arrangement.geometries[i]);
    }
    return arrangement.height;
}
