#include "ui/mainwidget/devicePage/devices/DeviceRoster.h"

#include "device/DDeviceKeyboardLink.h"
#include "device/MainHidInterFace.h"
#include "ui/mainwidget/devicePage/devices/DeviceRecordBuilder.h"
#include "ui/mainwidget/devicePage/devices/DeviceScan.h"
#include "ui/mainwidget/devicePage/devices/KeyboardStatusRules.h"
#include "ui/mainwidget/devicePage/download/ReplyWait.h"

#include <QDebug>

namespace {
constexpr int kInquiryWaitMs = 1300;

void closeHidOf(DDeviceKeyboardLink *link)
{
    if (MainHidInterFace *hid = link ? link->getHidInterface() : nullptr) {
        hid->closeHid();
        hid->quit();
    }
}
} // namespace

DeviceRoster::DeviceRoster(ReplyWait &replyWait, QObject *parent)
    : QObject(parent)
    , m_replyWait(replyWait)
{
}

// The links are children: each one's I/O object stops and joins its thread as the link goes.
DeviceRoster::~DeviceRoster() = default;

DeviceListing DeviceRoster::startListing()
{
    m_startupListing = true;
    const DeviceListing listing = DeviceListRules::startupListing(DeviceScan::run());
    m_hidInfoMap = listing.hidInfoMap;
    for (auto it = listing.dongleStateMap.cbegin(); it != listing.dongleStateMap.cend(); ++it)
        m_dongleStateMap.insert(it.key(), it.value());
    return listing;
}

void DeviceRoster::finishListing()
{
    m_startupListing = false;
    QList<int> held;
    for (int code : {Arrival, Removal}) {
        for (int n = m_heldChangeCodes.count(code); n > 0; --n)
            held.append(code);
    }
    m_heldChangeCodes.clear();
    for (int code : qAsConst(held))
        handleChange(code);
}

void DeviceRoster::handleChange(int changeCode)
{
    if (m_startupListing) {
        m_heldChangeCodes.append(changeCode);
        return;
    }
    // A change reported while another is handled (a link's opening wait processes events) is
    // handled right after it; each one takes the next new or gone device of its own scan.
    m_queuedChangeCodes.append(changeCode);
    if (m_hotPlugBusy)
        return;
    m_hotPlugBusy = true;
    while (!m_queuedChangeCodes.isEmpty())
        handleOneChange(m_queuedChangeCodes.takeFirst());
    m_hotPlugBusy = false;
}

void DeviceRoster::handleOneChange(int changeCode)
{
    m_changeCode = changeCode;
    const QMap<QString, hidStructInfoAll> scanned = DeviceListRules::scanMap(DeviceScan::run());
    const bool arrival = m_changeCode == Arrival;
    if (arrival || m_changeCode == Removal) {
        qDebug() << (arrival ? "-------------------- *** [Insert Start] *** --------------------"
                             : "--------------- OutPut Start ---------------");
        // Only the first changed device counts; the main window reports every change on its own.
        const QString path = arrival ? DeviceListRules::firstNewKey(m_hidInfoMap.keys(), scanned.keys())
                                     : DeviceListRules::firstGoneKey(m_hidInfoMap.keys(), scanned.keys());
        if (path.isEmpty())
            return;
        if (arrival)
            handleArrival(path, scanned);
        else
            handleRemoval(path);
        qDebug() << (arrival ? "-------------------- *** [Insert end] *** --------------------"
                             : "-------------------- *** [OutPut end] *** --------------------");
    }
    emit changeHandled(m_changeCode);
}

void DeviceRoster::handleArrival(const QString &path, const QMap<QString, hidStructInfoAll> &scanned)
{
    hidStructInfoAll record = scanned.value(path);
    if (record.usbOrDongle != 0) {
        record.isOnline = 0;
        // Out of reach until its receiver reports the keyboard.
        m_dongleStateMap.insert(path, 1);
    }
    m_hidInfoMap.insert(path, record);
    emit deviceAdded(record);
    openLink(record);

    if (DeviceListRules::arrivalBecomesCurrent(record, scanned.size(), hasCurrent()))
        emit currentRequested(record);
    if (!hasCurrent())
        emit noCurrentDevice();
}

void DeviceRoster::handleRemoval(const QString &path)
{
    hidStructInfoAll record = m_hidInfoMap.value(path);
    DeviceRecordBuilder::makeOffline(&record);
    emit deviceRemoved(path, record);
    m_hidInfoMap.remove(path);
    m_dongleStateMap.remove(path);

    if (hasCurrent() && path == m_currentPath) {
        leaveCurrent(true);
        chooseNextCurrent();
    }
    dropLink(path);
}

void DeviceRoster::dropLink(const QString &path)
{
    DDeviceKeyboardLink *link = m_deviceLinkMap.take(path);
    if (!link)
        return;
    closeHidOf(link);
    // Later, not now: the link may be inside one of its own signals further up the stack.
    link->deleteLater();
}

void DeviceRoster::handleDongleStatus(int is24GValid, const QString &path)
{
    m_dongleStateMap.insert(path, is24GValid);
    const bool known = m_hidInfoMap.contains(path);
    const bool isCurrent = hasCurrent() && path == m_currentPath;
    const DongleTransition transition =
        KeyboardStatusRules::dongleTransition(is24GValid, known, isCurrent, hasCurrent());
    hidStructInfoAll record = m_hidInfoMap.value(path);
    if (transition.cardOnline >= 0) {
        record.isOnline = transition.cardOnline;
        emit deviceOnlineChanged(path, record);
    }
    if (transition.leaveCurrent) {
        // As on a removal, but the link stays open so the receiver can report the keyboard back.
        leaveCurrent(false);
        chooseNextCurrent();
    }
    if (transition.becomeCurrent) {
        emit currentRequested(record);
        if (DDeviceKeyboardLink *link = m_deviceLinkMap.value(path))
            link->inquireLightConfig();
        emit keyboardReached(path);
    }
    // The new flag counts from now on; during the steps above the device kept its old record.
    if (transition.cardOnline >= 0 && m_hidInfoMap.contains(path))
        m_hidInfoMap[path].isOnline = transition.cardOnline;
}

void DeviceRoster::openLink(const hidStructInfoAll &record)
{
    auto *link = new DDeviceKeyboardLink(this);
    emit linkCreated(link);
    m_deviceLinkMap.insert(DeviceRecordBuilder::path(record), link);
    ++m_linkCount;
    link->openHidDevice(m_linkCount, record);
    const QPointer<DDeviceKeyboardLink> opened(link);
    if (!link->isInquireOver())
        m_replyWait.waitUntil([opened] { return !opened || opened->isInquireOver(); }, kInquiryWaitMs);
    if (opened)
        opened->setDongleWatchEnabled(true);
}

void DeviceRoster::closeLinks()
{
    for (DDeviceKeyboardLink *link : qAsConst(m_deviceLinkMap)) {
        if (link && link->getHidInterface())
            link->getHidInterface()->closeHid();
    }
}

void DeviceRoster::setCurrent(const QString &path)
{
    m_currentPath = path;
    m_currentDeviceLink = path.isEmpty() ? nullptr : m_deviceLinkMap.value(path);
    emit currentChanged(path);
}

void DeviceRoster::leaveCurrent(bool closeLink)
{
    emit currentLeaving();
    if (closeLink)
        closeHidOf(m_currentDeviceLink);
    m_currentPath.clear();
    m_currentDeviceLink = nullptr;
    emit currentChanged(QString());
}

void DeviceRoster::chooseNextCurrent()
{
    const QString next = DeviceListRules::nextCurrentPath(m_hidInfoMap, m_dongleStateMap);
    if (next.isEmpty())
        emit noCurrentDevice();
    else
        emit currentRequested(m_hidInfoMap.value(next));
}

MainHidInterFace *DeviceRoster::currentHidInterface() const
{
    return m_currentDeviceLink ? m_currentDeviceLink->getHidInterface() : nullptr;
}

void DeviceRoster::rebuildRecords(const QList<hidStructInfoAll> &records)
{
    m_hidInfoMap.clear();
    for (const hidStructInfoAll &record : records) {
        const CardPlacement placement = DeviceListRules::rebuildPlacement(record);
        if (!placement.infoKey.isEmpty())
            m_hidInfoMap.insert(placement.infoKey, record);
    }
}

QMap<QString, QPointer<DDeviceKeyboardLink>> DeviceRoster::linkMap() const
{
    QMap<QString, QPointer<DDeviceKeyboardLink>> links;
    for (auto it = m_deviceLinkMap.cbegin(); it != m_deviceLinkMap.cend(); ++it)
        links.insert(it.key(), it.value());
    return links;
}
