#include "ui/mainwidget/devicePage/keyFunctions/FixedChoiceTable.h"

#include "ui/mainwidget/devicePage/keyFunctions/KeyOperateType.h"

#include <QList>
#include <QObject>

#include <climits>

namespace {

constexpr int kConnectionMode = 11;
constexpr int kPowerQueryMode = 10;

// A stored value equals a row's value: numbers compare by their leading digits; a pair needs both
// parts, so a connection value without its comma matches no row.
bool valueMatches(const QByteArray &stored, const char *rowValue)
{
    const QList<QByteArray> row = QByteArray(rowValue).split(',');
    if (row.size() == 1)
        return FixedChoiceTable::leadingInt(stored) == FixedChoiceTable::leadingInt(row.first());
    const QList<QByteArray> parts = stored.split(',');
    if (parts.size() < row.size())
        return false;
    for (int index = 0; index < row.size(); ++index) {
        if (FixedChoiceTable::leadingInt(parts[index]) != FixedChoiceTable::leadingInt(row[index]))
            return false;
    }
    return true;
}

} // namespace

// clang-format off
const QVector<FixedChoice> &FixedChoiceTable::multimedia()
{
    static const QVector<FixedChoice> rows{
        {"radioButton_volAdd", QT_TRANSLATE_NOOP("QObject", "Volume +"), KEY_OPERATE_MULTIMEDIA, 1, "0", FixedChoice::ByValue, true},
        {"radioButton_volLower", QT_TRANSLATE_NOOP("QObject", "Volume -"), KEY_OPERATE_MULTIMEDIA, 1, "1", FixedChoice::ByValue, true},
        {"radioButton_mute", QT_TRANSLATE_NOOP("QObject", "Mute"), KEY_OPERATE_MULTIMEDIA, 1, "2", FixedChoice::ByValue, true},
        {"radioButton_playOrPause", QT_TRANSLATE_NOOP("QObject", "Play/Pause"), KEY_OPERATE_MULTIMEDIA, 1, "3", FixedChoice::ByValue, true},
        {"radioButton_next", QT_TRANSLATE_NOOP("QObject", "Next track"), KEY_OPERATE_MULTIMEDIA, 1, "4", FixedChoice::ByValue, true},
        {"radioButton_previous", QT_TRANSLATE_NOOP("QObject", "Prev track"), KEY_OPERATE_MULTIMEDIA, 1, "5", FixedChoice::ByValue, true},
        {"radioButton_videoStop", QT_TRANSLATE_NOOP("QObject", "Stop"), KEY_OPERATE_MULTIMEDIA, 1, "6", FixedChoice::ByValue, true},
        {"radioButton_Player", QT_TRANSLATE_NOOP("QObject", "Player"), KEY_OPERATE_MULTIMEDIA, 1, "8", FixedChoice::ByValue, true},
        {"radioButton_Calculator", QT_TRANSLATE_NOOP("QObject", "Calculator"), KEY_OPERATE_MULTIMEDIA, 1, "9", FixedChoice::ByValue, true},
        {"radioButton_Computer", QT_TRANSLATE_NOOP("QObject", "Computer"), KEY_OPERATE_MULTIMEDIA, 1, "10", FixedChoice::ByValue, true},
        {"radioButton_Browser", QT_TRANSLATE_NOOP("QObject", "Browser"), KEY_OPERATE_MULTIMEDIA, 1, "11", FixedChoice::ByValue, true},
        {"radioButton_Email", QT_TRANSLATE_NOOP("QObject", "Email"), KEY_OPERATE_MULTIMEDIA, 1, "12", FixedChoice::ByValue, true},
        {"radioButton_ScreenBrightnessAdd", QT_TRANSLATE_NOOP("QObject", "Screen brightness+"), KEY_OPERATE_MULTIMEDIA, 1, "13", FixedChoice::ByValue, true},
        {"radioButton_ScreenBrightnessLess", QT_TRANSLATE_NOOP("QObject", "Screen brightness-"), KEY_OPERATE_MULTIMEDIA, 1, "14", FixedChoice::ByValue, true},
        {"radioButton_wwwSearch", QT_TRANSLATE_NOOP("QObject", "Search"), KEY_OPERATE_MULTIMEDIA, 1, "15", FixedChoice::ByValue, true},
    };
    return rows;
}

const QVector<FixedChoice> &FixedChoiceTable::mouse()
{
    static const QVector<FixedChoice> rows{
        {"radioButton_mouseLeft", QT_TRANSLATE_NOOP("QObject", "Mouse Left"), KEY_OPERATE_MOUSE, 1, "0", FixedChoice::ByValue, true},
        {"radioButton_mouseCenter", QT_TRANSLATE_NOOP("QObject", "Mouse Center"), KEY_OPERATE_MOUSE, 1, "1", FixedChoice::ByValue, true},
        {"radioButton_mouseRight", QT_TRANSLATE_NOOP("QObject", "Mouse Right"), KEY_OPERATE_MOUSE, 1, "2", FixedChoice::ByValue, true},
        {"radioButton_mouseScrollUp", QT_TRANSLATE_NOOP("QObject", "Scroll Up"), KEY_OPERATE_MOUSE, 1, "3", FixedChoice::ByValue, true},
        {"radioButton_mouseScrollDown", QT_TRANSLATE_NOOP("QObject", "Scroll Down"), KEY_OPERATE_MOUSE, 1, "4", FixedChoice::ByValue, true},
        {"radioButton_Forward", QT_TRANSLATE_NOOP("QObject", "Forward"), KEY_OPERATE_MOUSE, 1, "5", FixedChoice::ByValue, true},
        {"radioButton_Backward", QT_TRANSLATE_NOOP("QObject", "Backward"), KEY_OPERATE_MOUSE, 1, "6", FixedChoice::ByValue, true},
        {"radioButton_SniperKey", QT_TRANSLATE_NOOP("QObject", "Sniper Key"), KEY_OPERATE_MOUSE, 1, "7", FixedChoice::ByValue, false},
    };
    return rows;
}

const QVector<FixedChoice> &FixedChoiceTable::shortcuts()
{
    static const QVector<FixedChoice> rows{
        {"radioButton_CloseWindow", QT_TRANSLATE_NOOP("QObject", "Close window"), KEY_OPERATE_SHORTCUT, 1, "0", FixedChoice::ByValue, true},
        {"radioButton_ShowDesktop", QT_TRANSLATE_NOOP("QObject", "Show desktop"), KEY_OPERATE_SHORTCUT, 1, "2", FixedChoice::ByValue, true},
        {"radioButton_OpenMyComputer", QT_TRANSLATE_NOOP("QObject", "My computer"), KEY_OPERATE_SHORTCUT, 1, "3", FixedChoice::ByValue, true},
        {"radioButton_LockingComputer", QT_TRANSLATE_NOOP("QObject", "Lock computer"), KEY_OPERATE_SHORTCUT, 1, "4", FixedChoice::ByValue, true},
        {"radioButton_Copy", QT_TRANSLATE_NOOP("QObject", "Copy"), KEY_OPERATE_SHORTCUT, 1, "5", FixedChoice::ByValue, true},
        {"radioButton_Cut", QT_TRANSLATE_NOOP("QObject", "Cut"), KEY_OPERATE_SHORTCUT, 1, "6", FixedChoice::ByValue, true},
        {"radioButton_Paste", QT_TRANSLATE_NOOP("QObject", "Paste"), KEY_OPERATE_SHORTCUT, 1, "7", FixedChoice::ByValue, true},
        {"radioButton_Find", QT_TRANSLATE_NOOP("QObject", "Find"), KEY_OPERATE_SHORTCUT, 1, "8", FixedChoice::ByValue, true},
        {"radioButton_CreateNew", QT_TRANSLATE_NOOP("QObject", "New"), KEY_OPERATE_SHORTCUT, 1, "9", FixedChoice::ByValue, true},
        {"radioButton_Print", QT_TRANSLATE_NOOP("QObject", "Print"), KEY_OPERATE_SHORTCUT, 1, "10", FixedChoice::ByValue, true},
        {"radioButton_Save", QT_TRANSLATE_NOOP("QObject", "Save"), KEY_OPERATE_SHORTCUT, 1, "11", FixedChoice::ByValue, true},
    };
    return rows;
}

// The sub-function goes in the mode field.
const QVector<FixedChoice> &FixedChoiceTable::keyConfig()
{
    static const QVector<FixedChoice> rows{
        {"radioButton_SwitchLoopWin", QT_TRANSLATE_NOOP("QObject", "Lock/Unlock Win"), KEY_OPERATE_KEY_CONFIG, 2, "0", FixedChoice::ByModeAndValue, true},
        {"radioButton_LockWin", QT_TRANSLATE_NOOP("QObject", "Lock win"), KEY_OPERATE_KEY_CONFIG, 2, "1", FixedChoice::ByModeAndValue, false},
        {"radioButton_UnlockWin", QT_TRANSLATE_NOOP("QObject", "Unlock win"), KEY_OPERATE_KEY_CONFIG, 2, "2", FixedChoice::ByModeAndValue, false},
        {"radioButton_LockKeyboard", QT_TRANSLATE_NOOP("QObject", "Lock keyboard"), KEY_OPERATE_KEY_CONFIG, 0, "0", FixedChoice::ByMode, true},
        {"radioButton_PowerQuery", QT_TRANSLATE_NOOP("QObject", "Power query"), KEY_OPERATE_KEY_CONFIG, kPowerQueryMode, "0", FixedChoice::ByMode, true},
        {"radioButton_DefaultLayer", QT_TRANSLATE_NOOP("QObject", "Default layer"), KEY_OPERATE_KEY_CONFIG, 8, "0", FixedChoice::ByModeAndValue, false},
        {"radioButton_FNLayer", QT_TRANSLATE_NOOP("QObject", "FN layer"), KEY_OPERATE_KEY_CONFIG, 8, "1", FixedChoice::ByModeAndValue, false},
        {"radioButton_FN1Layer", QT_TRANSLATE_NOOP("QObject", "FN1 layer"), KEY_OPERATE_KEY_CONFIG, 8, "2", FixedChoice::ByModeAndValue, false},
        {"radioButton_USB", QT_TRANSLATE_NOOP("QObject", "USB switching"), KEY_OPERATE_KEY_CONFIG, kConnectionMode, "2,0", FixedChoice::ByModeAndValue, true},
        {"radioButton_24G", QT_TRANSLATE_NOOP("QObject", "2.4G switching"), KEY_OPERATE_KEY_CONFIG, kConnectionMode, "1,0", FixedChoice::ByModeAndValue, true},
        {"radioButton_Pattern1", QT_TRANSLATE_NOOP("QObject", "Bluetooth 1"), KEY_OPERATE_KEY_CONFIG, kConnectionMode, "0,0", FixedChoice::ByModeAndValue, true},
        {"radioButton_Pattern2", QT_TRANSLATE_NOOP("QObject", "Bluetooth 2"), KEY_OPERATE_KEY_CONFIG, kConnectionMode, "0,1", FixedChoice::ByModeAndValue, true},
        {"radioButton_Pattern3", QT_TRANSLATE_NOOP("QObject", "Bluetooth 3"), KEY_OPERATE_KEY_CONFIG, kConnectionMode, "0,2", FixedChoice::ByModeAndValue, true},
    };
    return rows;
}

// Type 26 keeps its off/stop selector in the mode field: 0 switches off, 1 stops.
const QVector<FixedChoice> &FixedChoiceTable::keyboardLight()
{
    static const QVector<FixedChoice> rows{
        {"radioButton_OverallLightList", QT_TRANSLATE_NOOP("QObject", "Overall light"), 20, 1, "0", FixedChoice::ByValue, true},
        {"radioButton_InteractionLightList", QT_TRANSLATE_NOOP("QObject", "Interaction light"), 20, 1, "1", FixedChoice::ByValue, true},
        {"radioButton_AllLightList", QT_TRANSLATE_NOOP("QObject", "All light"), 20, 1, "2", FixedChoice::ByValue, true},
        {"radioButton_StaticMode", QT_TRANSLATE_NOOP("QObject", "Static"), 20, 1, "3", FixedChoice::ByValue, true},
        {"radioButton_BrightnessUp", QT_TRANSLATE_NOOP("QObject", "Brightness +"), 21, 1, "0", FixedChoice::ByValue, true},
        {"radioButton_BrightnessDown", QT_TRANSLATE_NOOP("QObject", "Brightness -"), 21, 1, "1", FixedChoice::ByValue, true},
        {"radioButton_SpeedAdd", QT_TRANSLATE_NOOP("QObject", "Speed +"), 22, 1, "0", FixedChoice::ByValue, true},
        {"radioButton_SpeedLessen", QT_TRANSLATE_NOOP("QObject", "Speed -"), 22, 1, "1", FixedChoice::ByValue, true},
        {"radioButton_DirectionAddOne", QT_TRANSLATE_NOOP("QObject", "Direction +1"), 23, 1, "0", FixedChoice::ByValue, true},
        {"radioButton_DirectionLessenOne", QT_TRANSLATE_NOOP("QObject", "Direction -1"), 23, 1, "1", FixedChoice::ByValue, true},
        {"radioButton_DirectionLoop", QT_TRANSLATE_NOOP("QObject", "Direction Loop"), 23, 1, "2", FixedChoice::ByValue, true},
        {"radioButton_FullColor", QT_TRANSLATE_NOOP("QObject", "Into full color"), 24, 1, "0", FixedChoice::ByValue, true},
        {"radioButton_TopColor", QT_TRANSLATE_NOOP("QObject", "Top color changed"), 24, 1, "1", FixedChoice::ByValue, true},
        {"radioButton_BottomColor", QT_TRANSLATE_NOOP("QObject", "Bottom color changed"), 24, 1, "2", FixedChoice::ByValue, true},
        {"radioButton_IntoCustomLight01", QT_TRANSLATE_NOOP("QObject", "Custom 1"), 25, 1, "0", FixedChoice::ByValue, true},
        {"radioButton_IntoCustomLight02", QT_TRANSLATE_NOOP("QObject", "Custom 2"), 25, 1, "1", FixedChoice::ByValue, true},
        {"radioButton_CloseAll", QT_TRANSLATE_NOOP("QObject", "Close all"), 26, 0, "0", FixedChoice::ByModeAndValue, true},
        {"radioButton_CloseBackLight", QT_TRANSLATE_NOOP("QObject", "Close back light"), 26, 0, "1", FixedChoice::ByModeAndValue, true},
        {"radioButton_StopBackLight", QT_TRANSLATE_NOOP("QObject", "Stop back light"), 26, 1, "0", FixedChoice::ByMode, true},
        {"radioButton_LightRecording", QT_TRANSLATE_NOOP("QObject", "Light recording"), 27, 1, "0", FixedChoice::ByTypeOnly, true},
    };
    return rows;
}

// Type 34 keeps its off/stop selector in the mode field; switching off stores the value 2.
const QVector<FixedChoice> &FixedChoiceTable::sideLight()
{
    static const QVector<FixedChoice> rows{
        {"radioButton_AllLightList", QT_TRANSLATE_NOOP("QObject", "All light"), 30, 1, "2", FixedChoice::ByValue, true},
        {"radioButton_OverallLightList", QT_TRANSLATE_NOOP("QObject", "Overall light"), 30, 1, "0", FixedChoice::ByValue, false},
        {"radioButton_InteractionLightList", QT_TRANSLATE_NOOP("QObject", "Interaction light"), 30, 1, "1", FixedChoice::ByValue, false},
        {"radioButton_BrightnessUp", QT_TRANSLATE_NOOP("QObject", "Brightness +"), 31, 1, "0", FixedChoice::ByValue, true},
        {"radioButton_BrightnessDown", QT_TRANSLATE_NOOP("QObject", "Brightness -"), 31, 1, "1", FixedChoice::ByValue, true},
        {"radioButton_SpeedAdd", QT_TRANSLATE_NOOP("QObject", "Speed +"), 32, 1, "0", FixedChoice::ByValue, true},
        {"radioButton_SpeedLessen", QT_TRANSLATE_NOOP("QObject", "Speed -"), 32, 1, "1", FixedChoice::ByValue, true},
        {"radioButton_FullColor", QT_TRANSLATE_NOOP("QObject", "Into full color"), 33, 1, "0", FixedChoice::ByValue, true},
        {"radioButton_TopColor", QT_TRANSLATE_NOOP("QObject", "Top color changed"), 33, 1, "1", FixedChoice::ByValue, true},
        {"radioButton_BottomColor", QT_TRANSLATE_NOOP("QObject", "Bottom color changed"), 33, 1, "2", FixedChoice::ByValue, true},
        {"radioButton_CloseSideLight", QT_TRANSLATE_NOOP("QObject", "Close side light"), 34, 0, "2", FixedChoice::ByMode, true},
        {"radioButton_StopSideLight", QT_TRANSLATE_NOOP("QObject", "Stop side light"), 34, 1, "0", FixedChoice::ByMode, true},
    };
    return rows;
}
// clang-format on

int FixedChoiceTable::leadingInt(const QByteArray &text)
{
    int at = 0;
    while (at < text.size() && (text[at] == ' ' || (text[at] >= '\t' && text[at] <= '\r')))
        ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '-' || text[at] == '+'))
        negative = text[at++] == '-';
    long long number = 0;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
        number = number * 10 + (text[at] - '0');
        if (number > INT_MAX)
            break;
    }
    if (negative)
        return static_cast<int>(-number < INT_MIN ? INT_MIN : -number);
    return static_cast<int>(number > INT_MAX ? INT_MAX : number);
}

int FixedChoiceTable::rowForEntry(const QVector<FixedChoice> &rows, const QByteArray &type, const QByteArray &mode,
                                  const QByteArray &value)
{
    const int storedType = leadingInt(type);
    const int storedMode = leadingInt(mode);
    for (int row = 0; row < rows.size(); ++row) {
        const FixedChoice &choice = rows[row];
        if (choice.type != storedType)
            continue;
        const bool byMode = choice.match == FixedChoice::ByMode || choice.match == FixedChoice::ByModeAndValue;
        const bool byValue = choice.match == FixedChoice::ByValue || choice.match == FixedChoice::ByModeAndValue;
        if (byMode && choice.mode != storedMode)
            continue;
        if (byValue && !valueMatches(value, choice.value))
            continue;
        return row;
    }
    return -1;
}

bool FixedChoiceTable::showsConnectionChoices(int hidDeviceType)
{
    return hidDeviceType != 4 && hidDeviceType != 5;
}

bool FixedChoiceTable::isConnectionChoice(const FixedChoice &choice)
{
    return choice.type == KEY_OPERATE_KEY_CONFIG && (choice.mode == kConnectionMode || choice.mode == kPowerQueryMode);
}
