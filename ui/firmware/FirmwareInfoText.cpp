#include "ui/firmware/FirmwareInfoText.h"

#include <cstring>

namespace FirmwareInfoText {

QString field(const char (&text)[64])
{
    // The SDK's fields are meant to hold their NUL; a full one must not run into the next field.
    return QString::fromUtf8(text, static_cast<int>(strnlen(text, sizeof(text))));
}

QString key(const FirmwareInfoStu &record)
{
    return field(record.chip) + field(record.numberField) + field(record.deviceClass) + field(record.vendorCode) + ","
           + field(record.model);
}

QString value(const FirmwareInfoStu &record)
{
    return field(record.version) + "---" + field(record.extraText);
}

QString shownKey(const QString &key)
{
    const int dash = key.indexOf('-');
    return dash < 0 ? key : key.mid(dash + 1);
}

} // namespace FirmwareInfoText
