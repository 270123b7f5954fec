#include "SimReport.h"

#include <cstdio>

std::string simReportHex(const SimReport& report)
{
    std::string text;
    text.reserve(report.size() * 3);
    char byte[4];
    for (size_t i = 0; i < report.size(); ++i) {
        std::snprintf(byte, sizeof(byte), i ? " %02x" : "%02x", report[i]);
        text += byte;
    }
    return text;
}
