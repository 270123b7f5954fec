#include "platform/X11KeyTranslator.h"

#include <array>

namespace {

struct KeyEntry
{
    int vk;
    int scan;
    bool extended;
};

constexpr int kEvdevOffset = 8;
constexpr int kLeftAlt = 56;
constexpr int kRightAlt = 100;

// Windows key of each Linux input code; vk 0 = none.
std::array<KeyEntry, 256> buildKeyTable()
{
    std::array<KeyEntry, 256> t{};
    // The main block: Linux codes 1..88 are the set-1 scan codes themselves.
    const int basic[89] = {
        0,          VK_ESCAPE,   '1',          '2',           '3',         '4',          '5',
        '6',        '7',         '8',          '9',           '0',         VK_OEM_MINUS, VK_OEM_PLUS,
        VK_BACK,    VK_TAB,      'Q',          'W',           'E',         'R',          'T',
        'Y',        'U',         'I',          'O',           'P',         VK_OEM_4,     VK_OEM_6,
        VK_RETURN,  VK_LCONTROL, 'A',          'S',           'D',         'F',          'G',
        'H',        'J',         'K',          'L',           VK_OEM_1,    VK_OEM_7,     VK_OEM_3,
        VK_LSHIFT,  VK_OEM_5,    'Z',          'X',           'C',         'V',          'B',
        'N',        'M',         VK_OEM_COMMA, VK_OEM_PERIOD, VK_OEM_2,    VK_RSHIFT,    VK_MULTIPLY,
        VK_LMENU,   VK_SPACE,    VK_CAPITAL,   VK_F1,         VK_F2,       VK_F3,        VK_F4,
        VK_F5,      VK_F6,       VK_F7,        VK_F8,         VK_F9,       VK_F10,       VK_NUMLOCK,
        VK_SCROLL,  VK_NUMPAD7,  VK_NUMPAD8,   VK_NUMPAD9,    VK_SUBTRACT, VK_NUMPAD4,   VK_NUMPAD5,
        VK_NUMPAD6, VK_ADD,      VK_NUMPAD1,   VK_NUMPAD2,    VK_NUMPAD3,  VK_NUMPAD0,   VK_DECIMAL,
        0,          VK_OEM_AUTO, VK_OEM_102,   VK_F11,        VK_F12,
    };
    for (int code = 1; code <= 88; ++code)
        t[code] = {basic[code], code, false};
    t[69].extended = true; // Num Lock arrives as an extended key
    t[85].scan = 0x29;     // Zenkaku/Hankaku sits where the grave key is

    // Japanese and Brazilian keys as Windows reports them: the key pages tell the three keys
    // that share VK 255 apart by their scan codes.
    t[89] = {VK_ABNT_C1, 0x73, false};  // Ro, Brazilian /?
    t[92] = {0xFF, 0x79, false};        // Henkan
    t[93] = {0xFF, 0x70, false};        // Katakana/Hiragana
    t[94] = {0xEB, 0x7B, false};        // Muhenkan
    t[124] = {0xFF, 0x7D, false};       // Yen
    t[121] = {VK_ABNT_C2, 0x7E, false}; // Brazilian keypad separator
    t[122] = {VK_HANGUL, 0x72, false};
    t[123] = {VK_HANJA, 0x71, false};
    t[117] = {VK_OEM_NEC_EQUAL, 0x59, false};

    t[96] = {VK_RETURN, 0x1C, true}; // keypad Enter
    t[97] = {VK_RCONTROL, 0x1D, true};
    t[98] = {VK_DIVIDE, 0x35, true};
    t[99] = {VK_SNAPSHOT, 0x37, true};
    t[100] = {VK_RMENU, 0x38, true};
    t[102] = {VK_HOME, 0x47, true};
    t[103] = {VK_UP, 0x48, true};
    t[104] = {VK_PRIOR, 0x49, true};
    t[105] = {VK_LEFT, 0x4B, true};
    t[106] = {VK_RIGHT, 0x4D, true};
    t[107] = {VK_END, 0x4F, true};
    t[108] = {VK_DOWN, 0x50, true};
    t[109] = {VK_NEXT, 0x51, true};
    t[110] = {VK_INSERT, 0x52, true};
    t[111] = {VK_DELETE, 0x53, true};
    t[119] = {VK_PAUSE, 0x45, false};
    t[125] = {VK_LWIN, 0x5B, true};
    t[126] = {VK_RWIN, 0x5C, true};
    t[127] = {VK_APPS, 0x5D, true};

    t[113] = {VK_VOLUME_MUTE, 0x20, true};
    t[114] = {VK_VOLUME_DOWN, 0x2E, true};
    t[115] = {VK_VOLUME_UP, 0x30, true};
    t[128] = {VK_BROWSER_STOP, 0x68, true};
    t[140] = {VK_LAUNCH_APP2, 0x21, true};
    t[142] = {VK_SLEEP, 0x5F, true};
    t[144] = {VK_LAUNCH_APP1, 0x6B, true};
    t[155] = {VK_LAUNCH_MAIL, 0x6C, true};
    t[156] = {VK_BROWSER_FAVORITES, 0x66, true};
    t[158] = {VK_BROWSER_BACK, 0x6A, true};
    t[159] = {VK_BROWSER_FORWARD, 0x69, true};
    t[163] = {VK_MEDIA_NEXT_TRACK, 0x19, true};
    t[164] = {VK_MEDIA_PLAY_PAUSE, 0x22, true};
    t[165] = {VK_MEDIA_PREV_TRACK, 0x10, true};
    t[166] = {VK_MEDIA_STOP, 0x24, true};
    t[172] = {VK_BROWSER_HOME, 0x32, true};
    t[173] = {VK_BROWSER_REFRESH, 0x67, true};
    t[217] = {VK_BROWSER_SEARCH, 0x65, true};
    t[226] = {VK_LAUNCH_MEDIA_SELECT, 0x6D, true};

    const int f13Scans[12] = {0x64, 0x65, 0x66, 0x67, 0x68, 0x69, 0x6A, 0x6B, 0x6C, 0x6D, 0x6E, 0x76};
    for (int i = 0; i < 12; ++i)
        t[183 + i] = {VK_F13 + i, f13Scans[i], false};
    return t;
}

const std::array<KeyEntry, 256> &keyTable()
{
    static const std::array<KeyEntry, 256> table = buildKeyTable();
    return table;
}

// Without Num Lock the keypad digits are the navigation keys, but without the extended flag.
int keypadNavigationKey(int linuxCode)
{
    switch (linuxCode) {
    case 71: return VK_HOME;
    case 72: return VK_UP;
    case 73: return VK_PRIOR;
    case 75: return VK_LEFT;
    case 76: return VK_CLEAR;
    case 77: return VK_RIGHT;
    case 79: return VK_END;
    case 80: return VK_DOWN;
    case 81: return VK_NEXT;
    case 82: return VK_INSERT;
    case 83: return VK_DELETE;
    default: return 0;
    }
}

} // namespace

bool X11KeyTranslator::translateKey(int x11KeyCode, bool release, bool altHeld, bool numLockOn, KBDLLHOOKSTRUCT &out)
{
    const int linuxCode = x11KeyCode - kEvdevOffset;
    if (linuxCode <= 0 || linuxCode >= 256)
        return false;
    const KeyEntry &entry = keyTable()[linuxCode];
    if (entry.vk == 0)
        return false;

    int vk = entry.vk;
    if (!numLockOn) {
        const int navigation = keypadNavigationKey(linuxCode);
        if (navigation != 0)
            vk = navigation;
    }

    // Windows marks a key event with "Alt held" while an Alt key is down, the Alt key's own
    // press included and its own release excluded.
    const bool isAlt = isAltKey(x11KeyCode);
    const bool alt = release ? (altHeld && !isAlt) : (altHeld || isAlt);

    DWORD flags = 0;
    if (entry.extended)
        flags |= LLKHF_EXTENDED;
    if (alt)
        flags |= LLKHF_ALTDOWN;
    if (release)
        flags |= LLKHF_UP;

    out.vkCode = static_cast<DWORD>(vk);
    out.scanCode = static_cast<DWORD>(entry.scan);
    out.flags = flags;
    return true;
}

bool X11KeyTranslator::translateButton(int button, bool release, WPARAM &message, DWORD &mouseData)
{
    mouseData = 0;
    switch (button) {
    case 1: message = release ? WM_LBUTTONUP : WM_LBUTTONDOWN; return true;
    case 2: message = release ? WM_MBUTTONUP : WM_MBUTTONDOWN; return true;
    case 3: message = release ? WM_RBUTTONUP : WM_RBUTTONDOWN; return true;
    case 4:
    case 5:
    case 6:
    case 7: {
        // X reports a wheel step as a press and a release; Windows as one message.
        if (release)
            return false;
        message = button <= 5 ? WM_MOUSEWHEEL : WM_MOUSEHWHEEL;
        const int delta = (button == 4 || button == 7) ? WHEEL_DELTA : -WHEEL_DELTA;
        mouseData = static_cast<DWORD>(static_cast<WORD>(delta)) << 16;
        return true;
    }
    case 8:
    case 9:
        message = release ? WM_XBUTTONUP : WM_XBUTTONDOWN;
        mouseData = static_cast<DWORD>(button == 8 ? XBUTTON1 : XBUTTON2) << 16;
        return true;
    default: return false;
    }
}

bool X11KeyTranslator::isAltKey(int x11KeyCode)
{
    const int linuxCode = x11KeyCode - kEvdevOffset;
    return linuxCode == kLeftAlt || linuxCode == kRightAlt;
}
