#include "ui/mainwidget/devicePage/download/OnboardKeyEncoder.h"

#include <QStringList>

#include <cstdlib>
#include <cstring>
#include <iterator>
#include <string>

namespace {

int textInt(const QString &text)
{
    return std::atoi(text.toLocal8Bit().constData());
}

} // namespace

int OnboardKeyEncoder::fieldInt(const char *field, std::size_t size)
{
    // The store keeps fields NUL-terminated, but a record filled elsewhere may not be.
    const std::string text(field, strnlen(field, size));
    return std::atoi(text.c_str());
}

QString OnboardKeyEncoder::fieldText(const char *field, std::size_t size)
{
    return QString::fromLocal8Bit(field, static_cast<int>(strnlen(field, size)));
}

int OnboardKeyEncoder::operateType(const KeyOperateInfo &record)
{
    return fieldInt(record.operateType);
}

int OnboardKeyEncoder::entryCode(int keyCode)
{
    return keyCode >= 255 ? 255 : keyCode;
}

OnboardKeyEntry OnboardKeyEncoder::ownFunction(int keyCode)
{
    return {0, entryCode(keyCode), 0, 0};
}

OnboardKeyEntry OnboardKeyEncoder::unassigned(int keyCode)
{
    switch (keyCode) {
    case -10: return {1, 0, 0, 0};
    case 215: return {7, 50, 0, 0};
    case 127: return {7, 18, 0, 0};
    case 129: return {7, 17, 0, 0};
    case 128: return {7, 16, 0, 0};
    default: return ownFunction(keyCode);
    }
}

OnboardKeyEntry OnboardKeyEncoder::keyboardFunction(int keyCode, int mode, const QString &value)
{
    const int v = textInt(value);
    switch (mode) {
    case 0: return {17, 0, 0, 0};
    case 3:
        if (v >= 0 && v <= 255)
            return {17, 3, 0, v};
        return {17, 3, (v >> 8) & 0xFF, v & 0xFF};
    case 1:
    case 2:
    case 4:
    case 5:
    case 6:
    case 7:
    case 8:
    case 9:
    case 10: return {17, mode, v, 0};
    case 11: {
        const QStringList parts = value.split(',');
        return {17, 11, textInt(parts.value(0)), textInt(parts.value(1))};
    }
    default: return ownFunction(keyCode);
    }
}

OnboardKeyEntry OnboardKeyEncoder::combination(const ComboKeyTriple &combo, int functionCode)
{
    if (combo.further == 0)
        return {functionCode, combo.first, combo.key, 0};
    return {functionCode, combo.first, combo.further, combo.key};
}

OnboardKeyEntry OnboardKeyEncoder::encode(int keyCode, const KeyOperateInfo &record, int boundIndex)
{
    if (keyCode == 0)
        return {0, 0, 0, 0};
    const int type = operateType(record);
    const int mode = fieldInt(record.mode);
    const QString valueText = fieldText(record.value, sizeof(record.value));
    const int v = textInt(valueText);
    const int code = entryCode(keyCode);

    switch (type) {
    case -1: return unassigned(keyCode);
    case 19: return keyboardFunction(keyCode, mode, valueText);
    case 26:
        if (mode == 0 || mode == 1)
            return {17, mode == 0 ? 4 : 5, v, 0};
        return ownFunction(keyCode);
    case 34:
        if (mode == 0 || mode == 1)
            return {17, mode == 0 ? 4 : 6, v, 0};
        return ownFunction(keyCode);
    case advancedKeyOperation: return {23, boundIndex, 0, 0};
    case 0:
        if (v == -20)
            return {20, 0, 0, 0};
        if (v == -10)
            return {1, 0, 0, 0};
        return {0, v, 0, 0};
    case macroOperation: return {16, code, boundIndex, 0};
    case 2: return combination(comboFromText(valueText), 19);
    case 3: return {7, multimediaCode(v), 0, 0};
    case 4: return {18, mouseWheelFlag(v), mouseButtonCode(v), 0};
    case 5: return {0, 0, 0, 0};
    case 6:
    case 7:
    case 8:
        // The keyboard hands presses of these keys to the program, which carries the action out.
        return {22, 0, 0, code};
    case 9: {
        const ComboKeyTriple shortcut = shortcutKeys(v);
        return {19, shortcut.first, shortcut.key, 0};
    }
    case 20: return {2, v, 0, 0};
    case 21: return {3, v, 0, 0};
    case 22: return {4, v, 0, 0};
    case 23: return {5, v, 0, 0};
    case 24: return {6, v, 0, 0};
    case 25: return {8, v, 0, 0};
    case 27: return {9, 0, 0, 0};
    case 30: return {10, v, 0, 0};
    case 31: return {11, v, 0, 0};
    case 32: return {12, v, 0, 0};
    case 33: return {13, v, 0, 0};
    default: return ownFunction(keyCode);
    }
}

int OnboardKeyEncoder::multimediaCode(int value)
{
    static const int codes[] = {16, 17, 18, 19, 20, 21, 22, 23, 48, 50, 52, 35, 32, 56, 57, 33};
    return value >= 0 && value < int(std::size(codes)) ? codes[value] : 0;
}

int OnboardKeyEncoder::mouseWheelFlag(int value)
{
    return value == 3 || value == 4 ? 1 : 0;
}

int OnboardKeyEncoder::mouseButtonCode(int value)
{
    static const int codes[] = {1, 4, 2, 1, 255, 16, 8};
    return value >= 0 && value < int(std::size(codes)) ? codes[value] : 0;
}

ComboKeyTriple OnboardKeyEncoder::shortcutKeys(int value)
{
    static const ComboKeyTriple shortcuts[] = {
        {226, 0, 61}, {226, 0, 43}, {227, 0, 7}, {227, 0, 8},  {227, 0, 15}, {224, 0, 6},
        {224, 0, 27}, {224, 0, 25}, {224, 0, 9}, {224, 0, 17}, {224, 0, 19}, {224, 0, 22},
    };
    return value >= 0 && value < int(std::size(shortcuts)) ? shortcuts[value] : ComboKeyTriple{};
}

ComboKeyTriple OnboardKeyEncoder::comboFromText(const QString &text)
{
    const QStringList parts = text.split(',');
    const int mask = textInt(parts.value(0));
    ComboKeyTriple combo;
    combo.key = textInt(parts.value(1));
    bool first = true;
    for (int bit = 0; bit < 8; ++bit) {
        if (!(mask & (1 << bit)))
            continue;
        if (first)
            combo.first = 224 + bit;
        else
            combo.further = 224 + bit;
        first = false;
    }
    return combo;
}

OnboardKeyEntry OnboardKeyEncoder::advancedKeyField(const QString &text)
{
    if (text.contains(','))
        return combination(comboFromText(text), 0x13);
    return {0, textInt(text), 0, 0};
}
