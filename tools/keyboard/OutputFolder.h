#pragma once

#include <QDir>
#include <QString>

#include <cstdio>

// The one argument of the keyboard tools: the folder to write into, created when missing.
inline bool outputFolderFromArguments(int argc, char *argv[], QDir &folder)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return false;
    }
    folder = QDir(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return false;
    }
    return true;
}
