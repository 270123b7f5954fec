#include "ui/mainwidget/devicePage/MusicalRhythmAbout/MusicFrame.h"

namespace MusicFrame {

namespace {
constexpr int kFalling = 2;
}

void fillBars(LightCellStu *cells, const QVector<int> &barLevels, const QList<int> &columnsPerBar)
{
    int first = 0;
    for (int bar = 0; bar < barLevels.size(); ++bar) {
        const int level = barLevels.at(bar);
        const int width = columnsPerBar.value(bar);
        for (int column = first; column < first + width && column < kLightKeyColumns; ++column) {
            for (int i = 0; i < kLightKeyRows; ++i) {
                LightCellStu &cell = cells[(kLightKeyRows - 1 - i) * kLightKeyColumns + column];
                if (i <= level) {
                    cell.alpha = 255;
                    cell.state = i == level ? kFalling : 0;
                    cell.level = level;
                } else {
                    cell.alpha = 0;
                    cell.state = 0;
                    cell.level = 0;
                }
            }
        }
        first += qMax(width, 0);
    }
}

void fall(LightCellStu *cells, QVector<int> *columnLevels, QVector<int> *columnIntensities)
{
    columnLevels->clear();
    columnIntensities->clear();
    for (int column = 0; column < kLightKeyColumns; ++column) {
        bool found = false;
        for (int row = 0; row < kLightKeyRows; ++row) {
            LightCellStu &cell = cells[row * kLightKeyColumns + column];
            if (cell.state == kFalling) {
                if (cell.alpha < kFallStep) {
                    cell.alpha = 0;
                    cell.state = 0;
                    if (row < kLightKeyRows - 1)
                        cells[(row + 1) * kLightKeyColumns + column].state = kFalling;
                } else {
                    cell.alpha -= kFallStep;
                }
            }
            if (cell.level > 0 && !found) {
                found = true;
                columnLevels->append(cell.level);
                columnIntensities->append(cell.alpha);
            } else if (row == kLightKeyRows - 1 && !found) {
                columnLevels->append(0);
                columnIntensities->append(0);
            }
        }
    }
}

} // namespace MusicFrame
