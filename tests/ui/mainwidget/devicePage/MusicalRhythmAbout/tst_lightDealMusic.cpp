#include "ui/mainwidget/devicePage/MusicalRhythmAbout/DSoundCardAudioCapture.h"
#include "ui/mainwidget/devicePage/MusicalRhythmAbout/AudioAnalyser.h"
#include "ui/mainwidget/devicePage/lightDeal/LightStreamReports.h"
#include "ui/mainwidget/devicePage/lightDeal/lightDealMain.h"

#include "device/LightTypes.h"
#include "platform/FakeAudioOutputList.h"
#include "platform/FakeLoopbackCapture.h"
#include "tests/support/TonePcm.h"

#include <QSignalSpy>
#include <QTemporaryFile>
#include <QtTest>

#include <cstdio>

#include <unistd.h>

namespace {

colorInfoData keyboardRecord(int mode, bool fullColor = true, QColor c1 = Qt::red, QColor c2 = Qt::black)
{
    colorInfoData record = {};
    record.lightMode = mode;
    record.brightness = 2; // the top level: not darkened
    record.speed = 3;
    record.colorR = c1.red();
    record.colorG = c1.green();
    record.colorB = c1.blue();
    record.bgColorR = c2.red();
    record.bgColorG = c2.green();
    record.bgColorB = c2.blue();
    record.fullColor = fullColor ? 1 : 0;
    return record;
}

// A spectrum whose bar `bar` (of 11 from 30 to 930 Hz) has the amplitude, every other bar 0.
FrequencySpectrum spectrumWithBar(int bar, double amplitude)
{
    FrequencySpectrum spectrum(1);
    spectrum[0].frequency = 30.0 + (bar + 0.5) * 900.0 / 11;
    spectrum[0].amplitude = amplitude;
    return spectrum;
}

// Collects what the process writes to standard output meanwhile.
class StdoutCapture
{
public:
    StdoutCapture()
    {
        m_file.open();
        std::fflush(stdout);
        m_saved = ::dup(1);
        ::dup2(m_file.handle(), 1);
    }
    QStringList lines()
    {
        std::fflush(stdout);
        ::dup2(m_saved, 1);
        ::close(m_saved);
        m_file.seek(0);
        return QString::fromLocal8Bit(m_file.readAll()).split('\n', Qt::SkipEmptyParts);
    }

private:
    QTemporaryFile m_file;
    int m_saved = -1;
};

} // namespace

class tst_lightDealMusic : public QObject
{
    Q_OBJECT

private:
    struct Engine
    {
        lightDealMain engine;
        FakeLoopbackCapture *capture = new FakeLoopbackCapture;
        FakeAudioOutputList *outputs = new FakeAudioOutputList;

        explicit Engine(int keyCount = 104, const char *model = "Aster104")
        {
            engine.setMusicPlatform(std::unique_ptr<LoopbackCapture>(capture),
                                    std::unique_ptr<AudioOutputList>(outputs));
            hidStructInfoAll info = {};
            qstrncpy(info.hidName, model, sizeof(info.hidName));
            info.keyCount = keyCount;
            engine.setDeviceInfo(info);
            engine.setMusicalRhythmParams(keyCount, 11, 30.0, 930.0);
        }
        SpectrumAnalyser *analyser() { return engine.findChild<SpectrumAnalyser *>(); }
    };

private slots:
    void cadenceOfAnalyses()
    {
        Engine e;
        QSignalSpy analyses(e.analyser(), &SpectrumAnalyser::spectrumChanged);
        e.capture->setPcm(tonePcm(binFrequency(45), 0.5, 44100), 1764);
        // Music off: the capture is not even started, and packets handed over are dropped.
        e.engine.onSendCaptureAudioData(QByteArray(20 * 1764, '\0'));
        QCOMPARE(analyses.count(), 0);

        e.engine.setKeyboardColorInfoDataStuHaveChanged(keyboardRecord(100));
        QCOMPARE(e.capture->startCount(), 1);
        StdoutCapture out;
        QList<int> analysedAt;
        for (int packet = 1; packet <= 60; ++packet) {
            QCOMPARE(e.capture->play(1), 1);
            QCoreApplication::processEvents(); // the packets are queued to the engine
            if (analyses.count() > analysedAt.size())
                analysedAt.append(packet);
        }
        const QStringList lines = out.lines();
        QCOMPARE(analysedAt, (QList<int>{10, 29, 48}));
        QCOMPARE(lines.count("-------------------------*** onSendCaptureAudioData [Runing Deal] "
                             "***-------------------------"),
                 3);
    }

    void switchingFollowsTheRecords()
    {
        Engine e;
        e.engine.setKeyboardColorInfoDataStuHaveChanged(keyboardRecord(100));
        QVERIFY(e.engine.isMusicRuning());
        QVERIFY(e.engine.audioCapture()->isRunning());
        QCOMPARE(e.engine.keyColor(3, 7).rgba(), qRgba(0, 0, 0, 128));
        e.engine.setKeyboardColorInfoDataStuHaveChanged(keyboardRecord(100)); // started once
        QCOMPARE(e.capture->startCount(), 1);

        e.engine.setLightTickerRuning(true);
        e.engine.setLightTickerRuning(false); // the engine's stop leaves music on
        QVERIFY(e.engine.audioCapture()->isRunning());

        e.engine.setKeyboardColorInfoDataStuHaveChanged(keyboardRecord(2));
        QVERIFY(!e.engine.isMusicRuning());
        QVERIFY(!e.engine.audioCapture()->isRunning());
        QCOMPARE(e.capture->stopCount(), 1);
        QCOMPARE(e.engine.keyColor(3, 7).rgba(), qRgba(0, 0, 0, 128));
    }

    void failedStartStillSwitchesOff()
    {
        Engine e;
        QSignalSpy analyses(e.analyser(), &SpectrumAnalyser::spectrumChanged);
        e.capture->setStartFails(true);
        e.engine.setKeyboardColorInfoDataStuHaveChanged(keyboardRecord(100));
        QVERIFY(e.engine.isMusicRuning());
        QVERIFY(!e.engine.audioCapture()->isRunning());
        e.engine.setKeyboardColorInfoDataStuHaveChanged(keyboardRecord(0));
        QVERIFY(!e.engine.isMusicRuning());
        for (int packet = 0; packet < 30; ++packet)
            e.engine.onSendCaptureAudioData(QByteArray(1764, '\x10'));
        QCOMPARE(analyses.count(), 0);
    }

    void outputWatch()
    {
        Engine e;
        e.engine.setKeyboardColorInfoDataStuHaveChanged(keyboardRecord(100));
        QCOMPARE(e.capture->startCount(), 1);

        e.outputs->setOutputNames({});
        e.engine.onAudioOutputDevListChanging(); // nothing listed: nothing happens
        e.outputs->setOutputNames({QString(), QString(QChar(0xFFFD)) + "garbled", "sink_a", "sink_b"});
        e.engine.onAudioOutputDevListChanging(); // the first check only records
        QCOMPARE(e.capture->startCount(), 1);
        e.outputs->setOutputNames({QString(), "sink_a"});
        e.engine.onAudioOutputDevListChanging();
        QCOMPARE(e.capture->startCount(), 1);

        e.outputs->setOutputNames({QString(QChar(0xFFFD)), "sink_b", "sink_a"});
        e.engine.onAudioOutputDevListChanging();
        QCOMPARE(e.capture->stopCount(), 1);
        QCOMPARE(e.capture->startCount(), 2);
        QVERIFY(e.engine.audioCapture()->isRunning());

        // Switching music on again empties the stored name: the next check only records.
        e.engine.setKeyboardColorInfoDataStuHaveChanged(keyboardRecord(0));
        e.engine.setKeyboardColorInfoDataStuHaveChanged(keyboardRecord(100));
        QCOMPARE(e.capture->startCount(), 3);
        e.outputs->setOutputNames({"sink_c"});
        e.engine.onAudioOutputDevListChanging();
        QCOMPARE(e.capture->startCount(), 3);
    }

    void gridUsesThePaletteOfEachColumnsBar()
    {
        Engine e(68, "Quartz68HE"); // the model of the second palette
        e.engine.setKeyboardColorInfoDataStuHaveChanged(keyboardRecord(100));
        e.engine.setKeyboardColorInfoDataStuHaveChanged(keyboardRecord(100)); // capture running: colours stay
        // 68 keys: columns 3 and 4 are bar 3, column 16 is bar 0 again.
        QCOMPARE(e.engine.keyColor(0, 3), QColor(LightTypes::MUSIC_PALETTE_ALT[3]));
        QCOMPARE(e.engine.keyColor(5, 4), QColor(LightTypes::MUSIC_PALETTE_ALT[3]));
        QCOMPARE(e.engine.keyColor(2, 16), QColor(LightTypes::MUSIC_PALETTE_ALT[0]));

        Engine other(104, "Aster104");
        other.engine.setKeyboardColorInfoDataStuHaveChanged(keyboardRecord(100));
        other.engine.setKeyboardColorInfoDataStuHaveChanged(keyboardRecord(100));
        QCOMPARE(other.engine.keyColor(1, 21), QColor(LightTypes::MUSIC_PALETTE_HUE[10]));

        other.engine.setKeyboardColorInfoDataStuHaveChanged(keyboardRecord(100, false, QColor(10, 20, 30)));
        QCOMPARE(other.engine.keyColor(1, 21), QColor(10, 20, 30));
    }

    void fadingBlendsTowardTheSecondColour()
    {
        Engine e;
        e.engine.setKeyboardColorInfoDataStuHaveChanged(keyboardRecord(100, false, Qt::red, Qt::blue));
        e.engine.onSpectrumChanged(spectrumWithBar(0, 0.9)); // bar 0, columns 0 and 1, level 5
        e.engine.renderMusicFrame();
        // Top cell at alpha 230: (255 * 230 + 25 * 0) / 256 red, (0 + 25 * 255) / 256 blue; alpha 180 as C2 is set.
        QCOMPARE(e.engine.keyColor(0, 0).rgba(), qRgba(229, 0, 24, 180));
        QCOMPARE(e.engine.keyColor(5, 1).rgba(), qRgba(254, 0, 0, 180)); // not falling: alpha 255
        QCOMPARE(e.engine.keyColor(0, 2).rgba(), qRgba(0, 0, 254, 180)); // dark cell: all C2
        for (int tick = 0; tick < 5; ++tick)
            e.engine.renderMusicFrame();
        QCOMPARE(e.engine.keyColor(0, 0).rgba(), qRgba(104, 0, 149, 180)); // alpha 105
        QCOMPARE(e.engine.columnLevels().value(0), 5);
        QCOMPARE(e.engine.columnIntensities().value(0), 105);
    }

    void blackWithoutSecondColourIsTransparent()
    {
        Engine e;
        e.engine.setKeyboardColorInfoDataStuHaveChanged(keyboardRecord(100, false, Qt::green, Qt::black));
        e.engine.onSpectrumChanged(spectrumWithBar(0, 0.9));
        e.engine.renderMusicFrame();
        QCOMPARE(e.engine.keyColor(5, 0).rgba(), qRgba(0, 254, 0, 200)); // alpha limited to 200
        QCOMPARE(e.engine.keyColor(0, 5).alpha(), 0);                    // dark: (0, 0, 0) at alpha 0
    }

    void compactStateCarriesTheBars_data()
    {
        QTest::addColumn<int>("keyCount");
        QTest::addColumn<QString>("model");
        QTest::addColumn<QVector<int>>("levelBytes"); // bytes 5 to 15
        QTest::newRow("68 keys") << 68 << "Quartz68HE" << QVector<int>{0, 0, 0, 0, 0, 5, 0, 0, 0, 0, 0};
        QTest::newRow("34 keys") << 34 << "" << QVector<int>(11, 0);
    }

    void compactStateCarriesTheBars()
    {
        QFETCH(int, keyCount);
        QFETCH(QString, model);
        QFETCH(QVector<int>, levelBytes);
        Engine e(keyCount, model.toLatin1().constData());
        e.engine.setKeyboardColorInfoDataStuHaveChanged(keyboardRecord(100));
        e.engine.onSpectrumChanged(spectrumWithBar(5, 0.9));
        e.engine.renderMusicFrame();

        LightStreamReports::CompactState state;
        state.keyboardMode = 100;
        state.columnLevels = e.engine.columnLevels();
        state.columnIntensities = e.engine.columnIntensities();
        state.columnsPerBar = e.engine.columnsPerBar();
        const HidCmdReport report = LightStreamReports::compactState(state, 0);
        QVector<int> levels;
        for (int i = 5; i < 16; ++i)
            levels.append(report[i]);
        QCOMPARE(levels, levelBytes);
        QCOMPARE(int(report[16 + 5]), levelBytes.at(5) ? 230 : 0);
        for (int i = 27; i < 64; ++i)
            QCOMPARE(int(report[i]), 0);
    }

    void spectrumWhileMusicIsOffIsIgnored()
    {
        Engine e;
        e.engine.onSpectrumChanged(spectrumWithBar(0, 0.9));
        e.engine.renderMusicFrame();
        QCOMPARE(e.engine.columnLevels(), QVector<int>(22, 0));
    }
};

QTEST_MAIN(tst_lightDealMusic)
#include "tst_lightDealMusic.moc"
