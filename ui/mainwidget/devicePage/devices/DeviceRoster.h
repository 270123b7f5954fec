#pragma once

#include "device/DDeviceKeyboardLink.h"
#include "device/hidStructInfoAll.h"
#include "ui/mainwidget/devicePage/devices/DeviceListRules.h"

#include <QList>
#include <QMap>
#include <QObject>
#include <QPointer>
#include <QString>

class MainHidInterFace;
class ReplyWait;

// The devices the program knows of: the connected devices' records, the receivers' reports of
// their keyboards, one opened link per connected device and the current device. It applies the
// hot-plug and current-device rules and tells the page what to show through its signals; it knows
// no widget. GUI thread only.
class DeviceRoster : public QObject
{
    Q_OBJECT

public:
    // Hot-plug change codes as the main window passes them.
    enum ChangeCode { NoChange = 10, Arrival = 11, Removal = 12 };

    // replyWait: the wait for a link's start-up inquiry; it outlives the roster.
    explicit DeviceRoster(ReplyWait &replyWait, QObject *parent = nullptr);
    ~DeviceRoster() override;

    // The start-up listing: the records and receiver states of the first scan. Changes reported
    // until finishListing() are held and handled then, arrival first.
    DeviceListing startListing();
    void finishListing();
    bool isListing() const { return m_startupListing; }

    // One arrival or removal: the first new or gone device of a fresh scan.
    void handleChange(int changeCode);
    // A receiver's report of its keyboard: 0 within reach, 1 out of reach.
    void handleDongleStatus(int is24GValid, const QString &path);

    // Creates and opens the device's link, waiting for its start-up inquiry.
    void openLink(const hidStructInfoAll &record);
    // Closes every link's HID I/O object, so no I/O thread uses a handle at exit.
    void closeLinks();

    // Makes the device at path current (its link, when it has one, with it); an empty path or an
    // unknown one leaves no link current.
    void setCurrent(const QString &path);
    // The current device stops being current; closeLink also closes its HID I/O object.
    void leaveCurrent(bool closeLink);
    // The first usable device becomes current, or nothing is.
    void chooseNextCurrent();
    bool hasCurrent() const { return !m_currentDeviceLink.isNull(); }
    QString currentPath() const { return m_currentPath; }
    DDeviceKeyboardLink *currentLink() const { return m_currentDeviceLink.data(); }
    MainHidInterFace *currentHidInterface() const;
    // The record whose profile files are loaded; it stays after its device leaves.
    hidStructInfoAll currentDevice() const { return m_currentDevice; }
    void setCurrentDeviceRecord(const hidStructInfoAll &record) { m_currentDevice = record; }

    // The rebuilt card list's records go back into the device map.
    void rebuildRecords(const QList<hidStructInfoAll> &records);

    // Guards a device switch against a second one started from its waits.
    bool isSwitchBusy() const { return m_deviceSwitchBusy; }
    void setSwitchBusy(bool busy) { m_deviceSwitchBusy = busy; }

    QMap<QString, hidStructInfoAll> hidInfoMap() const { return m_hidInfoMap; }
    QMap<QString, int> dongleStateMap() const { return m_dongleStateMap; }
    QMap<QString, QPointer<DDeviceKeyboardLink>> linkMap() const;
    DDeviceKeyboardLink *link(const QString &path) const { return m_deviceLinkMap.value(path); }

signals:
    // A link was created and is about to open: connections to its reports go in now.
    void linkCreated(DDeviceKeyboardLink *link);
    // A device arrived; its record is in the device map, its link not yet open.
    void deviceAdded(const hidStructInfoAll &record);
    // A device left; offlineRecord is the offline record of its model.
    void deviceRemoved(const QString &path, const hidStructInfoAll &offlineRecord);
    // A receiver reported its keyboard: record carries the new online flag.
    void deviceOnlineChanged(const QString &path, const hidStructInfoAll &record);
    // The rules chose this device to become current.
    void currentRequested(const hidStructInfoAll &record);
    // A receiver's keyboard that came back within reach was made current.
    void keyboardReached(const QString &path);
    // The current device is about to leave; its link is still open.
    void currentLeaving();
    void currentChanged(const QString &path);
    // No device is current and none is usable.
    void noCurrentDevice();
    // An arrival or removal was handled; the card order may change.
    void changeHandled(int changeCode);

private:
    void handleOneChange(int changeCode);
    void handleArrival(const QString &path, const QMap<QString, hidStructInfoAll> &scanned);
    void handleRemoval(const QString &path);
    // Closes the link's HID I/O object, then lets the link go.
    void dropLink(const QString &path);

    ReplyWait &m_replyWait;
    QMap<QString, hidStructInfoAll> m_hidInfoMap;
    QMap<QString, int> m_dongleStateMap;
    QMap<QString, DDeviceKeyboardLink *> m_deviceLinkMap;
    QString m_currentPath;
    QPointer<DDeviceKeyboardLink> m_currentDeviceLink;
    hidStructInfoAll m_currentDevice{};
    // Hot-plug changes that came while the start-up listing ran.
    QList<int> m_heldChangeCodes;
    // Changes reported while one is handled, in their order.
    QList<int> m_queuedChangeCodes;
    bool m_startupListing = false;
    bool m_hotPlugBusy = false;
    bool m_deviceSwitchBusy = false;
    int m_changeCode = NoChange;
    int m_linkCount = 0;
};
