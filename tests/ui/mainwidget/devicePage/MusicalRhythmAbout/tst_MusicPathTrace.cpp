#include "ui/mainwidget/devicePage/MusicalRhythmAbout/MusicPathTrace.h"
#include "ui/mainwidget/devicePage/lightDeal/lightDealMain.h"

#include "platform/FakeAudioOutputList.h"
#include "platform/FakeLoopbackCapture.h"
#include "tests/support/TonePcm.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

QTemporaryDir *g_folder = nullptr;

QString tracePath()
{
    return g_folder->path() + "/trace.txt";
}

} // namespace

// The music trace hook numbers the packets on both sides of the queue alike, so that an analysis
// names the hand-over of the packet that triggered it.
class tst_MusicPathTrace : public QObject
{
    Q_OBJECT

private slots:
    void analysesNameTheirTriggeringHandover()
    {
        QVERIFY(MusicPathTrace::enabled());
        lightDealMain engine;
        auto *capture = new FakeLoopbackCapture;
        engine.setMusicPlatform(std::unique_ptr<LoopbackCapture>(capture), std::make_unique<FakeAudioOutputList>());
        hidStructInfoAll info = {};
        qstrncpy(info.hidName, "Aster104", sizeof(info.hidName));
        info.keyCount = 104;
        engine.setDeviceInfo(info);
        engine.setMusicalRhythmParams(104, 11, 30.0, 930.0);
        colorInfoData music = {};
        music.lightMode = 100;
        music.speed = 3;
        music.colorR = 255;
        engine.setKeyboardColorInfoDataStuHaveChanged(music);
        capture->setPcm(tonePcm(binFrequency(45), 0.5, 44100), 1764);
        for (int packet = 1; packet <= 50; ++packet) {
            QCOMPARE(capture->play(1), 1);
            QCoreApplication::processEvents();
        }

        QFile file(tracePath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QList<qint64> handovers;
        QMap<qint64, qint64> handoverNs;
        QList<qint64> analyses;
        for (const QByteArray &line : file.readAll().split('\n')) {
            const QList<QByteArray> words = line.split(' ');
            if (words.size() < 3)
                continue;
            if (words[0] == "handover") {
                handovers << words[1].toLongLong();
                handoverNs.insert(words[1].toLongLong(), words[2].toLongLong());
            } else if (words[0] == "analysis") {
                analyses << words[1].toLongLong();
                QVERIFY(handoverNs.contains(words[1].toLongLong()));
                QVERIFY(words[2].toLongLong() >= handoverNs.value(words[1].toLongLong()));
            }
        }
        QCOMPARE(handovers.size(), 50);
        QCOMPARE(handovers.first(), 1);
        QCOMPARE(handovers.last(), 50);
        QCOMPARE(analyses, (QList<qint64>{10, 29, 48}));
    }
};

int main(int argc, char *argv[])
{
    QTemporaryDir folder;
    g_folder = &folder;
    qputenv(MusicPathTrace::variable, tracePath().toLocal8Bit());
    QApplication app(argc, argv);
    tst_MusicPathTrace test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_MusicPathTrace.moc"
