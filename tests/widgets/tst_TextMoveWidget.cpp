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

    void ticksOnlyWhileShown()
    {
        // A marquee nobody sees costs nothing: its timer starts with the first show.
        QWidget window;
        auto *marquee = new TextMoveWidget(&window);
        marquee->resize(400, 30);
        marquee->setText(QStringLiteral("abc"));
        marquee->hide();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto *timer = marquee->findChild<QTimer *>();
        QVERIFY(!timer->isActive());
        QTest::qWait(60);
        QCOMPARE(marquee->textX(), 0);

        marquee->show();
        QVERIFY(timer->isActive());
        QTRY_VERIFY(marquee->textX() >= 4);
        window.hide();
        QVERIFY(!timer->isActive());
        const int stopped = marquee->textX();
        QTest::qWait(60);
        QCOMPARE(marquee->textX(), stopped);
    }

    void newFontMovesLongTextByItsNewWidth()
    {
        // The width is measured when text or font change, not per tick: a text that grew wider than
        // the box with a bigger font must swing like a long text.
        TextMoveWidget marquee;
        marquee.resize(120, 30);
        marquee.setText(QStringLiteral("Firmware"));
        QFont big = marquee.font();
        big.setPixelSize(60);
        marquee.setFont(big);
        QVERIFY(QFontMetrics(big).horizontalAdvance(marquee.text()) > 120);
        for (int i = 0; i < 6; ++i)
            QMetaObject::invokeMethod(&marquee, "updatePos");
        // A long text turns at 10 and goes back; a short one would run on to 12.
        QCOMPARE(marquee.textX(), 8);
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
