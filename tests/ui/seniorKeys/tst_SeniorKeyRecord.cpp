#include "ui/seniorKeys/SeniorKeyRecord.h"
#include "ui/seniorKeys/SeniorKeyText.h"

#include <QtTest>

#include <cstring>
#include <limits>

Q_DECLARE_METATYPE(std::list<SeniorKeyInfoStu>)

// Key texts in readable form, new records and bounded reading of record fields.
class tst_SeniorKeyRecord : public QObject
{
    Q_OBJECT

private slots:
    void readableForm_data();
    void readableForm();
    void nextIdIsLargestPlusOne_data();
    void nextIdIsLargestPlusOne();
    void freedLargestIdIsGivenAgain();
    void newRecordMatchesTheTable_data();
    void newRecordMatchesTheTable();
    void keyTextsFromPicks();
    void fieldTextNeverRunsPastItsField();

private:
    static SeniorKeyInfoStu withId(int id);
};

SeniorKeyInfoStu tst_SeniorKeyRecord::withId(int id)
{
    SeniorKeyInfoStu record;
    std::memset(&record, 0, sizeof(record));
    record.id = id;
    return record;
}

void tst_SeniorKeyRecord::readableForm_data()
{
    QTest::addColumn<QString>("keyText");
    QTest::addColumn<QString>("shown");
    QTest::newRow("mask and code") << "2,4"
                                   << "L_SHIFT+A";
    QTest::newRow("two bits") << "5,7"
                              << "L_CTRL+L_ALT+D";
    QTest::newRow("no mask") << "0,41"
                             << "Esc";
    QTest::newRow("modifier as code") << "225"
                                      << "L_Shift";
    QTest::newRow("mask without code") << "1,0"
                                       << "L_CTRL";
    QTest::newRow("two bits without code") << "3,0"
                                           << "L_CTRL+L_SHIFT";
    QTest::newRow("bit 7") << "128,4"
                           << "R_WIN+A";
    QTest::newRow("nothing") << "0,0"
                             << "";
    QTest::newRow("empty text") << ""
                                << "";
    QTest::newRow("code without caption") << "231"
                                          << "";
    QTest::newRow("bits above 7") << "257,4"
                                  << "L_CTRL+A";
    QTest::newRow("mask not a number") << "x,4"
                                       << "A";
    QTest::newRow("further pieces") << "2,4,9"
                                    << "L_SHIFT+A";
    QTest::newRow("negative mask") << "-1,4"
                                   << "A";
    QTest::newRow("code not a number") << "abc"
                                       << "";
    QTest::newRow("empty pieces") << ","
                                  << "";
    QTest::newRow("all bits") << "255,0"
                              << "L_CTRL+L_SHIFT+L_ALT+L_WIN+R_CTRL+R_SHIFT+R_ALT+R_WIN";
}

void tst_SeniorKeyRecord::readableForm()
{
    QFETCH(QString, keyText);
    QFETCH(QString, shown);
    const QMap<int, QString> captions{{4, "A"}, {7, "D"}, {41, "Esc"}, {225, "L_Shift"}};
    QCOMPARE(SeniorKeyText::readable(keyText, captions), shown);
}

void tst_SeniorKeyRecord::nextIdIsLargestPlusOne_data()
{
    QTest::addColumn<std::list<SeniorKeyInfoStu>>("records");
    QTest::addColumn<int>("id");
    QTest::newRow("empty") << std::list<SeniorKeyInfoStu>{} << 1;
    QTest::newRow("gaps stay") << std::list<SeniorKeyInfoStu>{withId(2), withId(5)} << 6;
    QTest::newRow("order does not matter") << std::list<SeniorKeyInfoStu>{withId(9), withId(3)} << 10;
    QTest::newRow("largest int is not wrapped")
        << std::list<SeniorKeyInfoStu>{withId(std::numeric_limits<int32_t>::max())}
        << std::numeric_limits<int32_t>::max();
}

void tst_SeniorKeyRecord::nextIdIsLargestPlusOne()
{
    QFETCH(std::list<SeniorKeyInfoStu>, records);
    QFETCH(int, id);
    QCOMPARE(SeniorKeyRecord::nextId(records), id);
}

void tst_SeniorKeyRecord::freedLargestIdIsGivenAgain()
{
    std::list<SeniorKeyInfoStu> records{withId(2), withId(5)};
    records.push_back(SeniorKeyRecord::newRecord(records, SENIOR_KEY_MT));
    QCOMPARE(records.back().id, 6);
    QCOMPARE(QByteArray(records.back().name), QByteArray("MT6"));
    records.pop_back();
    QCOMPARE(SeniorKeyRecord::newRecord(records, SENIOR_KEY_TGL).id, 6);
}

void tst_SeniorKeyRecord::newRecordMatchesTheTable_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QByteArray>("name");
    QTest::newRow("DKS") << int(SENIOR_KEY_DKS) << QByteArray("DKS1");
    QTest::newRow("MT") << int(SENIOR_KEY_MT) << QByteArray("MT1");
    QTest::newRow("TGL") << int(SENIOR_KEY_TGL) << QByteArray("TGL1");
}

// The 416 bytes against a record laid out by hand, offset by offset.
void tst_SeniorKeyRecord::newRecordMatchesTheTable()
{
    QFETCH(int, type);
    QFETCH(QByteArray, name);
    QByteArray golden(416, '\0');
    const auto putInt = [&golden](int offset, int32_t value) {
        for (int i = 0; i < 4; ++i)
            golden[offset + i] = char((uint32_t(value) >> (8 * i)) & 0xff);
    };
    putInt(0, 1);
    golden.replace(4, name.size(), name);
    putInt(260, type);
    putInt(392, 15);
    putInt(396, 36);
    putInt(400, 36);
    putInt(404, 15);
    putInt(408, 150);

    const SeniorKeyInfoStu record = SeniorKeyRecord::newRecord({}, type);
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(&record), sizeof(record)), golden);
}

void tst_SeniorKeyRecord::keyTextsFromPicks()
{
    QCOMPARE(SeniorKeyRecord::keyTextForCode(4), QByteArray("4"));
    QCOMPARE(SeniorKeyRecord::keyTextForCode(225), QByteArray("225"));
    QCOMPARE(SeniorKeyRecord::keyTextForCombination(3, 4), QByteArray("3,4"));

    SeniorKeyInfoStu record = withId(1);
    std::memset(record.key2, 'x', sizeof(record.key2));
    SeniorKeyRecord::writeField(record.key1, sizeof(record.key1), QByteArray("1234567890123456789"));
    QCOMPARE(QByteArray(record.key1), QByteArray("123456789012345"));
    // The rest of the record is untouched.
    QCOMPARE(record.key2[0], 'x');
}

void tst_SeniorKeyRecord::fieldTextNeverRunsPastItsField()
{
    SeniorKeyInfoStu record = withId(1);
    std::memset(record.key1, '1', sizeof(record.key1));
    std::memset(record.key2, '2', sizeof(record.key2));
    QCOMPARE(SeniorKeyRecord::fieldText(record.key1), QString(16, QLatin1Char('1')));
    std::memset(record.name, 'n', sizeof(record.name));
    QCOMPARE(SeniorKeyRecord::fieldText(record.name).size(), 256);

    std::strcpy(record.name, "\xe9\x94\xae DKS");
    QCOMPARE(SeniorKeyRecord::fieldText(record.name), QString::fromUtf8("\xe9\x94\xae DKS"));
}

QTEST_APPLESS_MAIN(tst_SeniorKeyRecord)
#include "tst_SeniorKeyRecord.moc"
