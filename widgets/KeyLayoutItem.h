#pragma once

// One entry of a key layout file, unscaled: a key (kind 999) or a side-light LED segment (kind 777).
struct KeyLayoutItem
{
    static constexpr int KindKey = 999;
    static constexpr int KindSideLed = 777;

    int code = 0; // the key's "Dec", or the LED's "Index"
    int posX = -1;
    int posY = -1;
    int width = 0;
    int height = 0;
    int kind = KindKey;
    int sidePosition = 0; // LED edge: 1 left, 2 right, 3 top, 4 bottom, 0 none

    bool operator==(const KeyLayoutItem &other) const
    {
        return code == other.code && posX == other.posX && posY == other.posY && width == other.width
               && height == other.height && kind == other.kind && sidePosition == other.sidePosition;
    }
};
