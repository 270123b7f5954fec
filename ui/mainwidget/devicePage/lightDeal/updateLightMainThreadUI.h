#pragma once

#include "ui/mainwidget/devicePage/lightDeal/LightTickerThread.h"

// The UI ticker: refreshes the preview on the keyboard picture every 30 ms.
class updateLightMainThreadUI : public LightTickerThread
{
    Q_OBJECT

public:
    static constexpr int periodMs = 30;

    explicit updateLightMainThreadUI(QObject *parent = nullptr);

signals:
    void sigDviceUpdateAllKeyColorUI();

protected:
    void run() override;
};
