#include "widgets/MySlider.h"
#include "widgets/SliderHandleHit.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

// Counts the events a slider hands to its parent.
class EventCountingParent : public QWidget
{
public:
    int pressAccepted = 0;
    int wheels = 0;

protected:
    bool event(QEvent *event) override
    {
        if (event->type() == MySlider::PressAcceptedEventType)
            ++pressAccepted;
        if (event->type() == QEvent::Wheel)
            ++wheels;
        return QWidget::event(event);
    }
};

} // namespace

class tst_MySlider : public QObject
{
    Q_OBJECT

private slots:
    void estimatedHandleX_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("minimum");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<int>("value");
        QTest::addColumn<bool>("fromZero");
        QTest::addColumn<int>("expected");
        QTest::newRow("0..100 at 50, width 200") << 200 << 0 << 100 << 50 << true << 100;
        QTest::newRow("integer division first") << 250 << 0 << 100 << 50 << true << 100;
        QTest::newRow("offset range") << 200 << 10 << 60 << 35 << false << 100;
        QTest::newRow("offset range counted from zero") << 200 << 10 << 60 << 35 << true << 105;
        QTest::newRow("maximum 0 does not divide") << 200 << 0 << 0 << 0 << true << 0;
        QTest::newRow("empty range does not divide") << 200 << 5 << 5 << 5 << false << 0;
    }
    void estimatedHandleX()
    {
        QFETCH(int, width);
        QFETCH(int, minimum);
        QFETCH(int, maximum);
        QFETCH(int, value);
        QFETCH(bool, fromZero);
        QFETCH(int, expected);
        QCOMPARE(SliderHandleHit::estimatedHandleX(width, minimum, maximum, value, fromZero), expected);
    }

    void pressWindowAroundHandle_data()
    {
        QTest::addColumn<int>("x");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("89 left of window") << 89 << false;
        QTest::newRow("90 left edge") << 90 << true;
        QTest::newRow("100 on handle") << 100 << true;
        QTest::newRow("105 right edge") << 105 << true;
        QTest::newRow("106 right of window") << 106 << false;
        QTest::newRow("far left") << 5 << false;
    }
    void pressWindowAroundHandle()
    {
        QFETCH(int, x);
        QFETCH(bool, accepted);
        EventCountingParent parent;
        parent.resize(300, 60);
        auto *slider = new MySlider(&parent);
        slider->setOrientation(Qt::Horizontal);
        slider->setRange(0, 100);
        slider->setValue(50);
        slider->setGeometry(0, 0, 200, 30);
        QSignalSpy pressed(slider, &QSlider::sliderPressed);

        QTest::mousePress(slider, Qt::LeftButton, {}, QPoint(x, 15));
        QTest::mouseRelease(slider, Qt::LeftButton, {}, QPoint(x, 15));

        QCOMPARE(slider->value(), 50);
        QCOMPARE(parent.pressAccepted, accepted ? 1 : 0);
        if (!accepted)
            QCOMPARE(pressed.count(), 0);
    }

    void pressWithMaximumZeroDoesNotCrash()
    {
        EventCountingParent parent;
        auto *slider = new MySlider(&parent);
        slider->setOrientation(Qt::Horizontal);
        slider->setRange(0, 0);
        slider->setGeometry(0, 0, 200, 30);
        QTest::mousePress(slider, Qt::LeftButton, {}, QPoint(3, 15));
        QCOMPARE(parent.pressAccepted, 1);
        QCOMPARE(slider->value(), 0);
    }

    void wheelChangesNothingAndStopsAtSlider()
    {
        EventCountingParent parent;
        auto *slider = new MySlider(&parent);
        slider->setOrientation(Qt::Horizontal);
        slider->setRange(0, 100);
        slider->setValue(50);
        slider->setGeometry(0, 0, 200, 30);
        QWheelEvent wheel(QPointF(100, 15), QPointF(100, 15), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(slider, &wheel);
        QCOMPARE(slider->value(), 50);
        QCOMPARE(parent.wheels, 0);
    }
};

QTEST_MAIN(tst_MySlider)
#include "tst_MySlider.moc"
