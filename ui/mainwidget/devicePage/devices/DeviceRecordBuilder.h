#pragma once

#include "device/hidStructInfoAll.h"
#include "sdk/protocol/VorlanHidRecords.h"

#include <QString>

// Fills the program's device record from the SDK's records. Every text is copied bounded and
// stays NUL-terminated, whatever the source holds.
class DeviceRecordBuilder
{
public:
    // A connected device: isOnline is left 0 for the caller to decide.
    static hidStructInfoAll connected(const HidInfoStu &model, const hidStu &hid, const FirmwareInfoStu &firmware);
    // A supported model with nothing connected: keyed by its model name, offline, on a cable.
    static hidStructInfoAll offline(const HidInfoStu &model);

    // The key of the device's card: its path, or its model name for an unconnected model.
    static QString cardKey(const hidStructInfoAll &record);
    static QString path(const hidStructInfoAll &record);
    static QString modelName(const hidStructInfoAll &record);
    // Turns a gone device's record into the offline record of its model.
    static void makeOffline(hidStructInfoAll *record);
};
