#include "ui/seniorKeys/DDksShowWidget.h"

#include "app/DDataManager.h"

#include <QDebug>
#include <QMouseEvent>
#include <QPainter>
#include <QStringList>

#include <cstdlib>
#include <cstring>

namespace {

const int kNodeLeft = 20;
const int kNodeTop = 15;
const int kNodeHalf = 8;
const int kNodeSize = 16;
const int kLastColumn = 3;

} // namespace

DDksShowWidget::DDksShowWidget(QWidget *parent)
    : QWidget(parent)
{
    setMouseTracking(true);
    m_nodeImage = QPixmap(":/images/DKS/addEventDef.png");
    m_nodeSelImage = QPixmap(":/images/DKS/addEventSel.png");

    const QStringList accent = DDataManager::instance()->getThemeInfo().TextCheckedColor.split(QLatin1Char(','));
    m_colorR = accent.value(0).trimmed().toInt();
    m_colorG = accent.value(1).trimmed().toInt();
    m_colorB = accent.value(2).trimmed().toInt();

    std::memset(&m_seniorKeyInfo, 0, sizeof(m_seniorKeyInfo));
    // Positions exist before the grid is sized, so every index below stays valid.
    resizeGrid(0, 0);
}

void DDksShowWidget::resizeGrid(int width, int height)
{
    m_width = width;
    m_height = height;
    m_columnWidth = width / m_columnCount;
    m_rowHeight = height / m_rowCount;
    m_nodeX.clear();
    m_nodeY.clear();
    m_midX.clear();
    for (int c = 0; c < m_columnCount; ++c)
        m_nodeX << kNodeLeft + c * m_columnWidth;
    for (int r = 0; r < m_rowCount; ++r)
        m_nodeY << kNodeTop + r * m_rowHeight;
    for (int m = 0; m < m_columnCount - 1; ++m)
        m_midX << kNodeLeft + m * m_columnWidth + m_columnWidth / 2;
}

void DDksShowWidget::setSeniorKeyInfo(SeniorKeyInfoStu info)
{
    m_seniorKeyInfo = info;
    m_hasInfo = true;
    loadStatesFromRecord();
    update();
}

SeniorKeyInfoStu DDksShowWidget::getSeniorKeyInfo() const
{
    return m_seniorKeyInfo;
}

DksGridRules::Row DDksShowWidget::rowStates(int row) const
{
    return {state(row, 0), state(row, 1), state(row, 2), state(row, 3)};
}

void DDksShowWidget::loadStatesFromRecord()
{
    std::memcpy(m_dksStates, m_seniorKeyInfo.dks, sizeof(m_dksStates));
}

void DDksShowWidget::storeStatesInRecord()
{
    std::memcpy(m_seniorKeyInfo.dks, m_dksStates, sizeof(m_dksStates));
}

void DDksShowWidget::mousePressEvent(QMouseEvent *event)
{
    m_mousePressed = true;
    m_dragStarted = false;
    if (!toggleHoveredNode())
        clickBarAt(event->pos());
    repaint();
}

bool DDksShowWidget::toggleHoveredNode()
{
    if (!m_hovering || m_handleArmed)
        return false;
    const int index = 4 * m_editRow + m_hoverColumn;
    const int current = m_dksStates[index];
    if (current == 2 || current == 3)
        return false;
    m_dksStates[index] = current == 1 ? 0 : 1;
    storeStatesInRecord();
    emit sigTheSeniorKeyInfoStuNeedUpdate_DKS();
    return true;
}

void DDksShowWidget::clickBarAt(const QPoint &pos)
{
    int row = -1;
    for (int r = 0; r < m_rowCount && row < 0; ++r) {
        if (std::abs(pos.y() - m_nodeY[r]) < 9)
            row = r;
    }
    int column = -1;
    for (int c = 0; c < m_columnCount && column < 0; ++c) {
        if (m_nodeX[c] - kNodeHalf < pos.x() && pos.x() < m_nodeX[c] + m_columnWidth - kNodeHalf)
            column = c;
    }
    if (row < 0 || column < 0)
        return;
    const int clicked = state(row, column);
    if (clicked != 2 && clicked != 3)
        return;
    DksGridRules::Row result;
    if (!DksGridRules::removeClickedBar(column, rowStates(row), &result))
        return;
    m_editRow = row;
    m_workRow = result;
    m_rowChanged = true;
}

void DDksShowWidget::mouseMoveEvent(QMouseEvent *event)
{
    emit sigDksPageMouseMovePointXY(event->pos().x(), event->pos().y());
    if (m_mousePressed && m_handleArmed) {
        dragTo(event->pos());
        return;
    }
    // A bar removal waits for the release with its row: moving over another row's node must not
    // make that row the one the removal is written to.
    if (m_mousePressed && m_rowChanged)
        return;
    hoverAt(event->pos());
}

void DDksShowWidget::hoverAt(const QPoint &pos)
{
    bool matched = false;
    for (int c = 0; c < m_columnCount && !matched; ++c) {
        for (int r = 0; r < m_rowCount && !matched; ++r) {
            if (std::abs(pos.x() - m_nodeX[c]) < kNodeHalf && std::abs(pos.y() - m_nodeY[r]) < kNodeHalf) {
                matched = true;
                m_hoverPosX = m_mousePressPosX = m_nodeX[c];
                m_hoverPosY = m_mousePressPosY = m_nodeY[r];
                m_hoverColumn = c;
                m_editRow = r;
            }
        }
    }
    m_hovering = matched;
    m_handleArmed = false;

    // A grid without column width has no room to drag into.
    const int nodeX = m_nodeX[m_hoverColumn];
    if (matched && m_columnWidth > 0 && nodeX + 4 < pos.x() && pos.x() < nodeX + 8
        && std::abs(pos.y() - m_nodeY[m_editRow]) < kNodeHalf && m_hoverColumn != kLastColumn
        && state(m_editRow, m_hoverColumn) == 1) {
        m_freeColumns = kLastColumn - m_hoverColumn;
        m_dragPosX = pos.x();
        m_handleArmed = true;
        setCursor(Qt::SizeHorCursor);
    } else {
        setCursor(Qt::ArrowCursor);
    }
    repaint();
}

void DDksShowWidget::dragTo(const QPoint &pos)
{
    m_dragPosX = pos.x();
    m_dragPosY = pos.y();
    m_pastMidpoint = false;
    if (pos.x() > m_mousePressPosX) {
        for (int mid : m_midX)
            m_pastMidpoint = m_pastMidpoint || pos.x() > mid;
    }
    if (!m_dragStarted) {
        m_dragStarted = true;
        m_rowChanged = false;
        m_workRow = rowStates(m_editRow);
        qDebug() << "---------------------------------------------------------";
        m_freeCells = DksGridRules::freeCellsRightOf(m_hoverColumn, m_workRow);
        m_lastBarLength = 0;
    }
    repaint();
}

void DDksShowWidget::mouseReleaseEvent(QMouseEvent *)
{
    m_hovering = false;
    m_handleArmed = false;
    m_mousePressed = false;
    m_pastMidpoint = false;
    m_hoverPosX = m_hoverPosY = 0;
    m_mousePressPosX = m_mousePressPosY = 0;
    m_dragPosX = m_dragPosY = 0;
    m_freeColumns = 0;
    m_freeCells = 0;
    setCursor(Qt::ArrowCursor);
    if (m_rowChanged) {
        m_rowChanged = false;
        for (int c = 0; c < m_columnCount; ++c)
            m_seniorKeyInfo.dks[4 * m_editRow + c] = m_workRow[c];
        loadStatesFromRecord();
        m_workRow = {0, 0, 0, 0};
        emit sigTheSeniorKeyInfoStuNeedUpdate_DKS();
    }
    repaint();
}

void DDksShowWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    paintGrid(painter);
    if (m_mousePressed && m_handleArmed)
        paintDragBar(painter);
    if (m_hasInfo)
        paintCells(painter);
    if (m_hovering)
        painter.drawPixmap(m_hoverPosX - kNodeHalf, m_hoverPosY - kNodeHalf, kNodeSize, kNodeSize, m_nodeSelImage);
}

void DDksShowWidget::paintGrid(QPainter &painter)
{
    painter.setPen(QPen(QColor(98, 98, 98, 128), 2));
    for (int y : m_nodeY)
        painter.drawLine(0, y, m_width - 50, y);
    for (int x : m_nodeX)
        painter.drawLine(x, 0, x, m_height);
    for (int x : m_nodeX) {
        for (int y : m_nodeY)
            painter.drawPixmap(x - kNodeHalf, y - kNodeHalf, kNodeSize, kNodeSize, m_nodeImage);
    }
    if (m_hovering)
        painter.drawPixmap(m_hoverPosX - kNodeHalf, m_hoverPosY - kNodeHalf, kNodeSize, kNodeSize, m_nodeSelImage);
}

// Draws the bar being dragged and applies its length to the working row.
void DDksShowWidget::paintDragBar(QPainter &painter)
{
    const int W = m_columnWidth;
    if (W <= 0)
        return;
    if (m_mousePressPosX > m_dragPosX) {
        qDebug() << "--------------------------------------------------------- m_mousePressPosX:" << m_mousePressPosX;
        return;
    }
    if (m_dragPosX - m_mousePressPosX > m_freeColumns * W - 6)
        m_dragPosX = 3 * W + 14;
    const int distance = m_dragPosX - m_mousePressPosX;
    const int reach = W * m_freeCells;
    painter.setPen(Qt::NoPen);
    if (m_pastMidpoint) {
        int width = distance / W * W;
        if (distance % W > W / 2)
            width += W;
        if (distance + 6 > reach)
            width = reach;
        painter.setBrush(QColor(m_colorR, m_colorG, m_colorB, 160));
        painter.drawRoundedRect(m_mousePressPosX - kNodeHalf, m_mousePressPosY - kNodeHalf, width, kNodeSize, 8, 8);
    }
    const int length = qMin(distance + 6, reach);
    painter.setBrush(QColor(m_colorR, m_colorG, m_colorB, 255));
    painter.drawRoundedRect(m_mousePressPosX - kNodeHalf, m_mousePressPosY - kNodeHalf, length, kNodeSize, 8, 8);
    updateDragCells(length);
}

void DDksShowWidget::updateDragCells(int length)
{
    if (DksGridRules::updateDragCells(m_hoverColumn, m_columnWidth, &m_workRow, m_lastBarLength, length))
        m_rowChanged = true;
    m_lastBarLength = length;
}

void DDksShowWidget::paintCells(QPainter &painter)
{
    for (int r = 0; r < m_rowCount; ++r) {
        for (int c = 0; c < m_columnCount; ++c) {
            const int value = state(r, c);
            const QPixmap *image = value == 0 ? &m_nodeImage : (value >= 1 && value <= 3 ? &m_nodeSelImage : nullptr);
            if (image)
                painter.drawPixmap(m_nodeX[c] - kNodeHalf, m_nodeY[r] - kNodeHalf, kNodeSize, kNodeSize, *image);
        }
        paintRowBars(painter, r);
    }
}

void DDksShowWidget::paintRowBars(QPainter &painter, int row)
{
    const int W = m_columnWidth;
    const int y = m_nodeY[row] - kNodeHalf;
    const auto bar = [&](int column, int span) {
        painter.drawRoundedRect(m_nodeX[column] - kNodeHalf, y, span * W, kNodeSize, 8, 8);
    };
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(m_colorR, m_colorG, m_colorB, 255));
    for (int c = 0; c < kLastColumn; ++c) {
        if (state(row, c) == 2 || state(row, c) == 3)
            bar(c, 1);
    }
    const int s0 = state(row, 0), s1 = state(row, 1), s2 = state(row, 2);
    if (s0 == 2 && s1 == 2 && s2 == 2)
        bar(0, 3);
    else if (s0 == 2 && s1 == 2)
        bar(0, 2);
    else if (s1 == 2 && s2 == 2)
        bar(1, 2);
    else if (s1 == 3 && s2 == 2)
        bar(1, 2);
}
