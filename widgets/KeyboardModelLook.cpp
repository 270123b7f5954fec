#include "KeyboardModelLook.h"

#include "KeyViewGeometry.h"

#include <QtGlobal>

#include <iterator>

namespace {

enum class Notch { Standard, Deep, Shallow, ShallowNarrow };

struct ModelLookRow
{
    const char *model;
    int pictureWidth;
    int pictureHeight;
    Notch notch;
    bool pillCaps;
};

// Picture sizes must hold every cap and LED of the model's layout file (checked by the tests).
const ModelLookRow ModelLooks[] = {
    { "", 0, 0, Notch::Standard, false },
};

const ModelLookRow *find(const QString &model)
{
    for (const ModelLookRow &row : ModelLooks) {
        if (*row.model && model == QLatin1String(row.model))
            return &row;
    }
    return nullptr;
}

} // namespace

QSize KeyboardModelLook::pictureSize(const QString &model)
{
    const ModelLookRow *row = find(model);
    return row ? QSize(row->pictureWidth, row->pictureHeight) : QSize(0, 0);
}

QPoint KeyboardModelLook::enterNotch(const QString &model)
{
    const ModelLookRow *row = find(model);
    switch (row ? row->notch : Notch::Standard) {
    case Notch::Deep: return QPoint(10, 35);
    case Notch::Shallow: return QPoint(10, 27);
    case Notch::ShallowNarrow: return QPoint(9, 27);
    case Notch::Standard: break;
    }
    return QPoint(10, 30);
}

// Only the deep notch survives scaling; every other model takes the standard one.
QPoint KeyboardModelLook::scaledEnterNotch(const QString &model, float s)
{
    const ModelLookRow *row = find(model);
    const int depth = row && row->notch == Notch::Deep ? 35 : 30;
    return QPoint(KeyViewGeometry::roundScaled(10 * s), KeyViewGeometry::roundScaled(depth * s));
}

bool KeyboardModelLook::hasPillCaps(const QString &model)
{
    const ModelLookRow *row = find(model);
    return row && row->pillCaps;
}
