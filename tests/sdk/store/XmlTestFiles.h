#pragma once

// Small helpers of the XML store tests: whole-file reads and writes and record builders.

#include "sdk/store/VorlanXmlRecords.h"

#include <QByteArray>
#include <QString>

QByteArray readWholeFile(const QString &path);
void writeWholeFile(const QString &path, const QByteArray &content);
MacroEvent makeEvent(const char *mark, const char *delay, const char *type, const char *keyCode, const char *codeName,
                     const char *direction);
colorInfoData makeLight(int area, int mode, int brightness);
