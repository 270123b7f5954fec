#include "widgets/dragShowArea.h"

#include "tests/support/BlackBackdrop.h"

#include <QSignalSpy>
#include <QtTest>

class tst_dragShowArea : public QObject
{
    Q_OBJECT

private:
    static void send(QWidget *w, QEvent::Type type, Qt::MouseButton button, const QPoint &pos)
    {
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
        QMouseEvent event(type, pos, w->mapToGlobal(pos), button, held, Qt::NoModifier);
        QApplication::sendEvent(w, &event);
    }

private slots:
    void bandIsReportedOnRelease_data()
    {
        QTest::addColumn<QPoint>("press");
        QTest::addColumn<QPoint>("release");
        QTest::addColumn<QList<int>>("band");
        QTest::newRow("forward") << QPoint(10, 10) << QPoint(50, 40) << QList<int>{10, 10, 50, 40};
        QTest::newRow("backward") << QPoint(50, 40) << QPoint(10, 10) << QList<int>{50, 40, 10, 10};
        QTest::newRow("end clamped to the overlay") << QPoint(10, 10) << QPoint(500, -20) << QList<int>{10, 10, 200, 0};
    }

    void bandIsReportedOnRelease()
    {
        QFETCH(QPoint, press);
        QFETCH(QPoint, release);
        QFETCH(QList<int>, band);
        dragShowArea area;
        area.resize(200, 100);
        area.setDragEnabled(true);
        QSignalSpy bands(&area, &dragShowArea::sigDragArea);
        QSignalSpy moves(&area, &dragShowArea::sigDragShowAreaMouseMovePoint);
        send(&area, QEvent::MouseButtonPress, Qt::LeftButton, press);
        send(&area, QEvent::MouseMove, Qt::LeftButton, release);
        send(&area, QEvent::MouseButtonRelease, Qt::LeftButton, release);
        QCOMPARE(bands.count(), 1);
        QList<int> reported;
        for (const QVariant &v : bands.at(0))
            reported << v.toInt();
        QCOMPARE(reported, band);
        QCOMPARE(moves.count(), 0); // moves during a drag only repaint the band
    }

    void bandIsPaintedWhileDragging()
    {
        QWidget background;
        makeBlackBackdrop(background, QSize(200, 100));
        auto *area = new dragShowArea(&background);
        area->resize(200, 100);
        area->setAreaColor(0, 0, 255);
        area->setDragEnabled(true);
        send(area, QEvent::MouseButtonPress, Qt::LeftButton, QPoint(10, 10));
        send(area, QEvent::MouseMove, Qt::LeftButton, QPoint(80, 60));
        const QImage image = background.grab().toImage();
        QVERIFY(qAbs(image.pixelColor(40, 30).blue() - 100) <= 2);
        QCOMPARE(image.pixelColor(150, 80), QColor(Qt::black));
    }

    void rightClickAsksForAnEmptyBand()
    {
        dragShowArea area;
        area.resize(200, 100);
        area.setDragEnabled(true);
        QSignalSpy bands(&area, &dragShowArea::sigDragArea);
        send(&area, QEvent::MouseButtonPress, Qt::RightButton, QPoint(30, 30));
        QCOMPARE(bands.count(), 1);
        QCOMPARE(bands.at(0), (QList<QVariant>{0, 0, 0, 0}));
    }

    void clickModeReportsPressAndRelease()
    {
        dragShowArea area;
        area.resize(200, 100);
        area.setDragEnabled(true);
        area.setClickMode(true);
        QSignalSpy clicks(&area, &dragShowArea::sigDragAreaMousePressOrRelease);
        QSignalSpy moves(&area, &dragShowArea::sigDragShowAreaMouseMovePoint);
        QSignalSpy bands(&area, &dragShowArea::sigDragArea);
        send(&area, QEvent::MouseButtonPress, Qt::LeftButton, QPoint(30, 30));
        send(&area, QEvent::MouseButtonRelease, Qt::LeftButton, QPoint(31, 32));
        QCOMPARE(clicks.count(), 2);
        QCOMPARE(clicks.at(0).at(0).toBool(), true);
        QCOMPARE(clicks.at(1).at(0).toBool(), false);
        QCOMPARE(moves.count(), 1);
        QCOMPARE(moves.at(0), (QList<QVariant>{31, 32}));
        QCOMPARE(bands.count(), 0);
    }

    void disabledOverlayIsSilent()
    {
        QWidget background;
        makeBlackBackdrop(background, QSize(200, 100));
        auto *area = new dragShowArea(&background);
        area->resize(200, 100);
        QSignalSpy bands(area, &dragShowArea::sigDragArea);
        QSignalSpy moves(area, &dragShowArea::sigDragShowAreaMouseMovePoint);
        QSignalSpy clicks(area, &dragShowArea::sigDragAreaMousePressOrRelease);
        send(area, QEvent::MouseMove, Qt::NoButton, QPoint(20, 20));
        send(area, QEvent::MouseButtonPress, Qt::LeftButton, QPoint(10, 10));
        send(area, QEvent::MouseMove, Qt::LeftButton, QPoint(80, 60));
        QCOMPARE(background.grab().toImage().pixelColor(40, 30), QColor(Qt::black));
        send(area, QEvent::MouseButtonRelease, Qt::LeftButton, QPoint(80, 60));
        send(area, QEvent::MouseButtonPress, Qt::RightButton, QPoint(10, 10));
        QCOMPARE(bands.count() + moves.count() + clicks.count(), 0);
    }

    void movesWithoutDragReportThePointer()
    {
        dragShowArea area;
        area.resize(200, 100);
        area.setDragEnabled(true);
        QSignalSpy moves(&area, &dragShowArea::sigDragShowAreaMouseMovePoint);
        send(&area, QEvent::MouseMove, Qt::NoButton, QPoint(20, 25));
        QCOMPARE(moves.count(), 1);
        QCOMPARE(moves.at(0), (QList<QVariant>{20, 25}));
    }
};

QTEST_MAIN(tst_dragShowArea)
#include "tst_dragShowArea.moc"
