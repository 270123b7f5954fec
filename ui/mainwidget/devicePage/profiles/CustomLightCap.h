#pragma once

#include <QColor>
#include <QString>

// What a saved custom-light set needs of one key cap of the 6 x 22 matrix.
struct CustomLightCap
{
    int keyDec = 0;
    QString caption;
    int row = 0;
    int column = 0;
    QColor customLightColor;
};
