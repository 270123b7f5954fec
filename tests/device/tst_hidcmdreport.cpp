#include "device/HidCmdReport.h"

#include <QtTest>

class TestHidCmdReport : public QObject
{
    Q_OBJECT

private slots:
    void reportNumberByCommand_data();
    void reportNumberByCommand();
    void numbersAreBigEndian();
    void incomingReportIsPaddedOrCut();
    void unknownCodesAreNotCommands_data();
    void unknownCodesAreNotCommands();
};

void TestHidCmdReport::reportNumberByCommand_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<int>("reportNumber");
    QTest::newRow("handshake") << int(CMD_HANDSHAKE) << 0;
    QTest::newRow("serial inquiry") << int(CMD_SN_INQUIRY) << 0;
    QTest::newRow("serial write") << int(CMD_SN) << 1;
    QTest::newRow("light modes") << int(CMD_LIGHT_MODES) << 1;
    QTest::newRow("enter upgrade") << int(CMD_ENTER_UPGRADE) << 1;
    QTest::newRow("magnetic") << int(CMD_MAGNETIC) << 1;
}

void TestHidCmdReport::reportNumberByCommand()
{
    QFETCH(int, command);
    QFETCH(int, reportNumber);
    const HidCmdReport report(static_cast<HidCmd>(command));
    QByteArray expected(64, '\0');
    expected[0] = char(reportNumber);
    expected[1] = char(command);
    QCOMPARE(report.toByteArray(), expected);
}

void TestHidCmdReport::numbersAreBigEndian()
{
    HidCmdReport report(CMD_SETTINGS);
    report.setBigEndian16(11, 600);
    QCOMPARE(int(report[11]), 0x02);
    QCOMPARE(int(report[12]), 0x58);
    QCOMPARE(int(report.bigEndian16(11)), 600);
}

void TestHidCmdReport::incomingReportIsPaddedOrCut()
{
    const HidCmdReport shortReport = HidCmdReport::fromBytes(QByteArray::fromHex("0115"));
    QCOMPARE(shortReport.command(), int(CMD_SN));
    QCOMPARE(shortReport.toByteArray().mid(2), QByteArray(62, '\0'));
    const HidCmdReport longReport = HidCmdReport::fromBytes(QByteArray(100, '\x07'));
    QCOMPARE(longReport.toByteArray(), QByteArray(64, '\x07'));
}

void TestHidCmdReport::unknownCodesAreNotCommands_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("known");
    QTest::newRow("0x00") << 0x00 << true;
    QTest::newRow("0x0A") << 0x0A << true;
    QTest::newRow("0x0C") << 0x0C << false;
    QTest::newRow("0x0F") << 0x0F << false;
    QTest::newRow("0x1A") << 0x1A << false;
    QTest::newRow("0x2A") << 0x2A << true;
    QTest::newRow("0x2B") << 0x2B << false;
    QTest::newRow("0xFF") << 0xFF << false;
}

void TestHidCmdReport::unknownCodesAreNotCommands()
{
    QFETCH(int, code);
    QFETCH(bool, known);
    QCOMPARE(isHidCmd(code), known);
}

QTEST_GUILESS_MAIN(TestHidCmdReport)
#include "tst_hidcmdreport.moc"
