#include "ui/mainwidget/devicePage/keyFunctions/FixedChoiceTable.h"

#include <QtTest>

#include <climits>

// The numbers of a stored entry and the code tables of the radio pages.
class tst_FixedChoiceTable : public QObject
{
    Q_OBJECT

private slots:
    void storedNumberReadsLeadingDigits_data();
    void storedNumberReadsLeadingDigits();
    void everyRowFindsItselfAgain();
};

void tst_FixedChoiceTable::storedNumberReadsLeadingDigits_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("number");
    QTest::newRow("plain") << QByteArray("15") << 15;
    QTest::newRow("negative") << QByteArray("-1") << -1;
    QTest::newRow("plus sign") << QByteArray("+7") << 7;
    QTest::newRow("leading blanks") << QByteArray(" \t 12") << 12;
    QTest::newRow("trailing text") << QByteArray("3abc") << 3;
    QTest::newRow("first of a pair") << QByteArray("2,0") << 2;
    QTest::newRow("no digit") << QByteArray("abc") << 0;
    QTest::newRow("empty") << QByteArray() << 0;
    QTest::newRow("sign only") << QByteArray("-") << 0;
    QTest::newRow("two signs") << QByteArray("--4") << 0;
    QTest::newRow("blank after sign") << QByteArray("- 4") << 0;
    QTest::newRow("too large") << QByteArray("99999999999999999999") << INT_MAX;
    QTest::newRow("too small") << QByteArray("-99999999999999999999") << INT_MIN;
}

void tst_FixedChoiceTable::storedNumberReadsLeadingDigits()
{
    QFETCH(QByteArray, text);
    QFETCH(int, number);
    QCOMPARE(FixedChoiceTable::leadingInt(text), number);
}

void tst_FixedChoiceTable::everyRowFindsItselfAgain()
{
    const QVector<const QVector<FixedChoice> *> tables{
        &FixedChoiceTable::multimedia(), &FixedChoiceTable::mouse(),         &FixedChoiceTable::shortcuts(),
        &FixedChoiceTable::keyConfig(),  &FixedChoiceTable::keyboardLight(), &FixedChoiceTable::sideLight()};
    for (const QVector<FixedChoice> *rows : tables) {
        QSet<QByteArray> names;
        for (int row = 0; row < rows->size(); ++row) {
            const FixedChoice &choice = rows->at(row);
            names.insert(choice.radioName);
            const int found = FixedChoiceTable::rowForEntry(*rows, QByteArray::number(choice.type),
                                                            QByteArray::number(choice.mode), choice.value);
            QVERIFY2(found == row, choice.radioName);
        }
        QCOMPARE(names.size(), rows->size());
    }
}

QTEST_MAIN(tst_FixedChoiceTable)
#include "tst_FixedChoiceTable.moc"
