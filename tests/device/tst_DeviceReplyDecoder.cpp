#include "device/DeviceReplyDecoder.h"

#include "tests/support/TestReports.h"

#include <QTest>

namespace {

QByteArray report(int command, const QList<QPair<int, int>> &bytes)
{
    return testReport(command, bytes);
}

QList<QPair<int, int>> run(int start, const QList<int> &values)
{
    QList<QPair<int, int>> bytes;
    for (int i = 0; i < values.size(); ++i)
        bytes.append(qMakePair(start + i, values.at(i)));
    return bytes;
}

} // namespace

class tst_DeviceReplyDecoder : public QObject
{
    Q_OBJECT

private slots:
    void lightModeSupport_data();
    void lightModeSupport();
    void lightRecordLevelsArriveMinusOne();
    void layoutCheckField_data();
    void layoutCheckField();
    void keyPositionsIgnoreBitsSixAndSeven();
};

void tst_DeviceReplyDecoder::lightModeSupport_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QList<int>>("modes");
    QTest::addColumn<int>("speedSteps");
    QTest::addColumn<int>("brightnessSteps");

    QTest::newRow("codes, marker, counts")
        << report(0x0A, run(6, {1, 2, 3, 0xA5, 4, 5})) << QList<int>{1, 2, 3} << 4 << 5;
    QTest::newRow("second marker kind and repeated markers")
        << report(0x02, run(6, {7, 0x5A, 0xA5, 0x5A, 3, 6})) << QList<int>{7} << 3 << 6;
    QTest::newRow("marker first") << report(0x02, run(6, {0xA5, 2, 9})) << QList<int>{} << 2 << 9;

    QList<int> everyByte;
    QList<int> codes;
    for (int i = 6; i < 64; ++i) {
        everyByte.append(i);
        codes.append(i);
    }
    codes[57] = 0;
    QTest::newRow("no marker: every byte a code") << report(0x0A, run(6, everyByte.mid(0, 57))) << codes << 0 << 0;

    QList<int> filler;
    for (int i = 6; i < 62; ++i)
        filler.append(1);
    QTest::newRow("marker at byte 62: one count inside the report")
        << report(0x0A, run(6, filler + QList<int>{0xA5, 8})) << filler << 8 << 0;
    QTest::newRow("marker at byte 63: no count inside the report")
        << report(0x0A, run(6, filler + QList<int>{1, 0xA5})) << filler + QList<int>{1} << 0 << 0;
}

void tst_DeviceReplyDecoder::lightModeSupport()
{
    QFETCH(QByteArray, input);
    QFETCH(QList<int>, modes);
    QFETCH(int, speedSteps);
    QFETCH(int, brightnessSteps);

    const LightModeSupport support = DeviceReplyDecoder::lightModeSupport(HidCmdReport::fromBytes(input));
    QCOMPARE(support.modes, modes);
    QCOMPARE(support.speedSteps, speedSteps);
    QCOMPARE(support.brightnessSteps, brightnessSteps);
}

void tst_DeviceReplyDecoder::lightRecordLevelsArriveMinusOne()
{
    const QByteArray input = report(0x07, run(6, {9, 2, 0, 10, 20, 30, 40, 50, 60, 1, 1, 77}));
    const colorInfoData record = DeviceReplyDecoder::lightRecord(HidCmdReport::fromBytes(input), 1);
    const QList<int> fields = {record.area,      record.lightMode, record.brightness, record.speed,     record.colorR,
                               record.colorG,    record.colorB,    record.bgColorR,   record.bgColorG,  record.bgColorB,
                               record.direction, record.fullColor, record.reserved12, record.reserved13};
    QCOMPARE(fields, (QList<int>{1, 9, 3, 1, 10, 20, 30, 40, 50, 60, 1, 1, 77, 0}));
}

void tst_DeviceReplyDecoder::layoutCheckField_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("field");

    QTest::newRow("fifth field") << QByteArray("VL8201,01,KB,VL,Aster104") << QStringLiteral("Aster104");
    QTest::newRow("later fields ignored") << QByteArray("a,b,c,d,e,f") << QStringLiteral("e");
    QTest::newRow("too few fields") << QByteArray("a,b,c,d") << QString();
    QTest::newRow("empty") << QByteArray() << QString();
    QTest::newRow("no NUL before the end") << QByteArray(",,,,") + QByteArray(54, 'x') << QString(54, 'x');
}

void tst_DeviceReplyDecoder::layoutCheckField()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, field);

    QByteArray input = report(0x0D, {});
    input.replace(6, text.size(), text);
    QCOMPARE(input.size(), 64);
    QCOMPARE(DeviceReplyDecoder::layoutCheckField(HidCmdReport::fromBytes(input)), field);
}

void tst_DeviceReplyDecoder::keyPositionsIgnoreBitsSixAndSeven()
{
    const QByteArray input = report(0x0E, {{6, 0x01 | 0x40}, {8, 0x24}, {27, 0x80 | 0x20}});
    const QMap<int, int> bitmap = DeviceReplyDecoder::columnBitmap(HidCmdReport::fromBytes(input), 6);
    QCOMPARE(bitmap.size(), 22);
    using Positions = QList<QPair<int, int>>;
    QCOMPARE(DeviceReplyDecoder::keyPositions(bitmap), (Positions{{0, 0}, {2, 2}, {5, 2}, {5, 21}}));
}

QTEST_APPLESS_MAIN(tst_DeviceReplyDecoder)
#include "tst_DeviceReplyDecoder.moc"
