#include "ui/mainwidget/devicePage/MusicalRhythmAbout/MusicBarLayout.h"

#include "sdk/protocol/ModelCatalog.h"

#include <cmath>

namespace MusicBarLayout {

int keyColumns(int keyCount, const QString &modelName)
{
    if (const int columns = ModelCatalog::musicKeyColumnsException(modelName.toStdString(), keyCount))
        return columns;
    switch (keyCount) {
    case 18:
    case 21: return 11;
    case 34: return 7;
    case 61:
    case 62:
    case 63:
    case 65: return 15;
    case 68:
    case 69:
    case 84: return 16;
    case 81:
    case 82:
    case 83: return 17;
    case 87:
    case 88:
    case 91: return 18;
    case 97:
    case 98:
    case 99: return 19;
    default: return kColumns;
    }
}

QList<int> columnsPerBar(int keyCount, int barCount, const QString &modelName)
{
    QList<int> widths;
    if (barCount > 0) {
        const int columns = keyColumns(keyCount, modelName);
        const int base = columns / barCount;
        const int extra = columns % barCount;
        const int firstWide = barCount / 2 - extra / 2;
        for (int i = 0; i < barCount; ++i)
            widths.append(extra != 0 && i >= firstWide && i < firstWide + extra ? base + 1 : base);
        if (modelName == QLatin1String(ModelCatalog::musicSingleColumnModel))
            widths = QVector<int>(barCount, 1).toList();
    }
    while (widths.size() < kColumns)
        widths.append(0);
    return widths;
}

QMap<int, int> columnBar(const QList<int> &columnsPerBar)
{
    QMap<int, int> map;
    int column = 0;
    for (int bar = 0; bar < columnsPerBar.size(); ++bar) {
        for (int i = 0; i < columnsPerBar.at(bar); ++i)
            map.insert(column++, bar);
    }
    while (map.size() < kColumns)
        map.insert(column++, 0);
    return map;
}

QVector<MusicBar> foldSpectrum(const FrequencySpectrum &spectrum, int barCount, double low, double high)
{
    QVector<MusicBar> bars(qMax(barCount, 0));
    if (bars.isEmpty() || !(high > low))
        return bars;
    const double width = (high - low) / barCount;
    for (const FrequencyElement &element : spectrum) {
        if (element.frequency < low || element.frequency >= high)
            continue;
        const int b = static_cast<int>((element.frequency - low) / width);
        if (b < 0 || b >= barCount)
            continue;
        bars[b].value = qMax(bars[b].value, element.amplitude);
        bars[b].clipped = bars[b].clipped || element.clipped;
    }
    return bars;
}

int barLevel(double value)
{
    static const double thresholds[kMaxLevel] = {0.1, 0.25, 0.4, 0.55, 0.7};
    int level = 0;
    while (level < kMaxLevel && value >= thresholds[level])
        ++level;
    return level;
}

} // namespace MusicBarLayout
