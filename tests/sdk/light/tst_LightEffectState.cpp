#include "sdk/light/LightEffectState.h"
#include "sdk/light/VorlanLightSdk.h"

#include <QtTest>

#include <cstring>
#include <thread>
#include <vector>

namespace {

colorInfoData record(int area, int mode, int fullColor = 0, int direction = 0)
{
    colorInfoData info{};
    info.area = area;
    info.lightMode = mode;
    info.brightness = 5;
    info.speed = 3;
    info.colorR = 255;
    info.direction = direction;
    info.fullColor = fullColor;
    return info;
}

using KeyFrame = std::vector<LightCellStu>;

KeyFrame step(LightEffectState &state)
{
    LightCellStu frame[kLightKeyCells];
    state.stepKeyboard(frame);
    return KeyFrame(frame, frame + kLightKeyCells);
}

KeyFrame stepSide(LightEffectState &state)
{
    LightCellStu frame[kLightSideCells];
    state.stepSide(frame);
    return KeyFrame(frame, frame + kLightSideCells);
}

bool sameFrames(const KeyFrame &a, const KeyFrame &b)
{
    return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size() * sizeof(LightCellStu)) == 0;
}

// Callback recording for the contract test.
struct CallbackLog
{
    int calls = 0;
    int count = 0;
    std::thread::id thread;
};
CallbackLog g_log;

void recordCallback(const LightCellStu *, int count)
{
    ++g_log.calls;
    g_log.count = count;
    g_log.thread = std::this_thread::get_id();
}

} // namespace

class TestLightEffectState : public QObject
{
    Q_OBJECT

private slots:
    void callbackOnceBeforeReturnOnCallingThread();
    void oneSeedGivesTheSameFrames();
    void refusedRecordChangesNothing_data();
    void refusedRecordChangesNothing();
    void setRestartsHaveChangedKeepsPhase();
    void rippleIsDarkUntilAPressThenCountsDown();
    void autoRippleFlagsTheFirstCell();
    void snakeBodyCarriesCounts();
    void invalidSegmentsStayDark();
    void collisionHeadsCarryCountAndBackground();
};

void TestLightEffectState::callbackOnceBeforeReturnOnCallingThread()
{
    QCOMPARE(CVorlanHid_SetKeyboardColorInfoDataStu(record(0, 2, 1), 104, "Aster104", true), 0);
    QCOMPARE(CVorlanHid_SetSideColorInfoDataStu(record(1, 2, 1), 8, {1, 1, 1, 1, 1, 1, 0, 0}), 0);
    g_log = {};
    CVorlanHid_keyboardLightColorRuning(recordCallback);
    QCOMPARE(g_log.calls, 1);
    QCOMPARE(g_log.count, kLightKeyCells);
    QVERIFY(g_log.thread == std::this_thread::get_id());
    g_log = {};
    CVorlanHid_sideLightColorRuning(recordCallback);
    QCOMPARE(g_log.calls, 1);
    QCOMPARE(g_log.count, kLightSideCells);
    QVERIFY(g_log.thread == std::this_thread::get_id());
}

void TestLightEffectState::oneSeedGivesTheSameFrames()
{
    // Twinkle draws random cells: the seed alone decides the frames.
    LightEffectState a, b, c;
    a.seed(42);
    b.seed(42);
    c.seed(7);
    for (LightEffectState *state : {&a, &b, &c})
        QCOMPARE(state->setKeyboard(record(0, 9, 1), 104, "Aster104", false), 0);
    bool differs = false;
    for (int i = 0; i < 60; ++i) {
        const KeyFrame fa = step(a);
        QVERIFY(sameFrames(fa, step(b)));
        differs |= !sameFrames(fa, step(c));
    }
    QVERIFY(differs);
}

void TestLightEffectState::refusedRecordChangesNothing_data()
{
    QTest::addColumn<bool>("side");
    QTest::addColumn<int>("area");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("count");
    QTest::newRow("keys: side area") << false << 1 << 0 << 0;
    QTest::newRow("keys: code 17") << false << 0 << 17 << 0;
    QTest::newRow("side: key area") << true << 0 << 0 << 8;
    QTest::newRow("side: code 6") << true << 1 << 6 << 8;
    QTest::newRow("side: 61 segments") << true << 1 << 0 << 61;
}

void TestLightEffectState::refusedRecordChangesNothing()
{
    QFETCH(bool, side);
    QFETCH(int, area);
    QFETCH(int, mode);
    QFETCH(int, count);
    LightEffectState state, reference;
    for (LightEffectState *s : {&state, &reference}) {
        s->setKeyboard(record(0, 1), 104, "Aster104", true);
        s->setSide(record(1, 1), 8, std::vector<int>(8, 1));
        step(*s);
        stepSide(*s);
    }
    if (side) {
        QCOMPARE(state.setSide(record(area, mode), count, std::vector<int>(size_t(std::max(count, 0)), 1)), -1);
        QCOMPARE(state.sideChanged(record(area, mode)), count > 60 ? 0 : -1);
        if (count > 60)
            return; // a HaveChanged carries no count: the record itself is fine
        QVERIFY(sameFrames(stepSide(state), stepSide(reference)));
    } else {
        QCOMPARE(state.setKeyboard(record(area, mode), 104, "Aster104", true), -1);
        QCOMPARE(state.keyboardChanged(record(area, mode)), -1);
        QVERIFY(sameFrames(step(state), step(reference)));
    }
}

void TestLightEffectState::setRestartsHaveChangedKeepsPhase()
{
    LightEffectState state, fresh;
    state.setKeyboard(record(0, 1), 104, "Aster104", false);
    fresh.setKeyboard(record(0, 1), 104, "Aster104", false);
    std::vector<int> alphas;
    for (int i = 0; i < 20; ++i)
        alphas.push_back(step(fresh)[0].alpha);
    for (int i = 0; i < 10; ++i)
        step(state);
    colorInfoData green = record(0, 1);
    green.colorR = 0;
    green.colorG = 255;
    QCOMPARE(state.keyboardChanged(green), 0);
    const KeyFrame kept = step(state);
    QCOMPARE(kept[0].alpha, alphas[10]);
    QCOMPARE(kept[0].green, 255);
    QCOMPARE(state.setKeyboard(green, 104, "Aster104", false), 0);
    QCOMPARE(step(state)[0].alpha, alphas[0]);
    QVERIFY(alphas[0] != alphas[10]);
}

void TestLightEffectState::rippleIsDarkUntilAPressThenCountsDown()
{
    LightEffectState state;
    state.setKeyboard(record(0, 8), 104, "Aster104", false);
    for (int i = 0; i < 5; ++i) {
        for (const LightCellStu &cell : step(state))
            QVERIFY(cell.alpha == 0 && cell.code == 0);
    }
    state.keyClicked(2, 10);
    int r, g, b;
    state.rippleColor(r, g, b);
    QCOMPARE(QVector<int>({r, g, b}), QVector<int>({255, 0, 0}));
    const KeyFrame pressed = step(state);
    const LightCellStu &key = pressed[2 * kLightKeyColumns + 10];
    QCOMPARE(key.code, 9);
    QVERIFY(key.alpha > 200);
    QCOMPARE(key.red, 255);
    // The key counts down 9..1 while the ring spreads out.
    int previous = key.code;
    bool ringSeen = false;
    for (int i = 0; i < 8; ++i) {
        const KeyFrame frame = step(state);
        const int code = frame[2 * kLightKeyColumns + 10].code;
        QCOMPARE(code, previous - 1);
        previous = code;
        ringSeen |= frame[2 * kLightKeyColumns + 12].code == 9;
    }
    QVERIFY(ringSeen);
}

void TestLightEffectState::autoRippleFlagsTheFirstCell()
{
    LightEffectState state;
    state.seed(3);
    state.setKeyboard(record(0, 14), 104, "Aster104", false);
    const KeyFrame first = step(state);
    QCOMPARE(first[0].flag, 1);
    const auto config = state.autoRippleConfig();
    QVERIFY(config[0] < kLightKeyRows && config[1] < kLightKeyColumns);
    QCOMPARE(config[2], 255);
    int flagged = 1;
    int unflagged = 0;
    for (int i = 0; i < 60; ++i)
        (step(state)[0].flag == 1 ? flagged : unflagged)++;
    QVERIFY(unflagged > 0);
    QVERIFY(flagged > 1);
}

void TestLightEffectState::snakeBodyCarriesCounts()
{
    LightEffectState state;
    state.setKeyboard(record(0, 5, 1, 6), 104, "Aster104", false);
    step(state);
    const KeyFrame frame = step(state);
    QVector<int> codes;
    for (const LightCellStu &cell : frame) {
        if (cell.code > 0) {
            codes << cell.code;
            QVERIFY(cell.alpha > 0);
        } else {
            QCOMPARE(cell.alpha, 0);
        }
    }
    std::sort(codes.begin(), codes.end());
    QCOMPARE(codes, QVector<int>({1, 2, 3, 4, 5, 6, 7, 8, 9}));
    // The head has moved one key along the first row.
    QCOMPARE(frame[1].code, 9);
}

void TestLightEffectState::invalidSegmentsStayDark()
{
    LightEffectState state;
    state.setSide(record(1, 0), 8, {1, 1, 1, 1, 1, 1, 0, 0});
    const KeyFrame frame = stepSide(state);
    for (int i = 0; i < 6; ++i)
        QVERIFY(frame[size_t(i)].alpha == 255 && frame[size_t(i)].red == 255);
    for (int i = 6; i < kLightSideCells; ++i)
        QCOMPARE(frame[size_t(i)].alpha, 0);
}

void TestLightEffectState::collisionHeadsCarryCountAndBackground()
{
    LightEffectState state;
    colorInfoData collision = record(1, 3);
    collision.bgColorB = 200;
    state.setSide(collision, 33, std::vector<int>(33, 1));
    const KeyFrame frame = stepSide(state);
    QCOMPARE(frame[0].code, 9);
    QCOMPARE(frame[32].code, 9);
    QCOMPARE(frame[0].bgBlue, 200);
    QCOMPARE(frame[16].code, 0);
    int32_t value;
    uint8_t byte;
    state.sideCollisionConfig(value, byte);
    QCOMPARE(value, int32_t(0 | 32 << 8));
    QCOMPARE(int(byte), 33);
}

QTEST_GUILESS_MAIN(TestLightEffectState)
#include "tst_LightEffectState.moc"
