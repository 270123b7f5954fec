#include "sim/SimReport.h"

#include <cstdio>

std::string simReportHex(const SimReport &report)
{
    return simBytesHex(report.data(), report.size());
}

std::string simBytesHex(const uint8_t *bytes, size_t count)
{
    std::string text;
    text.reserve(count * 3);
    char byte[4];
    for (size_t i = 0; i < count; ++i) {
        std::snprintf(byte, sizeof(byte), i ? " %02x" : "%02x", bytes[i]);
        text += byte;
    }
    return text;
}
