#include "platform/DeviceNotifier.h"

#include "platform/SimFolderWatcher.h"
#include "platform/UdevHidrawMonitor.h"

DeviceNotifier::DeviceNotifier(const QString &simulatorFolder, QObject *parent)
    : QObject(parent)
    , m_udev(new UdevHidrawMonitor(this))
{
    connect(m_udev, &UdevHidrawMonitor::deviceArrived, this, &DeviceNotifier::deviceArrived);
    connect(m_udev, &UdevHidrawMonitor::deviceRemoved, this, &DeviceNotifier::deviceRemoved);
    if (!simulatorFolder.isEmpty()) {
        m_simulator = new SimFolderWatcher(simulatorFolder, this);
        connect(m_simulator, &SimFolderWatcher::deviceArrived, this, &DeviceNotifier::deviceArrived);
        connect(m_simulator, &SimFolderWatcher::deviceRemoved, this, &DeviceNotifier::deviceRemoved);
    }
}

bool DeviceNotifier::isUdevActive() const
{
    return m_udev->isActive();
}
