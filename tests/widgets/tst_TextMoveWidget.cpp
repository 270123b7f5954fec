#include "widgets/MarqueeMotion.h"
#include "widgets/TextMoveWidget.h"

#include <QtTest>

namespace {

// Runs the bounce for a number of ticks and collects the turning points.
QVector<int> turningPoints(int textWidth, int widgetWidth, int ticks)
{
    MarqueeMotion motion;
    QVector<int> turns;
    bool right = motion.movingRight;
    for (int i = 0; i < ticks; ++i) {
        const int before = motion.x;
        motion.advance(textWidth, widgetWidth, 2, MarqueeMotion::Bounce);
        if (motion.movingRight != right) {
            turns.append(before);
            right = motion.movingRight;
        }
    }
    return turns;
}

} // namespace

class tst_TextMoveWidget : public QObject
{
    Q_OBJECT

private slots:
    void longTextSwingsBetweenTenAndMinusOverhangMinusTen()
    {
        // Text 50 px wider than the widget: 10 and -60.
        const QVector<int> turns = turningPoints(250, 200, 200);
        QVERIFY(turns.size() >= 3);
        QCOMPARE(turns.mid(0, 3), (QVector<int>{10, -60, 10}));
    }

    void shortTextTurnsAtTheRightEdgeAndAtZero()
    {
        // 100 px in 200: the right end passes 200 at x 102 (first x with x + t > W), back at 0.
        const QVector<int> turns = turningPoints(100, 200, 200);
        QVERIFY(turns.size() >= 2);
        QCOMPARE(turns.mid(0, 2), (QVector<int>{102, 0}));
    }

    void wrappingStyles_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("next");
        QTest::newRow("right: passes the right edge, back in from the left") << 1 << 201 << -98;
        QTest::newRow("right: moving") << 1 << 50 << 52;
        QTest::newRow("left: passes the left edge, back in from the right") << 2 << -101 << 198;
        QTest::newRow("left: moving") << 2 << 50 << 48;
        QTest::newRow("unknown style stands") << 7 << 50 << 50;
    }
    void wrappingStyles()
    {
        QFETCH(int, style);
        QFETCH(int, x);
        QFETCH(int, next);
        MarqueeMotion motion;
        motion.x = x;
        motion.advance(100, 200, 2, style);
        QCOMPARE(motion.x, next);
    }

    void setTextInLeftStyleStartsAtTheRightEdge()
    {
        TextMoveWidget marquee;
        marquee.resize(200, 30);
        marquee.setMoveStyle(TextMoveWidget::MoveStyleLeft);
        marquee.setText(QStringLiteral("Firmware upgrade"));
        QCOMPARE(marquee.textX(), 200);
    }

    void timerMovesTheText()
    {
        TextMoveWidget marquee;
        marquee.resize(400, 30);
        marquee.setText(QStringLiteral("abc"));
        marquee.show();
        QTRY_VERIFY(marquee.textX() >= 10);
    }

    void hoverStopHoldsThePosition()
    {
        TextMoveWidget marquee;
        marquee.resize(400, 30);
        marquee.setMouseHoverStop(true);
        marquee.setText(QStringLiteral("abc"));
        // Tick by hand so the test does not depend on timing.
        marquee.findChild<QTimer *>()->stop();
        QMetaObject::invokeMethod(&marquee, "updatePos");
        QCOMPARE(marquee.textX(), 2);

        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(&marquee, &enter);
        for (int i = 0; i < 5; ++i)
            QMetaObject::invokeMethod(&marquee, "updatePos");
        QCOMPARE(marquee.textX(), 2);

        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(&marquee, &leave);
        QMetaObject::invokeMethod(&marquee, "updatePos");
        QCOMPARE(marquee.textX(), 4);
    }
};

QTEST_MAIN(tst_TextMoveWidget)
#include "tst_TextMoveWidget.moc"
