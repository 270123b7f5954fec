#include "ui/mainwidget/devicePage/keyFunctions/KeyTextLimit.h"

#include <QtTest>

// The 5000-unit limit of a key's text, applied after each change with the cursor where it left.
class tst_KeyTextLimit : public QObject
{
    Q_OBJECT

private slots:
    void limitKeepsWhatWasThereBefore_data();
    void limitKeepsWhatWasThereBefore();
};

void tst_KeyTextLimit::limitKeepsWhatWasThereBefore_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("cursor");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("expectedCursor");

    const QString full(5000, 'a');
    const QString emoji = QString::fromUtf8("\xf0\x9f\x98\x80");
    QTest::newRow("at the limit") << full << 5000 << full << 5000;
    QTest::newRow("typed at the end") << full + "x" << 5001 << full << 5000;
    QTest::newRow("typed in the middle") << QString(10, 'a') + "x" + QString(4990, 'b') << 11
                                         << QString(10, 'a') + QString(4990, 'b') << 10;
    QTest::newRow("paste overflows: its beginning stays")
        << QString(4990, 'a') + "0123456789ABCDEF" + "zz" << 5006 << QString(4990, 'a') + "01234567" + "zz" << 4998;
    QTest::newRow("non-BMP character typed at 4999 units")
        << QString(4999, 'a') + emoji << 5001 << QString(4999, 'a') << 4999;
    QTest::newRow("paste whose cut falls inside a pair: cut before the pair")
        << QString(4998, 'a') + "x" + emoji + "y" << 5002 << QString(4998, 'a') + "x" << 4999;
    QTest::newRow("paste whose cut falls before a pair")
        << QString(4998, 'a') + "xy" + emoji << 5002 << QString(4998, 'a') + "xy" << 5000;
    QTest::newRow("text set with the cursor at its start keeps its first 5000")
        << QString(5000, 'a') + QString(1000, 'b') << 0 << full << 5000;
    QTest::newRow("cut before a pair at the 5000 boundary")
        << QString(4999, 'a') + emoji + "b" << 0 << QString(4999, 'a') << 4999;
}

void tst_KeyTextLimit::limitKeepsWhatWasThereBefore()
{
    QFETCH(QString, text);
    QFETCH(int, cursor);
    QFETCH(QString, expected);
    QFETCH(int, expectedCursor);
    const KeyTextLimit::Result result = KeyTextLimit::apply(text, cursor);
    QCOMPARE(result.text.size(), expected.size());
    QCOMPARE(result.text, expected);
    QCOMPARE(result.cursor, expectedCursor);
    QCOMPARE(result.changed, text != expected);
    // Never a lone half of a pair.
    QCOMPARE(QString::fromUtf8(result.text.toUtf8()), result.text);
}

QTEST_APPLESS_MAIN(tst_KeyTextLimit)
#include "tst_KeyTextLimit.moc"
