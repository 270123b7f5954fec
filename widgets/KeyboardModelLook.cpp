#include "widgets/KeyboardModelLook.h"

#include "sdk/protocol/ModelCatalog.h"
#include "widgets/KeyViewGeometry.h"

#include <cstring>

namespace {

ModelViewLook lookOf(const QString &model)
{
    return ModelCatalog::viewLook(model.toStdString());
}

} // namespace

QString KeyboardModelLook::modelName(const hidStu &info)
{
    return QString::fromLocal8Bit(info.hidName, int(strnlen(info.hidName, sizeof info.hidName)));
}

QSize KeyboardModelLook::pictureSize(const QString &model)
{
    const ModelViewLook look = lookOf(model);
    return QSize(look.pictureWidth, look.pictureHeight);
}

QPoint KeyboardModelLook::enterNotch(const QString &model)
{
    switch (lookOf(model).enterNotch) {
    case ModelViewLook::NotchDeep: return QPoint(10, 35);
    case ModelViewLook::NotchShallow: return QPoint(10, 27);
    case ModelViewLook::NotchShallowNarrow: return QPoint(9, 27);
    case ModelViewLook::NotchStandard: break;
    }
    return QPoint(10, 30);
}

// Only the deep notch survives scaling; every other model takes the standard one.
QPoint KeyboardModelLook::scaledEnterNotch(const QString &model, float s)
{
    const int depth = lookOf(model).enterNotch == ModelViewLook::NotchDeep ? 35 : 30;
    return QPoint(KeyViewGeometry::roundScaled(10 * s), KeyViewGeometry::roundScaled(depth * s));
}

bool KeyboardModelLook::hasPillCaps(const QString &model)
{
    return lookOf(model).pillCaps;
}
