#include "sdk/store/XmlFields.h"

#include <QtTest>

#include <cstring>

using namespace xmlstore;

class XmlFieldsTest : public QObject
{
    Q_OBJECT

private slots:
    void copyFieldCutsAtCharacterBoundary_data();
    void copyFieldCutsAtCharacterBoundary();
    void pathsAreBoundedAndNotEmpty_data();
    void pathsAreBoundedAndNotEmpty();
    void intListsFillMissingWithZero_data();
    void intListsFillMissingWithZero();
};

void XmlFieldsTest::copyFieldCutsAtCharacterBoundary_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("fieldSize");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("fits") << QByteArray("abc") << 4 << QByteArray("abc");
    QTest::newRow("fills the field") << QByteArray("abcd") << 4 << QByteArray("abc");
    QTest::newRow("two-byte split") << QByteArray("ab\xC3\xA9") << 4 << QByteArray("ab");
    QTest::newRow("two-byte whole") << QByteArray("a\xC3\xA9z") << 4 << QByteArray("a\xC3\xA9");
    QTest::newRow("three-byte split") << QByteArray("a\xE4\xB8\xAD") << 3 << QByteArray("a");
    QTest::newRow("four-byte split") << QByteArray("\xF0\x9F\x98\x80x") << 4 << QByteArray("");
    QTest::newRow("four-byte whole") << QByteArray("\xF0\x9F\x98\x80x") << 5 << QByteArray("\xF0\x9F\x98\x80");
    QTest::newRow("latin-1 bytes are single characters") << QByteArray("ab\xE9\xE9") << 4 << QByteArray("ab\xE9");
    QTest::newRow("stray continuation bytes") << QByteArray("\x80\x80\x80\x80\x80") << 4 << QByteArray("\x80\x80\x80");
    QTest::newRow("one-byte field") << QByteArray("abc") << 1 << QByteArray("");
}

void XmlFieldsTest::copyFieldCutsAtCharacterBoundary()
{
    QFETCH(QByteArray, text);
    QFETCH(int, fieldSize);
    QFETCH(QByteArray, expected);

    QByteArray field(fieldSize + 8, '#');
    const std::size_t length = copyField(field.data(), std::size_t(fieldSize), text.constData());
    QCOMPARE(length, std::size_t(text.size()));
    QCOMPARE(QByteArray(field.constData()), expected);
    // Nothing beyond the field is touched.
    QCOMPARE(field.mid(fieldSize), QByteArray(8, '#'));
}

void XmlFieldsTest::pathsAreBoundedAndNotEmpty_data()
{
    QTest::addColumn<QByteArray>("path");
    QTest::addColumn<bool>("valid");
    QTest::newRow("empty") << QByteArray("") << false;
    QTest::newRow("255 bytes") << QByteArray(255, 'a') << true;
    QTest::newRow("256 bytes") << QByteArray(256, 'a') << false;
    QTest::newRow("ordinary") << QByteArray("/tmp/a.xml") << true;
}

void XmlFieldsTest::pathsAreBoundedAndNotEmpty()
{
    QFETCH(QByteArray, path);
    QFETCH(bool, valid);
    QCOMPARE(isValidPath(path.constData()), valid);
    QVERIFY(!isValidPath(nullptr));
}

void XmlFieldsTest::intListsFillMissingWithZero_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QVector<int>>("expected");
    QTest::newRow("full") << QByteArray("15,36,36,15") << QVector<int>{15, 36, 36, 15};
    QTest::newRow("short") << QByteArray("7") << QVector<int>{7, 0, 0, 0};
    QTest::newRow("empty") << QByteArray("") << QVector<int>{0, 0, 0, 0};
    QTest::newRow("bad entry") << QByteArray("1,x,-3,4,9") << QVector<int>{1, 0, -3, 4};
}

void XmlFieldsTest::intListsFillMissingWithZero()
{
    QFETCH(QByteArray, text);
    QFETCH(QVector<int>, expected);
    int32_t values[4] = {9, 9, 9, 9};
    parseIntList(text.constData(), values, 4);
    QCOMPARE((QVector<int>{values[0], values[1], values[2], values[3]}), expected);
    if (text == "15,36,36,15")
        QCOMPARE(QByteArray(joinIntList(values, 4).c_str()), text);
}

QTEST_APPLESS_MAIN(XmlFieldsTest)
#include "XmlFieldsTest.moc"
