#include "widgets/sideLightButtonCustom.h"

#include "tests/support/BlackBackdrop.h"
#include "tests/support/PaintCounter.h"

#include <QtTest>

namespace {

QImage paintSegment(int w, int h, bool rounded)
{
    QWidget background;
    makeBlackBackdrop(background, QSize(w, h));
    auto *segment = new sideLightButtonCustom(&background);
    segment->setLedSize(w, h);
    segment->setRounded(rounded);
    segment->setLightColor(QColor(0, 255, 0));
    return background.grab().toImage();
}

} // namespace

class tst_sideLightButtonCustom : public QObject
{
    Q_OBJECT

private slots:
    void barFadesAlongItsLength_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("rounded");
        QTest::newRow("horizontal") << QSize(80, 8) << false;
        QTest::newRow("horizontal, rounded ends") << QSize(80, 8) << true;
        QTest::newRow("vertical") << QSize(8, 80) << false;
    }

    void barFadesAlongItsLength()
    {
        QFETCH(QSize, size);
        QFETCH(bool, rounded);
        const QImage image = paintSegment(size.width(), size.height(), rounded);
        const QPoint middle(size.width() / 2, size.height() / 2);
        const QPoint end = size.width() > size.height() ? QPoint(1, middle.y()) : QPoint(middle.x(), 1);
        QVERIFY(image.pixelColor(middle).green() > 240);
        QVERIFY(image.pixelColor(end).green() < 30);
    }

    // The light preview sets every segment on each refresh; one keeping its colour must not repaint.
    void unchangedLightColourDoesNotRepaint()
    {
        QWidget background;
        makeBlackBackdrop(background, QSize(100, 20));
        auto *segment = new sideLightButtonCustom(&background);
        segment->setLedSize(80, 8);
        segment->setLightColor(QColor(0, 0, 255, 250));
        background.show();
        QVERIFY(QTest::qWaitForWindowExposed(&background));
        QCoreApplication::processEvents();
        PaintCounter counter;
        segment->installEventFilter(&counter);
        for (int i = 0; i < 5; ++i) {
            segment->setLightColor(QColor(0, 0, 255, 250));
            QCoreApplication::processEvents();
        }
        QCOMPARE(counter.paints, 0);
        segment->setLightColor(QColor(0, 255, 0, 250));
        QTRY_COMPARE(counter.paints, 1);
    }

    void squareSegmentDrawsNothing()
    {
        const QImage image = paintSegment(10, 10, false);
        QCOMPARE(image.pixelColor(5, 5), QColor(Qt::black));
    }
};

QTEST_MAIN(tst_sideLightButtonCustom)
#include "tst_sideLightButtonCustom.moc"
