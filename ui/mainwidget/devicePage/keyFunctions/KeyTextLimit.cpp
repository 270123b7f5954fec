#include "ui/mainwidget/devicePage/keyFunctions/KeyTextLimit.h"

#include <QtGlobal>

KeyTextLimit::Result KeyTextLimit::apply(const QString &text, int cursor, int maxUnits)
{
    Result result;
    result.text = text;
    result.cursor = cursor;
    const int excess = text.size() - maxUnits;
    if (excess <= 0)
        return result;

    result.changed = true;
    if (cursor >= excess && cursor <= text.size()) {
        int start = cursor - excess;
        // Removing only the low half would leave a lone high surrogate behind.
        if (start > 0 && text.at(start).isLowSurrogate() && text.at(start - 1).isHighSurrogate())
            --start;
        result.text = text.left(start) + text.mid(cursor);
        result.cursor = start;
        return result;
    }
    int keep = maxUnits;
    if (text.at(keep - 1).isHighSurrogate() && text.at(keep).isLowSurrogate())
        --keep;
    result.text = text.left(keep);
    result.cursor = keep;
    return result;
}
