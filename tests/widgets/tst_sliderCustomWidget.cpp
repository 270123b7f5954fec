#include "widgets/StepSliderGeometry.h"
#include "widgets/sliderCustomWidget.h"

#include <QSignalSpy>
#include <QtTest>

class tst_sliderCustomWidget : public QObject
{
    Q_OBJECT

private:
    // The lighting page's slider: 140 x 40, margin 6, 5 steps.
    static void setUpLightingSlider(sliderCustomWidget &slider)
    {
        slider.setSliderSize(140, 40);
        slider.setMargin(6);
        slider.setStepCount(5);
    }

private slots:
    void ticksAndGrooveFollowSizeMarginAndSteps_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("margin");
        QTest::addColumn<int>("steps");
        QTest::addColumn<QVector<int>>("ticks");
        QTest::newRow("lighting 140/6/5") << 140 << 6 << 5 << QVector<int>{6, 31, 56, 81, 106, 131};
        QTest::newRow("trigger speed 220/6/7") << 220 << 6 << 7 << QVector<int>{6, 35, 64, 93, 122, 151, 180, 209};
        QTest::newRow("trigger rate 220/6/3") << 220 << 6 << 3 << QVector<int>{6, 75, 144, 213};
        QTest::newRow("one step") << 100 << 10 << 1 << QVector<int>{10, 90};
    }
    void ticksAndGrooveFollowSizeMarginAndSteps()
    {
        QFETCH(int, width);
        QFETCH(int, margin);
        QFETCH(int, steps);
        QFETCH(QVector<int>, ticks);
        sliderCustomWidget slider;
        slider.setSliderSize(width, 40);
        slider.setMargin(margin);
        slider.setStepCount(steps);
        QCOMPARE(slider.tickPositions(), ticks);
        QCOMPARE(slider.grooveEnd(), ticks.last());
        QCOMPARE(slider.grooveY(), 20);
        QCOMPARE(slider.handleY(), 19);
    }

    void stepCountZeroLeavesSliderAsItWas()
    {
        sliderCustomWidget slider;
        setUpLightingSlider(slider);
        slider.setStepCount(0);
        slider.setStepCount(-3);
        QCOMPARE(slider.tickPositions(), (QVector<int>{6, 31, 56, 81, 106, 131}));
        QCOMPARE(slider.grooveEnd(), 131);
    }

    void pressTarget_data()
    {
        QTest::addColumn<int>("handleX");
        QTest::addColumn<int>("pressX");
        QTest::addColumn<int>("expected");
        QTest::newRow("4 px left of a tick snaps") << 6 << 77 << 3;
        QTest::newRow("4 px right of a tick snaps") << 6 << 85 << 3;
        QTest::newRow("5 px from a tick steps one right") << 6 << 76 << 1;
        QTest::newRow("far right steps one right") << 31 << 139 << 2;
        QTest::newRow("far left steps one left") << 106 << 0 << 3;
        QTest::newRow("on the last tick, further right") << 131 << 137 << -1;
        QTest::newRow("on the first tick, further left") << 6 << 0 << -1;
        QTest::newRow("on the handle between ticks") << 20 << 20 << -1;
    }
    void pressTarget()
    {
        QFETCH(int, handleX);
        QFETCH(int, pressX);
        QFETCH(int, expected);
        const QVector<int> ticks = StepSliderGeometry::tickPositions(140, 6, 5);
        QCOMPARE(StepSliderGeometry::pressTarget(ticks, handleX, pressX), expected);
    }

    void pressMovesHandleAndReportsTick()
    {
        sliderCustomWidget slider;
        setUpLightingSlider(slider);
        slider.setCurrentPosition(0);
        QSignalSpy spy(&slider, &sliderCustomWidget::sigBackCurrentPositionNum);

        QTest::mousePress(&slider, Qt::LeftButton, {}, QPoint(135, 20));
        QCOMPARE(slider.handleX(), 131);
        QTest::mousePress(&slider, Qt::LeftButton, {}, QPoint(139, 20));
        QCOMPARE(slider.handleX(), 131);
        QTest::mousePress(&slider, Qt::LeftButton, {}, QPoint(0, 20));
        QCOMPARE(slider.handleX(), 106);

        QCOMPARE(spy.count(), 2);
        QCOMPARE(spy.at(0).at(0).toInt(), 5);
        QCOMPARE(spy.at(1).at(0).toInt(), 4);
    }

    void dragSnapsOnlyNearTicks()
    {
        sliderCustomWidget slider;
        setUpLightingSlider(slider);
        slider.setCurrentPosition(0);
        QSignalSpy spy(&slider, &sliderCustomWidget::sigBackCurrentPositionNum);

        QMouseEvent between(QEvent::MouseMove, QPointF(44, 20), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&slider, &between);
        QCOMPARE(slider.handleX(), 6);
        QMouseEvent nearTick(QEvent::MouseMove, QPointF(53, 20), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&slider, &nearTick);
        QCOMPARE(slider.handleX(), 56);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toInt(), 2);
    }

    void setCurrentPositionNeverEmits()
    {
        sliderCustomWidget slider;
        setUpLightingSlider(slider);
        QSignalSpy spy(&slider, &sliderCustomWidget::sigBackCurrentPositionNum);
        slider.setCurrentPosition(3);
        QCOMPARE(slider.handleX(), 81);
        QCOMPARE(spy.count(), 0);
    }
};

QTEST_MAIN(tst_sliderCustomWidget)
#include "tst_sliderCustomWidget.moc"
