#pragma once

#include "sdk/protocol/VorlanHidRecords.h"

#include <QString>

// The texts of one row of the firmware information, built from the SDK's firmware record.
namespace FirmwareInfoText {

// One 64-byte text field as UTF-8, up to its NUL or its end, whichever comes first.
QString field(const char (&text)[64]);
// chip + numberField + deviceClass + vendorCode + "," + model: the row's identity.
QString key(const FirmwareInfoStu &record);
// version + "---" + extraText.
QString value(const FirmwareInfoStu &record);
// The identity as the row shows it: from after its first "-", or whole without one.
QString shownKey(const QString &key);

} // namespace FirmwareInfoText
