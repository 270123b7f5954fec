#pragma once

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QString>

// Where a test finds the program's data folder and what its daily logs hold.
namespace ProgramLog {

inline QString appDataDir(const QString &programName)
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/" + programName;
}

inline QString logText(const QString &programName)
{
    QString text;
    const QDir logDir(appDataDir(programName) + "/logDir");
    for (const QString &name : logDir.entryList({"*.log"}, QDir::Files)) {
        QFile file(logDir.filePath(name));
        if (file.open(QIODevice::ReadOnly))
            text += QString::fromUtf8(file.readAll());
    }
    return text;
}

} // namespace ProgramLog
