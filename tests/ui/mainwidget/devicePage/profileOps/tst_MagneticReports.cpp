#include "ui/mainwidget/devicePage/profileOps/MagneticReports.h"

#include <QtTest>

#include <optional>

namespace {

QByteArray bytes(const HidCmdReport &report)
{
    return report.toByteArray();
}

} // namespace

class tst_MagneticReports : public QObject
{
    Q_OBJECT

private slots:
    void applyCarriesBitmapAndTravels();
    void bitmapRoundTripsAndDropsKeysOutsideTheMatrix();
    void commandReportsLayout_data();
    void commandReportsLayout();
    void bandCornersAreOrdered_data();
    void bandCornersAreOrdered();
    void selectionAreaActsOnTriggerTabAndCustomLight_data();
    void selectionAreaActsOnTriggerTabAndCustomLight();
    void calibrationStatusTexts();
};

void tst_MagneticReports::applyCarriesBitmapAndTravels()
{
    const QByteArray bitmap = MagneticReports::columnBitmap({QPoint(0, 0), QPoint(5, 21)});
    const QByteArray report = bytes(MagneticReports::applyReport(12, bitmap, 300, 25, 3, 4));

    QByteArray expected(64, '\0');
    expected[0] = 1;
    expected[1] = 0x29;
    expected[5] = 0x18;
    expected[6] = 12;
    expected[7] = 0x01;
    expected[28] = 0x20;
    expected[29] = static_cast<char>(300 & 0xff); // the low byte only
    expected[30] = 25;
    expected[31] = 3;
    expected[32] = 4;
    QCOMPARE(report.toHex(' '), expected.toHex(' '));
}

void tst_MagneticReports::bitmapRoundTripsAndDropsKeysOutsideTheMatrix()
{
    const QVector<QPoint> keys{QPoint(0, 0), QPoint(3, 0), QPoint(5, 21), QPoint(2, 7)};
    const QByteArray bitmap =
        MagneticReports::columnBitmap(keys + QVector<QPoint>{QPoint(6, 0), QPoint(0, 22), QPoint(-1, 3)});
    QCOMPARE(bitmap.size(), 22);
    QCOMPARE(MagneticReports::bitmapKeys(bitmap),
             (QVector<QPoint>{QPoint(0, 0), QPoint(3, 0), QPoint(2, 7), QPoint(5, 21)}));
    // Bits 6 and 7 name no key.
    QCOMPARE(MagneticReports::bitmapKeys(QByteArray(1, char(0xC1))), QVector<QPoint>{QPoint(0, 0)});
}

void tst_MagneticReports::commandReportsLayout_data()
{
    QTest::addColumn<QByteArray>("report");
    QTest::addColumn<QByteArray>("bytes5to9");
    QTest::newRow("empty selection") << bytes(MagneticReports::selectionReport(MagneticReports::columnBitmap({})))
                                     << QByteArray::fromHex("1802000000");
    QTest::newRow("query key") << bytes(MagneticReports::keyReport(MagneticReports::QueryKey, 2, 14))
                               << QByteArray::fromHex("1805020e00");
    QTest::newRow("calibrate key") << bytes(MagneticReports::keyReport(MagneticReports::CalibrateKey, 5, 21))
                                   << QByteArray::fromHex("1807051500");
    QTest::newRow("restore defaults") << bytes(MagneticReports::magneticReport(MagneticReports::RestoreDefaults))
                                      << QByteArray::fromHex("1806000000");
    QTest::newRow("all keys start") << bytes(MagneticReports::allKeysCalibrationReport(true))
                                    << QByteArray::fromHex("1808000000");
    QTest::newRow("all keys stop") << bytes(MagneticReports::allKeysCalibrationReport(false))
                                   << QByteArray::fromHex("1808010000");
    QTest::newRow("report rate") << bytes(MagneticReports::valueSetReport(MagneticReports::ReportRate, 4))
                                 << QByteArray::fromHex("1809010400");
    QTest::newRow("anti-shake") << bytes(MagneticReports::valueSetReport(MagneticReports::AntiShake, 7))
                                << QByteArray::fromHex("180a010700");
}

void tst_MagneticReports::commandReportsLayout()
{
    QFETCH(QByteArray, report);
    QFETCH(QByteArray, bytes5to9);
    QCOMPARE(report.left(5), QByteArray::fromHex("0129000000"));
    QCOMPARE(report.mid(5, 5).toHex(), bytes5to9.toHex());
    QCOMPARE(report.mid(10), QByteArray(54, '\0'));
}

using Band = MagneticReports::Band;
Q_DECLARE_METATYPE(std::optional<Band>)

void tst_MagneticReports::bandCornersAreOrdered_data()
{
    QTest::addColumn<QList<int>>("corners");
    QTest::addColumn<std::optional<Band>>("band");
    QTest::newRow("dragged up and left") << QList<int>{300, 200, 100, 50}
                                         << std::optional<Band>(Band{100, 50, 300, 200});
    QTest::newRow("dragged down and left")
        << QList<int>{300, 50, 100, 200} << std::optional<Band>(Band{100, 50, 300, 200});
    QTest::newRow("already ordered") << QList<int>{100, 50, 300, 200} << std::optional<Band>(Band{100, 50, 300, 200});
    QTest::newRow("no width") << QList<int>{100, 50, 100, 200} << std::optional<Band>(Band{});
    QTest::newRow("no height") << QList<int>{100, 50, 300, 50} << std::optional<Band>(Band{});
    QTest::newRow("a click") << QList<int>{120, 80, 120, 80} << std::optional<Band>();
    QTest::newRow("a click on the edge") << QList<int>{0, 80, 0, 80} << std::optional<Band>(Band{});
}

void tst_MagneticReports::bandCornersAreOrdered()
{
    QFETCH(QList<int>, corners);
    QFETCH(std::optional<Band>, band);
    QVERIFY(MagneticReports::normalizedBand(corners[0], corners[1], corners[2], corners[3]) == band);
}

void tst_MagneticReports::selectionAreaActsOnTriggerTabAndCustomLight_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<int>("lightType");
    QTest::addColumn<bool>("active");
    QTest::newRow("key functions") << 0 << 10 << false;
    QTest::newRow("lighting, custom light") << 1 << 10 << true;
    QTest::newRow("lighting, other light") << 1 << 9 << false;
    QTest::newRow("lighting, no light yet") << 1 << -1 << false;
    QTest::newRow("performance") << 2 << 10 << false;
    QTest::newRow("trigger") << 4 << -1 << true;
}

void tst_MagneticReports::selectionAreaActsOnTriggerTabAndCustomLight()
{
    QFETCH(int, tab);
    QFETCH(int, lightType);
    QFETCH(bool, active);
    QCOMPARE(MagneticReports::selectionAreaActive(tab, lightType), active);
}

void tst_MagneticReports::calibrationStatusTexts()
{
    QCOMPARE(MagneticReports::calibrationStatusText(0), QStringLiteral("The key calibration successful"));
    QCOMPARE(MagneticReports::calibrationStatusText(1), QStringLiteral("The key calibration runing"));
    QCOMPARE(MagneticReports::calibrationStatusText(2), QStringLiteral("The key calibration failed"));
    QCOMPARE(MagneticReports::calibrationStatusText(9), QStringLiteral("Unknow"));
}

QTEST_APPLESS_MAIN(tst_MagneticReports)
#include "tst_MagneticReports.moc"
