#include "widgets/keySelectFrame.h"

#include "app/DDataManager.h"
#include "sdk/store/VorlanXml.h"
#include "widgets/ArrowWidget.h"
#include "widgets/DCustomEventTipExplain.h"
#include "widgets/KeyLayoutLoader.h"
#include "widgets/KeyboardModelLook.h"
#include "widgets/keyboardButCustom.h"
#include "widgets/sideLightButtonCustom.h"

#include <QDebug>
#include <QStringList>
#include <QTimer>

#include <cstring>

namespace {

const QColor SelectedKeyColor(220, 40, 45);
const QColor NewLedColor(255, 0, 0, 255);

} // namespace

keySelectFrame::keySelectFrame(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("keySelectFrame"));
    setWindowTitle(QStringLiteral("keySelectFrame"));
    resize(804, 372);
    connect(DDataManager::instance(), &DDataManager::sigQueryDynamicDisplaySensitivityNum_MouseEnter_BackInfo, this,
            &keySelectFrame::onQueryDynamicDisplaySensitivityNum_BackInfo);
}

keySelectFrame::~keySelectFrame()
{
    onCustomButMouseLeave();
    // The caps die with this frame: the data manager must not hand them out afterwards.
    DDataManager *manager = DDataManager::instance();
    if (manager->getKeySelectFrame() == this) {
        manager->setKeySelectFrame(nullptr);
        manager->setKeyButtonMap({});
        manager->setKeyInfoList({});
    }
}

QColor keySelectFrame::themeColor(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char(','));
    const auto section = [&parts](int i) { return i < parts.size() ? parts.at(i).trimmed().toInt() : 0; };
    return QColor(section(0), section(1), section(2), 255);
}

void keySelectFrame::setDeviceInfo(const hidStu &info)
{
    const QString model = KeyboardModelLook::modelName(info);
    m_modelName = model;
    loadKeyboardInfo(model);
}

void keySelectFrame::loadKeyboardInfo(const QString &model)
{
    m_modelName = model;
    const QByteArray text = KeyLayoutLoader::readFile(model);
    if (!text.isNull())
        parseKeyboardInfo(text.constData());
}

keyboardButCustom *keySelectFrame::keyAt(int row, int column) const
{
    if (row < 0 || row >= KeyLayout::Rows || column < 0 || column >= KeyLayout::Columns)
        return nullptr;
    return m_keyMatrix[row][column];
}

void keySelectFrame::clearLayout()
{
    m_sideLight = false;
    m_specialEnterKey = false;
    // A frame normally loads once; a second load must not leave the first caps on top.
    qDeleteAll(m_keyButtonList);
    qDeleteAll(m_sideLightButtonList);
    m_sideLightButtonList.clear();
    m_sideLightButtonMap.clear();
    m_sideLightLayoutList.clear();
    m_keyButtonMap.clear();
    m_keyButtonList.clear();
    m_keyLayoutList.clear();
    m_currentKey = nullptr;
    for (auto &row : m_keyMatrix)
        std::fill(std::begin(row), std::end(row), nullptr);
}

void keySelectFrame::parseKeyboardInfo(const char *text)
{
    clearLayout();
    const QColor theme = themeColor(DDataManager::instance()->getThemeInfo().TextCheckedColor);
    KeyLayout layout;
    if (!text || !KeyLayoutLoader::parse(QByteArray(text), layout))
        return;

    if (layout.hasKeyboardObject) {
        m_sideLight = layout.sideLight;
        m_specialEnterKey = layout.specialEnterKey;
        if (m_specialEnterKey)
            m_specialEnterKeyShape = layout.specialEnterKeyShape;
        m_hidDeviceType = layout.hidDeviceType;
    }
    DDataManager *manager = DDataManager::instance();
    if (layout.hasKeyboardObject) {
        manager->setSpecialEnterKey(m_specialEnterKey);
        manager->setHidDeviceType(m_hidDeviceType);
    }
    createSideLights(layout);
    createKeys(layout);

    manager->setKeyButtonMap(m_keyButtonMap);
    manager->setKeyInfoList(m_keyButtonList);
    manager->setKeySelectFrame(this);
    emit sigKeyboardAlreadyLoad();

    for (auto &row : m_keyMatrix) {
        for (keyboardButCustom *cap : row) {
            cap->setThemeColors(SelectedKeyColor, theme);
            cap->setLightPreviewEnabled(true);
        }
    }
}

void keySelectFrame::createSideLights(const KeyLayout &layout)
{
    for (const KeyLayout::Led &entry : layout.leds) {
        const KeyLayoutItem &item = entry.item;
        auto *led = new sideLightButtonCustom(this);
        led->setLedSize(item.width, item.height);
        led->setGeometry(item.posX + m_ledShiftX, item.posY + m_ledShiftY, item.width, item.height);
        led->setLedPosition(item.posX + m_ledShiftX, item.posY + m_ledShiftY);
        led->setLedIndex(item.code, entry.validStatus);
        led->setRounded(false);
        led->hide();
        led->setLightColor(NewLedColor);
        m_sideLightButtonList.append(led);
        m_sideLightButtonMap.insert(item.code, led);
        m_sideLightLayoutList.append(item);
    }
}

void keySelectFrame::createKeys(const KeyLayout &layout)
{
    for (int i = 0; i < layout.keys.size(); ++i) {
        const KeyLayout::Key &key = layout.keys.at(i);
        const KeyLayoutItem &item = key.item;
        const int row = i / KeyLayout::Columns;
        const int column = i % KeyLayout::Columns;
        auto *cap = new keyboardButCustom(this);
        cap->setKeySize(item.width, item.height);
        cap->setModelName(m_modelName);
        connect(cap, &keyboardButCustom::clicked, this, &keySelectFrame::onKeyButtonClicked);
        connect(cap, &keyboardButCustom::sigCustomButMouseEnter, this, &keySelectFrame::onCustomButMouseEnter);
        connect(cap, &keyboardButCustom::sigCustomButMouseLeave, this, &keySelectFrame::onCustomButMouseLeave);
        if (item.code == 40 && m_specialEnterKey) {
            cap->setSpecialShape(true);
            cap->setShapeKind(1);
            const QPoint notch = KeyboardModelLook::enterNotch(m_modelName);
            cap->setEnterKeyNotch(notch.x(), notch.y());
        }
        cap->setGeometry(item.posX + KeyShift, item.posY + KeyShift, item.width, item.height);
        cap->setKeyPosition(item.posX + KeyShift, item.posY + KeyShift);
        cap->setSelected(false, false);
        cap->setKeyInfo(item.code, key.caption);
        cap->setMatrixIndex(row, column);
        m_keyButtonMap.insert(item.code, cap);
        m_keyMatrix[row][column] = cap;
        m_keyButtonList.append(cap);
        m_keyLayoutList.append(item);
    }
}

void keySelectFrame::setKeysState(bool lightEditMode, bool hoverEnabled)
{
    for (keyboardButCustom *cap : qAsConst(m_keyButtonMap)) {
        cap->setHoverEnabled(hoverEnabled);
        cap->setLightEditMode(lightEditMode);
    }
    if (m_currentKey) {
        m_currentKey->setSelected(false, true, 5);
        m_currentKey = nullptr;
    }
}

void keySelectFrame::setKeysHoverEnabled(bool enabled)
{
    for (keyboardButCustom *cap : qAsConst(m_keyButtonMap))
        cap->setHoverEnabled(enabled);
}

void keySelectFrame::setLightEditMode(bool on)
{
    for (keyboardButCustom *cap : qAsConst(m_keyButtonMap)) {
        cap->setLightEditMode(on);
        cap->setDragSelected(false);
    }
    if (m_currentKey) {
        m_currentKey->setSelected(false, true, 7);
        m_currentKey = nullptr;
    }
}

void keySelectFrame::setKeysCalibrationMode(bool on)
{
    for (keyboardButCustom *cap : qAsConst(m_keyButtonMap))
        cap->setCalibrationMode(on);
}

void keySelectFrame::setSideLightVisible(bool show)
{
    if (!m_sideLight)
        return;
    for (sideLightButtonCustom *led : qAsConst(m_sideLightButtonList)) {
        if (!show)
            led->hide();
        else if (led->isValid())
            led->show();
    }
}

void keySelectFrame::clearCurrentKeyAndTip()
{
    m_currentKey = nullptr;
    onCustomButMouseLeave();
}

QString keySelectFrame::keyCaption(const keyboardButCustom *cap)
{
    if (cap->getKeyDec() == 52)
        return QStringLiteral("' \"");
    return cap->getKeyCharacter().remove(QLatin1Char('"'));
}

void keySelectFrame::onKeyButtonClicked()
{
    auto *cap = qobject_cast<keyboardButCustom *>(sender());
    if (!cap || cap == m_currentKey)
        return;
    DDataManager *manager = DDataManager::instance();
    const bool calibrating = manager->isKeyCalibrationRunning();
    const QString caption = keyCaption(cap);
    if (!calibrating) {
        if (caption == QLatin1String("fn") || caption == QLatin1String("Fn") || caption == QLatin1String("FN"))
            return;
        if (!cap->isRemappable())
            return;
    }
    if (m_currentKey)
        m_currentKey->setSelected(false, true, 10);
    cap->setSelected(true, true, 10);
    m_currentKey = cap;
    if (calibrating)
        manager->relayCalibrationPoint(cap->getRowIndex(), cap->getColumnIndex());
    else
        manager->setCurrentKey(cap->getKeyDec(), caption);
}

void keySelectFrame::onCustomButMouseEnter()
{
    auto *cap = qobject_cast<keyboardButCustom *>(sender());
    if (!cap)
        return;
    // An enter without the leave of the previous key must not leave that tip behind.
    onCustomButMouseLeave();

    DDataManager *manager = DDataManager::instance();
    char profilePath[DDataManager::kPathBufferSize] = {};
    manager->getCurrentProfileXmlPath(profilePath);
    const QByteArray indexText = QByteArray::number(manager->getCurrentProfileIndex());
    const QByteArray keyText = QByteArray::number(cap->getKeyDec());
    KeyOperateInfo info{};
    qstrncpy(info.keyIndex, "-1", sizeof info.keyIndex);
    qstrncpy(info.operateType, "-1", sizeof info.operateType);
    if (!manager->isKeyCalibrationRunning())
        CVorlanXML_SelectProFileKeyOperateInfo(profilePath, indexText.constData(), keyText.constData(), &info);
    const QString typeName = manager->getKeyOperateDescription(info);

    const QString caption = keyCaption(cap);
    m_tipExplain = new DCustomEventTipExplain(nullptr);
    if (std::strcmp(info.keyIndex, "-1") != 0)
        m_tipExplain->setTipInfo(caption, typeName, manager->getKeyOperateValueText(), true);
    else if (cap->getKeyDec() != -10 && cap->isRemappable())
        m_tipExplain->setTipInfo(caption, typeName, caption, true);
    else
        m_tipExplain->setTipInfo(caption, typeName, tr("Cannot remapped"), false);

    m_arrowWidget = new ArrowWidget(ArrowWidget::ArrowBottom, nullptr);
    m_arrowWidget->setWidgetSize(260, 120);
    m_arrowWidget->setArrowPosition(123);
    m_arrowWidget->setCenterWidget(m_tipExplain);
    connect(m_arrowWidget, &ArrowWidget::sigArrowWidgetMouseEnter, this, &keySelectFrame::onArrowWidgetMouseEnter);
    const QPoint anchor = cap->mapToGlobal(QPoint(cap->width() / 2, cap->height()));
    m_arrowWidget->move(anchor - QPoint(130, cap->height() + 120));
    m_arrowWidget->show();
}

void keySelectFrame::onCustomButMouseLeave()
{
    if (!m_arrowWidget)
        return;
    delete m_tipExplain;
    m_tipExplain = nullptr;
    m_arrowWidget->hide();
    delete m_arrowWidget;
    m_arrowWidget = nullptr;
}

void keySelectFrame::onQueryDynamicDisplaySensitivityNum_BackInfo(int, int, int) {}

void keySelectFrame::onArrowWidgetMouseEnter()
{
    QTimer::singleShot(100, this, &keySelectFrame::ontheArrowWillHide);
}

void keySelectFrame::ontheArrowWillHide()
{
    clearCurrentKeyAndTip();
}
