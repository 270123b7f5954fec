#pragma once

#include "ui/mainwidget/devicePage/lightDeal/LightTickerThread.h"

// The key ticker: advances the keyboard effect at the period of its speed level.
class updateLightMainThread : public LightPeriodTicker
{
    Q_OBJECT

public:
    explicit updateLightMainThread(QObject *parent = nullptr);

signals:
    void sigDviceUpdateAllKeyColor();

protected:
    void run() override;
    void emitTick() override;
};
