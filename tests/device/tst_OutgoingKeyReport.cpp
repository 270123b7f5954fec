#include "device/OutgoingKeyReport.h"

#include <QTest>

#include <cstring>

namespace {

// One step: usage, pressed.
using Steps = QList<QPair<int, bool>>;

ProFileFunctionInfo locks(const char *altTab, const char *altF4, const char *shiftTab, const char *winKey)
{
    ProFileFunctionInfo info{};
    std::strcpy(info.altTab, altTab);
    std::strcpy(info.altF4, altF4);
    std::strcpy(info.shiftTab, shiftTab);
    std::strcpy(info.winKey, winKey);
    return info;
}

QByteArray keys(std::initializer_list<int> bytes)
{
    QByteArray out(8, '\0');
    int index = 0;
    for (int value : bytes)
        out[index++] = static_cast<char>(value);
    return out;
}

void play(OutgoingKeyReport &report, const Steps &steps)
{
    for (const auto &step : steps)
        report.update(step.first, step.second);
}

} // namespace

Q_DECLARE_METATYPE(ProFileFunctionInfo)

class tst_OutgoingKeyReport : public QObject
{
    Q_OBJECT

private slots:
    void update_data();
    void update();
    void keyLocks_data();
    void keyLocks();
};

void tst_OutgoingKeyReport::update_data()
{
    QTest::addColumn<Steps>("steps");
    QTest::addColumn<QByteArray>("expected");
    QTest::addColumn<int>("fillCount");

    QTest::newRow("modifiers set and clear their bits")
        << Steps{{224, true}, {231, true}, {225, true}, {224, false}} << keys({0x82}) << 2;
    QTest::newRow("keys fill from byte 2") << Steps{{4, true}, {5, true}} << keys({0, 0, 4, 5}) << 4;
    QTest::newRow("usage 0 is not added") << Steps{{0, true}} << keys({}) << 2;
    QTest::newRow("a seventh key is not added")
        << Steps{{4, true}, {5, true}, {6, true}, {7, true}, {8, true}, {9, true}, {10, true}}
        << keys({0, 0, 4, 5, 6, 7, 8, 9}) << 8;
    QTest::newRow("release moves later keys down")
        << Steps{{4, true}, {5, true}, {6, true}, {4, false}} << keys({0, 0, 5, 6}) << 4;
    QTest::newRow("release of the last byte clears it")
        << Steps{{4, true}, {5, true}, {6, true}, {7, true}, {8, true}, {9, true}, {9, false}}
        << keys({0, 0, 4, 5, 6, 7, 8}) << 7;
    QTest::newRow("release of an absent key keeps the fill count")
        << Steps{{4, true}, {5, true}, {6, false}, {7, true}} << keys({0, 0, 4, 5, 7}) << 5;
    QTest::newRow("release on an empty report") << Steps{{4, false}} << keys({}) << 2;
}

void tst_OutgoingKeyReport::update()
{
    QFETCH(Steps, steps);
    QFETCH(QByteArray, expected);
    QFETCH(int, fillCount);

    OutgoingKeyReport report;
    play(report, steps);
    QCOMPARE(report.bytes().toHex(' '), expected.toHex(' '));
    QCOMPARE(report.fillCount(), fillCount);
}

void tst_OutgoingKeyReport::keyLocks_data()
{
    QTest::addColumn<Steps>("held");
    QTest::addColumn<ProFileFunctionInfo>("profileLocks");
    QTest::addColumn<QByteArray>("expected");

    const ProFileFunctionInfo all = locks("1", "1", "1", "1");
    const ProFileFunctionInfo none = locks("0", "0", "0", "0");

    QTest::newRow("both Windows keys cleared")
        << Steps{{227, true}, {231, true}, {4, true}} << locks("0", "0", "0", "1") << keys({0, 0, 4});
    QTest::newRow("Windows keys kept without their lock")
        << Steps{{227, true}, {231, true}} << locks("1", "1", "1", "0") << keys({0x88});
    QTest::newRow("held Windows key: Alt+Tab stays")
        << Steps{{227, true}, {226, true}, {0x2B, true}} << locks("1", "0", "0", "0") << keys({0x0C, 0, 0x2B});
    QTest::newRow("Alt+Tab removed, later keys move down")
        << Steps{{226, true}, {4, true}, {0x2B, true}, {5, true}} << locks("1", "0", "0", "0") << keys({0x04, 0, 4, 5});
    QTest::newRow("right Alt+F4 removed")
        << Steps{{230, true}, {0x3D, true}, {6, true}} << locks("0", "1", "0", "0") << keys({0x40, 0, 6});
    QTest::newRow("Alt+F4 kept when only Alt+Tab is locked")
        << Steps{{226, true}, {0x3D, true}} << locks("1", "0", "0", "0") << keys({0x04, 0, 0x3D});
    QTest::newRow("Shift+Tab removed") << Steps{{229, true}, {0x2B, true}} << locks("0", "0", "1", "0") << keys({0x20});
    QTest::newRow("Shift+Tab kept by the Alt+Tab lock alone")
        << Steps{{225, true}, {0x2B, true}} << locks("1", "0", "0", "0") << keys({0x02, 0, 0x2B});
    QTest::newRow("Ctrl+Tab untouched") << Steps{{224, true}, {0x2B, true}} << all << keys({0x01, 0, 0x2B});
    QTest::newRow("no lock on") << Steps{{226, true}, {0x2B, true}, {0x3D, true}} << none
                                << keys({0x04, 0, 0x2B, 0x3D});
    QTest::newRow("lock texts other than \"1\" are off")
        << Steps{{226, true}, {0x2B, true}} << locks("11", "0", "0", "") << keys({0x04, 0, 0x2B});
}

void tst_OutgoingKeyReport::keyLocks()
{
    QFETCH(Steps, held);
    QFETCH(ProFileFunctionInfo, profileLocks);
    QFETCH(QByteArray, expected);

    OutgoingKeyReport report;
    play(report, held);
    report.applyKeyLocks(profileLocks);
    QCOMPARE(report.bytes().toHex(' '), expected.toHex(' '));
}

QTEST_APPLESS_MAIN(tst_OutgoingKeyReport)
#include "tst_OutgoingKeyReport.moc"
