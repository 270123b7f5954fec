#pragma once

#include "sdk/protocol/VorlanHidRecords.h"

#include <QList>
#include <QString>

#include <map>
#include <string>

// One connected device the SDK described.
struct ScannedDevice
{
    QString path;
    hidStu hid;
    FirmwareInfoStu firmware;
};

// The result of the SDK's discovery calls: the devices in the SDK's path order (paths the SDK
// does not know are left out) and the supported models by model name.
struct DeviceScan
{
    QList<ScannedDevice> devices;
    std::map<std::string, HidInfoStu> models;

    // Runs the three discovery calls in their fixed order.
    static DeviceScan run();
};
