#include "ui/mainwidget/devicePage/keyFunctions/KeyFunctionTable.h"

#include "ui/mainwidget/devicePage/keyFunctions/KeyOperateType.h"

#include <QObject>

const QVector<KeyFunction> &KeyFunctionTable::functions()
{
    static const QVector<KeyFunction> table{
        {0, 10, "toolButton_Default", "page_Default", QT_TRANSLATE_NOOP("QObject", "Default")},
        {1, 0, "toolButton_Macro", "page_Macro", QT_TRANSLATE_NOOP("QObject", "Macro")},
        {2, 1, "toolButton_RemapKey", "page_RemapKey", QT_TRANSLATE_NOOP("QObject", "Remap Key")},
        {3, 4, "toolButton_Mouse", "page_Mouse", QT_TRANSLATE_NOOP("QObject", "Mouse")},
        {4, 6, "toolButton_Text", "page_Text", QT_TRANSLATE_NOOP("QObject", "Text")},
        {5, 5, "toolButton_Disable", "page_Disable", QT_TRANSLATE_NOOP("QObject", "Disable")},
        {6, 3, "toolButton_Multimedia", "page_Multimedia", QT_TRANSLATE_NOOP("QObject", "Multimedia")},
        {7, 2, "toolButton_CombinationKey", "page_CombinationKey", QT_TRANSLATE_NOOP("QObject", "Key Combination")},
        {9, 9, "toolButton_Shortcuts", "page_Shortcuts", QT_TRANSLATE_NOOP("QObject", "Shortcuts")},
        {10, 7, "toolButton_SwitchProfile", "page_SwitchProfile", QT_TRANSLATE_NOOP("QObject", "Switch Profile")},
        {8, 8, "toolButton_OpenApp", "page_OpenApp", QT_TRANSLATE_NOOP("QObject", "Launch Application")},
        {20, 20, "toolButton_KBLightAbout", "page_KeyboardLightAbout", QT_TRANSLATE_NOOP("QObject", "Keyboard Light")},
        {30, 30, "toolButton_SideLightAbout", "page_SideLightAbout", QT_TRANSLATE_NOOP("QObject", "Atmosphere Light")},
        {19, 19, "toolButton_KeyConfigFunction", "page_KeyConfigFunctionAbout",
         QT_TRANSLATE_NOOP("QObject", "Key Config")},
        {40, 40, "toolButton_SeniorKeys", "page_SeniorKeysBind", QT_TRANSLATE_NOOP("QObject", "Senior Keys")},
    };
    return table;
}

const KeyFunction *KeyFunctionTable::byButtonId(int buttonId)
{
    for (const KeyFunction &function : functions()) {
        if (function.buttonId == buttonId)
            return &function;
    }
    return nullptr;
}

int KeyFunctionTable::buttonForStoredType(int operateType)
{
    switch (operateType) {
    case KEY_OPERATE_REMAP: return 2;
    case KEY_OPERATE_MACRO: return 1;
    case KEY_OPERATE_COMBINATION: return 7;
    case KEY_OPERATE_MULTIMEDIA: return 6;
    case KEY_OPERATE_MOUSE: return 3;
    case KEY_OPERATE_DISABLE: return 5;
    case KEY_OPERATE_TEXT: return 4;
    case KEY_OPERATE_PROFILE_SWITCH: return 10;
    case KEY_OPERATE_APPLICATION: return 8;
    case KEY_OPERATE_SHORTCUT: return 9;
    case KEY_OPERATE_KEY_CONFIG: return 19;
    case KEY_OPERATE_SENIOR_KEY: return 40;
    default: break;
    }
    if (operateType >= KEY_OPERATE_KB_LIGHT_FIRST && operateType <= KEY_OPERATE_KB_LIGHT_LAST)
        return 20;
    if (operateType >= KEY_OPERATE_SIDE_LIGHT_FIRST && operateType <= KEY_OPERATE_SIDE_LIGHT_LAST)
        return 30;
    return -1;
}
