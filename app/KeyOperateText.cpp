#include "app/KeyOperateText.h"

#include "sdk/store/VorlanXml.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstring>
#include <list>

namespace {

// Fields may come unterminated from a damaged file: never read past their end.
QByteArray field(const char *text, size_t capacity)
{
    return QByteArray(text, static_cast<int>(strnlen(text, capacity)));
}

// Decimal text as a number; anything that is not a number counts as 0.
int number(const QByteArray &text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? value : 0;
}

struct Row
{
    int key;
    const char *text;
};

template <size_t N>
QString lookup(const Row (&rows)[N], int key)
{
    for (const Row &row : rows) {
        if (row.key == key)
            return QCoreApplication::translate("QObject", row.text);
    }
    return QCoreApplication::translate("QObject", "Unknow");
}

// clang-format off
const Row kMultimedia[] = {
    {0, QT_TRANSLATE_NOOP("QObject", "Volume +")},
    {1, QT_TRANSLATE_NOOP("QObject", "Volume -")},
    {2, QT_TRANSLATE_NOOP("QObject", "Mute")},
    {3, QT_TRANSLATE_NOOP("QObject", "Play/Pause")},
    {4, QT_TRANSLATE_NOOP("QObject", "Next track")},
    {5, QT_TRANSLATE_NOOP("QObject", "Prev track")},
    {6, QT_TRANSLATE_NOOP("QObject", "Stop")},
    {8, QT_TRANSLATE_NOOP("QObject", "Player")},
    {9, QT_TRANSLATE_NOOP("QObject", "Calculator")},
    {10, QT_TRANSLATE_NOOP("QObject", "Computer")},
    {11, QT_TRANSLATE_NOOP("QObject", "Browser")},
    {12, QT_TRANSLATE_NOOP("QObject", "Email")},
    {13, QT_TRANSLATE_NOOP("QObject", "Screen brightness+")},
    {14, QT_TRANSLATE_NOOP("QObject", "Screen brightness-")},
    {15, QT_TRANSLATE_NOOP("QObject", "Search")},
};

const Row kMouse[] = {
    {0, QT_TRANSLATE_NOOP("QObject", "Mouse Left")},
    {1, QT_TRANSLATE_NOOP("QObject", "Mouse Center")},
    {2, QT_TRANSLATE_NOOP("QObject", "Mouse Right")},
    {3, QT_TRANSLATE_NOOP("QObject", "Scroll Up")},
    {4, QT_TRANSLATE_NOOP("QObject", "Scroll Down")},
    {5, QT_TRANSLATE_NOOP("QObject", "Forward")},
    {6, QT_TRANSLATE_NOOP("QObject", "Backward")},
    {7, QT_TRANSLATE_NOOP("QObject", "Sniper Key")},
};

const Row kShortcuts[] = {
    {0, QT_TRANSLATE_NOOP("QObject", "Close window")},
    {1, QT_TRANSLATE_NOOP("QObject", "Switch windows")},
    {2, QT_TRANSLATE_NOOP("QObject", "Show desktop")},
    {3, QT_TRANSLATE_NOOP("QObject", "My computer")},
    {4, QT_TRANSLATE_NOOP("QObject", "Lock computer")},
    {5, QT_TRANSLATE_NOOP("QObject", "Copy")},
    {6, QT_TRANSLATE_NOOP("QObject", "Cut")},
    {7, QT_TRANSLATE_NOOP("QObject", "Paste")},
    {8, QT_TRANSLATE_NOOP("QObject", "Find")},
    {9, QT_TRANSLATE_NOOP("QObject", "New")},
    {10, QT_TRANSLATE_NOOP("QObject", "Print")},
    {11, QT_TRANSLATE_NOOP("QObject", "Save")},
};

const Row kWinLock[] = {
    {0, QT_TRANSLATE_NOOP("QObject", "Lock/Unlock Win")},
    {1, QT_TRANSLATE_NOOP("QObject", "Lock win")},
    {2, QT_TRANSLATE_NOOP("QObject", "Unlock win")},
};

const Row kLayer[] = {
    {0, QT_TRANSLATE_NOOP("QObject", "Default layer")},
    {1, QT_TRANSLATE_NOOP("QObject", "FN layer")},
    {2, QT_TRANSLATE_NOOP("QObject", "FN1 layer")},
};

const Row kLightList[] = {
    {0, QT_TRANSLATE_NOOP("QObject", "Overall light")},
    {1, QT_TRANSLATE_NOOP("QObject", "Interaction light")},
    {2, QT_TRANSLATE_NOOP("QObject", "All light")},
    {3, QT_TRANSLATE_NOOP("QObject", "Static")},
};

const Row kSideLightList[] = {
    {0, QT_TRANSLATE_NOOP("QObject", "Overall light")},
    {1, QT_TRANSLATE_NOOP("QObject", "Interaction light")},
    {2, QT_TRANSLATE_NOOP("QObject", "All light")},
};

const Row kBrightness[] = {
    {0, QT_TRANSLATE_NOOP("QObject", "Brightness +")},
    {1, QT_TRANSLATE_NOOP("QObject", "Brightness -")},
};

const Row kSpeed[] = {
    {0, QT_TRANSLATE_NOOP("QObject", "Speed +")},
    {1, QT_TRANSLATE_NOOP("QObject", "Speed -")},
};

const Row kDirection[] = {
    {0, QT_TRANSLATE_NOOP("QObject", "Direction +1")},
    {1, QT_TRANSLATE_NOOP("QObject", "Direction -1")},
    {2, QT_TRANSLATE_NOOP("QObject", "Direction Loop")},
};

const Row kColor[] = {
    {0, QT_TRANSLATE_NOOP("QObject", "Into full color")},
    {1, QT_TRANSLATE_NOOP("QObject", "Top color changed")},
    {2, QT_TRANSLATE_NOOP("QObject", "Bottom color changed")},
};

const Row kCustomLight[] = {
    {0, QT_TRANSLATE_NOOP("QObject", "Custom 1")},
    {1, QT_TRANSLATE_NOOP("QObject", "Custom 2")},
};

const Row kBluetooth[] = {
    {0, QT_TRANSLATE_NOOP("QObject", "Bluetooth 1")},
    {1, QT_TRANSLATE_NOOP("QObject", "Bluetooth 2")},
    {2, QT_TRANSLATE_NOOP("QObject", "Bluetooth 3")},
};
// clang-format on

const char *const kModifierNames[8] = {"L_CTRL", "L_SHIFT", "L_ALT", "L_WIN", "R_CTRL", "R_SHIFT", "R_ALT", "R_WIN"};

QString keyConfigText(int mode, const QByteArray &value)
{
    switch (mode) {
    case 0: return QCoreApplication::translate("QObject", "Lock keyboard");
    case 2: return lookup(kWinLock, number(value));
    case 8: return lookup(kLayer, number(value));
    case 10: return QCoreApplication::translate("QObject", "Power query");
    case 11: {
        const QList<QByteArray> parts = value.split(',');
        const int a = number(parts.value(0));
        const int b = number(parts.value(1));
        if (a == 0)
            return lookup(kBluetooth, b);
        if (a == 1)
            return QCoreApplication::translate("QObject", "2.4G switching");
        if (a == 2)
            return QCoreApplication::translate("QObject", "USB switching");
        return QCoreApplication::translate("QObject", "Unknow");
    }
    default: return QCoreApplication::translate("QObject", "Unknow");
    }
}

QString keyboardLightText(int type, int mode, int n)
{
    switch (type) {
    case 20: return lookup(kLightList, n);
    case 21: return lookup(kBrightness, n);
    case 22: return lookup(kSpeed, n);
    case 23: return lookup(kDirection, n);
    case 24: return lookup(kColor, n);
    case 25: return lookup(kCustomLight, n);
    case 26:
        if (mode == 0 && n == 0)
            return QCoreApplication::translate("QObject", "Close all");
        if (mode == 0 && n == 1)
            return QCoreApplication::translate("QObject", "Close back light");
        if (mode == 1)
            return QCoreApplication::translate("QObject", "Stop back light");
        return QCoreApplication::translate("QObject", "Unknow");
    case 27: return QCoreApplication::translate("QObject", "Light recording");
    default: return QCoreApplication::translate("QObject", "Unknow");
    }
}

QString sideLightText(int type, int mode, int n)
{
    switch (type) {
    case 30: return lookup(kSideLightList, n);
    case 31: return lookup(kBrightness, n);
    case 32: return lookup(kSpeed, n);
    case 33: return lookup(kColor, n);
    case 34:
        if (mode == 0)
            return QCoreApplication::translate("QObject", "Close side light");
        if (mode == 1)
            return QCoreApplication::translate("QObject", "Stop side light");
        return QCoreApplication::translate("QObject", "Unknow");
    default: return QCoreApplication::translate("QObject", "Unknow");
    }
}

QString combinationText(const QByteArray &value, const QMap<int, QString> &keyNames)
{
    const int comma = value.indexOf(',');
    const int mask = number(comma < 0 ? value : value.left(comma));
    QStringList names;
    for (int bit = 0; bit < 8; ++bit) {
        if (mask & (1 << bit))
            names << QString::fromLatin1(kModifierNames[bit]);
    }
    if (comma >= 0) {
        const int keyCode = number(value.mid(comma + 1));
        if (keyNames.contains(keyCode))
            names << keyNames.value(keyCode);
    }
    return names.join(QLatin1Char('+'));
}

QString macroName(const char *macroXmlPath, int macroIndex)
{
    MacroNode nodes;
    CVorlanXML_SelectMacroAllNodes(macroXmlPath, &nodes);
    const std::string wanted = std::to_string(macroIndex);
    for (const auto &node : nodes) {
        if (node.first == wanted)
            return QString::fromStdString(node.second);
    }
    return QCoreApplication::translate("QObject", "Unknow");
}

QString profileName(const char *profileXmlPath, const QByteArray &profileIndex)
{
    ProfileNodeInfo info;
    std::memset(&info, 0, sizeof(info));
    CVorlanXML_SelectProfileNodeInfo(profileXmlPath, profileIndex.constData(), &info);
    return QString::fromUtf8(field(info.name, sizeof(info.name)));
}

QString seniorKeyName(const char *seniorKeyXmlPath, int id)
{
    std::list<SeniorKeyInfoStu> items;
    if (!CVorlanXML_SeniorKey_SelectAllInfoItem(seniorKeyXmlPath, &items) || items.empty())
        return QCoreApplication::translate("QObject", "Unknow");
    QString name = QCoreApplication::translate("QObject", "Unknow");
    for (const SeniorKeyInfoStu &item : items) {
        if (item.id == id)
            name = QString::fromUtf8(field(item.name, sizeof(item.name)));
    }
    return name;
}

} // namespace

QString KeyOperateText::describe(const KeyOperateInfo &info, const Sources &sources, QString *valueText)
{
    const int type = number(field(info.operateType, sizeof(info.operateType)));
    const int mode = number(field(info.mode, sizeof(info.mode)));
    const QByteArray value = field(info.value, sizeof(info.value));
    const int n = number(value);

    QString name = QCoreApplication::translate("QObject", "Default");
    QString text = QCoreApplication::translate("QObject", "Unknow");
    switch (type) {
    case 0:
        name = QCoreApplication::translate("QObject", "Remap Key");
        text = sources.keyNames.value(n);
        break;
    case 1:
        name = QCoreApplication::translate("QObject", "Macro");
        text = macroName(sources.macroXmlPath, n);
        break;
    case 2:
        name = QCoreApplication::translate("QObject", "Key Combination");
        text = combinationText(value, sources.keyNames);
        break;
    case 3:
        name = QCoreApplication::translate("QObject", "Multimedia");
        text = lookup(kMultimedia, n);
        break;
    case 4:
        name = QCoreApplication::translate("QObject", "Mouse");
        text = lookup(kMouse, n);
        break;
    case 5:
        name = QCoreApplication::translate("QObject", "Disable");
        text = QCoreApplication::translate("QObject", "Disable");
        break;
    case 6:
        name = QCoreApplication::translate("QObject", "Text");
        text = QString::fromUtf8(value);
        break;
    case 7:
        name = QCoreApplication::translate("QObject", "Switch Profile");
        text = profileName(sources.profileXmlPath, value);
        break;
    case 8:
        name = QCoreApplication::translate("QObject", "Launch Application");
        text = QString::fromUtf8(value);
        break;
    case 9:
        name = QCoreApplication::translate("QObject", "Shortcuts");
        text = lookup(kShortcuts, n);
        break;
    case 10: name = QCoreApplication::translate("QObject", "Unknow"); break;
    case 19:
        name = QCoreApplication::translate("QObject", "Key Config");
        text = keyConfigText(mode, value);
        break;
    case 40:
        name = QCoreApplication::translate("QObject", "Senior Keys");
        text = seniorKeyName(sources.seniorKeyXmlPath, n);
        break;
    default:
        if (type >= 20 && type <= 27) {
            name = QCoreApplication::translate("QObject", "Keyboard Light");
            text = keyboardLightText(type, mode, n);
        } else if (type >= 30 && type <= 34) {
            name = QCoreApplication::translate("QObject", "Atmosphere Light");
            text = sideLightText(type, mode, n);
        }
        break;
    }
    if (valueText != nullptr)
        *valueText = text;
    return name;
}
