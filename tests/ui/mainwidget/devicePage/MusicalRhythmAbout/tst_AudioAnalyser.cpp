#include "ui/mainwidget/devicePage/MusicalRhythmAbout/DSoundCardAudioCapture.h"
#include "ui/mainwidget/devicePage/MusicalRhythmAbout/MusicBarLayout.h"
#include "ui/mainwidget/devicePage/MusicalRhythmAbout/AudioAnalyser.h"

#include "tests/support/TonePcm.h"

#include <QtTest>

#include <cmath>

// The real FFT on synthetic PCM, through the analyser and the bar folding the engine uses.
class tst_AudioAnalyser : public QObject
{
    Q_OBJECT

private:
    static QAudioFormat engineFormat() { return DSoundCardAudioCapture::pcmFormat(); }

    // One analysis of a 16384-byte block; the spectrum the analyser reported.
    static FrequencySpectrum analyse(const QByteArray &pcm)
    {
        SpectrumAnalyser analyser;
        FrequencySpectrum result;
        int reports = 0;
        connect(&analyser, &SpectrumAnalyser::spectrumChanged, [&](const FrequencySpectrum &spectrum) {
            result = spectrum;
            ++reports;
        });
        analyser.calculate(pcm, engineFormat());
        if (reports != 1 || analyser.state() != SpectrumAnalyser::Idle)
            qWarning() << "unexpected analysis:" << reports << "reports, state" << analyser.state();
        return result;
    }

    static QVector<MusicBar> bars(const FrequencySpectrum &spectrum)
    {
        return MusicBarLayout::foldSpectrum(spectrum, 11, 30.0, 930.0);
    }

private slots:
    void toneLevels_data()
    {
        QTest::addColumn<double>("amplitude");
        QTest::addColumn<double>("barValue");
        QTest::addColumn<int>("level");
        QTest::newRow("0.5") << 0.5 << 0.936 << 5;
        QTest::newRow("0.05") << 0.05 << 0.590 << 4;
        QTest::newRow("0.02") << 0.02 << 0.453 << 3;
        QTest::newRow("0.01") << 0.01 << 0.349 << 2;
        QTest::newRow("0.003") << 0.003 << 0.168 << 1;
        QTest::newRow("0.001") << 0.001 << 0.004 << 0;
    }

    void toneLevels()
    {
        QFETCH(double, amplitude);
        QFETCH(double, barValue);
        QFETCH(int, level);
        const FrequencySpectrum spectrum = analyse(tonePcm(binFrequency(45), amplitude, 4096));
        QCOMPARE(spectrum.count(), 4096);
        QCOMPARE(spectrum[45].frequency, 45 * 44100.0 / 4096);
        const QVector<MusicBar> result = bars(spectrum);
        QVERIFY2(std::abs(result[5].value - barValue) < 0.01, qPrintable(QString::number(result[5].value)));
        QCOMPARE(MusicBarLayout::barLevel(result[5].value), level);
        for (int b = 0; b < result.size(); ++b) {
            if (b != 5)
                QCOMPARE(MusicBarLayout::barLevel(result[b].value), 0);
        }
    }

    void bandEdges_data()
    {
        QTest::addColumn<int>("bin");
        QTest::addColumn<int>("bar"); // -1: outside every bar
        QTest::newRow("bin 2, 21.5 Hz") << 2 << -1;
        QTest::newRow("bin 3, 32.3 Hz") << 3 << 0;
        QTest::newRow("bin 86, 926.0 Hz") << 86 << 10;
        QTest::newRow("bin 87, 936.7 Hz") << 87 << -1;
    }

    void bandEdges()
    {
        QFETCH(int, bin);
        QFETCH(int, bar);
        // A tone leaks into its neighbour bins; the band of one bin is checked on its own.
        FrequencySpectrum spectrum = analyse(QByteArray(16384, '\0'));
        spectrum[bin].amplitude = 0.9;
        const QVector<MusicBar> result = bars(spectrum);
        for (int b = 0; b < result.size(); ++b)
            QCOMPARE(MusicBarLayout::barLevel(result[b].value), b == bar ? 5 : 0);
    }

    void silenceGivesZeros()
    {
        const FrequencySpectrum spectrum = analyse(QByteArray(16384, '\0'));
        for (const FrequencyElement &element : spectrum) {
            QVERIFY(!std::isnan(element.amplitude));
            QCOMPARE(element.amplitude, 0.0);
            QVERIFY(!element.clipped);
        }
    }

    void shortBlockIsReadWithinItsSize()
    {
        // Half a block: the rest counts as silence, the tone is still found.
        const QVector<MusicBar> result = bars(analyse(tonePcm(binFrequency(45), 0.5, 2048)));
        QCOMPARE(MusicBarLayout::barLevel(result[5].value), 5);
        const FrequencySpectrum empty = analyse(QByteArray());
        QCOMPARE(empty[45].amplitude, 0.0);
    }

    void clippedBinIsLimited()
    {
        // A full-scale square wave at bin 45 exceeds amplitude 1 before the limit.
        QByteArray pcm = tonePcm(binFrequency(45), 1.0, 4096);
        auto *samples = reinterpret_cast<qint16 *>(pcm.data());
        for (int i = 0; i < 2 * 4096; ++i)
            samples[i] = samples[i] >= 0 ? 32767 : -32768;
        const FrequencySpectrum spectrum = analyse(pcm);
        QVERIFY(spectrum[45].clipped);
        QCOMPARE(spectrum[45].amplitude, 1.0);
        QVERIFY(bars(spectrum)[5].clipped);
    }

    void cancelledAnalysisReportsNothing()
    {
        SpectrumAnalyser analyser;
        int reports = 0;
        connect(&analyser, &SpectrumAnalyser::spectrumChanged, [&] { ++reports; });
        analyser.cancelPending(); // idle: nothing to cancel
        analyser.calculate(tonePcm(binFrequency(45), 0.5, 4096), engineFormat());
        QCOMPARE(reports, 1);
        // A completion that arrives when nothing is pending is not passed on.
        analyser.calculationComplete(FrequencySpectrum(4096));
        QCOMPARE(reports, 1);
        QCOMPARE(analyser.state(), SpectrumAnalyser::Idle);
    }
};

QTEST_GUILESS_MAIN(tst_AudioAnalyser)
#include "tst_AudioAnalyser.moc"
