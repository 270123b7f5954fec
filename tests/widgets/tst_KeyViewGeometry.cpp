#include "widgets/KeyViewGeometry.h"

#include <QtTest>

namespace {

KeyLayoutItem key(int code, int x, int y, int w, int h)
{
    return KeyLayoutItem{code, x, y, w, h, KeyLayoutItem::KindKey, 0};
}

KeyLayoutItem led(int x, int y, int w, int h, int side)
{
    return KeyLayoutItem{1, x, y, w, h, KeyLayoutItem::KindSideLed, side};
}

// Two rows of four columns: row 0 at y 0..40, row 1 at y 50..90 with a gap in column 0.
QVector<KeyLayoutItem> smallMatrix()
{
    return {key(41, 0, 0, 40, 40), key(58, 45, 0, 40, 40), key(0, -1, -1, 0, 0),   key(59, 95, 0, 40, 80),
            key(0, -1, -1, 0, 0),  key(4, 45, 50, 40, 40), key(5, 90, 50, 40, 40), key(0, -1, -1, 0, 0)};
}

} // namespace

// Declared before the test's QFETCH uses it, which a Release build requires.
Q_DECLARE_METATYPE(KeyLayoutItem)

class tst_KeyViewGeometry : public QObject
{
    Q_OBJECT

private slots:
    void roundScaled_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("rounded");
        QTest::newRow("2.35 down") << 2.35 << 2;
        QTest::newRow("2.3 down") << 2.3 << 2;
        QTest::newRow("2.4 up") << 2.4 << 3;
        QTest::newRow("2.95 up") << 2.95 << 3;
        QTest::newRow("67.5 up") << 67.5 << 68;
        QTest::newRow("63 exact") << 63.0 << 63;
        QTest::newRow("zero") << 0.0 << 0;
    }

    void roundScaled()
    {
        QFETCH(double, value);
        QFETCH(int, rounded);
        QCOMPARE(KeyViewGeometry::roundScaled(value), rounded);
    }

    // A picture of 600 x 200 needs 620 x 220 at 1.0, 920 x 320 at 1.5, 1220 x 420 at 2.0.
    void fittingScale_data()
    {
        QTest::addColumn<QSize>("available");
        QTest::addColumn<float>("wanted");
        QTest::addColumn<float>("scale");
        QTest::newRow("room for the zoom") << QSize(1300, 500) << 1.5f << 1.5f;
        QTest::newRow("exactly the zoom's size") << QSize(920, 320) << 1.5f << 1.5f;
        QTest::newRow("one pixel short of it") << QSize(919, 320) << 1.5f << 1.4f;
        QTest::newRow("height limits") << QSize(1300, 290) << 2.0f << 1.3f;
        QTest::newRow("restored window after zoom") << QSize(700, 250) << 1.5f << 1.1f;
        QTest::newRow("smaller than the picture") << QSize(300, 100) << 1.5f << 1.0f;
        QTest::newRow("unzoomed") << QSize(1300, 500) << 1.0f << 1.0f;
    }

    void fittingScale()
    {
        QFETCH(QSize, available);
        QFETCH(float, wanted);
        QFETCH(float, scale);
        QCOMPARE(KeyViewGeometry::fittingScale(QSize(600, 200), available, wanted), scale);
    }

    void keyRect_data()
    {
        QTest::addColumn<float>("scale");
        QTest::addColumn<int>("posX");
        QTest::addColumn<int>("width");
        QTest::addColumn<QRect>("rect");
        QTest::newRow("1.0 keeps load position") << 1.0f << 45 << 26 << QRect(55, 30, 26, 30);
        QTest::newRow("1.5 at 45") << 1.5f << 45 << 26 << QRect(78, 40, 39, 45);
        QTest::newRow("1.5 at 42") << 1.5f << 42 << 26 << QRect(73, 40, 39, 45);
        QTest::newRow("1.3 rounds tenths") << 1.3f << 45 << 27 << QRect(69, 36, 35, 39);
    }

    void keyRect()
    {
        QFETCH(float, scale);
        QFETCH(int, posX);
        QFETCH(int, width);
        QFETCH(QRect, rect);
        QCOMPARE(KeyViewGeometry::keyRect(key(4, posX, 20, width, 30), scale), rect);
    }

    void ledRect_data()
    {
        QTest::addColumn<KeyLayoutItem>("item");
        QTest::addColumn<float>("scale");
        QTest::addColumn<QRect>("rect");
        // Container of a 400 x 200 picture at 1.5: 620 x 320.
        QTest::newRow("left edge stays at 0, unscaled width") << led(0, 40, 6, 60, 1) << 1.5f << QRect(0, 70, 6, 90);
        QTest::newRow("left inside scales") << led(20, 40, 6, 60, 1) << 1.5f << QRect(40, 70, 9, 90);
        QTest::newRow("right edge follows the container") << led(395, 40, 6, 60, 2) << 1.5f << QRect(610, 70, 6, 90);
        QTest::newRow("top edge stays at 0, unscaled height") << led(100, 0, 60, 6, 3) << 1.5f << QRect(160, 0, 90, 6);
        QTest::newRow("bottom edge follows the container") << led(100, 195, 60, 6, 4) << 1.5f << QRect(160, 310, 90, 6);
        QTest::newRow("left edge at 1.0") << led(0, 40, 6, 60, 1) << 1.0f << QRect(0, 50, 6, 60);
        QTest::newRow("no side") << led(100, 100, 10, 10, 0) << 1.5f << QRect();
    }

    void ledRect()
    {
        QFETCH(KeyLayoutItem, item);
        QFETCH(float, scale);
        QFETCH(QRect, rect);
        const QSize container = KeyViewGeometry::containerSize(QSize(400, 200), scale);
        QCOMPARE(KeyViewGeometry::ledRect(item, scale, container), rect);
    }

    void bandSelectsByTopLeftCorner_data()
    {
        QTest::addColumn<QRect>("band"); // corners as (x1, y1) and (x2, y2) in QRect's left/top/right/bottom
        QTest::addColumn<QVector<int>>("inside");
        const QPoint o(100, 20); // container origin; picture margin 10 → key (0,0) at (110, 30)
        Q_UNUSED(o);
        QTest::newRow("exact corners") << QRect(QPoint(110, 30), QPoint(155, 80)) << QVector<int>{0, 1, 5};
        QTest::newRow("reversed corners") << QRect(QPoint(155, 80), QPoint(110, 30)) << QVector<int>{0, 1, 5};
        QTest::newRow("one pixel short of a corner") << QRect(QPoint(111, 31), QPoint(154, 79)) << QVector<int>{};
        QTest::newRow("everything") << QRect(QPoint(0, 0), QPoint(1000, 1000)) << QVector<int>{0, 1, 3, 5, 6};
        QTest::newRow("empty band at a corner") << QRect(QPoint(155, 30), QPoint(155, 30)) << QVector<int>{1};
    }

    void bandSelectsByTopLeftCorner()
    {
        QFETCH(QRect, band);
        QFETCH(QVector<int>, inside);
        // QRect normalises nothing when built from points, so left/top may exceed right/bottom.
        QCOMPARE(KeyViewGeometry::keysInBand(smallMatrix(), 1.0f, QPoint(100, 20), band.left(), band.top(),
                                             band.right(), band.bottom()),
                 inside);
    }

    void bandAtScale()
    {
        // Corners are truncated, not rounded: key 5 (posX 90) at 1.5 lies at 100 + 135 + 10.
        const QVector<int> hits = KeyViewGeometry::keysInBand(smallMatrix(), 1.5f, QPoint(100, 0), 245, 85, 245, 85);
        QCOMPARE(hits, QVector<int>{6});
    }

    void keyAt_data()
    {
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<int>("hit");
        QTest::newRow("first key") << QPoint(20, 20) << 0;
        QTest::newRow("on the corner is outside") << QPoint(10, 10) << -1;
        QTest::newRow("between keys") << QPoint(52, 20) << -1;
        QTest::newRow("tall key within its row band") << QPoint(120, 40) << 3;
        // The tall key reaches into row 1, but row 1's head is a gap: it has no band.
        QTest::newRow("tall key below its row band") << QPoint(120, 80) << -1;
        QTest::newRow("row without band") << QPoint(70, 80) << -1;
        QTest::newRow("left of the container") << QPoint(0, 20) << -1;
    }

    void keyAt()
    {
        QFETCH(QPoint, point);
        QFETCH(int, hit);
        QCOMPARE(KeyViewGeometry::keyAt(smallMatrix(), 4, 1.0f, QPoint(0, 0), 300, point), hit);
    }

    void keyAtWithoutRowsFindsNothing()
    {
        QCOMPARE(KeyViewGeometry::keyAt({}, 22, 1.0f, QPoint(0, 0), 300, QPoint(20, 20)), -1);
        // A partial row (fewer records than columns) has no head to read.
        QCOMPARE(KeyViewGeometry::keyAt({key(4, 0, 0, 40, 40)}, 22, 1.0f, QPoint(0, 0), 300, QPoint(20, 20)), -1);
    }
};

QTEST_GUILESS_MAIN(tst_KeyViewGeometry)
#include "tst_KeyViewGeometry.moc"
