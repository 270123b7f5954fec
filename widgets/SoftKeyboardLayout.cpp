#include "widgets/SoftKeyboardLayout.h"

#include "widgets/JsonCaption.h"

#include <QCoreApplication>
#include <QDebug>

#include <cjson/cJSON.h>

#include <memory>

namespace SoftKeyboardLayout {

namespace {

struct NationalLegend
{
    int dec;
    const char *text;
};

const NationalLegend nationalLegends[] = {
    {144, QT_TRANSLATE_NOOP("DSoftKeyboardPage", "Korean/English")},
    {145, QT_TRANSLATE_NOOP("DSoftKeyboardPage", "Chinese")},
    {137, QT_TRANSLATE_NOOP("DSoftKeyboardPage", "K14")},
    {100, QT_TRANSLATE_NOOP("DSoftKeyboardPage", "K45")},
    {135, QT_TRANSLATE_NOOP("DSoftKeyboardPage", "K56")},
    {139, QT_TRANSLATE_NOOP("DSoftKeyboardPage", "K131")},
    {138, QT_TRANSLATE_NOOP("DSoftKeyboardPage", "K132")},
    {136, QT_TRANSLATE_NOOP("DSoftKeyboardPage", "K133")},
};

bool readNumber(const cJSON *key, const char *name, int *out)
{
    const cJSON *item = cJSON_GetObjectItem(key, name); // case-insensitive lookup
    if (!cJSON_IsNumber(item))
        return false;
    *out = item->valueint;
    return true;
}

} // namespace

QString fileName(int layoutNumber)
{
    if (layoutNumber == UsLayoutNumber)
        return QStringLiteral("softKeyInfoNormalUS.config");
    return QStringLiteral("softKeyInfoNormal_%1.config").arg(layoutNumber);
}

QString legendFor(int dec, const QString &rawLegend, int layoutNumber)
{
    QString legend = rawLegend;
    if (dec == 52)
        legend = QStringLiteral("' \"");
    for (const NationalLegend &national : nationalLegends) {
        if (national.dec == dec)
            legend = QCoreApplication::translate("DSoftKeyboardPage", national.text);
    }
    if (layoutNumber == 91) {
        if (dec == 47)
            legend = QStringLiteral("\u00b4 `");
        else if (dec == 51)
            legend = QStringLiteral("\u00c7");
        else if (dec == 52)
            legend = QStringLiteral("~^");
    }
    return legend;
}

bool parse(const QByteArray &text, int layoutNumber, QVector<SoftKeyInfo> *keys)
{
    std::unique_ptr<cJSON, void (*)(cJSON *)> root(cJSON_ParseWithLength(text.constData(), size_t(text.size())),
                                                   cJSON_Delete);
    if (!root)
        return false;
    keys->clear();
    for (int row = 1; row <= 6; ++row) {
        const QByteArray rowName = QStringLiteral("EveryKeyInfo_Row0%1").arg(row).toLatin1();
        const cJSON *array = cJSON_GetObjectItem(root.get(), rowName.constData());
        if (!cJSON_IsArray(array))
            continue;
        int index = 0;
        const cJSON *key = nullptr;
        cJSON_ArrayForEach(key, array)
        {
            SoftKeyInfo info;
            const cJSON *character = cJSON_GetObjectItem(key, "Character");
            const bool complete = readNumber(key, "PosX", &info.posX) && readNumber(key, "PosY", &info.posY)
                                  && readNumber(key, "Width", &info.width) && readNumber(key, "Height", &info.height)
                                  && readNumber(key, "Dec", &info.dec) && readNumber(key, "qtDec", &info.qtDec)
                                  && cJSON_IsString(character);
            if (!complete) {
                qDebug().noquote() << QStringLiteral(
                                          "Softkeyboard loadKeyboardInfo => %1 key %2 lacks a field, skipped")
                                          .arg(QString::fromLatin1(rowName))
                                          .arg(index);
                ++index;
                continue;
            }
            info.legend = legendFor(info.dec, printedCaption(character), layoutNumber);
            keys->append(info);
            ++index;
        }
    }
    return true;
}

} // namespace SoftKeyboardLayout
