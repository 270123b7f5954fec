#include "ui/mainwidget/devicePage/MusicalRhythmAbout/DSoundCardAudioCapture.h"
#include "ui/mainwidget/devicePage/MusicalRhythmAbout/MusicBarLayout.h"
#include "ui/mainwidget/devicePage/MusicalRhythmAbout/AudioAnalyser.h"

#include "platform/PulseAudioOutputList.h"
#include "tests/support/PulseTools.h"
#include "tests/support/TonePcm.h"
#include "ui/mainwidget/devicePage/lightDeal/lightDealMain.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <csignal>

namespace {

using PulseTools::pactl;
using PulseTools::serverAnswers;
using PulseTools::TonePlayer;

// Everything the capture hands over, with the largest first-channel sample seen.
struct PacketLog
{
    QList<int> sizes;
    QByteArray bytes;

    void add(const QByteArray &pcm)
    {
        sizes.append(pcm.size());
        bytes.append(pcm);
    }

    double peak(int fromByte = 0) const
    {
        const auto *samples = reinterpret_cast<const qint16 *>(bytes.constData());
        int largest = 0;
        for (int i = fromByte / 2; i + 1 < bytes.size() / 2; i += 2)
            largest = std::max(largest, std::abs(int(samples[i])));
        return largest / 32768.0;
    }
};

int bar5Level(const QByteArray &block)
{
    const QAudioFormat format = DSoundCardAudioCapture::pcmFormat();
    SpectrumAnalyser analyser;
    int level = -1;
    QObject::connect(&analyser, &SpectrumAnalyser::spectrumChanged, [&](const FrequencySpectrum &spectrum) {
        level = MusicBarLayout::barLevel(MusicBarLayout::foldSpectrum(spectrum, 11, 30.0, 930.0).at(5).value);
    });
    analyser.calculate(block, format);
    return level;
}

} // namespace

// Capture of the private server's null sink (scripts/with-pulse.sh) through the real client library.
class tst_MusicCaptureAudio : public QObject
{
    Q_OBJECT

private slots:
    void playedToneArrivesAsPackets()
    {
        DSoundCardAudioCapture capture;
        PacketLog log;
        connect(&capture, &DSoundCardAudioCapture::sigSendCaptureAudioData,
                [&](const QByteArray &pcm) { log.add(pcm); });
        QCOMPARE(capture.startCapture(), 0);
        QVERIFY(capture.isRunning());

        TonePlayer player;
        QVERIFY(player.play("vorlan_null", tonePcm(binFrequency(45), 0.5, 44100 * 5)));
        QTRY_VERIFY_WITH_TIMEOUT(log.bytes.size() > 44100 * 4 && log.peak() > 0.45, 5000);
        QTest::qWait(300);
        QCOMPARE(capture.stopCapture(), 0);

        QVERIFY(!log.sizes.isEmpty());
        for (int size : log.sizes)
            QCOMPARE(size % 4, 0); // whole stereo frames
        QList<int> sorted = log.sizes;
        std::sort(sorted.begin(), sorted.end());
        const int median = sorted.at(sorted.size() / 2);
        QVERIFY2(median >= 1764 / 2 && median <= 1764 * 2, qPrintable(QString::number(median)));
        QVERIFY2(std::abs(log.peak() - 0.5) < 0.02, qPrintable(QString::number(log.peak())));
        QCOMPARE(bar5Level(log.bytes.right(16384)), 5);
    }

    void newDefaultOutputIsFollowed()
    {
        QByteArray module;
        QVERIFY(pactl(
            {"load-module", "module-null-sink", "sink_name=vorlan_second", "rate=44100", "format=s16le", "channels=2"},
            &module));
        auto restore = qScopeGuard([&] {
            pactl({"set-default-sink", "vorlan_null"});
            pactl({"unload-module", QString::fromLatin1(module.trimmed())});
        });

        PulseAudioOutputList outputs;
        QTRY_COMPARE_WITH_TIMEOUT(outputs.outputNames().value(0), QString("vorlan_null"), 3000);
        QVERIFY(outputs.outputNames().contains("vorlan_second"));

        // The engine in music mode, its watch on the server's output list.
        lightDealMain engine;
        engine.setMusicalRhythmParams(104, 11, 30.0, 930.0);
        auto *analyser = engine.findChild<SpectrumAnalyser *>();
        int bar5 = -1;
        connect(analyser, &SpectrumAnalyser::spectrumChanged, [&](const FrequencySpectrum &spectrum) {
            bar5 = MusicBarLayout::barLevel(MusicBarLayout::foldSpectrum(spectrum, 11, 30.0, 930.0).at(5).value);
        });
        colorInfoData record = {};
        record.lightMode = 100;
        record.brightness = 2;
        record.speed = 3;
        engine.setKeyboardColorInfoDataStuHaveChanged(record);
        QVERIFY(engine.audioCapture()->isRunning());
        QTest::qWait(1500); // the watch has recorded the first output

        QVERIFY(pactl({"set-default-sink", "vorlan_second"}));
        QTRY_COMPARE_WITH_TIMEOUT(outputs.outputNames().value(0), QString("vorlan_second"), 3000);
        TonePlayer player;
        QVERIFY(player.play("vorlan_second", tonePcm(binFrequency(45), 0.5, 44100 * 5)));
        // Seen only once the watch has restarted the capture on the new default's monitor.
        QTRY_COMPARE_WITH_TIMEOUT(bar5, 5, 4000);
    }

    void lostServerNeverHangs()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QFile config(dir.filePath("server.pa"));
        QVERIFY(config.open(QIODevice::WriteOnly));
        config.write("load-module module-native-protocol-unix auth-anonymous=1\n"
                     "load-module module-null-sink sink_name=vorlan_doomed\n"
                     "set-default-sink vorlan_doomed\n");
        config.close();
        QProcess daemon;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_RUNTIME_DIR", dir.path());
        env.insert("HOME", dir.path());
        env.insert("PULSE_RUNTIME_PATH", dir.filePath("pulse"));
        daemon.setProcessEnvironment(env);
        daemon.start("pulseaudio", {"-n", "-F", config.fileName(), "--exit-idle-time=-1", "--daemonize=no",
                                    "--use-pid-file=no", "--system=false"});
        QVERIFY(daemon.waitForStarted(3000));
        auto killDaemon = qScopeGuard([&] {
            daemon.kill();
            daemon.waitForFinished(3000);
        });
        const QString server = "unix:" + dir.filePath("pulse/native");
        QTRY_VERIFY_WITH_TIMEOUT(serverAnswers(server), 5000);

        const QByteArray previous = qgetenv("PULSE_SERVER");
        qputenv("PULSE_SERVER", server.toLocal8Bit());
        auto restoreServer = qScopeGuard([&] { qputenv("PULSE_SERVER", previous); });

        DSoundCardAudioCapture capture;
        int packets = 0;
        connect(&capture, &DSoundCardAudioCapture::sigSendCaptureAudioData, [&] { ++packets; });
        QCOMPARE(capture.startCapture(), 0);
        QTRY_VERIFY_WITH_TIMEOUT(packets > 0, 3000);

        ::kill(static_cast<pid_t>(daemon.processId()), SIGKILL);
        QVERIFY(daemon.waitForFinished(3000));
        QTest::qWait(100);
        QVERIFY(capture.isRunning()); // a failed stream stays running until the next stop

        QElapsedTimer clock;
        clock.start();
        QCOMPARE(capture.stopCapture(), 0);
        QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));

        clock.restart();
        QCOMPARE(capture.startCapture(), -1);
        QVERIFY2(clock.elapsed() < 2000, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(!capture.isRunning());
    }
};

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (!serverAnswers())
        return PulseTools::noServerExitCode();
    tst_MusicCaptureAudio test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_MusicCaptureAudio.moc"
