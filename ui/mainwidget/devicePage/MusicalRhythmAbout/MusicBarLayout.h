#pragma once

#include "ui/mainwidget/devicePage/MusicalRhythmAbout/FrequencyLevels.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QVector>

// One music-rhythm bar: the loudest bin of its frequency band.
struct MusicBar
{
    double value = 0.0;
    bool clipped = false;
};

// Where the music-rhythm bars go on a keyboard and how loud they are.
namespace MusicBarLayout {

constexpr int kColumns = 22; // key columns of a frame
constexpr int kRows = 6;
constexpr int kMaxLevel = 5;

// The key columns the bars share on a model with keyCount keys.
int keyColumns(int keyCount, const QString &modelName);
// Columns of each bar, the wider bars in the middle; padded with zeros to 22 entries.
QList<int> columnsPerBar(int keyCount, int barCount, const QString &modelName);
// Key column to bar: each bar's columns in order, the remaining columns up to 22 to bar 0.
QMap<int, int> columnBar(const QList<int> &columnsPerBar);
// barCount bands of equal width from low to high, each the largest amplitude of its bins.
QVector<MusicBar> foldSpectrum(const FrequencySpectrum &spectrum, int barCount, double low, double high);
// 0 to 5 for a bar value of 0 to 1.
int barLevel(double value);

} // namespace MusicBarLayout
