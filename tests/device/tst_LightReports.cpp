#include "device/LightReports.h"

#include "device/LightTypes.h"

#include <QtTest>

namespace {

// Bytes first..last of a report as hex text, so a failure shows the bytes on the wire.
QString hex(const HidCmdReport &report, int first, int last)
{
    return QString(report.toByteArray().mid(first, last - first + 1).toHex(' ')).toUpper();
}

QString zeros(int count)
{
    QStringList bytes;
    for (int i = 0; i < count; ++i)
        bytes << "00";
    return bytes.join(' ');
}

} // namespace

class tst_LightReports : public QObject
{
    Q_OBJECT

private slots:
    void defaultWaveRecordOnTheWire();
    void staticHidesFullColourOnlyInTheReport();
    void sideCloseReport();
    void fieldsGoOutAsTheirLowByte();
    void clockBytesCarryLowSixteenBits_data();
    void clockBytesCarryLowSixteenBits();
    void customLightModeReportKeepsFullColourAndHasNoClock();
    void customLightPacketsCoverTheMatrix();
    void shortKeyListGoesOutBlack();
    void packetValuesStayInsideTheReport();
};

void tst_LightReports::defaultWaveRecordOnTheWire()
{
    const HidCmdReport report =
        LightReports::keyboardModeReport(LightTypes::defaultRecord(LIGHT_AREA_KEYBOARD, KB_LIGHT_WAVE), 0);
    QCOMPARE(hex(report, 0, 17), QString("01 06 00 00 00 0E 02 02 02 FF 00 00 00 00 00 00 01 00"));
    QCOMPARE(hex(report, 18, 63), zeros(46));
}

void tst_LightReports::staticHidesFullColourOnlyInTheReport()
{
    const colorInfoData record = LightTypes::defaultRecord(LIGHT_AREA_KEYBOARD, KB_LIGHT_STATIC);
    QCOMPARE(record.fullColor, 1);
    QCOMPARE(LightReports::keyboardModeReport(record, 0)[16], 0);
    colorInfoData side = LightTypes::defaultRecord(LIGHT_AREA_SIDE, SIDE_LIGHT_STATIC);
    QCOMPARE(LightReports::sideModeReport(side, 0)[16], 0);
    side.lightMode = SIDE_LIGHT_BREATH;
    QCOMPARE(LightReports::sideModeReport(side, 0)[16], 1);
}

void tst_LightReports::sideCloseReport()
{
    const HidCmdReport report =
        LightReports::sideModeReport(LightTypes::defaultRecord(LIGHT_AREA_SIDE, SIDE_LIGHT_CLOSE), 0);
    QCOMPARE(hex(report, 0, 17), QString("01 07 00 00 00 0D 05 02 02 00 00 00 00 00 00 00 01 00"));
}

void tst_LightReports::fieldsGoOutAsTheirLowByte()
{
    colorInfoData record{0, KB_LIGHT_MUSICAL_RHYTHM, 6, 1, 1, 2, 3, 4, 5, 6, LIGHT_DIR_UP, 0, 7, 9};
    const HidCmdReport report = LightReports::keyboardModeReport(record, 0);
    QCOMPARE(hex(report, 6, 17), QString("64 05 00 01 02 03 04 05 06 02 00 07"));
    record.lightMode = 0x1FF;
    record.colorR = 256 + 17;
    QCOMPARE(hex(LightReports::keyboardModeReport(record, 0), 6, 9), QString("FF 05 00 11"));
}

void tst_LightReports::clockBytesCarryLowSixteenBits_data()
{
    QTest::addColumn<qint64>("clock");
    QTest::addColumn<QString>("bytes");
    QTest::newRow("0x12C39") << qint64(0x12C39) << "2C 39";
    QTest::newRow("high bits dropped") << qint64(0x18C5A1B2C3D4LL) << "C3 D4";
    QTest::newRow("zero") << qint64(0) << "00 00";
}

void tst_LightReports::clockBytesCarryLowSixteenBits()
{
    QFETCH(qint64, clock);
    QFETCH(QString, bytes);
    const colorInfoData record = LightTypes::defaultRecord(LIGHT_AREA_KEYBOARD, KB_LIGHT_BREATH);
    QCOMPARE(hex(LightReports::keyboardModeReport(record, clock), 62, 63), bytes);
    QCOMPARE(hex(LightReports::sideModeReport(record, clock), 62, 63), bytes);
}

void tst_LightReports::customLightModeReportKeepsFullColourAndHasNoClock()
{
    const colorInfoData record = LightTypes::defaultRecord(LIGHT_AREA_KEYBOARD, KB_LIGHT_STATIC);
    const HidCmdReport report = LightReports::customLightModeReport(record);
    QCOMPARE(hex(report, 0, 17), QString("01 06 00 00 00 0E 00 02 02 FF 00 00 00 00 00 00 01 00"));
    QCOMPARE(hex(report, 18, 63), zeros(46));
}

void tst_LightReports::customLightPacketsCoverTheMatrix()
{
    QVector<QColor> cells;
    for (int cell = 0; cell < LightReports::matrixCells; ++cell)
        cells.append(QColor(cell, 255 - cell, cell / 2));
    const QVector<QVector<int>> packets = LightReports::customLightPacketValues(cells);
    QCOMPARE(packets.size(), 8);
    for (int packet = 0; packet < 8; ++packet) {
        const QVector<int> &values = packets.at(packet);
        QCOMPARE(values.size(), packet < 7 ? 54 : 18);
        const int first = packet * 18;
        QCOMPARE(values.mid(0, 3), (QVector<int>{first, 255 - first, first / 2}));
    }
    QCOMPARE(packets.at(7).mid(15, 3), (QVector<int>{131, 124, 65}));

    const HidCmdReport frame = LightReports::customLightPacket(1, 7, packets.at(7));
    QCOMPARE(hex(frame, 0, 5), QString("01 08 01 00 07 12"));
    // Cell 131, the last of the matrix, at bytes 21 to 23.
    QCOMPARE(hex(frame, 21, 23), QString("83 7C 41"));
    QCOMPARE(hex(frame, 24, 63), zeros(40));
}

void tst_LightReports::shortKeyListGoesOutBlack()
{
    const QVector<QColor> cells(20, QColor(10, 20, 30));
    const QVector<QVector<int>> packets = LightReports::customLightPacketValues(cells);
    QCOMPARE(packets.size(), 8);
    QCOMPARE(packets.at(1).mid(0, 6), (QVector<int>{10, 20, 30, 10, 20, 30}));
    QCOMPARE(packets.at(1).mid(6), QVector<int>(48, 0));
    QCOMPARE(packets.at(7), QVector<int>(18, 0));
}

void tst_LightReports::packetValuesStayInsideTheReport()
{
    const HidCmdReport report = LightReports::customLightPacket(0, 3, QVector<int>(70, 0xAB));
    QCOMPARE(report[5], 58);
    QCOMPARE(report[63], 0xAB);
}

QTEST_MAIN(tst_LightReports)
#include "tst_LightReports.moc"
