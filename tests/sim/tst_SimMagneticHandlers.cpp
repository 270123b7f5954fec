#include "sdk/protocol/ModelCatalog.h"
#include "sim/SimKeyboard.h"

#include <QtTest>

namespace {

// A 0x29 report: sub-command in byte 6, then the given bytes from byte 7.
SimReport magnetic(int subCommand, const QByteArray &from7 = QByteArray())
{
    SimReport report{};
    report[0] = 1;
    report[1] = 0x29;
    report[5] = 0x18;
    report[6] = static_cast<uint8_t>(subCommand);
    for (int i = 0; i < from7.size(); ++i)
        report[7 + i] = static_cast<uint8_t>(from7.at(i));
    return report;
}

QByteArray hex(const SimReplies &replies)
{
    QByteArray out;
    for (const SimReport &reply : replies)
        out += QByteArray(reinterpret_cast<const char *>(reply.data()), int(reply.size())).toHex() + '\n';
    return out;
}

// A 0x21 reply: sub-command in byte 6, then the given bytes from byte 7.
QByteArray magneticReply(int subCommand, const QByteArray &from7 = QByteArray())
{
    QByteArray reply(64, '\0');
    reply[0] = 1;
    reply[1] = 0x21;
    reply[6] = static_cast<char>(subCommand);
    reply.replace(7, from7.size(), from7);
    return reply.toHex() + '\n';
}

SimKeyboard makeKeyboard()
{
    const ModelInfo *info = ModelCatalog::findByName("Quartz68HE");
    return SimKeyboard(*info, info->ids.front(), "0123456789abcdef0123456789abcdef");
}

} // namespace

class tst_SimMagneticHandlers : public QObject
{
    Q_OBJECT

private slots:
    void appliedTriggersAreQueriedAndRestored();
    void calibrationReplies_data();
    void calibrationReplies();
    void selectionIsKeptUntilTheTabIsLeft();
};

void tst_SimMagneticHandlers::appliedTriggersAreQueriedAndRestored()
{
    SimKeyboard keyboard = makeKeyboard();
    QByteArray apply(26, '\0');
    apply[0] = 0x01;  // row 0, column 0
    apply[21] = 0x20; // row 5, column 21
    apply[22] = 30;
    apply[23] = 25;
    apply[24] = 3;
    apply[25] = 4;
    QVERIFY(keyboard.receive(magnetic(12, apply)).empty());

    const QByteArray applied = magneticReply(5, QByteArray::fromHex("0c1e190304"));
    const QByteArray defaults = magneticReply(5, QByteArray::fromHex("0014140000"));
    QCOMPARE(hex(keyboard.receive(magnetic(5, QByteArray::fromHex("0515")))), applied);
    QCOMPARE(hex(keyboard.receive(magnetic(5, QByteArray::fromHex("0000")))), applied);
    QCOMPARE(hex(keyboard.receive(magnetic(5, QByteArray::fromHex("0101")))), defaults);
    QVERIFY(keyboard.receive(magnetic(5, QByteArray::fromHex("0600"))).empty());

    QVERIFY(keyboard.receive(magnetic(6)).empty());
    QCOMPARE(hex(keyboard.receive(magnetic(5, QByteArray::fromHex("0515")))), defaults);
}

void tst_SimMagneticHandlers::calibrationReplies_data()
{
    QTest::addColumn<int>("subCommand");
    QTest::addColumn<QByteArray>("from7");
    QTest::addColumn<QByteArray>("replies");

    const QByteArray half = QByteArray(11, char(0x3f));
    const QByteArray all = QByteArray(22, char(0x3f));
    QTest::newRow("one key runs, then succeeds")
        << 7 << QByteArray::fromHex("0203") << magneticReply(7, "\x01") + magneticReply(7, QByteArray(1, '\0'));
    QTest::newRow("a key outside the matrix fails")
        << 7 << QByteArray::fromHex("0600") << magneticReply(7, "\x01") + magneticReply(7, "\x02");
    QTest::newRow("all keys: progress, then done")
        << 8 << QByteArray(1, '\0') << magneticReply(8, "\x01" + half) + magneticReply(8, QByteArray(1, '\0') + all);
    QTest::newRow("all keys stop") << 8 << QByteArray("\x01") << QByteArray();
}

void tst_SimMagneticHandlers::calibrationReplies()
{
    QFETCH(int, subCommand);
    QFETCH(QByteArray, from7);
    QFETCH(QByteArray, replies);
    SimKeyboard keyboard = makeKeyboard();
    QCOMPARE(hex(keyboard.receive(magnetic(subCommand, from7))), replies);
}

void tst_SimMagneticHandlers::selectionIsKeptUntilTheTabIsLeft()
{
    SimKeyboard keyboard = makeKeyboard();
    QByteArray bitmap(22, '\0');
    bitmap[0] = 0x01;
    bitmap[21] = 0x20;
    QVERIFY(keyboard.receive(magnetic(2, bitmap)).empty());
    QCOMPARE(int(keyboard.memory().magnetic.selection[0]), 0x01);
    QCOMPARE(int(keyboard.memory().magnetic.selection[21]), 0x20);
    QVERIFY(keyboard.receive(magnetic(3)).empty());
    QCOMPARE(int(keyboard.memory().magnetic.selection[21]), 0);
}

QTEST_APPLESS_MAIN(tst_SimMagneticHandlers)
#include "tst_SimMagneticHandlers.moc"
