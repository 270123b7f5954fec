#include "ui/mainwidget/devicePage/lightDeal/updateLightMainThreadSide.h"

#include "ui/mainwidget/devicePage/lightDeal/LightTickRule.h"

updateLightMainThreadSide::updateLightMainThreadSide(QObject *parent)
    : LightPeriodTicker(LightTickRule::sideClockModulus, 15, parent)
{
}

void updateLightMainThreadSide::run()
{
    runPolling();
}

void updateLightMainThreadSide::emitTick()
{
    emit sigDviceUpdateAllKeyColorSide();
}
