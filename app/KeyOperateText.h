#pragma once

#include "sdk/store/VorlanXmlRecords.h"

#include <QMap>
#include <QString>

// Names a stored key operation in words: its type ("Macro") and its value ("Volume +",
// "L_CTRL+A", a macro's name). Macros, profiles and advanced keys are looked up in their files
// on every call. Every text is translated in the context "QObject".
class KeyOperateText
{
public:
    struct Sources
    {
        QMap<int, QString> keyNames;
        const char *macroXmlPath = "";
        const char *seniorKeyXmlPath = "";
        const char *profileXmlPath = "";
    };

    // Returns the type name; *valueText receives the value text.
    static QString describe(const KeyOperateInfo &info, const Sources &sources, QString *valueText);
};
