#include "ui/macro/MacroKeyRules.h"

#include <QtTest>

class tst_MacroKeyRules : public QObject
{
    Q_OBJECT

private slots:
    void normalisesHookKeys_data();
    void normalisesHookKeys();
    void namesTheSixButtonMessages();
    void delaysSurviveTheTickWrapAndAreCapped();
};

void tst_MacroKeyRules::normalisesHookKeys_data()
{
    QTest::addColumn<int>("keyCode");
    QTest::addColumn<int>("scanCode");
    QTest::addColumn<bool>("delivered");
    QTest::addColumn<int>("hookFlag");
    QTest::addColumn<int>("virtualKey");
    QTest::addColumn<bool>("press");

    QTest::newRow("Enter down") << 13 << 0x1C << true << 0x00 << 999 << true;
    QTest::newRow("Enter up") << 13 << 0x1C << false << 0x80 << 999 << false;
    QTest::newRow("keypad Enter down") << 13 << 0x1C << true << 0x01 << 998 << true;
    QTest::newRow("keypad Enter up") << 13 << 0x1C << false << 0x81 << 998 << false;
    // The hook's own direction wins where the flags say nothing of it.
    QTest::newRow("Enter injected") << 13 << 0x1C << false << 0x10 << 13 << false;
    QTest::newRow("255 scan 7D") << 255 << 0x7D << false << 0x00 << 981 << true;
    QTest::newRow("255 scan 79 up") << 255 << 0x79 << true << 0x80 << 987 << false;
    QTest::newRow("255 scan 70") << 255 << 0x70 << true << 0x00 << 988 << true;
    QTest::newRow("255 other scan") << 255 << 0x33 << false << 0x01 << 255 << false;
    QTest::newRow("193") << 193 << 0x73 << true << 0x80 << 984 << false;
    QTest::newRow("235") << 235 << 0x0 << false << 0x00 << 986 << true;
    const int keypad[][2] = {{12, 101}, {33, 105}, {34, 99}, {35, 97}, {36, 103}, {37, 100},
                             {38, 104}, {39, 102}, {40, 98}, {45, 96}, {46, 110}};
    const int plainFlags[] = {0x00, 0x80, 0x20, 0xA0};
    for (int i = 0; i < 11; ++i) {
        const int flags = plainFlags[i % 4];
        const bool press = (flags & 0x80) == 0;
        QTest::addRow("keypad %d flags %x", keypad[i][0], flags)
            << keypad[i][0] << 0 << press << flags << keypad[i][1] << press;
    }
    QTest::newRow("extended Home") << 36 << 0x47 << true << 0x01 << 36 << true;
    QTest::newRow("injected Home") << 36 << 0x47 << true << 0x10 << 36 << true;
    QTest::newRow("letter A") << 65 << 0x1E << true << 0x00 << 65 << true;
}

void tst_MacroKeyRules::normalisesHookKeys()
{
    QFETCH(int, keyCode);
    QFETCH(int, scanCode);
    QFETCH(bool, delivered);
    QFETCH(int, hookFlag);
    const MacroKeyRules::HookKey key = MacroKeyRules::normaliseKey(keyCode, scanCode, delivered, hookFlag);
    QTEST(key.virtualKey, "virtualKey");
    QTEST(key.press, "press");
}

void tst_MacroKeyRules::namesTheSixButtonMessages()
{
    const QList<QPair<int, QString>> names{{513, "Left Click"},  {514, "Left Click"},   {516, "Right Click"},
                                           {517, "Right Click"}, {519, "Center Click"}, {520, "Center Click"},
                                           {512, QString()},     {515, QString()},      {522, QString()}};
    for (const auto &name : names)
        QCOMPARE(MacroKeyRules::mouseButtonName(name.first), name.second);
    QVERIFY(MacroKeyRules::isMouseButtonPress(516) && !MacroKeyRules::isMouseButtonPress(517));
    QVERIFY(MacroKeyRules::isMouseButtonRelease(520) && !MacroKeyRules::isMouseButtonRelease(518));
}

void tst_MacroKeyRules::delaysSurviveTheTickWrapAndAreCapped()
{
    QCOMPARE(MacroKeyRules::ticksBetween(0xFFFFFFF0u, 0x10u), 0x20u);
    QCOMPARE(MacroKeyRules::ticksBetween(1000u, 1250u), 250u);
    QCOMPARE(MacroKeyRules::storedDelay(70000), 65535);
    QCOMPARE(MacroKeyRules::storedDelay(65535), 65535);
    QCOMPARE(MacroKeyRules::storedDelay(0), 0);
}

QTEST_MAIN(tst_MacroKeyRules)
#include "tst_MacroKeyRules.moc"
