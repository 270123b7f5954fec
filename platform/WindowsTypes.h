#pragma once

// The few Windows types, messages and virtual-key codes that the upper layers still speak.
// Hook events, macro records and key tables all carry Windows virtual-key codes and mouse
// message numbers, so the platform layers translate into these instead of the callers.

#include <cstdint>

using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using LONG = std::int32_t;
using ULONG_PTR = std::uintptr_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;

struct POINT
{
    LONG x;
    LONG y;
};

// The low-level keyboard hook's event record.
struct KBDLLHOOKSTRUCT
{
    DWORD vkCode;
    DWORD scanCode;
    DWORD flags;
    DWORD time;
    ULONG_PTR dwExtraInfo;
};

// The low-level mouse hook's event record.
struct MSLLHOOKSTRUCT
{
    POINT pt;
    DWORD mouseData;
    DWORD flags;
    DWORD time;
    ULONG_PTR dwExtraInfo;
};

// A hook procedure: hook code, message, pointer to the event record. Non-zero swallows.
using HOOKPROC = LRESULT (*)(int nCode, WPARAM wParam, LPARAM lParam);

constexpr int HC_ACTION = 0;

constexpr DWORD LLKHF_EXTENDED = 0x01;
constexpr DWORD LLKHF_INJECTED = 0x10;
constexpr DWORD LLKHF_ALTDOWN = 0x20;
constexpr DWORD LLKHF_UP = 0x80;

constexpr WPARAM WM_KEYDOWN = 0x0100;
constexpr WPARAM WM_KEYUP = 0x0101;
constexpr WPARAM WM_SYSKEYDOWN = 0x0104;
constexpr WPARAM WM_SYSKEYUP = 0x0105;
constexpr WPARAM WM_MOUSEMOVE = 0x0200;
constexpr WPARAM WM_LBUTTONDOWN = 0x0201;
constexpr WPARAM WM_LBUTTONUP = 0x0202;
constexpr WPARAM WM_RBUTTONDOWN = 0x0204;
constexpr WPARAM WM_RBUTTONUP = 0x0205;
constexpr WPARAM WM_MBUTTONDOWN = 0x0207;
constexpr WPARAM WM_MBUTTONUP = 0x0208;
constexpr WPARAM WM_MOUSEWHEEL = 0x020A;
constexpr WPARAM WM_XBUTTONDOWN = 0x020B;
constexpr WPARAM WM_XBUTTONUP = 0x020C;
constexpr WPARAM WM_MOUSEHWHEEL = 0x020E;

constexpr int WHEEL_DELTA = 120;
constexpr WORD XBUTTON1 = 0x0001;
constexpr WORD XBUTTON2 = 0x0002;

// Virtual-key codes. Digits and letters are their ASCII upper-case codes ('0'..'9', 'A'..'Z').
constexpr int VK_LBUTTON = 0x01;
constexpr int VK_RBUTTON = 0x02;
constexpr int VK_CANCEL = 0x03;
constexpr int VK_MBUTTON = 0x04;
constexpr int VK_XBUTTON1 = 0x05;
constexpr int VK_XBUTTON2 = 0x06;
constexpr int VK_BACK = 0x08;
constexpr int VK_TAB = 0x09;
constexpr int VK_CLEAR = 0x0C;
constexpr int VK_RETURN = 0x0D;
constexpr int VK_SHIFT = 0x10;
constexpr int VK_CONTROL = 0x11;
constexpr int VK_MENU = 0x12;
constexpr int VK_PAUSE = 0x13;
constexpr int VK_CAPITAL = 0x14;
constexpr int VK_KANA = 0x15;
constexpr int VK_HANGUL = 0x15;
constexpr int VK_JUNJA = 0x17;
constexpr int VK_FINAL = 0x18;
constexpr int VK_HANJA = 0x19;
constexpr int VK_KANJI = 0x19;
constexpr int VK_ESCAPE = 0x1B;
constexpr int VK_CONVERT = 0x1C;
constexpr int VK_NONCONVERT = 0x1D;
constexpr int VK_ACCEPT = 0x1E;
constexpr int VK_MODECHANGE = 0x1F;
constexpr int VK_SPACE = 0x20;
constexpr int VK_PRIOR = 0x21;
constexpr int VK_NEXT = 0x22;
constexpr int VK_END = 0x23;
constexpr int VK_HOME = 0x24;
constexpr int VK_LEFT = 0x25;
constexpr int VK_UP = 0x26;
constexpr int VK_RIGHT = 0x27;
constexpr int VK_DOWN = 0x28;
constexpr int VK_SELECT = 0x29;
constexpr int VK_PRINT = 0x2A;
constexpr int VK_EXECUTE = 0x2B;
constexpr int VK_SNAPSHOT = 0x2C;
constexpr int VK_INSERT = 0x2D;
constexpr int VK_DELETE = 0x2E;
constexpr int VK_HELP = 0x2F;
constexpr int VK_LWIN = 0x5B;
constexpr int VK_RWIN = 0x5C;
constexpr int VK_APPS = 0x5D;
constexpr int VK_SLEEP = 0x5F;
constexpr int VK_NUMPAD0 = 0x60;
constexpr int VK_NUMPAD1 = 0x61;
constexpr int VK_NUMPAD2 = 0x62;
constexpr int VK_NUMPAD3 = 0x63;
constexpr int VK_NUMPAD4 = 0x64;
constexpr int VK_NUMPAD5 = 0x65;
constexpr int VK_NUMPAD6 = 0x66;
constexpr int VK_NUMPAD7 = 0x67;
constexpr int VK_NUMPAD8 = 0x68;
constexpr int VK_NUMPAD9 = 0x69;
constexpr int VK_MULTIPLY = 0x6A;
constexpr int VK_ADD = 0x6B;
constexpr int VK_SEPARATOR = 0x6C;
constexpr int VK_SUBTRACT = 0x6D;
constexpr int VK_DECIMAL = 0x6E;
constexpr int VK_DIVIDE = 0x6F;
constexpr int VK_F1 = 0x70;
constexpr int VK_F2 = 0x71;
constexpr int VK_F3 = 0x72;
constexpr int VK_F4 = 0x73;
constexpr int VK_F5 = 0x74;
constexpr int VK_F6 = 0x75;
constexpr int VK_F7 = 0x76;
constexpr int VK_F8 = 0x77;
constexpr int VK_F9 = 0x78;
constexpr int VK_F10 = 0x79;
constexpr int VK_F11 = 0x7A;
constexpr int VK_F12 = 0x7B;
constexpr int VK_F13 = 0x7C;
constexpr int VK_F14 = 0x7D;
constexpr int VK_F15 = 0x7E;
constexpr int VK_F16 = 0x7F;
constexpr int VK_F17 = 0x80;
constexpr int VK_F18 = 0x81;
constexpr int VK_F19 = 0x82;
constexpr int VK_F20 = 0x83;
constexpr int VK_F21 = 0x84;
constexpr int VK_F22 = 0x85;
constexpr int VK_F23 = 0x86;
constexpr int VK_F24 = 0x87;
constexpr int VK_NUMLOCK = 0x90;
constexpr int VK_SCROLL = 0x91;
constexpr int VK_OEM_NEC_EQUAL = 0x92;
constexpr int VK_LSHIFT = 0xA0;
constexpr int VK_RSHIFT = 0xA1;
constexpr int VK_LCONTROL = 0xA2;
constexpr int VK_RCONTROL = 0xA3;
constexpr int VK_LMENU = 0xA4;
constexpr int VK_RMENU = 0xA5;
constexpr int VK_BROWSER_BACK = 0xA6;
constexpr int VK_BROWSER_FORWARD = 0xA7;
constexpr int VK_BROWSER_REFRESH = 0xA8;
constexpr int VK_BROWSER_STOP = 0xA9;
constexpr int VK_BROWSER_SEARCH = 0xAA;
constexpr int VK_BROWSER_FAVORITES = 0xAB;
constexpr int VK_BROWSER_HOME = 0xAC;
constexpr int VK_VOLUME_MUTE = 0xAD;
constexpr int VK_VOLUME_DOWN = 0xAE;
constexpr int VK_VOLUME_UP = 0xAF;
constexpr int VK_MEDIA_NEXT_TRACK = 0xB0;
constexpr int VK_MEDIA_PREV_TRACK = 0xB1;
constexpr int VK_MEDIA_STOP = 0xB2;
constexpr int VK_MEDIA_PLAY_PAUSE = 0xB3;
constexpr int VK_LAUNCH_MAIL = 0xB4;
constexpr int VK_LAUNCH_MEDIA_SELECT = 0xB5;
constexpr int VK_LAUNCH_APP1 = 0xB6;
constexpr int VK_LAUNCH_APP2 = 0xB7;
constexpr int VK_OEM_1 = 0xBA;
constexpr int VK_OEM_PLUS = 0xBB;
constexpr int VK_OEM_COMMA = 0xBC;
constexpr int VK_OEM_MINUS = 0xBD;
constexpr int VK_OEM_PERIOD = 0xBE;
constexpr int VK_OEM_2 = 0xBF;
constexpr int VK_OEM_3 = 0xC0;
constexpr int VK_ABNT_C1 = 0xC1;
constexpr int VK_ABNT_C2 = 0xC2;
constexpr int VK_OEM_4 = 0xDB;
constexpr int VK_OEM_5 = 0xDC;
constexpr int VK_OEM_6 = 0xDD;
constexpr int VK_OEM_7 = 0xDE;
constexpr int VK_OEM_8 = 0xDF;
constexpr int VK_OEM_102 = 0xE2;
constexpr int VK_PROCESSKEY = 0xE5;
constexpr int VK_PACKET = 0xE7;
constexpr int VK_OEM_ENLW = 0xF4;
constexpr int VK_OEM_AUTO = 0xF3;
constexpr int VK_ATTN = 0xF6;
constexpr int VK_PLAY = 0xFA;
constexpr int VK_ZOOM = 0xFB;
constexpr int VK_OEM_CLEAR = 0xFE;
