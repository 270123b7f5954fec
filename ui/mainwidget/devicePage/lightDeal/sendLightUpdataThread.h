#pragma once

#include "ui/mainwidget/devicePage/lightDeal/LightTickerThread.h"

// The send ticker: streams the colours to the keyboard every 30 ms while synchronisation is on.
class sendLightUpdataThread : public LightTickerThread
{
    Q_OBJECT

public:
    static constexpr int periodMs = 30;

    explicit sendLightUpdataThread(QObject *parent = nullptr);

signals:
    void sigDviceUpdateAllKeyColorSendKeyboardHid();

protected:
    void run() override;
};
