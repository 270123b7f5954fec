#pragma once

#include "sdk/store/VorlanXmlRecords.h"
#include "ui/mainwidget/devicePage/download/ComboKeyTriple.h"

#include <QString>

#include <array>
#include <cstddef>

// A key's 4-byte on-board entry: the firmware function code and its parameters. Only the low 8 bits
// of each value go out, so negative values are sent in two's complement.
using OnboardKeyEntry = std::array<int, 4>;

// How a stored key operation becomes the entry the keyboard's firmware runs.
class OnboardKeyEncoder
{
public:
    static constexpr int macroOperation = 1;
    static constexpr int advancedKeyOperation = 40;

    // The integer of a record text by atoi's rules (leading digits, 0 when none); bounded by the field.
    static int fieldInt(const char *field, std::size_t size);
    template <std::size_t N>
    static int fieldInt(const char (&field)[N])
    {
        return fieldInt(field, N);
    }
    static QString fieldText(const char *field, std::size_t size);

    // The operation type of a record; -1 when the key had no record.
    static int operateType(const KeyOperateInfo &record);
    // Codes of 255 and more all go out as 255.
    static int entryCode(int keyCode);

    // boundIndex is the macro slot (type 1) or the advanced-key store index (type 40) the download
    // gave this key; other types ignore it. A gap of the layout (code 0) is all zeros.
    static OnboardKeyEntry encode(int keyCode, const KeyOperateInfo &record, int boundIndex);
    // The entry of a key that keeps its own function.
    static OnboardKeyEntry ownFunction(int keyCode);

    static int multimediaCode(int value);
    static int mouseWheelFlag(int value);
    static int mouseButtonCode(int value);
    static ComboKeyTriple shortcutKeys(int value);
    // "mask,key": the lowest set modifier bit gives the first usage, the highest the further one.
    static ComboKeyTriple comboFromText(const QString &text);
    // One key text of an advanced key: a combination when it holds a comma, else a key code.
    static OnboardKeyEntry advancedKeyField(const QString &text);

private:
    static OnboardKeyEntry unassigned(int keyCode);
    static OnboardKeyEntry keyboardFunction(int keyCode, int mode, const QString &value);
    static OnboardKeyEntry combination(const ComboKeyTriple &combo, int functionCode);
};
