#include "ui/mainwidget/devicePage/devices/DeviceRecordBuilder.h"

#include "sdk/protocol/HidText.h"

#include <cstring>

namespace {

void copyModelFields(hidStructInfoAll *record, const HidInfoStu &model)
{
    copyHidText(record->deviceKind, model.deviceKind);
    copyHidText(record->productName, model.productName);
    copyHidText(record->deviceName, model.deviceName);
    std::memcpy(record->supportWords, model.supportWords, sizeof(record->supportWords));
    record->keyCount = model.keyCount;
}

} // namespace

hidStructInfoAll DeviceRecordBuilder::connected(const HidInfoStu &model, const hidStu &hid,
                                                const FirmwareInfoStu &firmware)
{
    hidStructInfoAll record{};
    copyModelFields(&record, model);
    copyHidText(record.hidPath, hid.path);
    copyHidText(record.hidName, hid.hidName);
    copyHidText(record.firmwareVersion, firmware.version);
    copyHidText(record.firmwareChip, firmware.chip);
    copyHidText(record.firmwareField1, firmware.numberField);
    copyHidText(record.firmwareVendorCode, firmware.vendorCode);
    record.usbOrDongle = hid.isDongle;
    return record;
}

hidStructInfoAll DeviceRecordBuilder::offline(const HidInfoStu &model)
{
    hidStructInfoAll record{};
    copyModelFields(&record, model);
    copyHidText(record.hidName, model.hidName);
    return record;
}

QString DeviceRecordBuilder::cardKey(const hidStructInfoAll &record)
{
    const QString key = path(record);
    return key.isEmpty() ? modelName(record) : key;
}

QString DeviceRecordBuilder::path(const hidStructInfoAll &record)
{
    return QString::fromLatin1(record.hidPath, int(qstrnlen(record.hidPath, sizeof(record.hidPath))));
}

QString DeviceRecordBuilder::modelName(const hidStructInfoAll &record)
{
    return QString::fromLatin1(record.hidName, int(qstrnlen(record.hidName, sizeof(record.hidName))));
}

void DeviceRecordBuilder::makeOffline(hidStructInfoAll *record)
{
    copyHidText(record->hidPath, record->hidName);
    record->isOnline = 0;
}
