#pragma once

// Command codes of byte 1 of a report. One code means different things in each direction; the
// names follow the program's side (see each comment: out = to the keyboard, in = from it).
enum HidCmd : unsigned char {
    CMD_HANDSHAKE = 0x00,            // out: handshake every 1000 ms
    CMD_STATUS = 0x01,               // out: side-light mode inquiry; in: status report
    CMD_SIDE_LIGHT_MODES = 0x02,     // in: side-light mode list
    CMD_KEY_REPORT = 0x03,           // out: answer to a forwarded key report
    CMD_FULL_KEY = 0x04,             // out: multimedia echo; in: forwarded key report
    CMD_MULTIMEDIA = 0x05,           // in: multimedia report
    CMD_KEYBOARD_LIGHT = 0x06,       // out: keyboard light inquiry or setting
    CMD_SIDE_LIGHT = 0x07,           // out: side-light inquiry or setting; in: keyboard light record
    CMD_CUSTOM_LIGHT = 0x08,         // out: custom-light frame; in: side-light record
    CMD_LIGHT_MODES = 0x09,          // out: keyboard light-mode inquiry; in: custom-light slot in use
    CMD_KEYBOARD_LIGHT_MODES = 0x0A, // in: keyboard light-mode list
    CMD_ENTER_UPGRADE = 0x0A,        // out: switch into the firmware upgrade mode
    CMD_QN9080 = 0x0B,               // in: one value in byte 2
    CMD_LAYOUT_CHECK = 0x0D,         // out: layout check inquiry; in: text reply
    CMD_LIGHT_STREAM = 0x0E,         // out: light-stream frame; in: column bitmap of keys
    CMD_SETTINGS = 0x13,             // out: settings, sub-command in byte 2
    CMD_SN_INQUIRY = 0x14,           // out: serial-number inquiry; in: settings reply
    CMD_SN = 0x15,                   // out: serial-number write; in: serial-number reply
    CMD_LIGHT_SYNC = 0x16,           // out: light synchronisation on or off
    CMD_ONBOARD_KEYS = 0x17,         // out: on-board key data of one layer
    CMD_ONBOARD_MACRO = 0x18,        // out: on-board macro data; in: relayed
    CMD_ONBOARD_ACK = 0x19,          // in: acknowledgement of an on-board macro report
    CMD_HOST_KEY = 0x20,             // in: a key whose function the PC carries out
    CMD_MAGNETIC_REPLY = 0x21,       // in: magnetic-switch replies, sub-command in byte 6
    CMD_LIGHT_STATE = 0x28,          // out: compact light state
    CMD_MAGNETIC = 0x29,             // out: magnetic-switch commands, sub-command in byte 6
    CMD_ONBOARD_ADVANCED_KEY = 0x2A, // out: on-board advanced-key data
};

// True for the codes of the table; a report with any other code is dropped.
bool isHidCmd(int code);
