#pragma once

#include "device/hidStructInfoAll.h"
#include "ui/mainwidget/devicePage/devices/DeviceScan.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

// The start-up listing of the device page.
struct DeviceListing
{
    QMap<QString, hidStructInfoAll> hidInfoMap; // connected devices by path
    QMap<QString, int> dongleStateMap;          // receivers found: 1, not reachable yet
    QList<hidStructInfoAll> displayList;        // cable, then receiver, then offline cards
    // The first display record, when it is on a cable: the device made current at start.
    bool hasStartDevice = false;
};

// A card as the reordering sees it: its key in the card map and the record it holds.
struct DeviceCard
{
    QString key;
    hidStructInfoAll record;
};

// Where a record goes when every card is rebuilt.
struct CardPlacement
{
    QString itemKey; // key in the card map
    QString infoKey; // key in the device map; empty: not entered there
};

// Rules of the device list: which records the scans give, where cards go and in which order,
// and which device becomes current. No widgets, no SDK calls.
class DeviceListRules
{
public:
    static DeviceListing startupListing(const DeviceScan &scan);
    // Every connected supported device, online, by path (the hot-plug scan).
    static QMap<QString, hidStructInfoAll> scanMap(const DeviceScan &scan);

    // Only the first key, in key order, is handled per notification; empty when there is none.
    static QString firstNewKey(const QStringList &oldKeys, const QStringList &newKeys);
    static QString firstGoneKey(const QStringList &oldKeys, const QStringList &newKeys);

    // A receiver device is reachable only once its receiver reported it; without a stored state
    // it is not.
    static bool isUsable(const hidStructInfoAll &record, const QMap<QString, int> &dongleStateMap);
    // The first usable device in key order; empty when there is none.
    static QString nextCurrentPath(const QMap<QString, hidStructInfoAll> &hidInfoMap,
                                   const QMap<QString, int> &dongleStateMap);
    // Whether an arriving device becomes current.
    static bool arrivalBecomesCurrent(const hidStructInfoAll &record, int scannedDevices, bool hasCurrent);

    // Card order after a hot-plug update: current, online cable, online receiver, offline.
    // cards is in key order; currentKey may be empty.
    static QStringList hotPlugOrder(const QList<DeviceCard> &cards, const QString &currentKey);
    // Card order of the full rebuild: current, online cable, online receiver together with
    // offline receiver, other offline. The card holding the current card's path is left out.
    static QList<hidStructInfoAll> rebuildOrder(const QList<DeviceCard> &cards, const QString &currentKey);
    static CardPlacement rebuildPlacement(const hidStructInfoAll &record);
};
