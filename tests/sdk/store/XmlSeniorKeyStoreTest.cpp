#include "sdk/store/VorlanXml.h"
#include "sdk/store/XmlFields.h"
#include "sdk/store/XmlStore.h"
#include "tests/sdk/store/XmlTestFiles.h"

#include <QTemporaryDir>
#include <QtTest>

#include <cstring>

// The advanced-key file: every field round-trips, ids stay unique.
class XmlSeniorKeyStoreTest : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void createdFileReadsAsEmptyList();
    void everyFieldRoundTrips();
    void idsStayUnique();
    void fieldsWithoutNulStayInTheirBounds();
    void unreadableFileFailsTheRead();

private:
    static SeniorKeyInfoStu makeKey(int id, int type);
    std::list<SeniorKeyInfoStu> readAll() const;

    QTemporaryDir m_dir;
    QByteArray m_path;
};

SeniorKeyInfoStu XmlSeniorKeyStoreTest::makeKey(int id, int type)
{
    SeniorKeyInfoStu record;
    std::memset(&record, 0, sizeof(record));
    record.id = id;
    record.type = type;
    xmlstore::copyField(record.name, sizeof(record.name), (QByteArray("DKS") + QByteArray::number(id)).constData());
    record.travel[0] = 15;
    record.travel[1] = 36;
    record.travel[2] = 36;
    record.travel[3] = 15;
    record.holdMs = 150;
    return record;
}

std::list<SeniorKeyInfoStu> XmlSeniorKeyStoreTest::readAll() const
{
    std::list<SeniorKeyInfoStu> items;
    CVorlanXML_SeniorKey_SelectAllInfoItem(m_path, &items);
    return items;
}

void XmlSeniorKeyStoreTest::init()
{
    static int round = 0;
    m_path = QFile::encodeName(m_dir.filePath(QStringLiteral("SeniorKeyConfig_%1.xml").arg(++round)));
    QVERIFY(CVorlanXML_SeniorKey_CreateXMLFile(m_path));
    QVERIFY(CVorlanXML_SeniorKey_CreateProFileXmlParentNode(m_path));
}

void XmlSeniorKeyStoreTest::createdFileReadsAsEmptyList()
{
    std::list<SeniorKeyInfoStu> items;
    QVERIFY(CVorlanXML_SeniorKey_SelectAllInfoItem(m_path, &items));
    QVERIFY(items.empty());
}

void XmlSeniorKeyStoreTest::everyFieldRoundTrips()
{
    SeniorKeyInfoStu record = makeKey(7, 1);
    std::strcpy(record.key1, "3,4");
    std::strcpy(record.key2, "224");
    std::memset(record.key4, '9', sizeof(record.key4) - 1);
    for (int i = 0; i < 16; ++i)
        record.dks[i] = i % 4;
    record.travel[0] = record.travel[3] = 40;
    record.holdMs = 1000;
    record.tglSet = 1;
    QVERIFY(CVorlanXML_SeniorKey_AddInfoItem(m_path, 1, record));
    QVERIFY(CVorlanXML_SeniorKey_AddInfoItem(m_path, 2, makeKey(2, 2)));

    // From the cache and from the disk.
    for (int pass = 0; pass < 2; ++pass) {
        const std::list<SeniorKeyInfoStu> items = readAll();
        QCOMPARE(items.size(), std::size_t(2));
        QVERIFY(std::memcmp(&items.front(), &record, sizeof(record)) == 0);
        xmlstore::XmlStore::instance().clearCache();
    }

    record.travel[0] = record.travel[3] = 25;
    std::memset(record.key1, 0, sizeof(record.key1));
    QVERIFY(CVorlanXML_SeniorKey_ModifyInfoItem(m_path, 1, record));
    QVERIFY(std::memcmp(&readAll().front(), &record, sizeof(record)) == 0);

    QVERIFY(CVorlanXML_SeniorKey_DeleteInfoItem(m_path, 1, 7));
    QCOMPARE(readAll().size(), std::size_t(1));
    QCOMPARE(readAll().front().id, 2);
}

void XmlSeniorKeyStoreTest::idsStayUnique()
{
    QVERIFY(CVorlanXML_SeniorKey_AddInfoItem(m_path, 1, makeKey(5, 1)));
    const QByteArray before = readWholeFile(QString::fromLocal8Bit(m_path));
    QVERIFY(!CVorlanXML_SeniorKey_AddInfoItem(m_path, 3, makeKey(5, 3)));
    QVERIFY(!CVorlanXML_SeniorKey_ModifyInfoItem(m_path, 1, makeKey(6, 1)));
    QVERIFY(!CVorlanXML_SeniorKey_DeleteInfoItem(m_path, 1, 6));
    QCOMPARE(readWholeFile(QString::fromLocal8Bit(m_path)), before);
    QCOMPARE(readAll().size(), std::size_t(1));
    QCOMPARE(readAll().front().type, 1);
}

void XmlSeniorKeyStoreTest::fieldsWithoutNulStayInTheirBounds()
{
    SeniorKeyInfoStu record = makeKey(3, 2);
    std::memset(record.name, 'n', sizeof(record.name));
    std::memset(record.key1, '1', sizeof(record.key1));
    std::memset(record.key2, '2', sizeof(record.key2));
    QVERIFY(CVorlanXML_SeniorKey_AddInfoItem(m_path, 2, record));
    xmlstore::XmlStore::instance().clearCache();

    const std::list<SeniorKeyInfoStu> items = readAll();
    QCOMPARE(items.size(), std::size_t(1));
    const SeniorKeyInfoStu &stored = items.front();
    QCOMPARE(QByteArray(stored.name), QByteArray(sizeof(stored.name) - 1, 'n'));
    QCOMPARE(QByteArray(stored.key1), QByteArray(sizeof(stored.key1) - 1, '1'));
    QCOMPARE(QByteArray(stored.key2), QByteArray(sizeof(stored.key2) - 1, '2'));
    QCOMPARE(stored.type, 2);
    QCOMPARE(stored.key3[0], '\0');
}

void XmlSeniorKeyStoreTest::unreadableFileFailsTheRead()
{
    std::list<SeniorKeyInfoStu> items;
    QVERIFY(!CVorlanXML_SeniorKey_SelectAllInfoItem(QFile::encodeName(m_dir.filePath("none.xml")), &items));
    writeWholeFile(QString::fromLocal8Bit(m_path), "<vorlanStore><seniorKeys><seniorKey id=\"1\"");
    QVERIFY(!CVorlanXML_SeniorKey_SelectAllInfoItem(m_path, &items));
    QVERIFY(!CVorlanXML_SeniorKey_AddInfoItem(m_path, 1, makeKey(1, 1)));
    QVERIFY(items.empty());
}

QTEST_APPLESS_MAIN(XmlSeniorKeyStoreTest)
#include "XmlSeniorKeyStoreTest.moc"
