#include "ui/mainwidget/devicePage/download/OnboardReports.h"

#include <QtTest>

#include <cstring>

namespace {

MacroEvent macroEvent(const char *type, int code, const char *direction, int delay)
{
    MacroEvent e{};
    std::strncpy(e.type, type, sizeof(e.type) - 1);
    std::snprintf(e.keyCode, sizeof(e.keyCode), "%d", code);
    std::strncpy(e.operateExplain, direction, sizeof(e.operateExplain) - 1);
    std::snprintf(e.delay, sizeof(e.delay), "%d", delay);
    return e;
}

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray result;
    for (int value : values)
        result.append(static_cast<char>(value));
    return result;
}

void setText(char *field, size_t size, const char *text)
{
    std::strncpy(field, text, size - 1);
}

} // namespace

class TestOnboardReports : public QObject
{
    Q_OBJECT

private slots:
    void keyReportCarriesLayerPacketAndEntries();
    void macroImageOfKeyAndMouseEvents_data();
    void macroImageOfKeyAndMouseEvents();
    void macroImageKeepsAtMost62Events();
    void macroPartsSliceTheImage();
    void macroHeaderCarriesPlayModeAndCount();
    void blankMacroSlotHasOnlyHeaders();
    void advancedKeyLayouts_data();
    void advancedKeyLayouts();
};

void TestOnboardReports::keyReportCarriesLayerPacketAndEntries()
{
    QVector<int> full;
    for (int i = 0; i < 56; ++i)
        full.append(i == 0 ? -5 : i);
    const QByteArray report = OnboardReports::keyReport(2, 3, full);
    QCOMPARE(report.size(), 64);
    QCOMPARE(report.left(6), bytes({1, 0x17, 2, 0, 3, 56}));
    QCOMPARE(quint8(report[6]), quint8(0xFB));
    QCOMPARE(quint8(report[61]), quint8(55));
    QCOMPARE(report.mid(62), QByteArray(2, '\0'));

    const QByteArray shorter = OnboardReports::keyReport(0, 9, QVector<int>(24, 7));
    QCOMPARE(shorter.left(6), bytes({1, 0x17, 0, 0, 9, 24}));
    QCOMPARE(shorter.mid(6, 24), QByteArray(24, 7));
    QCOMPARE(shorter.mid(30), QByteArray(34, '\0'));
}

void TestOnboardReports::macroImageOfKeyAndMouseEvents_data()
{
    QTest::addColumn<QByteArray>("image");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("press and release A")
        << OnboardMacroImage::build({macroEvent("key", 4, "down", 0), macroEvent("key", 4, "up", 50)}).bytes()
        << bytes({4, 0x10, 0, 0x32, 4, 0, 0, 0});
    QTest::newRow("300 ms before the next event")
        << OnboardMacroImage::build({macroEvent("key", 5, "down", 0), macroEvent("key", 5, "up", 300)}).bytes()
        << bytes({5, 0x10, 0x01, 0x2C, 5, 0, 0, 0});
    QTest::newRow("left button")
        << OnboardMacroImage::build({macroEvent("mouse", 513, "down", 0), macroEvent("mouse", 514, "up", 10)}).bytes()
        << bytes({1, 0x11, 0, 10, 1, 0x01, 0, 0});
    QTest::newRow("right and middle buttons")
        << OnboardMacroImage::build({macroEvent("mouse", 516, "down", 0), macroEvent("mouse", 520, "up", 0)}).bytes()
        << bytes({2, 0x11, 0, 0, 4, 0x01, 0, 0});
    QTest::newRow("delay beyond 16 bits")
        << OnboardMacroImage::build({macroEvent("key", 4, "down", 0), macroEvent("key", 4, "up", 70000)}).bytes()
        << bytes({4, 0x10, 0xFF, 0xFF, 4, 0, 0, 0});
}

void TestOnboardReports::macroImageOfKeyAndMouseEvents()
{
    QFETCH(QByteArray, image);
    QFETCH(QByteArray, expected);
    QCOMPARE(image.size(), 248);
    QCOMPARE(image.left(expected.size()).toHex(' '), expected.toHex(' '));
    QCOMPARE(image.mid(expected.size()), QByteArray(248 - expected.size(), '\0'));
}

void TestOnboardReports::macroImageKeepsAtMost62Events()
{
    std::list<MacroEvent> events;
    for (int i = 0; i < 70; ++i)
        events.push_back(macroEvent("key", i + 1, "down", 20));
    const OnboardMacroImage image = OnboardMacroImage::build(events);
    QVERIFY(!image.isComplete());
    QCOMPARE(image.eventCount(), 62);
    QCOMPARE(quint8(image.bytes()[244]), quint8(62));
    // The last event sent is the last the keyboard plays: no delay after it.
    QCOMPARE(image.bytes().mid(246, 2), QByteArray(2, '\0'));
    const QVector<QByteArray> parts = OnboardReports::macroReports(0, image, 1, 1);
    QCOMPARE(quint8(parts[0][9]), quint8(248));

    events.resize(62);
    QVERIFY(OnboardMacroImage::build(events).isComplete());
}

void TestOnboardReports::macroPartsSliceTheImage()
{
    std::list<MacroEvent> events;
    for (int i = 0; i < 62; ++i)
        events.push_back(macroEvent("key", i, "up", 0));
    const OnboardMacroImage image = OnboardMacroImage::build(events);
    const QVector<QByteArray> parts = OnboardReports::macroReports(7, image, 1, 1);
    QCOMPARE(parts.size(), 5);
    QCOMPARE(parts[0].mid(14), image.bytes().mid(0, 50));
    QCOMPARE(parts[1].mid(6), image.bytes().mid(50, 58));
    QCOMPARE(parts[2].mid(6), image.bytes().mid(108, 58));
    QCOMPARE(parts[3].mid(6), image.bytes().mid(166, 58));
    QCOMPARE(parts[4].mid(6, 24), image.bytes().mid(224, 24));
    QCOMPARE(parts[4].mid(30), QByteArray(34, '\0'));
    for (int part = 0; part < 5; ++part)
        QCOMPARE(parts[part].left(6), bytes({1, 0x18, 7, 0, part, part == 4 ? 24 : 58}));
}

void TestOnboardReports::macroHeaderCarriesPlayModeAndCount()
{
    const OnboardMacroImage image =
        OnboardMacroImage::build({macroEvent("key", 4, "down", 0), macroEvent("key", 4, "up", 50)});
    const QByteArray once = OnboardReports::macroReports(0, image, 1, 1)[0];
    QCOMPARE(once.mid(6, 16), bytes({0, 0, 0, 8, 0, 1, 0, 0, 4, 0x10, 0, 0x32, 4, 0, 0, 0}));
    const QByteArray repeated = OnboardReports::macroReports(0, image, 2, 5)[0];
    QCOMPARE(repeated.mid(6, 8), bytes({0, 1, 0, 8, 0, 5, 0, 0}));
}

void TestOnboardReports::blankMacroSlotHasOnlyHeaders()
{
    const QVector<QByteArray> parts = OnboardReports::blankMacroReports(9);
    QCOMPARE(parts.size(), 5);
    for (int part = 0; part < 5; ++part) {
        QCOMPARE(parts[part].left(6), bytes({1, 0x18, 9, 0, part, part == 4 ? 24 : 58}));
        QCOMPARE(parts[part].mid(6), QByteArray(58, '\0'));
    }
}

void TestOnboardReports::advancedKeyLayouts_data()
{
    QTest::addColumn<QByteArray>("report");
    QTest::addColumn<QByteArray>("expected");

    SeniorKeyInfoStu dks{};
    dks.type = 1;
    const int travel[] = {15, 36, 36, 15};
    std::copy(std::begin(travel), std::end(travel), dks.travel);
    for (int i = 0; i < 16; ++i)
        dks.dks[i] = i + 1;
    setText(dks.key1, sizeof(dks.key1), "4");
    setText(dks.key2, sizeof(dks.key2), "1,5");
    QTest::newRow("DKS") << OnboardReports::advancedKeyReport(0, dks)
                         << bytes({1, 0x2A, 0, 0, 0, 0x32, 1, 15, 36, 36, 15, 0,  4,  0, 0, 1, 2, 3,  4,  0x13, 0xE0, 5,
                                   0, 5,    6, 7, 8, 0,    0, 0,  0,  9,  10, 11, 12, 0, 0, 0, 0, 13, 14, 15,   16});

    SeniorKeyInfoStu mt{};
    mt.type = 2;
    setText(mt.key1, sizeof(mt.key1), "225");
    setText(mt.key2, sizeof(mt.key2), "4");
    mt.holdMs = 155;
    mt.dks[0] = 9; // not an MT field
    QTest::newRow("MT") << OnboardReports::advancedKeyReport(5, mt)
                        << bytes({1, 0x2A, 5, 0, 0, 0x32, 2, 0, 225, 0, 0, 0, 4, 0, 0, 15});

    SeniorKeyInfoStu tgl{};
    tgl.type = 3;
    setText(tgl.key1, sizeof(tgl.key1), "4");
    setText(tgl.key2, sizeof(tgl.key2), "9");
    QTest::newRow("TGL") << OnboardReports::advancedKeyReport(39, tgl)
                         << bytes({1, 0x2A, 39, 0, 0, 0x32, 3, 0, 4, 0, 0});

    SeniorKeyInfoStu other{};
    other.type = 7;
    setText(other.key1, sizeof(other.key1), "4");
    QTest::newRow("unknown type") << OnboardReports::advancedKeyReport(1, other) << bytes({1, 0x2A, 1, 0, 0, 0x32, 7});
    QTest::newRow("blank") << OnboardReports::blankAdvancedKeyReport(12) << bytes({1, 0x2A, 12, 0, 0, 0x32});
}

void TestOnboardReports::advancedKeyLayouts()
{
    QFETCH(QByteArray, report);
    QFETCH(QByteArray, expected);
    QCOMPARE(report.size(), 64);
    QCOMPARE(report.left(expected.size()).toHex(' '), expected.toHex(' '));
    QCOMPARE(report.mid(expected.size()), QByteArray(64 - expected.size(), '\0'));
}

QTEST_APPLESS_MAIN(TestOnboardReports)
#include "tst_OnboardReports.moc"
