// Mode choice, the record of the mode shown, its controls, and storing and sending a change.
#include "ui/mainwidget/devicePage/lights/DLightsConfigPage.h"

#include "sdk/store/VorlanXml.h"
#include "ui/mainwidget/devicePage/lights/DCustomLightListItem.h"
#include "widgets/SVColorArea.h"
#include "widgets/sliderCustomWidget.h"

#include "ui_DLightsConfigPage.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QSignalBlocker>
#include <QtDebug>

namespace {

constexpr int kCustomButtonId = 17;

// Checks the button of id alone (none for an id without a button).
void checkOnly(QButtonGroup *group, int id)
{
    group->setExclusive(false);
    for (QAbstractButton *button : group->buttons())
        button->setChecked(group->id(button) == id);
    group->setExclusive(true);
}

} // namespace

void DLightsConfigPage::onCurIndexChanged_KB_LightMode(int indexSel)
{
    m_ui->frame_D->hide();
    // The DPI button names a mode the keyboard does not have: the mode in use stays.
    const int mode = LightTypes::keyboardModeOfButton(indexSel);
    if (mode >= 0)
        m_keyboardMode = mode;
    const char *name = LightTypes::keyboardModeName(indexSel == LightTypes::dpiButtonId ? KB_LIGHT_DPI : mode);
    if (indexSel == kCustomButtonId) {
        m_ui->frame_D->show();
        if (m_resetSlotOnCustom)
            m_customLightSlot = 0;
        loadCustomLightSets();
    }
    m_currentModeName = name ? QObject::tr(name) : QString();
    m_ui->label_LightMode->setText(m_currentModeName);
    qDebug().noquote() << "Operate changed Start [LightsConfig->NextItem]:" << m_keyboardMode;

    loadAreaRecord(LIGHT_AREA_KEYBOARD);
    updateKeyboardControls(m_keyboardMode);
    if (m_keyboardMode == KB_LIGHT_CUSTOM && m_currentCustomLightItem)
        emit sigCustomLightItemHaveChanged(m_currentCustomLightItem->getUsingSlot(),
                                           m_currentCustomLightItem->getIndex(), m_currentCustomLightItem->getName());
    emit sigSelectCurrentLightTypeIndex_KB(m_keyboardMode, m_currentLight);
    if (m_currentLight.area == LIGHT_AREA_KEYBOARD)
        sendKeyboardLightReport(m_currentLight);
    qDebug().noquote() << "Operate changed Over [LightsConfig]";
}

void DLightsConfigPage::onCurIndexChanged_Side_LightMode(int indexSel)
{
    const int mode = LightTypes::sideModeOfButton(indexSel);
    if (mode < 0)
        return;
    m_sideMode = mode;
    m_currentModeName = QObject::tr(LightTypes::sideModeName(mode));
    m_ui->label_LightMode->setText(m_currentModeName);
    loadAreaRecord(LIGHT_AREA_SIDE);
    updateSideControls(m_sideMode);
    emit sigSelectCurrentLightTypeIndex_Side(m_sideMode, m_currentLight);
    if (m_currentLight.area == LIGHT_AREA_SIDE)
        sendSideLightReport(m_currentLight);
}

void DLightsConfigPage::loadAreaRecord(int area)
{
    const int mode = area == LIGHT_AREA_KEYBOARD ? m_keyboardMode : m_sideMode;
    const QByteArray index = profileIndexText();
    colorInfoData record{};
    if (CVorlanXML_SelectProfileColorDataInfo(m_profileXmlPath, index.constData(), area, mode, &record)) {
        m_currentLight = record;
    } else {
        m_currentLight = LightTypes::defaultRecord(area, mode);
        CVorlanXML_AddProFileLightInfoItem(m_profileXmlPath, index.constData(), m_currentLight);
    }
    const int colors[6] = {m_currentLight.colorR,   m_currentLight.colorG,   m_currentLight.colorB,
                           m_currentLight.bgColorR, m_currentLight.bgColorG, m_currentLight.bgColorB};
    std::copy(std::begin(colors), std::end(colors), std::begin(m_editColors));
    m_ui->checkBox_FullColorMode->setChecked(m_currentLight.fullColor == 1);
    m_colorArea->resetRotateValue();
    std::copy(std::begin(colors), std::begin(colors) + 3, std::begin(m_editColor));
    showRecordColors();
    checkOnly(m_directionGroup, m_currentLight.direction);
    m_speedSlider->setCurrentPosition(LightTypes::sliderPositionOfLevel(m_currentLight.speed));
    m_brightnessSlider->setCurrentPosition(LightTypes::sliderPositionOfLevel(m_currentLight.brightness));
    CVorlanXML_ModifyProFileMouseLightUsingIndex(m_profileXmlPath, index.constData(), area, mode);
    showModeName(area);
}

void DLightsConfigPage::showRecordColors()
{
    const colorInfoData &light = m_currentLight;
    {
        const QSignalBlocker blockRed(m_ui->lineEdit_R);
        const QSignalBlocker blockGreen(m_ui->lineEdit_G);
        const QSignalBlocker blockBlue(m_ui->lineEdit_B);
        m_ui->lineEdit_R->setText(QString::number(light.colorR));
        m_ui->lineEdit_G->setText(QString::number(light.colorG));
        m_ui->lineEdit_B->setText(QString::number(light.colorB));
    }
    m_ui->label_ColorShow->setStyleSheet(QString("QLabel{background-color: rgb(%1, %2, %3); border-radius:4px;}")
                                             .arg(light.colorR)
                                             .arg(light.colorG)
                                             .arg(light.colorB));
    m_ui->pushButton_TopColor->setStyleSheet(colorButtonSheet(light.colorR, light.colorG, light.colorB));
    m_ui->pushButton_BottomColor->setStyleSheet(colorButtonSheet(light.bgColorR, light.bgColorG, light.bgColorB));
    m_ui->pushButton_TopColor->setChecked(true);
}

QString DLightsConfigPage::colorButtonSheet(int red, int green, int blue) const
{
    return QString("QPushButton{background-color: rgb(%1, %2, %3); border: 2px solid rgb(%4); border-radius:7px;}"
                   "QPushButton:hover{border: 2px solid rgb(%5); border-radius:7px;}"
                   "QPushButton:pressed{border: 2px solid rgb(%5); border-radius:7px;}"
                   "QPushButton::checked{border: 2px solid rgb(%5); border-radius:7px;}"
                   "QPushButton::unchecked{border: 2px solid rgb(%4); border-radius:7px;}")
        .arg(red)
        .arg(green)
        .arg(blue)
        .arg(m_buttonBorderColor, m_accentColor);
}

void DLightsConfigPage::showModeName(int area)
{
    const bool keyboard = area == LIGHT_AREA_KEYBOARD;
    QButtonGroup *group = keyboard ? m_keyboardModeGroup : m_sideModeGroup;
    checkOnly(group,
              keyboard ? LightTypes::keyboardButtonOfMode(m_keyboardMode) : LightTypes::sideButtonOfMode(m_sideMode));
    const char *name = keyboard ? LightTypes::keyboardModeName(m_keyboardMode) : LightTypes::sideModeName(m_sideMode);
    m_ui->label_LightMode->setText(name ? QObject::tr(name) : QString());
}

void DLightsConfigPage::updateKeyboardControls(int mode)
{
    showOffer(LightTypes::keyboardModeOffer(mode));
}

void DLightsConfigPage::updateSideControls(int mode)
{
    showOffer(LightTypes::sideModeOffer(mode));
}

void DLightsConfigPage::showOffer(const LightModeOffer &offer)
{
    m_ui->frame_Brightness->setVisible(offer.brightness);
    m_ui->frame_Speed->setVisible(offer.speed);
    m_ui->frame_DirectionMain->setVisible(offer.directions != 0);
    // A row without any direction hides whole; its buttons stay as they are shown by default.
    for (QAbstractButton *button : m_directionGroup->buttons())
        button->setVisible(offer.directions == 0 || offer.offersDirection(m_directionGroup->id(button)));
    m_ui->frame_23->setVisible(offer.fullAndSecondColor);
    m_ui->frame_25->setVisible(offer.fullAndSecondColor);
}

void DLightsConfigPage::applyLightConfig(int kind)
{
    // A drag on the colour ring is committed once, on release.
    if (m_isColorAreaPressed)
        return;
    colorInfoData &light = m_currentLight;
    if (kind == LIGHT_CHANGE_COLOR) {
        light.colorR = m_editColors[0];
        light.colorG = m_editColors[1];
        light.colorB = m_editColors[2];
        light.bgColorR = m_editColors[3];
        light.bgColorG = m_editColors[4];
        light.bgColorB = m_editColors[5];
    }
    const QByteArray index = profileIndexText();
    if (CVorlanXML_IsProFileAlreadyHaveLightInfo(m_profileXmlPath, index.constData(), light.area, light.lightMode))
        CVorlanXML_ModifyProFileLightInfoItem(m_profileXmlPath, index.constData(), light.area, light.lightMode, light);
    emit sigLightConfigHaveChanged(kind, light);
    if (light.area == LIGHT_AREA_KEYBOARD)
        sendKeyboardLightReport(light);
    else if (light.area == LIGHT_AREA_SIDE)
        sendSideLightReport(light);
    if (light.lightMode == KB_LIGHT_CUSTOM && kind == LIGHT_CHANGE_COLOR)
        emit sigLightConfigHaveChanged_Custom(LIGHT_CHANGE_COLOR, light);
}

void DLightsConfigPage::onBackCurrentPositionNum_Brightness(int currPositionIndex)
{
    m_currentLight.brightness = LightTypes::levelOfSliderPosition(currPositionIndex);
    applyLightConfig(LIGHT_CHANGE_BRIGHTNESS);
}

void DLightsConfigPage::onBackCurrentPositionNum_Speed(int currPositionIndex)
{
    m_currentLight.speed = LightTypes::levelOfSliderPosition(currPositionIndex);
    applyLightConfig(LIGHT_CHANGE_SPEED);
}

void DLightsConfigPage::onCurIndexChanged_LedDirection(int selIndex)
{
    checkOnly(m_directionGroup, selIndex);
    m_currentLight.direction = selIndex;
    applyLightConfig(LIGHT_CHANGE_DIRECTION);
}

void DLightsConfigPage::on_checkBox_FullColorMode_clicked()
{
    m_currentLight.fullColor = m_ui->checkBox_FullColorMode->isChecked() ? 1 : 0;
    applyLightConfig(LIGHT_CHANGE_FULL_COLOR);
}

void DLightsConfigPage::onSVColorAreaMouseIsPress(bool isMousePress)
{
    m_isColorAreaPressed = isMousePress;
    applyLightConfig(LIGHT_CHANGE_COLOR);
}
