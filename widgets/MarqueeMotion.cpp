#include "widgets/MarqueeMotion.h"

void MarqueeMotion::advance(int textWidth, int widgetWidth, int step, int style)
{
    switch (style) {
    case Bounce:
        if (textWidth > widgetWidth) {
            // A long text swings between 10 and widgetWidth - textWidth - 10.
            if (x == 10)
                movingRight = false;
            else if (x <= widgetWidth - textWidth - 10)
                movingRight = true;
        } else {
            if (x + textWidth > widgetWidth)
                movingRight = false;
            else if (x <= 0)
                movingRight = true;
        }
        x += movingRight ? step : -step;
        break;
    case MoveRight:
        if (widgetWidth < x)
            x = -textWidth;
        x += step;
        break;
    case MoveLeft:
        if (x < -textWidth)
            x = widgetWidth;
        x -= step;
        break;
    default: break;
    }
}

int MarqueeMotion::startX(int style, int labelWidth, int widgetWidth)
{
    if (style == MoveRight)
        return -labelWidth;
    if (style == MoveLeft)
        return widgetWidth;
    return 0;
}
