#pragma once

#include <QList>

// The light modes a keyboard reports for one area, with its speed and brightness step counts.
struct LightModeSupport
{
    QList<int> modes;
    int speedSteps = 0;
    int brightnessSteps = 0;
};
