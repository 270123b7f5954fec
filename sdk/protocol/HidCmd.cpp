#include "sdk/protocol/HidCmd.h"

bool isHidCmd(int code)
{
    switch (code) {
    case CMD_HANDSHAKE:
    case CMD_STATUS:
    case CMD_SIDE_LIGHT_MODES:
    case CMD_KEY_REPORT:
    case CMD_FULL_KEY:
    case CMD_MULTIMEDIA:
    case CMD_KEYBOARD_LIGHT:
    case CMD_SIDE_LIGHT:
    case CMD_CUSTOM_LIGHT:
    case CMD_LIGHT_MODES:
    case CMD_KEYBOARD_LIGHT_MODES:
    case CMD_QN9080:
    case CMD_LAYOUT_CHECK:
    case CMD_LIGHT_STREAM:
    case CMD_SETTINGS:
    case CMD_SN_INQUIRY:
    case CMD_SN:
    case CMD_LIGHT_SYNC:
    case CMD_ONBOARD_KEYS:
    case CMD_ONBOARD_MACRO:
    case CMD_ONBOARD_ACK:
    case CMD_HOST_KEY:
    case CMD_MAGNETIC_REPLY:
    case CMD_LIGHT_STATE:
    case CMD_MAGNETIC:
    case CMD_ONBOARD_ADVANCED_KEY: return true;
    default: return false;
    }
}
