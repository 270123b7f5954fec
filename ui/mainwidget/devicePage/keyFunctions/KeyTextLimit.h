#pragma once

#include <QString>

// The length limit of a key's typed text, in UTF-16 code units, applied after every change of the
// text box: an excess that was just inserted before the cursor goes again, a text set from outside
// (cursor before the excess) keeps its beginning. A surrogate pair is never cut in two.
class KeyTextLimit
{
public:
    static constexpr int kMaxUnits = 5000;

    struct Result
    {
        bool changed = false;
        QString text;
        int cursor = 0;
    };

    static Result apply(const QString &text, int cursor, int maxUnits = kMaxUnits);
};
