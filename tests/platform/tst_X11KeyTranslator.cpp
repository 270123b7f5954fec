#include "platform/X11KeyTranslator.h"

#include <QtTest>

// X key codes of the evdev keymap are Linux input codes + 8.
static int x11(int linuxCode)
{
    return linuxCode + 8;
}

class tst_X11KeyTranslator : public QObject
{
    Q_OBJECT

private slots:
    void keysGiveWindowsCodes_data();
    void keysGiveWindowsCodes();
    void keysWithoutWindowsCodeAreDropped();
    void buttonsGiveMouseMessages_data();
    void buttonsGiveMouseMessages();
};

void tst_X11KeyTranslator::keysGiveWindowsCodes_data()
{
    QTest::addColumn<int>("keyCode");
    QTest::addColumn<bool>("release");
    QTest::addColumn<bool>("altHeld");
    QTest::addColumn<bool>("numLock");
    QTest::addColumn<int>("vk");
    QTest::addColumn<int>("scan");
    QTest::addColumn<int>("flags");

    QTest::newRow("a down") << x11(30) << false << false << true << 0x41 << 0x1E << 0x00;
    QTest::newRow("a up") << x11(30) << true << false << true << 0x41 << 0x1E << 0x80;
    QTest::newRow("Return") << x11(28) << false << false << true << 13 << 0x1C << 0x00;
    QTest::newRow("keypad Enter") << x11(96) << false << false << true << 13 << 0x1C << 0x01;
    QTest::newRow("keypad Enter up") << x11(96) << true << false << true << 13 << 0x1C << 0x81;
    QTest::newRow("Home is extended") << x11(102) << false << false << true << 0x24 << 0x47 << 0x01;
    QTest::newRow("Delete is extended") << x11(111) << false << false << true << 0x2E << 0x53 << 0x01;
    QTest::newRow("keypad 7 with Num Lock") << x11(71) << false << false << true << 0x67 << 0x47 << 0x00;
    QTest::newRow("keypad 7 without Num Lock") << x11(71) << false << false << false << 0x24 << 0x47 << 0x00;
    QTest::newRow("keypad 5 without Num Lock") << x11(76) << false << false << false << 0x0C << 0x4C << 0x00;
    QTest::newRow("keypad dot without Num Lock") << x11(83) << false << false << false << 0x2E << 0x53 << 0x00;
    QTest::newRow("keypad minus ignores Num Lock") << x11(74) << false << false << false << 0x6D << 0x4A << 0x00;
    QTest::newRow("Num Lock is extended") << x11(69) << false << false << true << 0x90 << 0x45 << 0x01;
    QTest::newRow("Pause") << x11(119) << false << false << true << 0x13 << 0x45 << 0x00;
    QTest::newRow("left Ctrl") << x11(29) << false << false << true << 0xA2 << 0x1D << 0x00;
    QTest::newRow("right Ctrl") << x11(97) << false << false << true << 0xA3 << 0x1D << 0x01;
    QTest::newRow("left Alt down") << x11(56) << false << false << true << 0xA4 << 0x38 << 0x20;
    QTest::newRow("left Alt up") << x11(56) << true << true << true << 0xA4 << 0x38 << 0x80;
    QTest::newRow("right Alt down") << x11(100) << false << false << true << 0xA5 << 0x38 << 0x21;
    QTest::newRow("Tab with Alt") << x11(15) << false << true << true << 0x09 << 0x0F << 0x20;
    QTest::newRow("Tab up with Alt") << x11(15) << true << true << true << 0x09 << 0x0F << 0xA0;
    QTest::newRow("left Win") << x11(125) << false << false << true << 0x5B << 0x5B << 0x01;
    QTest::newRow("102nd key") << x11(86) << false << false << true << 0xE2 << 0x56 << 0x00;
    QTest::newRow("Yen") << x11(124) << false << false << true << 0xFF << 0x7D << 0x00;
    QTest::newRow("Henkan") << x11(92) << false << false << true << 0xFF << 0x79 << 0x00;
    QTest::newRow("Katakana/Hiragana") << x11(93) << false << false << true << 0xFF << 0x70 << 0x00;
    QTest::newRow("Muhenkan") << x11(94) << false << false << true << 235 << 0x7B << 0x00;
    QTest::newRow("Ro and Brazilian slash") << x11(89) << false << false << true << 193 << 0x73 << 0x00;
    QTest::newRow("F12") << x11(88) << false << false << true << 0x7B << 0x58 << 0x00;
    QTest::newRow("volume up") << x11(115) << false << false << true << 0xAF << 0x30 << 0x01;
}

void tst_X11KeyTranslator::keysGiveWindowsCodes()
{
    QFETCH(int, keyCode);
    QFETCH(bool, release);
    QFETCH(bool, altHeld);
    QFETCH(bool, numLock);
    KBDLLHOOKSTRUCT record{};
    QVERIFY(X11KeyTranslator::translateKey(keyCode, release, altHeld, numLock, record));
    QTEST(int(record.vkCode), "vk");
    QTEST(int(record.scanCode), "scan");
    QTEST(int(record.flags), "flags");
}

void tst_X11KeyTranslator::keysWithoutWindowsCodeAreDropped()
{
    KBDLLHOOKSTRUCT record{};
    QVERIFY(!X11KeyTranslator::translateKey(0, false, false, true, record));
    QVERIFY(!X11KeyTranslator::translateKey(x11(84), false, false, true, record));
    QVERIFY(!X11KeyTranslator::translateKey(300, false, false, true, record));
}

void tst_X11KeyTranslator::buttonsGiveMouseMessages_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("release");
    QTest::addColumn<bool>("reported");
    QTest::addColumn<int>("message");
    QTest::addColumn<uint>("mouseData");

    QTest::newRow("left down") << 1 << false << true << 513 << 0u;
    QTest::newRow("left up") << 1 << true << true << 514 << 0u;
    QTest::newRow("right down") << 3 << false << true << 516 << 0u;
    QTest::newRow("right up") << 3 << true << true << 517 << 0u;
    QTest::newRow("middle down") << 2 << false << true << 519 << 0u;
    QTest::newRow("middle up") << 2 << true << true << 520 << 0u;
    QTest::newRow("wheel up") << 4 << false << true << 0x20A << (120u << 16);
    QTest::newRow("wheel down") << 5 << false << true << 0x20A << 0xFF880000u;
    QTest::newRow("wheel step release") << 4 << true << false << 0 << 0u;
    QTest::newRow("back button") << 8 << false << true << 0x20B << (1u << 16);
    QTest::newRow("forward button up") << 9 << true << true << 0x20C << (2u << 16);
}

void tst_X11KeyTranslator::buttonsGiveMouseMessages()
{
    QFETCH(int, button);
    QFETCH(bool, release);
    QFETCH(bool, reported);
    WPARAM message = 0;
    DWORD mouseData = 0;
    QCOMPARE(X11KeyTranslator::translateButton(button, release, message, mouseData), reported);
    if (reported) {
        QTEST(int(message), "message");
        QTEST(uint(mouseData), "mouseData");
    }
}

QTEST_APPLESS_MAIN(tst_X11KeyTranslator)
#include "tst_X11KeyTranslator.moc"
