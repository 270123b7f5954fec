#include "widgets/KeyLayoutLoader.h"

#include "widgets/JsonCaption.h"

#include <QDebug>
#include <QFile>

#include <cjson/cJSON.h>

#include <algorithm>
#include <memory>

namespace {

using JsonPtr = std::unique_ptr<cJSON, decltype(&cJSON_Delete)>;

// The quote key's caption is fixed whatever its file says.
bool isQuoteKey(int code)
{
    return code == 52 || code == 504;
}

int intMember(const cJSON *object, const char *name, int fallback, bool *missing)
{
    const cJSON *item = cJSON_GetObjectItemCaseSensitive(object, name);
    if (!cJSON_IsNumber(item)) {
        *missing = true;
        return fallback;
    }
    return item->valueint;
}

// The caption is the value in its escaped printed form without its quotes, so an escaped
// backslash stays doubled.
QString captionOf(const cJSON *entry, bool *missing)
{
    const cJSON *item = cJSON_GetObjectItemCaseSensitive(entry, "Character");
    if (!cJSON_IsString(item)) {
        *missing = true;
        return QStringLiteral("-");
    }
    return printedCaption(item);
}

int clamped(int value, int lowest, int highest, bool *changed)
{
    const int result = std::clamp(value, lowest, highest);
    *changed |= result != value;
    return result;
}

// True when a value had to be brought inside the picture.
bool clampToPicture(KeyLayoutItem &item)
{
    bool changed = false;
    const int extent = KeyLayoutLoader::MaxExtent;
    item.code = clamped(item.code, -KeyLayoutLoader::MaxCode, KeyLayoutLoader::MaxCode, &changed);
    item.posX = clamped(item.posX, -extent, extent, &changed);
    item.posY = clamped(item.posY, -extent, extent, &changed);
    item.width = clamped(item.width, 0, extent, &changed);
    item.height = clamped(item.height, 0, extent, &changed);
    return changed;
}

KeyLayout::Key gapKey()
{
    KeyLayout::Key key;
    key.caption = QStringLiteral("-");
    return key;
}

KeyLayout::Key parseKey(const cJSON *entry, int row, int column)
{
    bool missing = !cJSON_IsObject(entry);
    KeyLayout::Key key;
    key.item.code = intMember(entry, "Dec", 0, &missing);
    key.item.posX = intMember(entry, "PosX", -1, &missing);
    key.item.posY = intMember(entry, "PosY", -1, &missing);
    key.item.width = intMember(entry, "Width", 0, &missing);
    key.item.height = intMember(entry, "Height", 0, &missing);
    key.item.kind = KeyLayoutItem::KindKey;
    key.caption = captionOf(entry, &missing);
    if (isQuoteKey(key.item.code))
        key.caption = QStringLiteral("' \"");
    if (missing)
        qDebug().noquote()
            << QStringLiteral("Key layout: row %1 entry %2 lacks members, gap values used").arg(row).arg(column);
    if (clampToPicture(key.item))
        qDebug().noquote()
            << QStringLiteral("Key layout: row %1 entry %2 lies outside the picture, clamped").arg(row).arg(column);
    return key;
}

KeyLayout::Led parseLed(const cJSON *entry, int index)
{
    bool missing = !cJSON_IsObject(entry);
    KeyLayout::Led led;
    led.item.code = intMember(entry, "Index", 0, &missing);
    led.item.posX = intMember(entry, "PosX", -1, &missing);
    led.item.posY = intMember(entry, "PosY", -1, &missing);
    led.item.width = intMember(entry, "Width", 0, &missing);
    led.item.height = intMember(entry, "Height", 0, &missing);
    led.item.kind = KeyLayoutItem::KindSideLed;
    led.item.sidePosition = intMember(entry, "SidePosition", 0, &missing);
    led.validStatus = intMember(entry, "validStatus", 0, &missing);
    if (missing)
        qDebug().noquote() << QStringLiteral("Key layout: side light entry %1 lacks members, defaults used").arg(index);
    if (clampToPicture(led.item))
        qDebug().noquote()
            << QStringLiteral("Key layout: side light entry %1 lies outside the picture, clamped").arg(index);
    return led;
}

} // namespace

QString KeyLayoutLoader::resourcePath(const QString &model)
{
    return QStringLiteral(":/images/configDir/KeyInfo_") + model + QStringLiteral(".config");
}

QString KeyLayoutLoader::rowName(int row)
{
    return QString::asprintf("EveryKeyInfo_Row0%d", row);
}

QByteArray KeyLayoutLoader::readFile(const QString &model)
{
    QFile file(resourcePath(model));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        qDebug().noquote()
            << "------------------------ NormalKeyboard loadKeyboardInfo => fp == NULL -------------------------";
        return QByteArray();
    }
    return file.readAll();
}

bool KeyLayoutLoader::load(const QString &model, KeyLayout &layout)
{
    const QByteArray text = readFile(model);
    if (text.isNull()) {
        layout = KeyLayout();
        return false;
    }
    return parse(text, layout);
}

bool KeyLayoutLoader::parse(const QByteArray &text, KeyLayout &layout)
{
    layout = KeyLayout();
    JsonPtr root(cJSON_ParseWithLength(text.constData(), size_t(text.size())), &cJSON_Delete);
    if (!cJSON_IsObject(root.get())) {
        qDebug().noquote() << "Key layout: the file is not a JSON object, nothing loaded";
        return false;
    }

    int firstRow = 1;
    const cJSON *keyboard = cJSON_GetObjectItemCaseSensitive(root.get(), "Keyboard");
    if (cJSON_IsObject(keyboard)) {
        bool missing = false;
        layout.hasKeyboardObject = true;
        if (intMember(keyboard, "sideLightHave", 0, &missing) == 1) {
            layout.sideLight = true;
            firstRow = 0;
        }
        if (intMember(keyboard, "specialEnterKey", 0, &missing) == 1) {
            layout.specialEnterKey = true;
            layout.specialEnterKeyShape = intMember(keyboard, "specialEnterKeyShape", 0, &missing);
        }
        layout.hidDeviceType = intMember(keyboard, "hidDeviceType", 1, &missing);
        if (missing)
            qDebug().noquote() << "Key layout: \"Keyboard\" lacks members, defaults used";
    }

    if (firstRow == 0) {
        const cJSON *row = cJSON_GetObjectItemCaseSensitive(root.get(), rowName(0).toLatin1().constData());
        if (cJSON_IsArray(row)) {
            int index = 0;
            const cJSON *entry = nullptr;
            cJSON_ArrayForEach(entry, row) layout.leds.append(parseLed(entry, index++));
        }
    }

    layout.keys.reserve(KeyLayout::KeyCount);
    for (int row = 1; row <= KeyLayout::Rows; ++row) {
        const cJSON *array = cJSON_GetObjectItemCaseSensitive(root.get(), rowName(row).toLatin1().constData());
        const int count = cJSON_IsArray(array) ? cJSON_GetArraySize(array) : 0;
        if (count != KeyLayout::Columns)
            qDebug().noquote() << QStringLiteral("Key layout: row %1 holds %2 entries instead of %3, %4")
                                      .arg(row)
                                      .arg(count)
                                      .arg(KeyLayout::Columns)
                                      .arg(count > KeyLayout::Columns ? "truncated" : "padded with gaps");
        int column = 0;
        const cJSON *entry = nullptr;
        if (count > 0) {
            cJSON_ArrayForEach(entry, array)
            {
                if (column == KeyLayout::Columns)
                    break;
                layout.keys.append(parseKey(entry, row, column++));
            }
        }
        for (; column < KeyLayout::Columns; ++column)
            layout.keys.append(gapKey());
    }
    return true;
}
