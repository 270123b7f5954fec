#include "ui/mainwidget/devicePage/devices/DeviceScan.h"

#include "sdk/hid/VorlanHidSdk.h"

#include <list>

DeviceScan DeviceScan::run()
{
    DeviceScan scan;
    std::list<std::string> paths;
    CVorlanHid_GetHidInfoList(&paths);
    CVorlanHid_GetHidInfoStuMapList(&scan.models);
    for (const std::string &path : paths) {
        ScannedDevice device{};
        const QByteArray latin1 = QString::fromStdString(path).toLatin1();
        if (!CVorlanHid_GetHidAndFirmwareInfoStu(latin1.constData(), &device.hid, &device.firmware))
            continue;
        device.path = QString::fromStdString(path);
        scan.devices.append(device);
    }
    return scan;
}
