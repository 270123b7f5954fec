#include "ui/mainwidget/devicePage/MusicalRhythmAbout/MusicFrame.h"

#include <QtTest>

namespace {

struct Frame
{
    LightCellStu cells[kLightKeyCells] = {};
    QVector<int> levels, intensities;

    LightCellStu &at(int row, int column) { return cells[row * kLightKeyColumns + column]; }
    void tick() { MusicFrame::fall(cells, &levels, &intensities); }
};

} // namespace

class tst_MusicFrame : public QObject
{
    Q_OBJECT

private slots:
    void fillLightsLevelPlusOneRows()
    {
        Frame frame;
        frame.at(0, 1).red = 77; // colours stay
        // Bar 0: one column at level 5; bar 1: two columns at level 2; bar 2: no columns.
        MusicFrame::fillBars(frame.cells, {5, 2, 4}, {1, 2, 0});
        for (int row = 0; row < 6; ++row) {
            QCOMPARE(frame.at(row, 0).alpha, 255);
            QCOMPARE(frame.at(row, 0).level, 5);
            QCOMPARE(frame.at(row, 0).state, row == 0 ? 2 : 0);
            for (int column : {1, 2}) {
                QCOMPARE(frame.at(row, column).alpha, row >= 3 ? 255 : 0);
                QCOMPARE(frame.at(row, column).level, row >= 3 ? 2 : 0);
                QCOMPARE(frame.at(row, column).state, row == 3 ? 2 : 0);
            }
            QCOMPARE(frame.at(row, 3).alpha, 0); // bar 2 has no columns
        }
        QCOMPARE(frame.at(0, 1).red, 77);
    }

    void fillStaysWithinTheFrame()
    {
        Frame frame;
        // 12 bars of two columns would reach column 23.
        MusicFrame::fillBars(frame.cells, QVector<int>(12, 5), QVector<int>(12, 2).toList());
        QCOMPARE(frame.at(0, 21).level, 5);
    }

    void topCellFallsInElevenFrames()
    {
        Frame frame;
        MusicFrame::fillBars(frame.cells, {5}, {1});
        for (int tick = 1; tick <= 10; ++tick) {
            frame.tick();
            QCOMPARE(frame.at(0, 0).alpha, 255 - 25 * tick);
            QCOMPARE(frame.at(1, 0).alpha, 255);
        }
        frame.tick(); // 5 is below 25: dark, and the row below falls from this tick on
        QCOMPARE(frame.at(0, 0).alpha, 0);
        QCOMPARE(frame.at(0, 0).state, 0);
        QCOMPARE(frame.at(1, 0).state, 2);
        QCOMPARE(frame.at(1, 0).alpha, 230);
    }

    void alphaOf25EndsOneTickLater()
    {
        Frame frame;
        MusicFrame::fillBars(frame.cells, {1}, {1});
        frame.at(4, 0).alpha = 25;
        frame.tick();
        QCOMPARE(frame.at(4, 0).alpha, 0);
        QCOMPARE(frame.at(4, 0).state, 2);
        QCOMPARE(frame.at(5, 0).state, 0);
        frame.tick();
        QCOMPARE(frame.at(4, 0).state, 0);
        QCOMPARE(frame.at(5, 0).state, 2);
        QCOMPARE(frame.at(5, 0).alpha, 230);
    }

    void columnLevelsAndIntensities()
    {
        Frame frame;
        MusicFrame::fillBars(frame.cells, {0, 3, 5}, {1, 2, 1});
        frame.tick();
        QCOMPARE(frame.levels.size(), 22);
        QCOMPARE(frame.intensities.size(), 22);
        // Level 0 lights the bottom row without a level: the column reads 0.
        QCOMPARE(frame.levels.mid(0, 5), (QVector<int>{0, 3, 3, 5, 0}));
        QCOMPARE(frame.intensities.mid(0, 5), (QVector<int>{0, 230, 230, 230, 0}));
    }
};

QTEST_GUILESS_MAIN(tst_MusicFrame)
#include "tst_MusicFrame.moc"
