#pragma once

#include "sdk/store/VorlanXmlRecords.h"

#include <QString>

#include <cstddef>

// The six texts of one macro event as the editor handles them.
struct MacroEventFields
{
    QString mark;
    QString delay;
    QString type;
    QString keyCode;
    QString codeName;
    QString operateExplain;
};

namespace MacroRecords {

// Fills the store's record: codeName in UTF-8, the other fields in Latin-1. A text longer than its
// field is cut at the last whole character that fits (UTF-8 for codeName), so the record never
// holds half a character and always keeps its NUL.
MacroEvent fillEvent(const MacroEventFields &fields);

// A key name as a record's codeName field holds it: cut at the last whole UTF-8 character within
// 63 bytes.
QString fittedCodeName(const QString &codeName);

// The texts of a stored record, read within their fields.
MacroEventFields eventFields(const MacroEvent &event);

// The smallest index from 1 that none of the listed macro indexes uses; indexes that are not
// decimal numbers take none.
int firstFreeIndex(const MacroNode &nodes);

// Copies a macro-file path into a caller's buffer of bufferSize bytes. A path that does not fit
// whole is refused: the buffer is left empty and the refusal is logged under owner.
bool storePath(char *buffer, std::size_t bufferSize, const char *path, const char *owner);

} // namespace MacroRecords
