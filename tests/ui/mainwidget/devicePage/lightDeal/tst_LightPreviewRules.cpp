#include "ui/mainwidget/devicePage/lightDeal/LightPreviewRules.h"
#include "ui/mainwidget/devicePage/lightDeal/LightTickRule.h"

#include <QtTest>

namespace {

using Rgb = LightPreviewRules::Rgb;

LightCellStu cell(int r, int g, int b, int alpha, int code = 0)
{
    LightCellStu c{};
    c.red = r;
    c.green = g;
    c.blue = b;
    c.alpha = alpha;
    c.code = code;
    return c;
}

} // namespace

Q_DECLARE_METATYPE(LightCellStu)
Q_DECLARE_METATYPE(LightPreviewRules::Rgb)

class TestLightPreviewRules : public QObject
{
    Q_OBJECT

private slots:
    void keyboardColouring_data();
    void keyboardColouring();
    void sideColouring_data();
    void sideColouring();
    void customShowsTheCellUnlessBlack();
    void dimming_data();
    void dimming();
    void finalColourDarkensAfterTheAlpha();
    void speedRespondKeepsTheLaterRow();
    void tickTables_data();
    void tickTables();
    void tickRuleOnAFakeClock();
    void idleBeforeDue_data();
    void idleBeforeDue();
};

void TestLightPreviewRules::keyboardColouring_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("full");
    QTest::addColumn<Rgb>("c1");
    QTest::addColumn<Rgb>("c2");
    QTest::addColumn<LightCellStu>("cell");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<Rgb>("colour");
    QTest::addColumn<int>("alpha");

    const Rgb red{255, 0, 0};
    const Rgb blue{0, 0, 255};
    const Rgb black{};
    const Rgb sdk{10, 20, 30};
    const LightCellStu half = cell(200, 100, 0, 128);
    QTest::newRow("static") << 0 << false << red << black << cell(255, 0, 0, 255) << true << red << 180;
    QTest::newRow("static, black C1") << 0 << false << black << black << cell(255, 0, 0, 255) << true << red << 0;
    QTest::newRow("breath scales") << 1 << false << red << black << cell(255, 0, 0, 250) << true << Rgb{249, 0, 0}
                                   << 200;
    QTest::newRow("breath dark, C1 black") << 1 << false << black << black << cell(0, 0, 0, 100) << true << black << 0;
    QTest::newRow("wave full colour") << 2 << true << black << black << half << true << Rgb{200, 100, 0} << 180;
    QTest::newRow("wave mixes C1 and C2") << 2 << false << red << blue << half << true << Rgb{127, 0, 126} << 180;
    QTest::newRow("wave decides by C1") << 2 << false << black << blue << cell(0, 0, 0, 250) << true << Rgb{0, 0, 4}
                                        << 200;
    QTest::newRow("neon cycles in full colour") << 3 << true << red << blue << half << true << Rgb{200, 100, 0} << 180;
    QTest::newRow("neon mixes cell and C2")
        << 3 << false << red << blue << cell(255, 0, 0, 0) << true << Rgb{0, 0, 254} << 180;
    QTest::newRow("radar decides by C2") << 4 << false << red << black << cell(0, 0, 0, 250) << true << Rgb{249, 0, 0}
                                         << 200;
    QTest::newRow("snake full, k 3") << 5 << true << red << black << cell(0, 0, 0, 20, 3) << true << sdk << 180;
    QTest::newRow("snake full, k 0") << 5 << true << red << black << cell(0, 0, 0, 20, 0) << true << sdk << 20;
    QTest::newRow("snake plain ignores k")
        << 5 << false << red << black << cell(255, 0, 0, 20, 3) << true << Rgb{19, 0, 0} << 20;
    QTest::newRow("reactive full, k 9") << 6 << true << red << black << cell(0, 0, 0, 250, 9) << true << sdk << 180;
    QTest::newRow("reactive plain, k 9") << 6 << false << red << black << cell(0, 0, 0, 250, 9) << true << sdk << 200;
    QTest::newRow("aurora, C2 set") << 7 << false << red << blue << cell(0, 0, 0, 10) << true << sdk << 180;
    QTest::newRow("ripple ignores k") << 8 << true << red << black << cell(0, 0, 0, 30, 5) << true << sdk << 30;
    QTest::newRow("twinkle, C2 black") << 9 << false << red << black << cell(255, 0, 0, 250) << true << Rgb{199, 0, 0}
                                       << 200;
    QTest::newRow("twinkle, C2 set") << 9 << false << red << blue << cell(255, 0, 0, 0) << true << Rgb{0, 0, 254}
                                     << 180;
    QTest::newRow("cross full, k 1") << 11 << true << red << black << cell(0, 0, 0, 5, 1) << true << sdk << 180;
    QTest::newRow("speed respond") << 12 << false << red << black << cell(0, 0, 0, 240) << true << sdk << 200;
    QTest::newRow("auto ripple") << 14 << false << red << blue << cell(0, 0, 0, 0) << true << sdk << 180;
    QTest::newRow("striation full, k 10") << 15 << true << red << black << cell(0, 0, 0, 50, 10) << true << sdk << 50;
    QTest::newRow("fireworks full, k 9") << 16 << true << red << black << cell(0, 0, 0, 0, 9) << true << sdk << 180;
    QTest::newRow("custom has no step here") << 10 << false << red << black << half << false << black << 0;
    QTest::newRow("DPI leaves the colours") << 13 << false << red << black << half << false << black << 0;
    QTest::newRow("code 17 leaves the colours") << 17 << false << red << black << half << false << black << 0;
}

void TestLightPreviewRules::keyboardColouring()
{
    QFETCH(int, mode);
    QFETCH(bool, full);
    QFETCH(Rgb, c1);
    QFETCH(Rgb, c2);
    QFETCH(LightCellStu, cell);
    QFETCH(bool, valid);
    QFETCH(Rgb, colour);
    QFETCH(int, alpha);
    const auto preview = LightPreviewRules::keyboardPreview(mode, full, c1, c2, cell, {10, 20, 30});
    QCOMPARE(preview.valid, valid);
    if (!valid)
        return;
    QCOMPARE(QVector<int>({preview.red, preview.green, preview.blue}),
             QVector<int>({colour.red, colour.green, colour.blue}));
    QCOMPARE(preview.alpha, alpha);
    QVERIFY(preview.darken);
}

void TestLightPreviewRules::sideColouring_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("full");
    QTest::addColumn<Rgb>("c1");
    QTest::addColumn<Rgb>("c2");
    QTest::addColumn<LightCellStu>("cell");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<Rgb>("colour");
    QTest::addColumn<int>("alpha");
    QTest::addColumn<bool>("darken");

    const Rgb red{255, 0, 0};
    const Rgb blue{0, 0, 255};
    const Rgb black{};
    LightCellStu head = cell(255, 0, 0, 0, 9);
    head.bgBlue = 255;
    QTest::newRow("static") << 0 << false << blue << black << cell(0, 0, 255, 255) << true << blue << 250 << true;
    QTest::newRow("static, black C1") << 0 << false << black << red << cell(0, 0, 255, 255) << true << blue << 0
                                      << true;
    QTest::newRow("breath decides by C2")
        << 1 << false << red << blue << cell(0, 0, 0, 100) << true << black << 100 << true;
    QTest::newRow("wave full colour") << 2 << true << red << black << cell(1, 2, 3, 9) << true << Rgb{1, 2, 3} << 250
                                      << true;
    QTest::newRow("wave decides by C2") << 2 << false << red << black << cell(0, 0, 0, 255) << true << Rgb{254, 0, 0}
                                        << 200 << true;
    QTest::newRow("collision full: k and bg")
        << 3 << true << red << black << head << true << Rgb{0, 0, 254} << 250 << true;
    QTest::newRow("collision plain mixes C2")
        << 3 << false << red << blue << cell(255, 0, 0, 255, 9) << true << Rgb{254, 0, 0} << 250 << true;
    QTest::newRow("neon") << 4 << true << red << black << cell(7, 8, 9, 0) << true << Rgb{7, 8, 9} << 250 << true;
    QTest::newRow("close is not darkened")
        << 5 << false << red << blue << cell(255, 0, 0, 255) << true << black << 0 << false;
    QTest::newRow("code 6 leaves the colours")
        << 6 << false << red << blue << cell(255, 0, 0, 255) << false << black << 0 << true;
}

void TestLightPreviewRules::sideColouring()
{
    QFETCH(int, mode);
    QFETCH(bool, full);
    QFETCH(Rgb, c1);
    QFETCH(Rgb, c2);
    QFETCH(LightCellStu, cell);
    QFETCH(bool, valid);
    QFETCH(Rgb, colour);
    QFETCH(int, alpha);
    QFETCH(bool, darken);
    const auto preview = LightPreviewRules::sidePreview(mode, full, c1, c2, cell);
    QCOMPARE(preview.valid, valid);
    if (!valid)
        return;
    QCOMPARE(QVector<int>({preview.red, preview.green, preview.blue}),
             QVector<int>({colour.red, colour.green, colour.blue}));
    QCOMPARE(preview.alpha, alpha);
    QCOMPARE(preview.darken, darken);
}

void TestLightPreviewRules::customShowsTheCellUnlessBlack()
{
    QCOMPARE(LightPreviewRules::customPreview(cell(0, 255, 0, 255)).alpha, 180);
    QCOMPARE(LightPreviewRules::customPreview(cell(0, 0, 0, 255)).alpha, 0);
}

void TestLightPreviewRules::dimming_data()
{
    QTest::addColumn<int>("steps");
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("factor");
    QTest::newRow("5 steps, top level 6") << 5 << 6 << 100;
    QTest::newRow("5 steps, level 5") << 5 << 5 << 132;
    QTest::newRow("5 steps, level 1") << 5 << 1 << 260;
    QTest::newRow("4 steps, level 5") << 4 << 5 << 100;
    QTest::newRow("4 steps, level 1") << 4 << 1 << 260;
    QTest::newRow("0 steps taken as 1, level 2") << 0 << 2 << 100;
    QTest::newRow("0 steps taken as 1, level 1") << 0 << 1 << 260;
    QTest::newRow("level above the map: nearest") << 5 << 9 << 100;
    QTest::newRow("level 0: nearest") << 5 << 0 << 260;
}

void TestLightPreviewRules::dimming()
{
    QFETCH(int, steps);
    QFETCH(int, level);
    QFETCH(int, factor);
    const QMap<int, int> map = LightPreviewRules::brightnessMap(steps);
    QCOMPARE(map.size(), (steps > 0 ? steps : 1) + 1);
    QCOMPARE(LightPreviewRules::darkenFactor(map, LightPreviewRules::dimStep(steps), level), factor);
}

void TestLightPreviewRules::finalColourDarkensAfterTheAlpha()
{
    LightPreviewRules::Preview preview;
    preview.red = 255;
    preview.alpha = 180;
    preview.darken = true;
    QCOMPARE(LightPreviewRules::finalColor(preview, 100), QColor(255, 0, 0, 180));
    const QColor dark = LightPreviewRules::finalColor(preview, 200);
    QCOMPARE(dark.alpha(), 180);
    QCOMPARE(dark.red(), 127);
    preview.darken = false;
    QCOMPARE(LightPreviewRules::finalColor(preview, 260), QColor(255, 0, 0, 180));
}

void TestLightPreviewRules::speedRespondKeepsTheLaterRow()
{
    LightCellStu cells[kLightKeyCells] = {};
    auto columnZero = [&](int row, int level, int alpha) {
        cells[row * kLightKeyColumns].level = level;
        cells[row * kLightKeyColumns].alpha = alpha;
    };
    columnZero(1, 3, 100);
    columnZero(4, 3, 250);                     // same level, later row: replaces the value
    columnZero(5, 6, 0);                       // dark: not taken
    cells[2 * kLightKeyColumns + 1].level = 9; // not column 0
    cells[2 * kLightKeyColumns + 1].alpha = 255;
    const QMap<int, int> limited = LightPreviewRules::speedRespondLevels(cells, false);
    QCOMPARE(limited, (QMap<int, int>{{3, 200}}));
    QCOMPARE(LightPreviewRules::speedRespondLevels(cells, true), (QMap<int, int>{{3, 250}}));
}

void TestLightPreviewRules::tickTables_data()
{
    QTest::addColumn<bool>("side");
    QTest::addColumn<int>("steps");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("period");
    QTest::newRow("keys, 4 steps, index 3") << false << 4 << 3 << 12;
    QTest::newRow("keys, 5 steps, index 3") << false << 5 << 3 << 22;
    QTest::newRow("keys, 3 steps: table A") << false << 3 << 1 << 24;
    QTest::newRow("side, 3 steps: table B") << true << 3 << 1 << 26;
    QTest::newRow("side, 4 steps: table A") << true << 4 << 3 << 12;
    QTest::newRow("side, 5 steps: table B") << true << 5 << 9 << 8;
    QTest::newRow("index past table A: last") << false << 4 << 7 << 8;
    QTest::newRow("index past table B: last") << true << 10 << 12 << 8;
    QTest::newRow("index -1: first") << false << 4 << -1 << 28;
}

void TestLightPreviewRules::tickTables()
{
    QFETCH(bool, side);
    QFETCH(int, steps);
    QFETCH(int, index);
    QFETCH(int, period);
    QCOMPARE(side ? LightTickRule::sidePeriod(index, steps) : LightTickRule::keyPeriod(index, steps), period);
    QCOMPARE(LightTickRule::clampPeriod(30), 28);
    QCOMPARE(LightTickRule::clampPeriod(5), 8);
}

void TestLightPreviewRules::tickRuleOnAFakeClock()
{
    int64_t mark = 0;
    const int64_t base = 1765000123456; // epoch ms
    // The first check emits at once.
    QVERIFY(LightTickRule::shouldTick(base, LightTickRule::sideClockModulus, 15, mark));
    QCOMPARE(mark, base % LightTickRule::sideClockModulus);
    QVERIFY(!LightTickRule::shouldTick(base + 14, LightTickRule::sideClockModulus, 15, mark));
    QVERIFY(LightTickRule::shouldTick(base + 15, LightTickRule::sideClockModulus, 15, mark));

    // The 6-digit clock wraps: the mark follows it and the next tick comes a full period later.
    const int64_t beforeWrap = 1765000999995;
    mark = 0;
    QVERIFY(LightTickRule::shouldTick(beforeWrap, LightTickRule::sideClockModulus, 15, mark));
    QCOMPARE(mark, 999995);
    QVERIFY(!LightTickRule::shouldTick(beforeWrap + 7, LightTickRule::sideClockModulus, 15, mark));
    QCOMPARE(mark, 2);
    QVERIFY(!LightTickRule::shouldTick(beforeWrap + 7 + 14, LightTickRule::sideClockModulus, 15, mark));
    QVERIFY(LightTickRule::shouldTick(beforeWrap + 7 + 15, LightTickRule::sideClockModulus, 15, mark));
    // The 8-digit key clock has not wrapped there.
    mark = 0;
    QVERIFY(LightTickRule::shouldTick(beforeWrap, LightTickRule::keyClockModulus, 12, mark));
    QVERIFY(!LightTickRule::shouldTick(beforeWrap + 7, LightTickRule::keyClockModulus, 12, mark));
    QVERIFY(LightTickRule::shouldTick(beforeWrap + 12, LightTickRule::keyClockModulus, 12, mark));
}

void TestLightPreviewRules::idleBeforeDue_data()
{
    QTest::addColumn<int64_t>("sinceMark");
    QTest::addColumn<int64_t>("mark");
    QTest::addColumn<int64_t>("idle");

    QTest::newRow("just ticked") << int64_t(0) << int64_t(500) << int64_t(13);
    QTest::newRow("mid period") << int64_t(6) << int64_t(500) << int64_t(7);
    QTest::newRow("3 ms left") << int64_t(12) << int64_t(500) << int64_t(1);
    QTest::newRow("2 ms left: poll") << int64_t(13) << int64_t(500) << int64_t(0);
    QTest::newRow("due") << int64_t(15) << int64_t(500) << int64_t(0);
    QTest::newRow("no mark yet") << int64_t(3) << int64_t(0) << int64_t(0);
    QTest::newRow("clock wrapped") << int64_t(-400) << int64_t(500) << int64_t(0);
}

void TestLightPreviewRules::idleBeforeDue()
{
    QFETCH(int64_t, sinceMark);
    QFETCH(int64_t, mark);
    QFETCH(int64_t, idle);

    // Period 15 on the side clock: the mark sits at 500 ms past a wrap of the 6-digit clock.
    const int64_t epochMs = 1765000000000 + mark + sinceMark;
    QCOMPARE(LightTickRule::idleBeforeDue(epochMs, LightTickRule::sideClockModulus, 15, mark), idle);
    // Sleeping that long never passes the tick the 1 ms polls would have emitted.
    int64_t polled = mark;
    if (idle > 0)
        QVERIFY(!LightTickRule::shouldTick(epochMs + idle + 1, LightTickRule::sideClockModulus, 15, polled));
}

QTEST_GUILESS_MAIN(TestLightPreviewRules)
#include "tst_LightPreviewRules.moc"
