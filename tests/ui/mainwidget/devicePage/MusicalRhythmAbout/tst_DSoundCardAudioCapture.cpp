#include "ui/mainwidget/devicePage/MusicalRhythmAbout/DSoundCardAudioCapture.h"

#include "platform/FakeLoopbackCapture.h"

#include <QSignalSpy>
#include <QtTest>

class tst_DSoundCardAudioCapture : public QObject
{
    Q_OBJECT

private slots:
    void startStopAndPackets()
    {
        auto *fake = new FakeLoopbackCapture;
        DSoundCardAudioCapture capture{std::unique_ptr<LoopbackCapture>(fake)};
        QSignalSpy packets(&capture, &DSoundCardAudioCapture::sigSendCaptureAudioData);

        QCOMPARE(capture.stopCapture(), 0); // a stopped capture: nothing happens
        QCOMPARE(fake->stopCount(), 0);
        QCOMPARE(capture.startCapture(), 0);
        QVERIFY(capture.isRunning());

        QByteArray pcm(3 * 1764, '\0');
        pcm[0] = 'a';
        pcm[1764] = 'b';
        fake->setPcm(pcm, 1764);
        QCOMPARE(fake->play(2), 2);
        QCOMPARE(packets.count(), 2);
        QCOMPARE(packets.at(1).at(0).toByteArray(), pcm.mid(1764, 1764));

        QCOMPARE(capture.stopCapture(), 0);
        QVERIFY(!capture.isRunning());
        QCOMPARE(fake->stopCount(), 1);
        QCOMPARE(fake->play(1), 0);
    }

    void failedStartLeavesItStopped()
    {
        auto *fake = new FakeLoopbackCapture;
        fake->setStartFails(true);
        DSoundCardAudioCapture capture{std::unique_ptr<LoopbackCapture>(fake)};
        QCOMPARE(capture.startCapture(), -1);
        QVERIFY(!capture.isRunning());
        fake->setStartFails(false);
        QCOMPARE(capture.startCapture(), 0);
        QVERIFY(capture.isRunning());
    }
};

QTEST_GUILESS_MAIN(tst_DSoundCardAudioCapture)
#include "tst_DSoundCardAudioCapture.moc"
