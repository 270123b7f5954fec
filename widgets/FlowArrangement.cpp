#include "widgets/FlowArrangement.h"

#include <algorithm>

FlowArrangement FlowArrangement::arrange(const QRect &area, const QRect &effective, int bottomMargin,
                                         const QVector<Item> &items)
{
    FlowArrangement result;
    result.geometries.reserve(items.size());
    int x = effective.x();
    int y = effective.y();
    int lineHeight = 0;
    for (const Item &item : items) {
        int nextX = x + item.size.width() + item.horizontalSpace;
        // The first item of a row stays in it however wide it is, so no row is ever empty.
        if (nextX - item.horizontalSpace > effective.right() && lineHeight > 0) {
            x = effective.x();
            y = y + lineHeight + item.verticalSpace;
            nextX = x + item.size.width() + item.horizontalSpace;
            lineHeight = 0;
        }
        result.geometries.append(QRect(QPoint(x, y), item.size));
        x = nextX;
        lineHeight = std::max(lineHeight, item.size.height());
    }
    result.height = y + lineHeight - area.y() + bottomMargin;
    return result;
}
