#include "sdk/protocol/SimSocketName.h"

#include <cstdio>
#include <cstdlib>

std::string SimSocketName::format(uint16_t vid, uint16_t pid, int interfaceNumber, const std::string &tag)
{
    char head[32];
    std::snprintf(head, sizeof(head), "kbd-%04x-%04x-%02x-", vid, pid, static_cast<unsigned>(interfaceNumber) & 0xff);
    return head + tag + ".sock";
}

bool SimSocketName::parse(const std::string &fileName, uint16_t *vid, uint16_t *pid, int *interfaceNumber)
{
    const std::string suffix = ".sock";
    if (fileName.size() < 18 + suffix.size() || fileName.compare(0, 4, "kbd-") != 0
        || fileName.compare(fileName.size() - suffix.size(), suffix.size(), suffix) != 0)
        return false;
    unsigned v = 0, p = 0, m = 0;
    int consumed = 0;
    if (std::sscanf(fileName.c_str(), "kbd-%4x-%4x-%2x-%n", &v, &p, &m, &consumed) != 3 || consumed != 17)
        return false;
    *vid = static_cast<uint16_t>(v);
    *pid = static_cast<uint16_t>(p);
    *interfaceNumber = static_cast<int>(m);
    return true;
}

std::string SimSocketName::simulatorFolder()
{
    const char *folder = std::getenv("VORLAN_SIM_DIR");
    return folder ? std::string(folder) : std::string();
}
