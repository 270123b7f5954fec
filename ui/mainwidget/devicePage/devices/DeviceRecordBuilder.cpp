#include "DeviceRecordBuilder.h"

#include <algorithm>
#include <cstring>

namespace {

void copyModelFields(hidStructInfoAll *record, const HidInfoStu &model)
{
    DeviceRecordBuilder::copyText(record->deviceKind, model.deviceKind);
    DeviceRecordBuilder::copyText(record->productName, model.productName);
    DeviceRecordBuilder::copyText(record->deviceName, model.deviceName);
    std::memcpy(record->supportWords, model.supportWords, sizeof(record->supportWords));
    record->keyCount = model.keyCount;
}

} // namespace

hidStructInfoAll DeviceRecordBuilder::connected(const HidInfoStu &model, const hidStu &hid,
                                                const FirmwareInfoStu &firmware)
{
    hidStructInfoAll record{};
    copyModelFields(&record, model);
    copyText(record.hidPath, hid.path);
    copyText(record.hidName, hid.hidName);
    copyText(record.firmwareVersion, firmware.version);
    copyText(record.firmwareChip, firmware.chip);
    copyText(record.firmwareField1, firmware.numberField);
    copyText(record.firmwareVendorCode, firmware.vendorCode);
    record.usbOrDongle = hid.isDongle;
    return record;
}

hidStructInfoAll DeviceRecordBuilder::offline(const HidInfoStu &model)
{
    hidStructInfoAll record{};
    copyModelFields(&record, model);
    copyText(record.hidName, model.hidName);
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
    copyText(record->hidPath, record->hidName);
    record->isOnline = 0;
}

void DeviceRecordBuilder::copyBounded(char *target, size_t targetSize, const char *source, size_t sourceSize)
{
    const size_t length = qstrnlen(source, uint(std::min(sourceSize, targetSize - 1)));
    std::memmove(target, source, length);
    std::memset(target + length, 0, targetSize - length);
}
