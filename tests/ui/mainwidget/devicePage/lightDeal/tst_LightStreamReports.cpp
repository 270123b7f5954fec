#include "sdk/protocol/ModelCatalog.h"
#include "ui/mainwidget/devicePage/lightDeal/LightStreamReports.h"

#include <QtTest>

namespace {

QByteArray hex(const HidCmdReport &report)
{
    return report.toByteArray().toHex(' ');
}

QVector<uint8_t> ramp(int leds)
{
    QVector<uint8_t> bytes;
    for (int i = 0; i < leds * 3; ++i)
        bytes << uint8_t(i);
    return bytes;
}

} // namespace

Q_DECLARE_METATYPE(LightStreamReports::CompactState)

class TestLightStreamReports : public QObject
{
    Q_OBJECT

private slots:
    void syncOnAndOff();
    void keyStreamIsEightPackets();
    void sideStreamPackets_data();
    void sideStreamPackets();
    void compactState_data();
    void compactState();
    void sideLightBytes();
    void musicWithoutSpectrumIsTwentyTwoZeros();
    void musicTakesEachBarsLastColumn();
    void everyModelsFramesFitTheLightQueue();
};

void TestLightStreamReports::syncOnAndOff()
{
    const HidCmdReport on = LightStreamReports::syncReport(true);
    qInfo() << "0x16 on:" << hex(on);
    QCOMPARE(on.toByteArray().left(7), QByteArray::fromHex("01160000000101"));
    QCOMPARE(on.toByteArray().mid(7), QByteArray(57, '\0'));
    QCOMPARE(LightStreamReports::syncReport(false).toByteArray().left(7), QByteArray::fromHex("01160000000100"));
}

void TestLightStreamReports::keyStreamIsEightPackets()
{
    const QVector<HidCmdReport> packets = LightStreamReports::keyStream(ramp(132));
    QCOMPARE(packets.size(), 8);
    for (int i = 0; i < 8; ++i) {
        const HidCmdReport &p = packets.at(i);
        QCOMPARE(p[0], 1);
        QCOMPARE(p.command(), 0x0E);
        QCOMPARE(int(p[2]), 0);
        QCOMPARE(int(p[4]), i);
        QCOMPARE(int(p[5]), i < 7 ? 54 : 18);
        QCOMPARE(int(p[6]), (i * 54) & 0xff); // first byte of the packet's first LED
    }
    qInfo() << "0x0E keys, packet 7:" << hex(packets.last());
    QCOMPARE(packets.last().toByteArray().mid(6 + 18), QByteArray(64 - 24, '\0'));
}

void TestLightStreamReports::sideStreamPackets_data()
{
    QTest::addColumn<int>("leds");
    QTest::addColumn<QVector<int>>("sizes");
    QTest::newRow("33") << 33 << QVector<int>{54, 45};
    QTest::newRow("45") << 45 << QVector<int>{54, 54, 27};
    QTest::newRow("41") << 41 << QVector<int>{54, 54, 15};
    QTest::newRow("36: full last packet") << 36 << QVector<int>{54, 54};
}

void TestLightStreamReports::sideStreamPackets()
{
    QFETCH(int, leds);
    QFETCH(QVector<int>, sizes);
    const QVector<HidCmdReport> packets = LightStreamReports::sideStream(ramp(leds), leds);
    QVector<int> got;
    for (int i = 0; i < packets.size(); ++i) {
        QCOMPARE(int(packets.at(i)[2]), 1);
        QCOMPARE(int(packets.at(i)[4]), i);
        got << packets.at(i)[5];
        qInfo().noquote() << "0x0E side" << leds << ":" << hex(packets.at(i));
    }
    QCOMPARE(got, sizes);
    // The last packet's LEDs are the model's last ones.
    const HidCmdReport &last = packets.last();
    QCOMPARE(int(last[6 + last[5] - 1]), (leds * 3 - 1) & 0xff);
}

void TestLightStreamReports::compactState_data()
{
    using State = LightStreamReports::CompactState;
    QTest::addColumn<State>("state");
    QTest::addColumn<QByteArray>("bytes4to9"); // bytes 4..9
    QTest::addColumn<bool>("spent");

    State staticState;
    staticState.firstKeyRed = 255;
    staticState.firstKeyGreen = 1;
    staticState.firstKeyBlue = 2;
    QTest::newRow("static: key (0, 0)") << staticState << QByteArray::fromHex("00ff01020000") << false;

    State ripple;
    ripple.keyboardMode = 8;
    ripple.pressPending = true;
    ripple.pressRow = 3;
    ripple.pressColumn = 12;
    ripple.rippleRed = 9;
    ripple.rippleGreen = 8;
    ripple.rippleBlue = 7;
    QTest::newRow("ripple: the press, spent") << ripple << QByteArray::fromHex("08030c090807") << true;
    State waveWithPress = ripple;
    waveWithPress.keyboardMode = 2;
    QTest::newRow("wave: the press stays pending") << waveWithPress << QByteArray::fromHex("020000000000") << false;
    State noPress = ripple;
    noPress.pressPending = false;
    QTest::newRow("ripple without press") << noPress << QByteArray::fromHex("080000000000") << false;

    State speed;
    speed.keyboardMode = 12;
    speed.speedRespondSet = true;
    speed.speedRespondLevel = 4;
    speed.speedRespondValue = 200;
    QTest::newRow("speed respond") << speed << QByteArray::fromHex("0c04c8000000") << false;

    State autoRipple;
    autoRipple.keyboardMode = 14;
    autoRipple.autoRippleRunning = true;
    const int config[5] = {2, 5, 0x1ff, 0, 3};
    std::copy(config, config + 5, autoRipple.autoRipple);
    QTest::newRow("auto ripple: low bytes") << autoRipple << QByteArray::fromHex("0e0205ff0003") << false;
    State autoIdle = autoRipple;
    autoIdle.autoRippleRunning = false;
    QTest::newRow("auto ripple idle") << autoIdle << QByteArray::fromHex("0e0000000000") << false;
}

void TestLightStreamReports::compactState()
{
    QFETCH(LightStreamReports::CompactState, state);
    QFETCH(QByteArray, bytes4to9);
    QFETCH(bool, spent);
    bool pressSpent = !spent;
    const HidCmdReport report = LightStreamReports::compactState(state, 0x12345678, &pressSpent);
    qInfo().noquote() << "0x28:" << hex(report);
    QCOMPARE(report.toByteArray().left(4), QByteArray::fromHex("01285678"));
    QCOMPARE(report.toByteArray().mid(4, 6), bytes4to9);
    QCOMPARE(pressSpent, spent);
    // No side light: nothing from byte 34 on.
    QCOMPARE(report.toByteArray().mid(10), QByteArray(54, '\0'));
}

void TestLightStreamReports::sideLightBytes()
{
    LightStreamReports::CompactState state;
    state.hasSideLight = true;
    state.sideMode = 3;
    state.collisionValue = 0x01020304;
    state.collisionByte = 0x21;
    const HidCmdReport collision = LightStreamReports::compactState(state, 0);
    qInfo().noquote() << "0x28 collision:" << hex(collision);
    QCOMPARE(collision.toByteArray().mid(34, 6), QByteArray::fromHex("030403020121"));
    state.sideMode = 4;
    state.sideRed = 0;
    state.sideGreen = 0;
    state.sideBlue = 255;
    QCOMPARE(LightStreamReports::compactState(state, 0).toByteArray().mid(34, 6), QByteArray::fromHex("040000ff0000"));
    state.sideMode = 2;
    QCOMPARE(LightStreamReports::compactState(state, 0).toByteArray().mid(34, 6), QByteArray::fromHex("020000000000"));
}

void TestLightStreamReports::musicWithoutSpectrumIsTwentyTwoZeros()
{
    LightStreamReports::CompactState state;
    state.keyboardMode = 100;
    state.columnsPerBar = {2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2};
    const HidCmdReport report = LightStreamReports::compactState(state, 0);
    QCOMPARE(int(report[4]), 0x64);
    QCOMPARE(report.toByteArray().mid(5, 22), QByteArray(22, '\0'));
}

void TestLightStreamReports::musicTakesEachBarsLastColumn()
{
    LightStreamReports::CompactState state;
    state.keyboardMode = 100;
    state.columnsPerBar = {2, 1, 0, 4};
    state.columnLevels = {1, 2, 3, 4, 5, 6, 7};
    state.columnIntensities = {11, 12, 13, 14, 15, 16, 17};
    const HidCmdReport report = LightStreamReports::compactState(state, 0);
    // Bars 0 and 1 end at columns 1 and 2; bar 2 has no columns and ends the list.
    QCOMPARE(report.toByteArray().mid(5, 3), QByteArray::fromHex("020300"));
    QCOMPARE(report.toByteArray().mid(16, 3), QByteArray::fromHex("0c0d00"));
}

void TestLightStreamReports::everyModelsFramesFitTheLightQueue()
{
    // One send tick puts 8 key frames and the side frames on the light queue at once; the queue
    // takes depth + 1 frames before it holds.
    for (const ModelInfo &model : ModelCatalog::models()) {
        const int leds = ModelCatalog::sideLightLedCount(model.name);
        const int frames = 8 + int(LightStreamReports::sideStream(ramp(leds), leds).size());
        const int burst = (model.lightQueueDepth10 ? 10 : 9) + 1;
        QVERIFY2(frames <= burst, model.name.c_str());
    }
    QCOMPARE(ModelCatalog::sideLightLedCount("Aster104"), 33);
    QCOMPARE(ModelCatalog::sideLightLedCount("Aster104S"), 45);
}

QTEST_GUILESS_MAIN(TestLightStreamReports)
#include "tst_LightStreamReports.moc"
