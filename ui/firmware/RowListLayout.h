#pragma once

class QLayout;

// The firmware windows list their rows in a layout that ends with a spacer keeping them at the top.
// Removes and deletes every row, keeping that last item.
void removeRowsAboveSpacer(QLayout *layout);
