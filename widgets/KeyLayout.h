#pragma once

#include "widgets/KeyLayoutItem.h"

#include <QString>
#include <QVector>

// The parsed content of one model's key layout file. Keys are always the full
// 6 x 22 matrix, row-major, gaps included.
struct KeyLayout
{
    static constexpr int Rows = 6;
    static constexpr int Columns = 22;
    static constexpr int KeyCount = Rows * Columns;

    struct Key
    {
        KeyLayoutItem item;
        QString caption;
    };

    struct Led
    {
        KeyLayoutItem item;
        int validStatus = 0;
    };

    bool hasKeyboardObject = false; // the flags below are only meaningful when true
    bool sideLight = false;
    bool specialEnterKey = false;
    int specialEnterKeyShape = 0;
    int hidDeviceType = 1;

    QVector<Led> leds; // file order; empty unless "sideLightHave" is 1
    QVector<Key> keys; // KeyCount entries, row-major

    const Key &keyAt(int row, int column) const { return keys.at(row * Columns + column); }
};
