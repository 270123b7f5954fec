#include "ui/mainwidget/devicePage/devices/DeviceListRules.h"

#include "ui/mainwidget/devicePage/devices/DeviceRecordBuilder.h"

#include <QSet>

#include <algorithm>

namespace {

QStringList sortedKeys(QStringList keys)
{
    std::sort(keys.begin(), keys.end());
    return keys;
}

std::string modelOf(const ScannedDevice &device)
{
    return std::string(device.hid.hidName, qstrnlen(device.hid.hidName, sizeof(device.hid.hidName)));
}

} // namespace

DeviceListing DeviceListRules::startupListing(const DeviceScan &scan)
{
    DeviceListing listing;
    std::map<std::string, HidInfoStu> working = scan.models;
    QList<hidStructInfoAll> cable;
    QList<hidStructInfoAll> receivers;
    for (const ScannedDevice &device : scan.devices) {
        const std::string model = modelOf(device);
        const auto all = scan.models.find(model);
        if (all == scan.models.end())
            continue;
        const auto first = working.find(model);
        hidStructInfoAll record = DeviceRecordBuilder::connected(all->second, device.hid, device.firmware);
        const QString path = DeviceRecordBuilder::path(record);
        if (record.usbOrDongle == 0) {
            record.isOnline = 1;
            cable.append(record);
        } else {
            record.isOnline = 0;
            receivers.append(record);
            // Every receiver gets its state, not only the first of its model: without one it
            // would count as unreachable anyway, and its receiver's report replaces it.
            listing.dongleStateMap.insert(path, 1);
        }
        if (first != working.end())
            working.erase(first);
        listing.hidInfoMap.insert(path, record);
    }
    listing.displayList = cable + receivers;
    for (const auto &entry : working)
        listing.displayList.append(DeviceRecordBuilder::offline(entry.second));
    listing.hasStartDevice = !listing.hidInfoMap.isEmpty() && listing.displayList.first().usbOrDongle == 0;
    return listing;
}

QMap<QString, hidStructInfoAll> DeviceListRules::scanMap(const DeviceScan &scan)
{
    QMap<QString, hidStructInfoAll> map;
    for (const ScannedDevice &device : scan.devices) {
        const auto found = scan.models.find(modelOf(device));
        if (found == scan.models.end())
            continue;
        hidStructInfoAll record = DeviceRecordBuilder::connected(found->second, device.hid, device.firmware);
        record.isOnline = 1;
        map.insert(DeviceRecordBuilder::path(record), record);
    }
    return map;
}

QString DeviceListRules::firstNewKey(const QStringList &oldKeys, const QStringList &newKeys)
{
    const QSet<QString> old(oldKeys.begin(), oldKeys.end());
    for (const QString &key : sortedKeys(newKeys)) {
        if (!old.contains(key))
            return key;
    }
    return QString();
}

QString DeviceListRules::firstGoneKey(const QStringList &oldKeys, const QStringList &newKeys)
{
    return firstNewKey(newKeys, oldKeys);
}

bool DeviceListRules::isUsable(const hidStructInfoAll &record, const QMap<QString, int> &dongleStateMap)
{
    return record.usbOrDongle == 0 || dongleStateMap.value(DeviceRecordBuilder::path(record), 1) == 0;
}

QString DeviceListRules::nextCurrentPath(const QMap<QString, hidStructInfoAll> &hidInfoMap,
                                         const QMap<QString, int> &dongleStateMap)
{
    for (auto it = hidInfoMap.cbegin(); it != hidInfoMap.cend(); ++it) {
        if (isUsable(it.value(), dongleStateMap))
            return it.key();
    }
    return QString();
}

bool DeviceListRules::arrivalBecomesCurrent(const hidStructInfoAll &record, int scannedDevices, bool hasCurrent)
{
    if (record.usbOrDongle != 0)
        return false;
    return scannedDevices == 1 || !hasCurrent;
}

QStringList DeviceListRules::hotPlugOrder(const QList<DeviceCard> &cards, const QString &currentKey)
{
    QStringList order;
    QStringList receivers;
    QStringList offline;
    if (!currentKey.isEmpty())
        order << currentKey;
    for (const DeviceCard &card : cards) {
        if (card.key == currentKey)
            continue;
        if (card.record.isOnline != 1)
            offline << card.key;
        else if (card.record.usbOrDongle == 0)
            order << card.key;
        else
            receivers << card.key;
    }
    return order + receivers + offline;
}

QList<hidStructInfoAll> DeviceListRules::rebuildOrder(const QList<DeviceCard> &cards, const QString &currentKey)
{
    QList<hidStructInfoAll> order;
    QList<hidStructInfoAll> receivers;
    QList<hidStructInfoAll> offline;
    QString currentPath;
    for (const DeviceCard &card : cards) {
        if (card.key == currentKey && !currentKey.isEmpty()) {
            order << card.record;
            currentPath = DeviceRecordBuilder::path(card.record);
        }
    }
    for (const DeviceCard &card : cards) {
        if (!currentPath.isEmpty()
            && DeviceRecordBuilder::path(card.record).compare(currentPath, Qt::CaseInsensitive) == 0)
            continue;
        if (card.record.isOnline == 1 && card.record.usbOrDongle == 0)
            order << card.record;
        else if (card.record.usbOrDongle != 0)
            receivers << card.record;
        else
            offline << card.record;
    }
    return order + receivers + offline;
}

CardPlacement DeviceListRules::rebuildPlacement(const hidStructInfoAll &record)
{
    const QString path = DeviceRecordBuilder::path(record);
    if (record.isOnline != 1 && record.usbOrDongle == 0)
        return {DeviceRecordBuilder::modelName(record), QString()};
    return {path, path};
}
