#pragma once

#include "sdk/light/LightCellStu.h"

#include <QList>
#include <QVector>

// The music-rhythm frame: 6 x 22 cells, row 0 at the top, whose columns show the bars as lit
// rows from the bottom; the top lit cell of a bar falls back tick by tick.
namespace MusicFrame {

constexpr int kFallStep = 25;

// Lights the columns of each bar for its level (0 to 5): rows 5 - i for i <= level at alpha 255
// with the bar's level, the top one of them falling; the rows above dark. Other cell fields stay.
void fillBars(LightCellStu *cells, const QVector<int> &barLevels, const QList<int> &columnsPerBar);

// One tick: every falling cell loses 25 of its alpha; one below 25 goes dark and hands the fall to
// the cell below. Then, per column, the level and alpha of the topmost cell with a level (0 and 0
// when none) go to the two lists (22 entries each).
void fall(LightCellStu *cells, QVector<int> *columnLevels, QVector<int> *columnIntensities);

} // namespace MusicFrame
