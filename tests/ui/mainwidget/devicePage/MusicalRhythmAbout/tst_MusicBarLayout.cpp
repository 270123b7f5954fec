#include "ui/mainwidget/devicePage/MusicalRhythmAbout/MusicBarLayout.h"

#include "sdk/protocol/ModelCatalog.h"

#include <QtTest>

using IntList = QList<int>;

class tst_MusicBarLayout : public QObject
{
    Q_OBJECT

private slots:
    void columnsPerBar_data()
    {
        QTest::addColumn<int>("keyCount");
        QTest::addColumn<QString>("model");
        QTest::addColumn<IntList>("widths");
        QTest::newRow("68") << 68 << "Quartz68HE" << IntList{1, 1, 1, 2, 2, 2, 2, 2, 1, 1, 1};
        QTest::newRow("34") << 34 << "" << IntList{0, 0, 1, 1, 1, 1, 1, 1, 1, 0, 0};
        QTest::newRow("104") << 104 << "Aster104" << IntList{2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2};
        QTest::newRow("18") << 18 << "" << IntList{1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
        QTest::newRow("61") << 61 << "" << IntList{1, 1, 1, 2, 2, 2, 2, 1, 1, 1, 1};
        QTest::newRow("69") << 69 << "" << IntList{1, 1, 1, 2, 2, 2, 2, 2, 1, 1, 1};
        QTest::newRow("81") << 81 << "" << IntList{1, 1, 2, 2, 2, 2, 2, 2, 1, 1, 1};
        QTest::newRow("84 receiver model") << 84 << "Breeze84W" << IntList{1, 1, 1, 2, 2, 2, 2, 2, 1, 1, 1};
        QTest::newRow("87") << 87 << "" << IntList{1, 1, 2, 2, 2, 2, 2, 2, 2, 1, 1};
        QTest::newRow("97") << 97 << "" << IntList{1, 2, 2, 2, 2, 2, 2, 2, 2, 1, 1};
        QTest::newRow("unlisted count") << 75 << "" << IntList{2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2};
        QTest::newRow("68, 17-column model") << 68 << "Quartz68" << IntList{1, 1, 2, 2, 2, 2, 2, 2, 1, 1, 1};
        QTest::newRow("68, 18-column model") << 68 << "Quartz68Pro" << IntList{1, 1, 2, 2, 2, 2, 2, 2, 2, 1, 1};
        QTest::newRow("17-column model at another count")
            << 104 << "Quartz68" << IntList{2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2};
        QTest::newRow("one-column model")
            << 104 << QString(ModelCatalog::musicSingleColumnModel) << IntList{1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
    }

    void columnsPerBar()
    {
        QFETCH(int, keyCount);
        QFETCH(QString, model);
        QFETCH(IntList, widths);
        const IntList result = MusicBarLayout::columnsPerBar(keyCount, 11, model);
        QCOMPARE(result.size(), 22);
        QCOMPARE(result.mid(0, 11), widths);
        QCOMPARE(result.mid(11), QVector<int>(11, 0).toList());

        // Each bar's columns in order, the remaining ones up to 22 go to bar 0.
        const QMap<int, int> map = MusicBarLayout::columnBar(result);
        QCOMPARE(map.size(), 22);
        int column = 0;
        for (int bar = 0; bar < 11; ++bar) {
            for (int i = 0; i < widths.at(bar); ++i)
                QCOMPARE(map.value(column++), bar);
        }
        for (; column < 22; ++column)
            QCOMPARE(map.value(column), 0);
    }

    void columnBarOf68And104()
    {
        const QMap<int, int> map68 = MusicBarLayout::columnBar(MusicBarLayout::columnsPerBar(68, 11, "Quartz68HE"));
        QCOMPARE(map68.value(15), 10);
        QCOMPARE(map68.value(16), 0);
        QCOMPARE(map68.value(21), 0);
        const QMap<int, int> map104 = MusicBarLayout::columnBar(MusicBarLayout::columnsPerBar(104, 11, ""));
        QCOMPARE(map104.value(20), 10);
        QCOMPARE(map104.value(21), 10);
    }

    void noBarsIsSafe()
    {
        QCOMPARE(MusicBarLayout::columnsPerBar(68, 0, ""), QVector<int>(22, 0).toList());
        QVERIFY(MusicBarLayout::foldSpectrum(FrequencySpectrum(4096), 0, 30.0, 930.0).isEmpty());
    }

    void barLevel_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("level");
        QTest::newRow("0") << 0.0 << 0;
        QTest::newRow("0.099") << 0.099 << 0;
        QTest::newRow("0.1") << 0.1 << 1;
        QTest::newRow("0.25") << 0.25 << 2;
        QTest::newRow("0.4") << 0.4 << 3;
        QTest::newRow("0.549") << 0.549 << 3;
        QTest::newRow("0.55") << 0.55 << 4;
        QTest::newRow("0.699") << 0.699 << 4;
        QTest::newRow("0.7") << 0.7 << 5;
        QTest::newRow("1") << 1.0 << 5;
    }

    void barLevel()
    {
        QFETCH(double, value);
        QFETCH(int, level);
        QCOMPARE(MusicBarLayout::barLevel(value), level);
    }

    void foldTakesLargestPerBand()
    {
        FrequencySpectrum spectrum(4);
        spectrum[0] = {29.9, 0.9, 0.0, true}; // below the range
        spectrum[1] = {30.0, 0.3, 0.0, false};
        spectrum[2] = {111.0, 0.6, 0.0, true};  // still bar 0: 30 + 900 / 11 = 111.8
        spectrum[3] = {930.0, 0.8, 0.0, false}; // the top is excluded
        const QVector<MusicBar> bars = MusicBarLayout::foldSpectrum(spectrum, 11, 30.0, 930.0);
        QCOMPARE(bars.size(), 11);
        QCOMPARE(bars[0].value, 0.6);
        QVERIFY(bars[0].clipped);
        for (int b = 1; b < 11; ++b)
            QCOMPARE(bars[b].value, 0.0);
    }
};

QTEST_GUILESS_MAIN(tst_MusicBarLayout)
#include "tst_MusicBarLayout.moc"
