#pragma once

#include <QObject>
#include <QString>

class SimFolderWatcher;
class UdevHidrawMonitor;

// Arrivals and removals of HID devices, real (hidraw through libudev) and simulated (sockets in
// the simulator folder), each with its device path in the form hid#vid_XXXX&pid_YYYY&mi_NN#...
class DeviceNotifier : public QObject
{
    Q_OBJECT

public:
    // simulatorFolder empty: no simulated keyboards are followed.
    explicit DeviceNotifier(const QString &simulatorFolder, QObject *parent = nullptr);

    bool isUdevActive() const;

signals:
    void deviceArrived(QString path);
    void deviceRemoved(QString path);

private:
    UdevHidrawMonitor *m_udev = nullptr;
    SimFolderWatcher *m_simulator = nullptr;
};
