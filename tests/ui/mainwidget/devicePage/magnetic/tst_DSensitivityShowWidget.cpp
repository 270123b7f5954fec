#include "resources/VorlanResources.h"
#include "ui/mainwidget/devicePage/magnetic/DSensitivityShowWidget.h"
#include "ui/mainwidget/devicePage/magnetic/TravelScale.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

// The display as the trigger tab lays it out: a 168 x 140 area with a 38-pixel bar.
void layOut(DSensitivityShowWidget &display, int n)
{
    display.resize(168, 150);
    display.setDrawArea(168, 140);
    display.setStepCount(n);
    display.setBarWidth(38);
}

// A move with a button held, as a drag delivers it.
void dragTo(QWidget &widget, const QPoint &position)
{
    QMouseEvent move(QEvent::MouseMove, position, widget.mapToGlobal(position), Qt::NoButton, Qt::RightButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&widget, &move);
}

int lastReportedStep(const QSignalSpy &spy)
{
    return spy.isEmpty() ? -1 : spy.last().at(1).toInt();
}

} // namespace

// The travel display: its geometry and snapping, its fill, and the report of every paint.
class tst_DSensitivityShowWidget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void geometry_data();
    void geometry();
    void snapping_data();
    void snapping();
    void fadeAndMillimetres();
    void everyPaintReportsTheMark();
    void pressAndDragMoveTheMark();
    void lastSegmentIsTransparentAndFillFades();
    void withoutMaximumTravelNothingIsReported();
};

void tst_DSensitivityShowWidget::initTestCase()
{
    initVorlanResources();
}

void tst_DSensitivityShowWidget::geometry_data()
{
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("pitch");
    QTest::addColumn<int>("firstTick");
    QTest::addColumn<int>("lastTick");
    QTest::addColumn<int>("tickCount");
    QTest::newRow("maximum travel 40") << 140 << 41 << 3 << 8 << 125 << 40;
    QTest::newRow("maximum travel 39") << 140 << 40 << 3 << 8 << 122 << 39;
    QTest::newRow("construction's ten steps") << 140 << 10 << 14 << 19 << 131 << 9;
    QTest::newRow("two steps, one boundary") << 140 << 2 << 70 << 75 << 75 << 1;
    QTest::newRow("one step, no boundary") << 140 << 1 << 140 << -1 << -1 << 0;
}

void tst_DSensitivityShowWidget::geometry()
{
    QFETCH(int, height);
    QFETCH(int, n);
    QFETCH(int, pitch);
    QFETCH(int, firstTick);
    QFETCH(int, lastTick);
    QFETCH(int, tickCount);
    QCOMPARE(TravelScale::pitch(height, n), pitch);
    const QVector<int> ticks = TravelScale::ticks(height, n);
    QCOMPARE(ticks.size(), tickCount);
    if (tickCount > 0) {
        QCOMPARE(ticks.first(), firstTick);
        QCOMPARE(ticks.last(), lastTick);
    }
    // Each half is taken on its own: 50 - 19, not (100 - 39) / 2.
    QCOMPARE(TravelScale::barLeft(100, 39), 31);
    QCOMPARE(TravelScale::barLeft(168, 38), 65);
}

void tst_DSensitivityShowWidget::snapping_data()
{
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("snappedY");
    QTest::newRow("nearer the first tick") << 140 << 41 << 9 << 1 << 8;
    QTest::newRow("nearer the second tick") << 140 << 41 << 10 << 2 << 11;
    QTest::newRow("above the bar") << 140 << 41 << 0 << 1 << 8;
    QTest::newRow("below the bar") << 140 << 41 << 400 << 40 << 125;
    QTest::newRow("on the last tick") << 140 << 41 << 125 << 40 << 125;
    QTest::newRow("on the middle tick") << 140 << 41 << 65 << 20 << 65;
    // Ticks 4 apart (9, 13, ...): halfway takes the lower boundary, the larger step.
    QTest::newRow("halfway") << 40 << 10 << 11 << 2 << 13;
    QTest::newRow("just above halfway") << 40 << 10 << 10 << 1 << 9;
}

void tst_DSensitivityShowWidget::snapping()
{
    QFETCH(int, height);
    QFETCH(int, n);
    QFETCH(int, y);
    QFETCH(int, step);
    QFETCH(int, snappedY);
    const TravelScale::Snap snap = TravelScale::snap(TravelScale::ticks(height, n), y);
    QCOMPARE(snap.step, step);
    QCOMPARE(snap.y, snappedY);
}

void tst_DSensitivityShowWidget::fadeAndMillimetres()
{
    const struct
    {
        int component, n, decrement;
    } fades[] = {{255, 41, 3}, {143, 41, 1}, {31, 41, 0}, {255, 10, 12}, {143, 10, 7}, {31, 10, 1}, {255, 0, 0}};
    for (const auto &fade : fades)
        QCOMPARE(TravelScale::fadeDecrement(fade.component, fade.n), fade.decrement);
    QCOMPARE(TravelScale::millimetres(5), QString("0.5mm"));
    QCOMPARE(TravelScale::millimetres(20), QString("2.0mm"));
    QCOMPARE(TravelScale::millimetres(25), QString("2.5mm"));
}

void tst_DSensitivityShowWidget::everyPaintReportsTheMark()
{
    DSensitivityShowWidget display;
    layOut(display, 41);
    display.setCenterMark(20);
    QCOMPARE(display.centerY(), 65);
    QSignalSpy reports(&display, &DSensitivityShowWidget::sigCurrentStrengthNumBack);
    display.grab();
    QCOMPARE(reports.size(), 1);
    QCOMPARE(reports.first(), QVariantList({1, 20}));
    // Nothing changed: the next paint still reports.
    display.grab();
    QCOMPARE(reports.size(), 2);
    QCOMPARE(reports.last(), QVariantList({1, 20}));

    // A step outside the boundaries is held at the first or the last one.
    display.setCenterMark(41);
    display.grab();
    QCOMPARE(lastReportedStep(reports), 40);
    display.setCenterMark(0);
    display.grab();
    QCOMPARE(lastReportedStep(reports), 1);
}

void tst_DSensitivityShowWidget::pressAndDragMoveTheMark()
{
    DSensitivityShowWidget display;
    layOut(display, 41);
    QSignalSpy reports(&display, &DSensitivityShowWidget::sigCurrentStrengthNumBack);

    QTest::mousePress(&display, Qt::RightButton, {}, QPoint(3, 0));
    display.grab();
    QCOMPARE(lastReportedStep(reports), 1);
    dragTo(display, QPoint(120, 66));
    display.grab();
    QCOMPARE(lastReportedStep(reports), 20);
    dragTo(display, QPoint(120, 149));
    display.grab();
    QCOMPARE(lastReportedStep(reports), 40);
    QTest::mouseRelease(&display, Qt::RightButton, {}, QPoint(120, 149));
    // After the release a move no longer drags.
    dragTo(display, QPoint(120, 20));
    display.grab();
    QCOMPARE(lastReportedStep(reports), 40);
}

void tst_DSensitivityShowWidget::lastSegmentIsTransparentAndFillFades()
{
    DSensitivityShowWidget display;
    layOut(display, 10);
    display.setCenterMark(1);
    const QColor segment(92, 92, 126);
    const QColor background(26, 27, 49);
    // Pitch 14, segments 12 high from y 5; x 70 is inside the bar, clear of the mark.
    const auto pixel = [&](int segmentIndex) {
        return display.grab().toImage().pixelColor(70, 5 + segmentIndex * 14 + 6);
    };
    QCOMPARE(pixel(8), segment);
    QCOMPARE(pixel(9), background);

    display.setLiveTravel(3);
    QCOMPARE(pixel(0), QColor(255, 143, 31));
    QCOMPARE(pixel(1), QColor(255 - 12, 143 - 7, 31 - 1));
    QCOMPARE(pixel(2), QColor(255 - 24, 143 - 14, 31 - 2));
    QCOMPARE(pixel(3), segment);
    display.setLiveTravelVisible(false);
    QCOMPARE(pixel(0), segment);
    display.setLiveTravelVisible(true);
    display.setLiveTravel(0);
    QCOMPARE(pixel(0), segment);
    // A travel beyond the bar fills the bar and no more.
    display.setLiveTravel(50);
    QCOMPARE(pixel(8), QColor(255 - 96, 143 - 56, 31 - 8));
}

void tst_DSensitivityShowWidget::withoutMaximumTravelNothingIsReported()
{
    DSensitivityShowWidget display;
    layOut(display, 1);
    display.setCenterMark(0);
    display.setCenterMark(1);
    QSignalSpy reports(&display, &DSensitivityShowWidget::sigCurrentStrengthNumBack);
    QTest::mousePress(&display, Qt::LeftButton, {}, QPoint(80, 60));
    display.grab();
    QVERIFY(reports.isEmpty());
}

QTEST_MAIN(tst_DSensitivityShowWidget)
#include "tst_DSensitivityShowWidget.moc"
