#include "ui/mainwidget/devicePage/devices/KeyboardStatusRules.h"

bool KeyboardStatusRules::acceptsReport(int keyboardMode, int is24GValid, const QString &reportSerial,
                                        const QString &currentSerial)
{
    if (keyboardMode == 1 && is24GValid == 1)
        return false;
    // Without a current keyboard no report is its own.
    return !currentSerial.isEmpty() && reportSerial == currentSerial;
}

BatteryView KeyboardStatusRules::batteryView(int chargingStatus, int electricity, int keyboardMode, bool timerRunning)
{
    BatteryView view;
    view.modeText = connectionText(keyboardMode);
    if (chargingStatus == 1) {
        view.chargingShown = true;
        view.percentTextShown = false;
        view.timer = timerRunning ? BatteryView::KeepTimer : BatteryView::StartTimerFromZero;
        return view;
    }
    view.chargingShown = chargingStatus == 2;
    view.level = chargingStatus == 2 ? 100 : electricity;
    view.timer = timerRunning ? BatteryView::StopTimer : BatteryView::KeepTimer;
    return view;
}

QString KeyboardStatusRules::connectionText(int keyboardMode)
{
    return keyboardMode != 0 ? QStringLiteral("2.4G") : QStringLiteral("USB");
}

int KeyboardStatusRules::nextAnimationLevel(int level)
{
    const int next = level + 1;
    return next >= 100 || next < 0 ? 0 : next;
}

DongleTransition KeyboardStatusRules::dongleTransition(int state, bool hasCard, bool isCurrentCard, bool hasCurrent)
{
    DongleTransition transition;
    if (!hasCard)
        return transition;
    if (state == 1) {
        transition.cardOnline = 0;
        transition.leaveCurrent = isCurrentCard;
        transition.chooseNext = isCurrentCard;
    } else if (state == 0) {
        transition.cardOnline = 1;
        transition.becomeCurrent = !hasCurrent;
    }
    return transition;
}
