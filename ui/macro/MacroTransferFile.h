#pragma once

#include "sdk/store/VorlanXmlRecords.h"
#include "ui/macro/MacroRecords.h"

#include <QList>
#include <QString>

#include <list>

// The file a single macro is exported to and imported from: a Parameters root holding one macro
// element with one item per event, the event's six texts as attributes.
namespace MacroTransferFile {

// "<folder>/<name>.xml", with the name made a plain file name (no separators, no NUL, no "..")
// so that nothing is written outside the folder.
QString exportPath(const QString &folder, const QString &macroName);

// Writes the whole file or nothing: an old file of that name stays when the write fails.
bool write(const QString &path, const QString &macroIndex, const QString &macroName,
           const std::list<MacroEvent> &events, QString *error);

struct ReadResult
{
    bool ok = false;
    QString error;
    QList<MacroEventFields> events;
};

// Every element with both a mark and a type attribute, at any depth, is one event. The whole
// file is checked: it is refused when it is not well-formed or when any event does not fit the
// macro (its fields, delay, kind, direction, mouse code, pairing, or more events than a keyboard
// slot holds).
ReadResult read(const QString &path);

// The name a file gives its macro: the file name up to its first ".".
QString macroNameOf(const QString &filePath);

// The last listed macro's index plus one when that is free, else the next free one after it.
int importIndex(const MacroNode &nodes);

} // namespace MacroTransferFile
