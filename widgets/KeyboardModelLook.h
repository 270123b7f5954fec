#pragma once

#include "sdk/protocol/VorlanHidRecords.h"

#include <QPoint>
#include <QSize>
#include <QString>

// Per-model look of the keyboard view that the layout file does not carry: the picture size,
// the L-shaped Enter notch and the pill-shaped caps.
class KeyboardModelLook
{
public:
    // The model name of an SDK record.
    static QString modelName(const hidStu &info);

    // Picture size at scale 1; (0, 0) for a model not in the table.
    static QSize pictureSize(const QString &model);

    // Inner corner of the L-shaped Enter key as loaded, and at scale s.
    static QPoint enterNotch(const QString &model);
    static QPoint scaledEnterNotch(const QString &model, float s);

    static bool hasPillCaps(const QString &model);
};
