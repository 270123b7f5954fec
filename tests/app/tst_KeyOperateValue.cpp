#include "app/KeyOperateValue.h"
#include "sdk/store/VorlanXml.h"

#include <QTemporaryDir>
#include <QtTest>

// Numbers of stored entries as the key pages read them, and the whole value of a long entry.
class tst_KeyOperateValue : public QObject
{
    Q_OBJECT

private slots:
    void leadingNumber_data();
    void leadingNumber();
    void wholeValueBeyondTheRecordField();
};

void tst_KeyOperateValue::leadingNumber_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("number");
    QTest::newRow("plain") << QByteArray("12") << 12;
    QTest::newRow("leading blanks") << QByteArray("  7") << 7;
    QTest::newRow("sign") << QByteArray("-3") << -3;
    QTest::newRow("plus") << QByteArray("+4") << 4;
    QTest::newRow("digits then text") << QByteArray("5abc") << 5;
    QTest::newRow("no digit") << QByteArray("abc") << 0;
    QTest::newRow("empty") << QByteArray() << 0;
    QTest::newRow("two signs") << QByteArray("--2") << 0;
    QTest::newRow("blank after the sign") << QByteArray("- 2") << 0;
    QTest::newRow("too long saturates") << QByteArray("99999999999999999999") << INT_MAX;
}

void tst_KeyOperateValue::leadingNumber()
{
    QFETCH(QByteArray, text);
    QFETCH(int, number);
    QCOMPARE(KeyOperateValue::leadingNumber(text), number);
}

void tst_KeyOperateValue::wholeValueBeyondTheRecordField()
{
    QTemporaryDir folder;
    const QByteArray path = QFile::encodeName(folder.filePath("appProfile_Default.xml"));
    QVERIFY(CVorlanXML_CreateXMLFile(path));
    QVERIFY(CVorlanXML_CreateProFileXmlParentNode(path, "2", "Profile 2", 0));
    const QByteArray text = QString(5000, QChar(0x4e2d)).toUtf8();
    QCOMPARE(text.size(), 15000);
    QVERIFY(CVorlanXML_AddProFileMacroWithKeyInfoItem(path, "2", "30", "k", "6", "1", "1", text));
    QCOMPARE(KeyOperateValue::readWhole(path, 2, 30), text);
    QVERIFY(KeyOperateValue::readWhole(path, 2, 31).isNull());
    QVERIFY(KeyOperateValue::readWhole(path, 1, 30).isNull());
}

QTEST_APPLESS_MAIN(tst_KeyOperateValue)
#include "tst_KeyOperateValue.moc"
