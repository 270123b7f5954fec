#pragma once

// One timer tick of the marquee label's text position.
struct MarqueeMotion
{
    enum MoveStyle { Bounce = 0, MoveRight = 1, MoveLeft = 2 };

    int x = 0;
    bool movingRight = true;

    // Moves x by step for a text of width textWidth in a widget of width widgetWidth.
    void advance(int textWidth, int widgetWidth, int step, int style);

    // Start position after a new text: 0 bouncing, left of the box moving right, right edge moving left.
    static int startX(int style, int labelWidth, int widgetWidth);
};
