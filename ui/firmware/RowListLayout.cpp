#include "ui/firmware/RowListLayout.h"

#include <QLayout>
#include <QWidget>

void removeRowsAboveSpacer(QLayout *layout)
{
    if (!layout)
        return;
    for (int remaining = layout->count() - 1; remaining > 0; --remaining) {
        QLayoutItem *item = layout->takeAt(0);
        if (QWidget *row = item->widget()) {
            row->hide();
            row->deleteLater();
        }
        delete item;
    }
}
