#pragma once

#include "ui/mainwidget/devicePage/lightDeal/LightTickerThread.h"

// The side ticker: advances the side-light effect at the period of its speed level.
class updateLightMainThreadSide : public LightPeriodTicker
{
    Q_OBJECT

public:
    explicit updateLightMainThreadSide(QObject *parent = nullptr);

signals:
    void sigDviceUpdateAllKeyColorSide();

protected:
    void run() override;
    void emitTick() override;
};
