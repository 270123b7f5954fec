#include "ui/mainwidget/devicePage/lightDeal/sendLightUpdataThread.h"

sendLightUpdataThread::sendLightUpdataThread(QObject *parent)
    : LightTickerThread(parent)
{
}

void sendLightUpdataThread::run()
{
    while (runFlag()) {
        msleep(periodMs);
        if (runFlag() && claimTick())
            emit sigDviceUpdateAllKeyColorSendKeyboardHid();
    }
}
