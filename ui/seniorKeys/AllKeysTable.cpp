#include "ui/seniorKeys/AllKeysTable.h"

#include "widgets/JsonCaption.h"
#include "widgets/KeyLayoutLoader.h"

#include <QDebug>

#include <cjson/cJSON.h>

#include <cmath>
#include <memory>

namespace AllKeysTable {

namespace {

// The caption of the apostrophe key prints as a lone escaped quote; it gets its own.
const int kQuoteKeyDec = 52;

bool integerMember(const cJSON *entry, const char *name, int *value)
{
    const cJSON *item = cJSON_GetObjectItemCaseSensitive(entry, name);
    if (!cJSON_IsNumber(item) || std::trunc(item->valuedouble) != item->valuedouble
        || std::fabs(item->valuedouble) > 1e9)
        return false;
    *value = item->valueint;
    return true;
}

void readRow(const cJSON *root, int row, QVector<AllKeysEntry> *group)
{
    // Rows are named as in the per-model key layout files.
    const QByteArray name = KeyLayoutLoader::rowName(row).toLatin1();
    const cJSON *entries = cJSON_GetObjectItemCaseSensitive(root, name.constData());
    if (!cJSON_IsArray(entries))
        return;
    int index = 0;
    const cJSON *entry = nullptr;
    cJSON_ArrayForEach(entry, entries)
    {
        AllKeysEntry key;
        const cJSON *character = cJSON_GetObjectItemCaseSensitive(entry, "Character");
        if (!integerMember(entry, "Dec", &key.keyDec) || !cJSON_IsString(character)) {
            qWarning().noquote() << QStringLiteral("All-keys table: entry %1 of %2 has no integer Dec or no text "
                                                   "Character, left out")
                                        .arg(index)
                                        .arg(QString::fromLatin1(name));
        } else {
            key.keyCharacter = key.keyDec == kQuoteKeyDec ? QStringLiteral("' \"") : printedCaption(character);
            group->append(key);
        }
        ++index;
    }
}

} // namespace

QString resourcePath()
{
    return QStringLiteral(":/images/configDir/AllKeysInfo.config");
}

bool parse(const QByteArray &text, Groups *groups)
{
    for (QVector<AllKeysEntry> &group : *groups)
        group.clear();
    const std::unique_ptr<cJSON, decltype(&cJSON_Delete)> root(cJSON_Parse(text.constData()), cJSON_Delete);
    if (!root)
        return false;
    for (int group = 0; group < GroupCount; ++group)
        readRow(root.get(), group + 1, &(*groups)[group]);
    return true;
}

} // namespace AllKeysTable
