#include "ui/firmware/FirmwareInfoText.h"

#include <QtTest>

#include <cstring>

namespace {
FirmwareInfoStu record(const QStringList &texts)
{
    FirmwareInfoStu r;
    std::memset(&r, 0, sizeof(r));
    char *fields[] = {r.chip, r.numberField, r.deviceClass, r.vendorCode, r.model, r.version, r.extraText};
    for (int i = 0; i < texts.size(); ++i)
        qstrncpy(fields[i], texts.at(i).toUtf8().constData(), 64);
    return r;
}
} // namespace

class tst_FirmwareInfoText : public QObject
{
    Q_OBJECT

private slots:
    void rowTexts_data();
    void rowTexts();
    void fullFieldsStayInTheirBounds();
};

void tst_FirmwareInfoText::rowTexts_data()
{
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("shown");
    QTest::newRow("identity") << QStringList{"VL8201", "01", "KB", "VL", "Aster104", "V1.02", "Aster full-size"}
                              << "VL820101KBVL,Aster104"
                              << "V1.02---Aster full-size"
                              << "VL820101KBVL,Aster104";
    QTest::newRow("dash in the chip") << QStringList{"VL-82", "01", "KB", "VL", "Aster-104", "V1", "x"}
                                      << "VL-8201KBVL,Aster-104"
                                      << "V1---x"
                                      << "8201KBVL,Aster-104";
    QTest::newRow("dash last") << QStringList{"VL-", "", "", "", "", "", ""} << "VL-,"
                               << "---"
                               << ",";
    QTest::newRow("no model, no version") << QStringList{"VL8201", "01", "KB", "VL", "", "", ""} << "VL820101KBVL,"
                                          << "---"
                                          << "VL820101KBVL,";
    QTest::newRow("UTF-8") << QStringList{"芯片", "01", "KB", "VL", "键盘", "V1", "说明"} << "芯片01KBVL,键盘"
                           << "V1---说明"
                           << "芯片01KBVL,键盘";
}

void tst_FirmwareInfoText::rowTexts()
{
    QFETCH(QStringList, fields);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(QString, shown);
    const FirmwareInfoStu r = record(fields);
    QCOMPARE(FirmwareInfoText::key(r), key);
    QCOMPARE(FirmwareInfoText::value(r), value);
    QCOMPARE(FirmwareInfoText::shownKey(FirmwareInfoText::key(r)), shown);
}

void tst_FirmwareInfoText::fullFieldsStayInTheirBounds()
{
    // Fields without their NUL: each reads as its own 64 bytes, never into the next field.
    FirmwareInfoStu r;
    std::memset(&r, 'A', sizeof(r));
    std::memset(r.numberField, 'B', sizeof(r.numberField));
    std::memset(r.extraText, 'E', sizeof(r.extraText));
    std::memset(r.reserved, 'R', sizeof(r.reserved));
    QCOMPARE(FirmwareInfoText::field(r.chip), QString(64, 'A'));
    QCOMPARE(FirmwareInfoText::key(r),
             QString(64, 'A') + QString(64, 'B') + QString(128, 'A') + "," + QString(64, 'A'));
    QCOMPARE(FirmwareInfoText::value(r), QString(64, 'A') + "---" + QString(64, 'E'));
}

QTEST_GUILESS_MAIN(tst_FirmwareInfoText)
#include "tst_FirmwareInfoText.moc"
