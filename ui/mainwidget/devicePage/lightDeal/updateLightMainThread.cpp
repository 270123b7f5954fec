#include "ui/mainwidget/devicePage/lightDeal/updateLightMainThread.h"

#include "ui/mainwidget/devicePage/lightDeal/LightTickRule.h"

updateLightMainThread::updateLightMainThread(QObject *parent)
    : LightPeriodTicker(LightTickRule::keyClockModulus, 12, parent)
{
}

void updateLightMainThread::run()
{
    runPolling();
}

void updateLightMainThread::emitTick()
{
    emit sigDviceUpdateAllKeyColor();
}
