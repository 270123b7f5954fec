#include "platform/UdevHidrawMonitor.h"

#include <QDebug>
#include <QSocketNotifier>

#include <cstring>

#include <libudev.h>

UdevHidrawMonitor::UdevHidrawMonitor(QObject *parent)
    : QObject(parent)
{
    m_udev = udev_new();
    if (!m_udev) {
        qWarning().noquote() << "Device notifier: libudev is not available";
        return;
    }
    m_monitor = udev_monitor_new_from_netlink(m_udev, "udev");
    if (!m_monitor || udev_monitor_filter_add_match_subsystem_devtype(m_monitor, "hidraw", nullptr) < 0
        || udev_monitor_enable_receiving(m_monitor) < 0) {
        qWarning().noquote() << "Device notifier: cannot monitor hidraw devices";
        return;
    }

    // Nodes present now must be known before their removal can be reported.
    if (udev_enumerate *enumerate = udev_enumerate_new(m_udev)) {
        udev_enumerate_add_match_subsystem(enumerate, "hidraw");
        udev_enumerate_scan_devices(enumerate);
        udev_list_entry *entry = nullptr;
        udev_list_entry_foreach(entry, udev_enumerate_get_list_entry(enumerate))
        {
            if (udev_device *device = udev_device_new_from_syspath(m_udev, udev_list_entry_get_name(entry))) {
                rememberNode(device);
                udev_device_unref(device);
            }
        }
        udev_enumerate_unref(enumerate);
    }

    m_notifier = new QSocketNotifier(udev_monitor_get_fd(m_monitor), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &UdevHidrawMonitor::onReadable);
}

UdevHidrawMonitor::~UdevHidrawMonitor()
{
    delete m_notifier;
    if (m_monitor)
        udev_monitor_unref(m_monitor);
    if (m_udev)
        udev_unref(m_udev);
}

void UdevHidrawMonitor::onReadable()
{
    udev_device *device = udev_monitor_receive_device(m_monitor);
    if (!device)
        return;
    const char *action = udev_device_get_action(device);
    const char *devnode = udev_device_get_devnode(device);
    if (action && devnode) {
        if (std::strcmp(action, "add") == 0) {
            const QString path = rememberNode(device);
            if (!path.isEmpty())
                emit deviceArrived(path);
        } else if (std::strcmp(action, "remove") == 0) {
            const QString path = m_paths.remove(QString::fromLocal8Bit(devnode));
            if (!path.isEmpty())
                emit deviceRemoved(path);
        }
    }
    udev_device_unref(device);
}

QString UdevHidrawMonitor::rememberNode(udev_device *device)
{
    const char *devnode = udev_device_get_devnode(device);
    // The parent belongs to the child: neither is unreferenced separately.
    udev_device *hid = udev_device_get_parent_with_subsystem_devtype(device, "hid", nullptr);
    const char *hidId = hid ? udev_device_get_property_value(hid, "HID_ID") : nullptr;
    if (!devnode || !hidId)
        return QString();
    int interfaceNumber = 0;
    if (udev_device *usbInterface = udev_device_get_parent_with_subsystem_devtype(device, "usb", "usb_interface")) {
        if (const char *number = udev_device_get_sysattr_value(usbInterface, "bInterfaceNumber"))
            interfaceNumber = QByteArray(number).trimmed().toInt(nullptr, 16);
    }
    return m_paths.arrive(QString::fromLocal8Bit(devnode), QString::fromLatin1(hidId), interfaceNumber);
}
