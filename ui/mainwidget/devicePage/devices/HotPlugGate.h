#pragma once

#include "sdk/protocol/VorlanHidRecords.h"

#include <QList>
#include <QString>

// What the main window does with one device arrival or removal.
struct HotPlugDecision
{
    bool emitSignal = false;      // one hot-plug signal, after the 300 ms pause
    bool scheduleUpgrade = false; // the upgrade slot, 600 ms later
};

class HotPlugGate
{
public:
    // Index of the first supported entry whose vendor and product id texts both occur in the path,
    // ignoring case; -1 when none does. An entry without id texts matches nothing.
    static int matchingEntry(const QList<SupportInfoStu> &supported, const QString &path);
    // A keyboard (or its chip) waiting in firmware-upgrade mode.
    static bool isUpgradeModeDevice(const QString &path);
    // supported may be null: the SDK did not start.
    static HotPlugDecision decide(const QList<SupportInfoStu> *supported, const QString &path, bool arrival);
};
