#include "ui/mainwidget/devicePage/magnetic/PerformanceRules.h"

#include "sdk/protocol/ModelCatalog.h"

#include <cstdlib>

namespace PerformanceRules {

bool lockFieldIsOn(const char *field)
{
    return field != nullptr && std::strtol(field, nullptr, 10) != 0;
}

int sleepValue(const QString &text, int top)
{
    bool ok = false;
    const qlonglong value = text.trimmed().toLongLong(&ok);
    if (!ok)
        return 0;
    return value > top ? top : static_cast<int>(value);
}

SleepControls sleepControls(const QString &modelName, int prohibitSleep, bool magnetic, int hidDeviceType)
{
    SleepControls controls;
    controls.sleepColumnVisible = !magnetic && hidDeviceType != 5;
    controls.prohibitRowVisible = modelName == QLatin1String(ModelCatalog::prohibitSleepModel);
    controls.prohibitChecked = prohibitSleep != 0;
    controls.keyboardSleepReadOnly = controls.prohibitRowVisible && controls.prohibitChecked;
    return controls;
}

} // namespace PerformanceRules
