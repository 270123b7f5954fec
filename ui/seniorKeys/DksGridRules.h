#pragma once

#include <array>

// Edit rules of the DKS grid, on one row of four cell states (one key at travel points 1 to 4):
// 0 nothing, 1 a single point, 2 a bar segment to the next point, 3 a segment that starts a bar
// of its own. Bars only start in columns 0 to 2, and a 3 never stands in column 0.
namespace DksGridRules {

using Row = std::array<int, 4>;

// Removes the bar whose segment in the given column was clicked, turning a 3 that directly
// follows it into a 2. False (row unchanged) when no rule covers the click, which happens only
// for rows the grid never produces, or for a click in the last column.
bool removeClickedBar(int column, const Row &row, Row *result);

// Applies a drag bar that changed from lastLength to newLength pixels, drawn from the node of
// the given column, to the working row. Returns true when the drag counts as an edit to commit:
// every growth or shrink beyond 10 px, whether or not a cell changed.
bool updateDragCells(int column, int columnWidth, Row *work, int lastLength, int newLength);

// 1 + the number of consecutive cells right of the column that hold no point or segment: how
// many columns a bar from it may span.
int freeCellsRightOf(int column, const Row &row);

} // namespace DksGridRules
