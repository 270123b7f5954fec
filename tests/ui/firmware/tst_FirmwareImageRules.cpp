#include "ui/firmware/FirmwareImageRules.h"

#include <QtTest>

#include <cstring>

using namespace FirmwareImageRules;

class TestFirmwareImageRules : public QObject
{
    Q_OBJECT

private slots:
    void compareFoldsOnlyLatinLetters_data();
    void compareFoldsOnlyLatinLetters();
    void identityFieldsFromWindow();
    void newVersionStaysTerminated();
    void errorTexts_data();
    void errorTexts();
};

void TestFirmwareImageRules::compareFoldsOnlyLatinLetters_data()
{
    QTest::addColumn<QByteArray>("first");
    QTest::addColumn<QByteArray>("second");
    QTest::addColumn<int>("sign");
    QTest::newRow("newer digit") << QByteArray("V1.00.10") << QByteArray("V1.00.06") << 1;
    QTest::newRow("equal") << QByteArray("V1.00.10") << QByteArray("V1.00.10") << 0;
    QTest::newRow("letter case") << QByteArray("v1.00.10") << QByteArray("V1.00.10") << 0;
    QTest::newRow("proper prefix smaller") << QByteArray("V1.00") << QByteArray("V1.00.1") << -1;
    QTest::newRow("empty smaller") << QByteArray() << QByteArray("V") << -1;
    // Bytes above 0x7F compare unsigned and are not folded.
    QTest::newRow("high byte larger") << QByteArray("\xc4") << QByteArray("z") << 1;
    QTest::newRow("no folding beyond Z") << QByteArray("[") << QByteArray("a") << -1;
}

void TestFirmwareImageRules::compareFoldsOnlyLatinLetters()
{
    QFETCH(QByteArray, first);
    QFETCH(QByteArray, second);
    QFETCH(int, sign);
    const int result = compareText(first, second);
    QCOMPARE((result > 0) - (result < 0), sign);
    const int reverse = compareText(second, first);
    QCOMPARE((reverse > 0) - (reverse < 0), -sign);
}

void TestFirmwareImageRules::identityFieldsFromWindow()
{
    QByteArray window(64, '\0');
    const QByteArray text = "CHIP,01,KB,VL,Aster104";
    window.replace(10, text.size(), text);
    const QList<QByteArray> fields = identityFields(identityText(window, 10));
    QCOMPARE(fields, QList<QByteArray>({"CHIP", "01", "KB", "VL", "Aster104", ""}));
    // A window that ends before the block reads as an empty identity.
    QCOMPARE(identityFields(identityText(window, 64)), QList<QByteArray>({"", "", "", "", "", ""}));
    // No NUL within 50 bytes: the text stops at the block's end.
    QCOMPARE(identityText(QByteArray(80, 'x'), 0).size(), identitySize);
}

void TestFirmwareImageRules::newVersionStaysTerminated()
{
    hidStructInfoAll device;
    std::memset(&device, 'x', sizeof(device));
    storeNewVersion(&device, QString(100, 'V'));
    QCOMPARE(qstrlen(device.newFirmwareVersion), 63u);
}

void TestFirmwareImageRules::errorTexts_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("upgrade");
    QTest::addColumn<QString>("text");
    QTest::newRow("-5 query") << -5 << false << "Error -5";
    QTest::newRow("-26 upgrade") << -26 << true << "Error -26";
    QTest::newRow("-10 query") << -10 << false << "Error -1";
    QTest::newRow("-10 upgrade") << -10 << true << "Error -10";
    QTest::newRow("-7") << -7 << false << "Error -1";
    QTest::newRow("-19") << -19 << true << "Error -1";
    QTest::newRow("positive") << 3 << true << "Error -1";
}

void TestFirmwareImageRules::errorTexts()
{
    QFETCH(int, code);
    QFETCH(bool, upgrade);
    QFETCH(QString, text);
    QCOMPARE(jlErrorText(code, upgrade), text);
}

QTEST_MAIN(TestFirmwareImageRules)
#include "tst_FirmwareImageRules.moc"
