#include "widgets/ColorRingGeometry.h"
#include "widgets/SVColorArea.h"

#include <QSignalSpy>
#include <QtTest>

class tst_SVColorArea : public QObject
{
    Q_OBJECT

private slots:
    void ringStartsAtDistanceForty_data()
    {
        QTest::addColumn<QPoint>("pos");
        QTest::addColumn<bool>("ring");
        QTest::newRow("exactly 40 right") << QPoint(100, 60) << true;
        QTest::newRow("exactly 40 diagonal 24/32") << QPoint(84, 92) << true;
        QTest::newRow("39.6 diagonal 28/28") << QPoint(88, 88) << false;
        QTest::newRow("39 up") << QPoint(60, 21) << false;
        QTest::newRow("centre") << QPoint(60, 60) << false;
        QTest::newRow("corner") << QPoint(0, 0) << true;
    }
    void ringStartsAtDistanceForty()
    {
        QFETCH(QPoint, pos);
        QFETCH(bool, ring);
        QCOMPARE(ColorRingGeometry::isRingPress(pos), ring);
    }

    void ringValueAroundTheCentre_data()
    {
        QTest::addColumn<QPoint>("pos");
        QTest::addColumn<double>("value");
        QTest::newRow("left") << QPoint(0, 59) << 25.0;
        QTest::newRow("bottom") << QPoint(59, 119) << 50.0;
        QTest::newRow("right") << QPoint(119, 59) << 75.0;
        QTest::newRow("top") << QPoint(59, 0) << 100.0;
    }
    void ringValueAroundTheCentre()
    {
        QFETCH(QPoint, pos);
        QFETCH(double, value);
        QCOMPARE(ColorRingGeometry::ringValueAt(pos, QPoint(59, 59), 0, 100), value);
    }

    void ringValueJumpsAcrossTheTop()
    {
        const double justLeft = ColorRingGeometry::ringValueAt(QPoint(58, 0), QPoint(59, 59), 0, 100);
        const double justRight = ColorRingGeometry::ringValueAt(QPoint(60, 0), QPoint(59, 59), 0, 100);
        QVERIFY(justLeft < 1.0);
        QVERIFY(justRight > 99.0);
        QCOMPARE(ColorRingGeometry::knobAngle(25, 0, 100), -90.0);
    }

    void hexTextIsUpperCaseAndPadded_data()
    {
        QTest::addColumn<QColor>("color");
        QTest::addColumn<QString>("hex");
        QTest::newRow("orange") << QColor(255, 143, 31) << "#FF8F1F";
        QTest::newRow("black") << QColor(0, 0, 0) << "#000000";
        QTest::newRow("small parts") << QColor(1, 10, 171) << "#010AAB";
    }
    void hexTextIsUpperCaseAndPadded()
    {
        QFETCH(QColor, color);
        QFETCH(QString, hex);
        QCOMPARE(ColorRingGeometry::hexRgb(color.red(), color.green(), color.blue()), hex);
    }

    void dragFromRingKeepsTurningOverTheDisc()
    {
        SVColorArea area;
        QTest::mousePress(&area, Qt::LeftButton, {}, QPoint(0, 59));
        QCOMPARE(area.ringValue(), 25.0);
        QMouseEvent overDisc(QEvent::MouseMove, QPointF(59, 80), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&area, &overDisc);
        QCOMPARE(area.ringValue(), 50.0);

        // A drag that starts on the disc leaves the ring alone.
        QTest::mousePress(&area, Qt::LeftButton, {}, QPoint(60, 60));
        QCOMPARE(area.ringValue(), 0.0);
        QMouseEvent overRing(QEvent::MouseMove, QPointF(0, 59), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&area, &overRing);
        QCOMPARE(area.ringValue(), 0.0);
    }

    void resetRotateValueReportsZero()
    {
        SVColorArea area;
        area.show();
        QVERIFY(QTest::qWaitForWindowExposed(&area));
        QSignalSpy moving(&area, &SVColorArea::sigMoveingStatus);
        QTest::mousePress(&area, Qt::LeftButton, {}, QPoint(119, 59));
        QTRY_VERIFY(!moving.isEmpty() && moving.last().at(0).toInt() == 75);
        QCOMPARE(moving.last().at(1).toInt(), -270);
        area.resetRotateValue();
        QTRY_VERIFY(moving.last().at(0).toInt() == 0);
    }
};

QTEST_MAIN(tst_SVColorArea)
#include "tst_SVColorArea.moc"
