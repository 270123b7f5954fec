#pragma once

#include <QString>

// What the page shows for one status report of the current keyboard.
struct BatteryView
{
    enum TimerAction { KeepTimer, StartTimerFromZero, StopTimer };

    bool chargingShown = false;
    bool percentTextShown = true;
    int level = -1; // level to show now; -1: leave the glyph to the charging animation
    TimerAction timer = KeepTimer;
    QString modeText;
};

// What the page does when a receiver reports its keyboard out of reach (1) or back (0).
struct DongleTransition
{
    int cardOnline = -1;        // new online flag of the card; -1: there is no card
    bool leaveCurrent = false;  // the current device stops being current (as on a removal)
    bool chooseNext = false;    // look for the next usable device
    bool becomeCurrent = false; // this device becomes current and reads its lights again
};

class KeyboardStatusRules
{
public:
    // A report counts only for the current keyboard and only while it is reachable.
    static bool acceptsReport(int keyboardMode, int is24GValid, const QString &reportSerial,
                              const QString &currentSerial);
    static BatteryView batteryView(int chargingStatus, int electricity, int keyboardMode, bool timerRunning);
    // "2.4G" for a keyboard behind a receiver (any mode but 0), "USB" for a cable.
    static QString connectionText(int keyboardMode);
    // The charging sweep: the level after the one just shown.
    static int nextAnimationLevel(int level);
    static DongleTransition dongleTransition(int state, bool hasCard, bool isCurrentCard, bool hasCurrent);
};
