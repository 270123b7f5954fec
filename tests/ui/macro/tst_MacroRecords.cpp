#include "ui/macro/MacroRecords.h"

#include <QtTest>

#include <cstring>

class tst_MacroRecords : public QObject
{
    Q_OBJECT

private slots:
    void longNamesAreCutAtCharacterBoundary_data();
    void longNamesAreCutAtCharacterBoundary();
    void latin1FieldsKeepTheirBytes();
    void firstFreeIndexTakesLowestUnused_data();
    void firstFreeIndexTakesLowestUnused();
    void pathsThatDoNotFitAreRefused();
};

void tst_MacroRecords::longNamesAreCutAtCharacterBoundary_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("stored");

    const QString ascii63(63, 'a');
    QTest::newRow("63 bytes stored whole") << ascii63 << ascii63;
    QTest::newRow("64 ASCII bytes keep 63") << QString(64, 'b') << QString(63, 'b');
    // 62 ASCII bytes and a 3-byte character would end at byte 65: the character goes.
    const QString straddling = QString(62, 'c') + QChar(0x4E2D);
    QTest::newRow("3-byte character across byte 63") << straddling << QString(62, 'c');
    // 60 ASCII bytes and one 3-byte character end exactly at byte 63.
    const QString fitting = QString(60, 'd') + QChar(0x4E2D);
    QTest::newRow("3-byte character ending at byte 63") << fitting << fitting;
}

void tst_MacroRecords::longNamesAreCutAtCharacterBoundary()
{
    QFETCH(QString, name);
    QFETCH(QString, stored);
    const MacroEvent event = MacroRecords::fillEvent({"1", "0", "key", "4", name, "down"});
    QCOMPARE(event.codeName[sizeof event.codeName - 1], '\0');
    QCOMPARE(QString::fromUtf8(event.codeName), stored);
    QCOMPARE(MacroRecords::eventFields(event).codeName, stored);
}

void tst_MacroRecords::latin1FieldsKeepTheirBytes()
{
    const MacroEvent event = MacroRecords::fillEvent({"12", "65535", "mouse", "513", "Left Click", "up"});
    QCOMPARE(QByteArray(event.mark), QByteArray("12"));
    QCOMPARE(QByteArray(event.delay), QByteArray("65535"));
    QCOMPARE(QByteArray(event.type), QByteArray("mouse"));
    QCOMPARE(QByteArray(event.keyCode), QByteArray("513"));
    QCOMPARE(QByteArray(event.operateExplain), QByteArray("up"));

    // A type of 16 bytes or more keeps its first 15.
    const MacroEvent longType = MacroRecords::fillEvent({"1", "0", QString(20, 'k'), "4", "A", "down"});
    QCOMPARE(QByteArray(longType.type), QByteArray(15, 'k'));
    const MacroEventFields fields = MacroRecords::eventFields(event);
    QCOMPARE(fields.mark, QString("12"));
    QCOMPARE(fields.codeName, QString("Left Click"));
}

void tst_MacroRecords::firstFreeIndexTakesLowestUnused_data()
{
    QTest::addColumn<QStringList>("indexes");
    QTest::addColumn<int>("expected");

    QTest::newRow("none") << QStringList() << 1;
    QTest::newRow("2, 3") << QStringList({"2", "3"}) << 1;
    QTest::newRow("1, 2, 4") << QStringList({"1", "2", "4"}) << 3;
    QTest::newRow("1, 2, 3") << QStringList({"1", "2", "3"}) << 4;
    QTest::newRow("1, 5, 2 (not ascending)") << QStringList({"1", "5", "2"}) << 3;
    QTest::newRow("not a number takes none") << QStringList({"1", "x"}) << 2;
}

void tst_MacroRecords::firstFreeIndexTakesLowestUnused()
{
    QFETCH(QStringList, indexes);
    QFETCH(int, expected);
    MacroNode nodes;
    for (const QString &index : indexes)
        nodes.emplace_back(index.toStdString(), "Macro" + index.toStdString());
    QCOMPARE(MacroRecords::firstFreeIndex(nodes), expected);
}

void tst_MacroRecords::pathsThatDoNotFitAreRefused()
{
    char buffer[256];
    const QByteArray fits(255, 'p');
    QVERIFY(MacroRecords::storePath(buffer, sizeof buffer, fits.constData(), "test"));
    QCOMPARE(QByteArray(buffer), fits);

    const QByteArray tooLong(256, 'q');
    QVERIFY(!MacroRecords::storePath(buffer, sizeof buffer, tooLong.constData(), "test"));
    QCOMPARE(buffer[0], '\0');
    QVERIFY(!MacroRecords::storePath(buffer, sizeof buffer, nullptr, "test"));
    QCOMPARE(buffer[0], '\0');
}

QTEST_GUILESS_MAIN(tst_MacroRecords)
#include "tst_MacroRecords.moc"
