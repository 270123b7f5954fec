#pragma once

#include "platform/HidrawPathCache.h"

#include <QObject>

class QSocketNotifier;
struct udev;
struct udev_device;
struct udev_monitor;

// Follows hidraw nodes coming and going through libudev's monitor, read in the GUI thread.
class UdevHidrawMonitor : public QObject
{
    Q_OBJECT

public:
    explicit UdevHidrawMonitor(QObject *parent = nullptr);
    ~UdevHidrawMonitor() override;

    // False when libudev could not give a monitor; the reason is logged.
    bool isActive() const { return m_notifier != nullptr; }

signals:
    void deviceArrived(QString path);
    void deviceRemoved(QString path);

private:
    void onReadable();
    // Remembers a node present or arriving; returns its path.
    QString rememberNode(udev_device *device);

    udev *m_udev = nullptr;
    udev_monitor *m_monitor = nullptr;
    QSocketNotifier *m_notifier = nullptr;
    HidrawPathCache m_paths;
};
