#pragma once

// Operation codes of a key's stored entry (the entry's type text). No page stores 10 to 18, 28, 29
// or 35 to 39; removing an entry (back to the key's default) has no code of its own.
enum KeyOperateType : int {
    KEY_OPERATE_REMAP = 0,
    KEY_OPERATE_MACRO = 1,
    KEY_OPERATE_COMBINATION = 2,
    KEY_OPERATE_MULTIMEDIA = 3,
    KEY_OPERATE_MOUSE = 4,
    KEY_OPERATE_DISABLE = 5,
    KEY_OPERATE_TEXT = 6,
    KEY_OPERATE_PROFILE_SWITCH = 7,
    KEY_OPERATE_APPLICATION = 8,
    KEY_OPERATE_SHORTCUT = 9,
    KEY_OPERATE_KEY_CONFIG = 19,
    KEY_OPERATE_KB_LIGHT_FIRST = 20,
    KEY_OPERATE_KB_LIGHT_LAST = 27,
    KEY_OPERATE_SIDE_LIGHT_FIRST = 30,
    KEY_OPERATE_SIDE_LIGHT_LAST = 34,
    KEY_OPERATE_SENIOR_KEY = 40,
};
