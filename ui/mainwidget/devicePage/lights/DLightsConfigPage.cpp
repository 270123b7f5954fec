#include "ui/mainwidget/devicePage/lights/DLightsConfigPage.h"

#include "app/DDataManager.h"

#include <QtGlobal>

// The tab's mode panels and light reports come with the lighting subsystem; until then it keeps
// the state the device page hands over and follows the area and custom-light switches.

DLightsConfigPage::DLightsConfigPage(QWidget *parent)
    : QWidget(parent)
{
    setObjectName("DLightsConfigPage");
}

int DLightsConfigPage::getCurrentCustomLightIndex() const
{
    return m_customLightIndex;
}

void DLightsConfigPage::loadProfileLightMode() {}

void DLightsConfigPage::resendCustomLight() {}

void DLightsConfigPage::retranslate() {}

void DLightsConfigPage::applyTheme()
{
    const ThemeColorInfo theme = DDataManager::instance()->getThemeInfo();
    setStyleSheet(QString("QWidget#DLightsConfigPage{background-color: rgb(%1);}").arg(theme.DeviceRightBgColor));
}

void DLightsConfigPage::selectCustomLight(int, int, int slot)
{
    m_customLightSlot = slot;
    emit sigLightConfigHaveChanged(-2, m_keyboardInfo);
}

void DLightsConfigPage::sendSideLightConfig(colorInfoData info)
{
    m_sideInfo = info;
}

void DLightsConfigPage::setLightModeSupport(LightModeSupport keyboard, LightModeSupport side)
{
    m_keyboardSupport = keyboard;
    m_sideSupport = side;
}

void DLightsConfigPage::setProfileXmlPath(const char *path)
{
    qstrncpy(m_profileXmlPath, path ? path : "", sizeof m_profileXmlPath);
}

void DLightsConfigPage::switchLightArea(int area, int)
{
    m_sideLightArea = area != 0;
    emit sigLightConfigHaveChanged(-1, m_sideLightArea ? m_sideInfo : m_keyboardInfo);
}
