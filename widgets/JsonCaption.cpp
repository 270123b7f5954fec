#include "widgets/JsonCaption.h"

#include <cjson/cJSON.h>

#include <memory>

QString printedCaption(const cJSON *value)
{
    const std::unique_ptr<char, void (*)(void *)> printed(cJSON_PrintUnformatted(value), cJSON_free);
    if (!printed)
        return QString();
    return QString::fromLocal8Bit(printed.get()).remove(QLatin1Char('"'));
}
