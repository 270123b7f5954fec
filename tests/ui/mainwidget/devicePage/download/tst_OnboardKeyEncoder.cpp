#include "ui/mainwidget/devicePage/download/OnboardKeyEncoder.h"

#include <QtTest>

#include <cstring>

Q_DECLARE_METATYPE(OnboardKeyEntry)

namespace {

KeyOperateInfo record(const char *type, const char *mode = "0", const char *value = "")
{
    KeyOperateInfo info{};
    std::strncpy(info.operateType, type, sizeof(info.operateType) - 1);
    std::strncpy(info.mode, mode, sizeof(info.mode) - 1);
    std::strncpy(info.value, value, sizeof(info.value) - 1);
    return info;
}

} // namespace

class TestOnboardKeyEncoder : public QObject
{
    Q_OBJECT

private slots:
    void entryFollowsStoredOperation_data();
    void entryFollowsStoredOperation();
    void advancedKeyFieldIsCodeOrCombination_data();
    void advancedKeyFieldIsCodeOrCombination();
};

void TestOnboardKeyEncoder::entryFollowsStoredOperation_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QByteArray>("type");
    QTest::addColumn<QByteArray>("mode");
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<int>("bound");
    QTest::addColumn<OnboardKeyEntry>("entry");

    // Gaps and keys without a record.
    QTest::newRow("gap") << 0 << QByteArray("3") << QByteArray("0") << QByteArray("2") << 0
                         << OnboardKeyEntry{0, 0, 0, 0};
    QTest::newRow("no record: A") << 4 << QByteArray("-1") << QByteArray() << QByteArray() << 0
                                  << OnboardKeyEntry{0, 4, 0, 0};
    QTest::newRow("no record: Fn") << -10 << QByteArray("-1") << QByteArray() << QByteArray() << 0
                                   << OnboardKeyEntry{1, 0, 0, 0};
    QTest::newRow("no record: Volume+") << 128 << QByteArray("-1") << QByteArray() << QByteArray() << 0
                                        << OnboardKeyEntry{7, 16, 0, 0};
    QTest::newRow("no record: Volume-") << 129 << QByteArray("-1") << QByteArray() << QByteArray() << 0
                                        << OnboardKeyEntry{7, 17, 0, 0};
    QTest::newRow("no record: Mute") << 127 << QByteArray("-1") << QByteArray() << QByteArray() << 0
                                     << OnboardKeyEntry{7, 18, 0, 0};
    QTest::newRow("no record: Calculator")
        << 215 << QByteArray("-1") << QByteArray() << QByteArray() << 0 << OnboardKeyEntry{7, 50, 0, 0};
    QTest::newRow("no record: code 300") << 300 << QByteArray("-1") << QByteArray() << QByteArray() << 0
                                         << OnboardKeyEntry{0, 255, 0, 0};

    // Keyboard functions and light switches.
    QTest::newRow("lock keyboard") << 4 << QByteArray("19") << QByteArray("0") << QByteArray("7") << 0
                                   << OnboardKeyEntry{17, 0, 0, 0};
    QTest::newRow("win lock") << 4 << QByteArray("19") << QByteArray("2") << QByteArray("1") << 0
                              << OnboardKeyEntry{17, 2, 1, 0};
    QTest::newRow("mode 3 small") << 4 << QByteArray("19") << QByteArray("3") << QByteArray("200") << 0
                                  << OnboardKeyEntry{17, 3, 0, 200};
    QTest::newRow("mode 3 big-endian") << 4 << QByteArray("19") << QByteArray("3") << QByteArray("4660") << 0
                                       << OnboardKeyEntry{17, 3, 0x12, 0x34};
    QTest::newRow("FN layer") << 4 << QByteArray("19") << QByteArray("8") << QByteArray("1") << 0
                              << OnboardKeyEntry{17, 8, 1, 0};
    QTest::newRow("power query") << 4 << QByteArray("19") << QByteArray("10") << QByteArray("0") << 0
                                 << OnboardKeyEntry{17, 10, 0, 0};
    QTest::newRow("USB switching") << 4 << QByteArray("19") << QByteArray("11") << QByteArray("2,0") << 0
                                   << OnboardKeyEntry{17, 11, 2, 0};
    QTest::newRow("Bluetooth 3") << 4 << QByteArray("19") << QByteArray("11") << QByteArray("0,2") << 0
                                 << OnboardKeyEntry{17, 11, 0, 2};
    QTest::newRow("function mode 12") << 4 << QByteArray("19") << QByteArray("12") << QByteArray("1") << 0
                                      << OnboardKeyEntry{0, 4, 0, 0};
    QTest::newRow("close backlight") << 4 << QByteArray("26") << QByteArray("0") << QByteArray("1") << 0
                                     << OnboardKeyEntry{17, 4, 1, 0};
    QTest::newRow("stop backlight") << 4 << QByteArray("26") << QByteArray("1") << QByteArray("0") << 0
                                    << OnboardKeyEntry{17, 5, 0, 0};
    QTest::newRow("lights off mode 2") << 4 << QByteArray("26") << QByteArray("2") << QByteArray("0") << 0
                                       << OnboardKeyEntry{0, 4, 0, 0};
    QTest::newRow("close side light") << 4 << QByteArray("34") << QByteArray("0") << QByteArray("2") << 0
                                      << OnboardKeyEntry{17, 4, 2, 0};
    QTest::newRow("stop side light") << 4 << QByteArray("34") << QByteArray("1") << QByteArray("0") << 0
                                     << OnboardKeyEntry{17, 6, 0, 0};

    // Bound macro and advanced key take what the download handed out.
    QTest::newRow("advanced key") << 4 << QByteArray("40") << QByteArray("0") << QByteArray("7") << 3
                                  << OnboardKeyEntry{23, 3, 0, 0};
    QTest::newRow("macro code 400") << 400 << QByteArray("1") << QByteArray("1") << QByteArray("5") << 2
                                    << OnboardKeyEntry{16, 255, 2, 0};

    // Remaps, combinations, multimedia, mouse, shortcuts.
    QTest::newRow("remap to B") << 4 << QByteArray("0") << QByteArray("0") << QByteArray("5") << 0
                                << OnboardKeyEntry{0, 5, 0, 0};
    QTest::newRow("remap to Fn") << 4 << QByteArray("0") << QByteArray("0") << QByteArray("-10") << 0
                                 << OnboardKeyEntry{1, 0, 0, 0};
    QTest::newRow("remap to -20") << 4 << QByteArray("0") << QByteArray("0") << QByteArray("-20") << 0
                                  << OnboardKeyEntry{20, 0, 0, 0};
    QTest::newRow("remap negative") << 4 << QByteArray("0") << QByteArray("0") << QByteArray("-5") << 0
                                    << OnboardKeyEntry{0, -5, 0, 0};
    QTest::newRow("combo 1,4") << 4 << QByteArray("2") << QByteArray("0") << QByteArray("1,4") << 0
                               << OnboardKeyEntry{19, 224, 4, 0};
    QTest::newRow("combo 3,4") << 4 << QByteArray("2") << QByteArray("0") << QByteArray("3,4") << 0
                               << OnboardKeyEntry{19, 224, 225, 4};
    QTest::newRow("combo 13,4") << 4 << QByteArray("2") << QByteArray("0") << QByteArray("13,4") << 0
                                << OnboardKeyEntry{19, 224, 227, 4};
    QTest::newRow("combo right Win only")
        << 4 << QByteArray("2") << QByteArray("0") << QByteArray("128,7") << 0 << OnboardKeyEntry{19, 231, 7, 0};
    QTest::newRow("volume up") << 4 << QByteArray("3") << QByteArray("0") << QByteArray("0") << 0
                               << OnboardKeyEntry{7, 16, 0, 0};
    QTest::newRow("media player") << 4 << QByteArray("3") << QByteArray("0") << QByteArray("8") << 0
                                  << OnboardKeyEntry{7, 48, 0, 0};
    QTest::newRow("web search") << 4 << QByteArray("3") << QByteArray("0") << QByteArray("15") << 0
                                << OnboardKeyEntry{7, 33, 0, 0};
    QTest::newRow("multimedia 16") << 4 << QByteArray("3") << QByteArray("0") << QByteArray("16") << 0
                                   << OnboardKeyEntry{7, 0, 0, 0};
    QTest::newRow("left button") << 4 << QByteArray("4") << QByteArray("0") << QByteArray("0") << 0
                                 << OnboardKeyEntry{18, 0, 1, 0};
    QTest::newRow("middle button") << 4 << QByteArray("4") << QByteArray("0") << QByteArray("1") << 0
                                   << OnboardKeyEntry{18, 0, 4, 0};
    QTest::newRow("wheel up") << 4 << QByteArray("4") << QByteArray("0") << QByteArray("3") << 0
                              << OnboardKeyEntry{18, 1, 1, 0};
    QTest::newRow("wheel down") << 4 << QByteArray("4") << QByteArray("0") << QByteArray("4") << 0
                                << OnboardKeyEntry{18, 1, 255, 0};
    QTest::newRow("backward") << 4 << QByteArray("4") << QByteArray("0") << QByteArray("6") << 0
                              << OnboardKeyEntry{18, 0, 8, 0};
    QTest::newRow("sniper key") << 4 << QByteArray("4") << QByteArray("0") << QByteArray("7") << 0
                                << OnboardKeyEntry{18, 0, 0, 0};
    QTest::newRow("disable") << 4 << QByteArray("5") << QByteArray("0") << QByteArray("9") << 0
                             << OnboardKeyEntry{0, 0, 0, 0};
    QTest::newRow("text key 30") << 30 << QByteArray("6") << QByteArray("0") << QByteArray("hello") << 0
                                 << OnboardKeyEntry{22, 0, 0, 30};
    QTest::newRow("launch key 300") << 300 << QByteArray("8") << QByteArray("0") << QByteArray("/bin/x") << 0
                                    << OnboardKeyEntry{22, 0, 0, 255};
    QTest::newRow("close window") << 4 << QByteArray("9") << QByteArray("0") << QByteArray("0") << 0
                                  << OnboardKeyEntry{19, 226, 61, 0};
    QTest::newRow("lock computer") << 4 << QByteArray("9") << QByteArray("0") << QByteArray("4") << 0
                                   << OnboardKeyEntry{19, 227, 15, 0};
    QTest::newRow("save") << 4 << QByteArray("9") << QByteArray("0") << QByteArray("11") << 0
                          << OnboardKeyEntry{19, 224, 22, 0};
    QTest::newRow("shortcut 12") << 4 << QByteArray("9") << QByteArray("0") << QByteArray("12") << 0
                                 << OnboardKeyEntry{19, 0, 0, 0};

    // Light actions carry the stored action number unchanged.
    QTest::newRow("light list") << 4 << QByteArray("20") << QByteArray("0") << QByteArray("3") << 0
                                << OnboardKeyEntry{2, 3, 0, 0};
    QTest::newRow("brightness") << 4 << QByteArray("21") << QByteArray("0") << QByteArray("1") << 0
                                << OnboardKeyEntry{3, 1, 0, 0};
    QTest::newRow("speed") << 4 << QByteArray("22") << QByteArray("0") << QByteArray("2") << 0
                           << OnboardKeyEntry{4, 2, 0, 0};
    QTest::newRow("direction") << 4 << QByteArray("23") << QByteArray("0") << QByteArray("1") << 0
                               << OnboardKeyEntry{5, 1, 0, 0};
    QTest::newRow("colour") << 4 << QByteArray("24") << QByteArray("0") << QByteArray("0") << 0
                            << OnboardKeyEntry{6, 0, 0, 0};
    QTest::newRow("custom light") << 4 << QByteArray("25") << QByteArray("0") << QByteArray("4") << 0
                                  << OnboardKeyEntry{8, 4, 0, 0};
    QTest::newRow("light recording") << 4 << QByteArray("27") << QByteArray("0") << QByteArray("4") << 0
                                     << OnboardKeyEntry{9, 0, 0, 0};
    QTest::newRow("side list") << 4 << QByteArray("30") << QByteArray("0") << QByteArray("2") << 0
                               << OnboardKeyEntry{10, 2, 0, 0};
    QTest::newRow("side brightness") << 4 << QByteArray("31") << QByteArray("0") << QByteArray("1") << 0
                                     << OnboardKeyEntry{11, 1, 0, 0};
    QTest::newRow("side speed") << 4 << QByteArray("32") << QByteArray("0") << QByteArray("0") << 0
                                << OnboardKeyEntry{12, 0, 0, 0};
    QTest::newRow("side colour") << 4 << QByteArray("33") << QByteArray("0") << QByteArray("5") << 0
                                 << OnboardKeyEntry{13, 5, 0, 0};

    // Types without an on-board function keep the key's own; non-numbers read as 0.
    QTest::newRow("type 12") << 4 << QByteArray("12") << QByteArray("0") << QByteArray("1") << 0
                             << OnboardKeyEntry{0, 4, 0, 0};
    QTest::newRow("type 41") << 300 << QByteArray("41") << QByteArray("0") << QByteArray("1") << 0
                             << OnboardKeyEntry{0, 255, 0, 0};
    QTest::newRow("type -3") << 4 << QByteArray("-3") << QByteArray("0") << QByteArray("1") << 0
                             << OnboardKeyEntry{0, 4, 0, 0};
    QTest::newRow("value not a number") << 4 << QByteArray("21") << QByteArray("0") << QByteArray("x1") << 0
                                        << OnboardKeyEntry{3, 0, 0, 0};
}

void TestOnboardKeyEncoder::entryFollowsStoredOperation()
{
    QFETCH(int, code);
    QFETCH(QByteArray, type);
    QFETCH(QByteArray, mode);
    QFETCH(QByteArray, value);
    QFETCH(int, bound);
    QFETCH(OnboardKeyEntry, entry);
    QCOMPARE(OnboardKeyEncoder::encode(code, record(type.constData(), mode.constData(), value.constData()), bound),
             entry);
}

void TestOnboardKeyEncoder::advancedKeyFieldIsCodeOrCombination_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<OnboardKeyEntry>("field");
    QTest::newRow("key code") << "4" << OnboardKeyEntry{0, 4, 0, 0};
    QTest::newRow("empty") << "" << OnboardKeyEntry{0, 0, 0, 0};
    QTest::newRow("one modifier") << "1,5" << OnboardKeyEntry{0x13, 224, 5, 0};
    QTest::newRow("two modifiers") << "3,5" << OnboardKeyEntry{0x13, 224, 225, 5};
}

void TestOnboardKeyEncoder::advancedKeyFieldIsCodeOrCombination()
{
    QFETCH(QString, text);
    QFETCH(OnboardKeyEntry, field);
    QCOMPARE(OnboardKeyEncoder::advancedKeyField(text), field);
}

QTEST_APPLESS_MAIN(TestOnboardKeyEncoder)
#include "tst_OnboardKeyEncoder.moc"
