#include "ui/mainwidget/devicePage/lightDeal/updateLightMainThreadUI.h"

updateLightMainThreadUI::updateLightMainThreadUI(QObject *parent)
    : LightTickerThread(parent)
{
}

void updateLightMainThreadUI::run()
{
    while (runFlag()) {
        msleep(periodMs);
        if (runFlag() && claimTick())
            emit sigDviceUpdateAllKeyColorUI();
    }
}
