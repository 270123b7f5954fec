#include "device/ForwardedKeyReport.h"

#include <QTest>

namespace {

QByteArray state(std::initializer_list<int> bytes)
{
    QByteArray out(8, '\0');
    int index = 0;
    for (int value : bytes)
        out[index++] = static_cast<char>(value);
    return out;
}

using Changes = QVector<ForwardedKeyChange>;

} // namespace

Q_DECLARE_METATYPE(ForwardedKeyChange)

class tst_ForwardedKeyReport : public QObject
{
    Q_OBJECT

private slots:
    void changes_data();
    void changes();
    void modifierBitToUsage_data();
    void modifierBitToUsage();
};

void tst_ForwardedKeyReport::changes_data()
{
    QTest::addColumn<QByteArray>("last");
    QTest::addColumn<QByteArray>("now");
    QTest::addColumn<Changes>("expected");

    QTest::newRow("nothing changed") << state({0x02, 0, 4}) << state({0x02, 0, 4}) << Changes{};
    QTest::newRow("presses: modifiers in bit order, then keys in byte order")
        << state({}) << state({0x81, 0, 5, 4}) << Changes{{224, true}, {231, true}, {5, true}, {4, true}};
    QTest::newRow("releases after presses") << state({0x04, 0, 0x2B}) << state({0x01, 0, 0x3D})
                                            << Changes{{224, true}, {0x3D, true}, {226, false}, {0x2B, false}};
    QTest::newRow("a key that moves to another byte did not change")
        << state({0, 0, 4, 5}) << state({0, 0, 5}) << Changes{{4, false}};
    QTest::newRow("the reserved byte is no key") << state({0, 9}) << state({0, 7}) << Changes{};
}

void tst_ForwardedKeyReport::changes()
{
    QFETCH(QByteArray, last);
    QFETCH(QByteArray, now);
    QFETCH(Changes, expected);

    QCOMPARE(ForwardedKeyReport::changes(last, now), expected);
}

void tst_ForwardedKeyReport::modifierBitToUsage_data()
{
    QTest::addColumn<int>("modifierByte");
    QTest::addColumn<int>("usage");

    QTest::newRow("left Ctrl") << 0x01 << 224;
    QTest::newRow("right Windows") << 0x80 << 231;
    QTest::newRow("two bits") << 0x03 << -1;
    QTest::newRow("none") << 0 << -1;
}

void tst_ForwardedKeyReport::modifierBitToUsage()
{
    QFETCH(int, modifierByte);
    QFETCH(int, usage);
    QCOMPARE(ForwardedKeyReport::modifierBitToUsage(modifierByte), usage);
}

QTEST_APPLESS_MAIN(tst_ForwardedKeyReport)
#include "tst_ForwardedKeyReport.moc"
