#include "ui/mainwidget/devicePage/magnetic/DTriggerSettingPage.h"

#include "app/DDataManager.h"

DTriggerSettingPage::DTriggerSettingPage(QWidget *parent)
    : QWidget(parent)
{
    setObjectName("DTriggerSettingPage");
    DDataManager *data = DDataManager::instance();
    connect(data, &DDataManager::sigBackDynamicDisplaySensitivityNum, this,
            &DTriggerSettingPage::onBackDynamicDisplaySensitivityNum);
    connect(data, &DDataManager::sigQueryDynamicDisplaySensitivityNum_MouseClicked_BackInfo, this,
            &DTriggerSettingPage::onQueryDynamicDisplaySensitivityNum_BackInfo);
}

void DTriggerSettingPage::clearDynamicDisplaySensitivityNum()
{
    m_sensitivityNum = 0;
    update();
}

void DTriggerSettingPage::exitCalibrationMode()
{
    DDataManager::instance()->setKeyCalibrationRunning(false);
}

void DTriggerSettingPage::loadInitData() {}

void DTriggerSettingPage::retranslate() {}

void DTriggerSettingPage::applyTheme()
{
    const ThemeColorInfo theme = DDataManager::instance()->getThemeInfo();
    setStyleSheet(QString("QWidget#DTriggerSettingPage{background-color: rgb(%1);}").arg(theme.DeviceRightBgColor));
}

void DTriggerSettingPage::onBackDynamicDisplaySensitivityNum(int indexX, int indexY, int sensitivityNum)
{
    Q_UNUSED(indexX);
    Q_UNUSED(indexY);
    m_sensitivityNum = sensitivityNum;
    update();
}

void DTriggerSettingPage::onQueryDynamicDisplaySensitivityNum_BackInfo(int type, int pressNum, int releaseNum,
                                                                       int QuickTriggerPressNum,
                                                                       int QuickTriggerReleaseNum)
{
    Q_UNUSED(type);
    Q_UNUSED(pressNum);
    Q_UNUSED(releaseNum);
    Q_UNUSED(QuickTriggerPressNum);
    Q_UNUSED(QuickTriggerReleaseNum);
}
