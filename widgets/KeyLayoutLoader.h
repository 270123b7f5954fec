#pragma once

#include "widgets/KeyLayout.h"

#include <QByteArray>
#include <QString>

// Reads and validates key layout files (":/images/configDir/KeyInfo_<model>.config").
class KeyLayoutLoader
{
public:
    // Positions and sizes a picture can hold, and the widest key or LED code; values beyond them
    // are clamped when loaded, so no later scaling overflows.
    static constexpr int MaxExtent = 8192;
    static constexpr int MaxCode = 0xFFFF;

    static QString resourcePath(const QString &model);

    // The model's layout file from the resources; null (logged) when it is missing.
    static QByteArray readFile(const QString &model);

    // Reads the model's layout file from the resources; false (logged) when it is missing or invalid.
    static bool load(const QString &model, KeyLayout &layout);

    // Builds the layout from the file's text; false when the text is not a JSON object.
    // Rows that do not hold exactly 22 entries are truncated or padded with gaps, and missing
    // members take gap values, and values outside the picture are clamped; all are logged, never
    // read past.
    static bool parse(const QByteArray &text, KeyLayout &layout);

    static QString rowName(int row);
};
