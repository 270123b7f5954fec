#include "sdk/protocol/HidDevicePath.h"

#include <cctype>
#include <cstdio>

namespace {

bool matchPrefix(const std::string &text, size_t pos, const char *prefix)
{
    for (size_t i = 0; prefix[i]; ++i) {
        if (pos + i >= text.size() || std::tolower(static_cast<unsigned char>(text[pos + i])) != prefix[i])
            return false;
    }
    return true;
}

bool parseHex(const std::string &text, size_t pos, size_t digits, unsigned *value)
{
    if (pos + digits > text.size())
        return false;
    unsigned result = 0;
    for (size_t i = 0; i < digits; ++i) {
        const char c = text[pos + i];
        if (!std::isxdigit(static_cast<unsigned char>(c)))
            return false;
        result =
            result * 16
            + static_cast<unsigned>(std::isdigit(static_cast<unsigned char>(c)) ? c - '0' : std::tolower(c) - 'a' + 10);
    }
    *value = result;
    return true;
}

} // namespace

bool HidDevicePath::isSimulated() const
{
    return backendPath.compare(0, 4, simPrefix) == 0;
}

std::string HidDevicePath::simSocketPath() const
{
    return isSimulated() ? backendPath.substr(4) : std::string();
}

std::string HidDevicePath::toString() const
{
    char ids[48];
    std::snprintf(ids, sizeof(ids), "hid#vid_%04x&pid_%04x&mi_%02x#", vid, pid,
                  static_cast<unsigned>(interfaceNumber) & 0xff);
    return ids + backendPath;
}

bool HidDevicePath::parse(const std::string &text, HidDevicePath *out)
{
    // "hid#vid_" 4 "&pid_" 4 "&mi_" 2 "#" = 26 characters before the back-end path.
    unsigned vid = 0, pid = 0, mi = 0;
    if (!matchPrefix(text, 0, "hid#vid_") || !parseHex(text, 8, 4, &vid) || !matchPrefix(text, 12, "&pid_")
        || !parseHex(text, 17, 4, &pid) || !matchPrefix(text, 21, "&mi_") || !parseHex(text, 25, 2, &mi)
        || !matchPrefix(text, 27, "#") || text.size() <= 28)
        return false;
    out->vid = static_cast<uint16_t>(vid);
    out->pid = static_cast<uint16_t>(pid);
    out->interfaceNumber = static_cast<int>(mi);
    out->backendPath = text.substr(28);
    return true;
}
