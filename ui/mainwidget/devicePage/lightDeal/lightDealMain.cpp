#include "ui/mainwidget/devicePage/lightDeal/lightDealMain.h"

// The effect tickers, the synchronous stream and the report builders are not part of the
// engine yet: the operations below keep the records the device page hands over and send nothing.

lightDealMain::lightDealMain(QObject *parent)
    : QObject(parent)
{
}

void lightDealMain::loadProfileLightConfig() {}

void lightDealMain::sendCustomLed(int mode, int slot)
{
    Q_UNUSED(mode);
    Q_UNUSED(slot);
}

void lightDealMain::setDeviceInfo(hidStructInfoAll deviceInfo)
{
    m_deviceInfo = deviceInfo;
    m_hidName = QString::fromLocal8Bit(deviceInfo.hidName);
}

void lightDealMain::setInteractLightsPointXY(int row, int column)
{
    Q_UNUSED(row);
    Q_UNUSED(column);
}

void lightDealMain::setKeyboardColorInfoDataStu(colorInfoData info)
{
    m_keyboardInfo = info;
}

void lightDealMain::setSideColorInfoDataStu(colorInfoData info)
{
    m_sideInfo = info;
}

void lightDealMain::setKeyboardColorInfoDataStuHaveChanged(colorInfoData info)
{
    m_keyboardInfo = info;
}

void lightDealMain::setSideColorInfoDataStuHaveChanged(colorInfoData info)
{
    m_sideInfo = info;
}

void lightDealMain::setLightSynchronous(bool on)
{
    Q_UNUSED(on);
}

void lightDealMain::setLightTickerRuning(bool on)
{
    Q_UNUSED(on);
}

void lightDealMain::setLightModeSupport(LightModeSupport keyboard, LightModeSupport side)
{
    m_keyboardSupport = keyboard;
    m_sideSupport = side;
    m_hasSideLight = !side.modes.isEmpty();
}

void lightDealMain::setMusicalRhythmParams(int keyCount, int numBars, double lowFreq, double highFreq)
{
    Q_UNUSED(keyCount);
    Q_UNUSED(numBars);
    Q_UNUSED(lowFreq);
    Q_UNUSED(highFreq);
}

void lightDealMain::onSendLightSynchronize0x17Cmd() {}
