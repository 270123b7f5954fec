#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>

// A 64-byte incoming report: byte 0 = 1, the command, and the given (index, value) bytes.
inline QByteArray testReport(int command, const QList<QPair<int, int>> &bytes = {})
{
    QByteArray out(64, '\0');
    out[0] = 1;
    out[1] = static_cast<char>(command);
    for (const auto &entry : bytes)
        out[entry.first] = static_cast<char>(entry.second);
    return out;
}
