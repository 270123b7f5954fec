#pragma once

#include <QVector>

// One key function of the key-customisation tab: its button (id in the tab's button group), the
// code the tab keeps while it is shown, its button and stacked page, and hover tip.
struct KeyFunction
{
    int buttonId;
    int functionCode;
    const char *buttonName;
    const char *pageName;
    const char *tipText;
};

// The function table in the order the tab creates its pages, and the routing of stored types.
class KeyFunctionTable
{
public:
    enum { DefaultButton = 0, RemapButton = 2, CombinationButton = 7, SeniorKeysButton = 40 };
    enum { DefaultCode = 10, RemapCode = 1, CombinationCode = 2, SeniorKeysCode = 40 };

    static const QVector<KeyFunction> &functions();
    // Null for an id outside the table.
    static const KeyFunction *byButtonId(int buttonId);
    // The button whose page edits a stored type; -1 for a type no page stores.
    static int buttonForStoredType(int operateType);
};
