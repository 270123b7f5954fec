#include "widgets/hidDeviceJoinFrame.h"

#include "sdk/protocol/HidText.h"
#include "widgets/KeyLayout.h"
#include "widgets/KeyViewGeometry.h"
#include "widgets/KeyboardModelLook.h"
#include "widgets/keyColorRgbFrameItem.h"
#include "widgets/keySelectFrame.h"
#include "widgets/keyboardButCustom.h"
#include "widgets/keyboardImageFrameItem.h"
#include "widgets/sideLightButtonCustom.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QSpacerItem>
#include <QStackedLayout>

hidDeviceJoinFrame::hidDeviceJoinFrame(QWidget *parent)
    : QWidget(parent)
{
    buildForm();
}

void hidDeviceJoinFrame::buildForm()
{
    setObjectName(QStringLiteral("hidDeviceJoinFrame"));
    setWindowTitle(QStringLiteral("Form"));
    resize(1104, 477);
    setStyleSheet(QStringLiteral("#hidDeviceJoinFrame{background-color: rgb(26, 27, 49);}"));

    auto *horizontalLayout = new QHBoxLayout(this);
    horizontalLayout->setObjectName(QStringLiteral("horizontalLayout"));
    horizontalLayout->setSpacing(0);
    horizontalLayout->setContentsMargins(0, 0, 0, 0);
    m_frameBg666 = new QFrame(this);
    m_frameBg666->setObjectName(QStringLiteral("frame_Bg666"));
    m_frameBg666->setFrameShape(QFrame::StyledPanel);
    m_frameBg666->setFrameShadow(QFrame::Raised);
    m_frameBg666->setStyleSheet(QStringLiteral("QFrame#frame_Bg666{border-width: 0px;}"));
    horizontalLayout->addWidget(m_frameBg666);

    auto *horizontalLayout_3 = new QHBoxLayout(m_frameBg666);
    horizontalLayout_3->setObjectName(QStringLiteral("horizontalLayout_3"));
    auto *gridLayout = new QGridLayout();
    gridLayout->setObjectName(QStringLiteral("gridLayout"));
    gridLayout->setSpacing(0);
    gridLayout->addItem(new QSpacerItem(20, 40, QSizePolicy::Minimum, QSizePolicy::Expanding), 0, 1);
    gridLayout->addItem(new QSpacerItem(20, 40, QSizePolicy::Minimum, QSizePolicy::Expanding), 2, 1);
    gridLayout->addItem(new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum), 1, 0);
    gridLayout->addItem(new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum), 1, 2);
    m_frameHidSpace = new QFrame(m_frameBg666);
    m_frameHidSpace->setObjectName(QStringLiteral("frame_hidSpace"));
    m_frameHidSpace->setMinimumSize(500, 180);
    m_frameHidSpace->setFrameShape(QFrame::StyledPanel);
    m_frameHidSpace->setFrameShadow(QFrame::Raised);
    m_frameHidSpace->setStyleSheet(QStringLiteral("QFrame#frame_hidSpace{border: none; background: transparent;}"));
    gridLayout->addWidget(m_frameHidSpace, 1, 1);
    horizontalLayout_3->addLayout(gridLayout);

    auto *horizontalLayout_2 = new QHBoxLayout(m_frameHidSpace);
    horizontalLayout_2->setObjectName(QStringLiteral("horizontalLayout_2"));
    horizontalLayout_2->setSpacing(0);
    horizontalLayout_2->setContentsMargins(0, 0, 0, 0);
}

void hidDeviceJoinFrame::setDeviceInfo(const hidStu &info)
{
    m_modelName = KeyboardModelLook::modelName(info);
    const QSize picture = KeyboardModelLook::pictureSize(m_modelName);
    m_containerWidth = picture.width() + 2 * KeyViewGeometry::Margin;
    m_containerHeight = picture.height() + 2 * KeyViewGeometry::Margin;
    m_frameHidSpace->setMinimumSize(0, 0);
    m_frameHidSpace->setFixedSize(m_containerWidth, m_containerHeight);

    m_holder = new QWidget(m_frameHidSpace);
    m_keySelectFrame = new keySelectFrame(m_holder);
    m_colorFrame = new keyColorRgbFrameItem(m_holder);
    m_imageFrame = new keyboardImageFrameItem(m_holder);
    connect(m_keySelectFrame, &keySelectFrame::sigKeyboardAlreadyLoad, this,
            &hidDeviceJoinFrame::onKeyboardAlreadyLoad);

    auto *stack = new QStackedLayout();
    stack->setStackingMode(QStackedLayout::StackAll);
    stack->addWidget(m_keySelectFrame);
    stack->addWidget(m_colorFrame);
    stack->addWidget(m_imageFrame);
    m_holder->setLayout(stack);
    m_frameHidSpace->layout()->addWidget(m_holder);
    m_imageFrame->lower();
    m_colorFrame->lower();
    m_keySelectFrame->raise();

    // The layers read only the model name of this record.
    hidStu layers{};
    layers.vid = 0x1234;
    layers.pid = 0x5678;
    copyHidText(layers.path, info.path);
    copyHidText(layers.hidManufacturer, sizeof layers.hidManufacturer, "hidStu_hidManufacturer");
    copyHidText(layers.hidProduct, sizeof layers.hidProduct, "hidStu_hidProduct");
    copyHidText(layers.hidName, sizeof layers.hidName, m_modelName.toLocal8Bit().constData());
    copyHidText(layers.hidFirmwareNUC, sizeof layers.hidFirmwareNUC, "hidStu_hidFirmwareNUC");
    layers.isDongle = 0;
    m_imageFrame->setDeviceInfo(layers);
    m_keySelectFrame->setDeviceInfo(layers);

    m_keySelectFrame->setKeysState(false, true);
}

void hidDeviceJoinFrame::setKeyboardMode(int mode)
{
    if (m_imageFrame)
        m_imageFrame->setKeyboardMode(mode);
}

void hidDeviceJoinFrame::onKeyboardAlreadyLoad()
{
    m_keyRecords.clear();
    m_rowHeads.clear();
    const QList<KeyLayoutItem> records = m_keySelectFrame->getKeyLayoutList();
    for (int i = 0; i < records.size(); ++i) {
        m_keyRecords.append(records.at(i));
        if (i % KeyLayout::Columns == 0)
            m_rowHeads.append(records.at(i));
    }
}

QSize hidDeviceJoinFrame::pictureSize() const
{
    return QSize(m_containerWidth - 2 * KeyViewGeometry::Margin, m_containerHeight - 2 * KeyViewGeometry::Margin);
}

void hidDeviceJoinFrame::setKeyboardScale(float scale)
{
    const QSize container = KeyViewGeometry::containerSize(
        QSize(m_containerWidth - 2 * KeyViewGeometry::Margin, m_containerHeight - 2 * KeyViewGeometry::Margin), scale);
    m_frameHidSpace->setFixedSize(container);
    m_scale = scale;
    if (!m_keySelectFrame)
        return;

    const QMap<int, keyboardButCustom *> caps = m_keySelectFrame->getKeyButtonMap();
    for (const KeyLayoutItem &record : qAsConst(m_keyRecords)) {
        keyboardButCustom *cap = caps.value(record.code);
        if (record.code == 0 || !cap)
            continue;
        const QRect rect = KeyViewGeometry::keyRect(record, scale);
        cap->setGeometry(rect);
        cap->setKeyPosition(rect.x(), rect.y());
        cap->setKeySize(rect.width(), rect.height());
        cap->update();
    }

    keyboardButCustom *enter = caps.value(40);
    if (m_keySelectFrame->hasSpecialEnterKey() && enter) {
        const QPoint notch = KeyboardModelLook::scaledEnterNotch(m_modelName, scale);
        enter->setEnterKeyNotch(notch.x(), notch.y());
    }

    if (!m_keySelectFrame->hasSideLight())
        return;
    const QMap<int, sideLightButtonCustom *> leds = m_keySelectFrame->getSideLightButtonMap();
    for (const KeyLayoutItem &record : m_keySelectFrame->getSideLightLayoutList()) {
        sideLightButtonCustom *led = leds.value(record.code);
        if (record.sidePosition == 0 || !led)
            continue;
        const QRect rect = KeyViewGeometry::ledRect(record, scale, container);
        led->setGeometry(rect);
        led->setLedPosition(rect.x(), rect.y());
        led->setLedSize(rect.width(), rect.height());
    }
}

QPoint hidDeviceJoinFrame::containerOrigin() const
{
    return m_frameHidSpace->pos();
}

keyboardButCustom *hidDeviceJoinFrame::capOfRecord(int index) const
{
    if (!m_keySelectFrame)
        return nullptr;
    return m_keySelectFrame->keyAt(index / KeyLayout::Columns, index % KeyLayout::Columns);
}

void hidDeviceJoinFrame::selectKeysInRect(int x1, int y1, int x2, int y2)
{
    for (keyboardButCustom *cap : qAsConst(m_dragSelection))
        cap->setDragSelected(false);
    m_dragSelection.clear();
    for (int index : KeyViewGeometry::keysInBand(m_keyRecords, m_scale, containerOrigin(), x1, y1, x2, y2)) {
        if (keyboardButCustom *cap = capOfRecord(index)) {
            cap->setDragSelected(true);
            m_dragSelection.append(cap);
        }
    }
    emit sigTheDragAreaHaveChanged(0, -1, -1, -1);
}

void hidDeviceJoinFrame::hoverKeyAt(int x, int y, int mode)
{
    if (m_pressed)
        return;
    const int hit = KeyViewGeometry::keyAt(m_keyRecords, KeyLayout::Columns, m_scale, containerOrigin(),
                                           m_frameHidSpace->width(), QPoint(x, y));
    keyboardButCustom *cap = hit >= 0 ? capOfRecord(hit) : nullptr;
    if (cap) {
        if (cap != m_hoveredKey) {
            if (m_hoveredKey)
                m_hoveredKey->setHovered(false);
            cap->setHovered(true);
            m_hoveredKey = cap;
        }
    } else if (m_hoveredKey) {
        m_hoveredKey->setHovered(false);
        m_hoveredKey = nullptr;
        if (mode == 4 && m_keySelectFrame)
            m_keySelectFrame->clearCurrentKeyAndTip();
    }
    emit sigDragAreaMoveOneKey(cap != nullptr);
}

void hidDeviceJoinFrame::toggleHoveredKey(bool pressed)
{
    m_pressed = pressed;
    if (!pressed || !m_hoveredKey)
        return;
    int status = 1;
    if (m_dragSelection.contains(m_hoveredKey)) {
        m_hoveredKey->setDragSelected(false);
        m_dragSelection.removeAll(m_hoveredKey);
        status = -1;
    } else {
        m_hoveredKey->setDragSelected(true);
        m_dragSelection.append(m_hoveredKey);
    }
    emit sigTheDragAreaHaveChanged(1, status, m_hoveredKey->getRowIndex(), m_hoveredKey->getColumnIndex());
}

void hidDeviceJoinFrame::setLightEditMode(bool on)
{
    if (on) {
        for (keyboardButCustom *cap : qAsConst(m_dragSelection))
            cap->setDragSelected(false);
        m_dragSelection.clear();
    }
    if (m_keySelectFrame)
        m_keySelectFrame->setLightEditMode(on);
}
