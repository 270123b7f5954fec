#pragma once

#include <QRect>
#include <QSize>
#include <QVector>

// Rows of items from left to right, wrapping when the next item passes the right edge.
struct FlowArrangement
{
    struct Item
    {
        QSize size;
        int horizontalSpace = 0;
        int verticalSpace = 0;
    };

    QVector<QRect> geometries; // one per item, in order
    int height = 0;            // y + last line height - area.y + bottom margin

    // area is the layout's rectangle; effective is area less the contents margins.
    static FlowArrangement arrange(const QRect &area, const QRect &effective, int bottomMargin,
                                   const QVector<Item> &items);
};
