#include "sdk/store/VorlanXml.h"
#include "tests/sdk/store/XmlTestFiles.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>
#include <memory>
#include <thread>

#include <sys/inotify.h>
#include <unistd.h>

// Several calls as one change of each file: one write at commit, none without it.
class XmlStoreBatchTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void committedBatchWritesEachFileOnce();
    void uncommittedBatchLeavesFilesAsTheyWere();
    void innerDiscardMakesTheOuterBatchForget();
    void otherThreadsWaitForTheBatch();
    void singleCallIsOnDiskWhenItReturns();

private:
    QByteArray path(const char *name) const { return m_dir->filePath(QString::fromLatin1(name)).toLocal8Bit(); }
    std::unique_ptr<QTemporaryDir> m_dir;
};

namespace {

// Counts the files renamed into a folder, which is how every store write ends.
class ReplaceCounter
{
public:
    explicit ReplaceCounter(const QString &folder)
        : m_fd(inotify_init1(IN_NONBLOCK | IN_CLOEXEC))
    {
        inotify_add_watch(m_fd, folder.toLocal8Bit().constData(), IN_MOVED_TO);
    }
    ~ReplaceCounter() { ::close(m_fd); }
    int count(const QByteArray &name)
    {
        alignas(inotify_event) char buffer[8192];
        ssize_t length;
        while ((length = ::read(m_fd, buffer, sizeof buffer)) > 0) {
            for (char *at = buffer; at < buffer + length;) {
                const auto *event = reinterpret_cast<const inotify_event *>(at);
                if (event->len > 0 && name == event->name)
                    ++m_count;
                at += sizeof(inotify_event) + event->len;
            }
        }
        return m_count;
    }

private:
    int m_fd;
    int m_count = 0;
};

int keyCount(const char *file, const char *profile)
{
    std::list<std::string> keys;
    CVorlanXML_ProFileKeyInfoSelectAll(file, profile, &keys);
    return int(keys.size());
}

void fillProfile(const char *file, const char *profile)
{
    CVorlanXML_CreateProFileXmlParentNode(file, profile, "Profile", 0);
    for (int area = 0; area < 3; ++area)
        CVorlanXML_AddProFileLightInfoItem(file, profile, makeLight(area, 2, 3));
    for (int key = 4; key < 14; ++key)
        CVorlanXML_AddProFileMacroWithKeyInfoItem(file, profile, QByteArray::number(key).constData(), "K", "0", "1",
                                                  "1", "5");
}

} // namespace

void XmlStoreBatchTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    QVERIFY(CVorlanXML_CreateXMLFile(path("old.xml").constData()));
    QVERIFY(CVorlanXML_CreateProFileXmlParentNode(path("old.xml").constData(), "1", "Profile1", 0));
}

void XmlStoreBatchTest::committedBatchWritesEachFileOnce()
{
    const QByteArray old = path("old.xml");
    const QByteArray fresh = path("fresh.xml");
    ReplaceCounter replaces(m_dir->path());
    {
        VorlanXmlBatch batch;
        // A new file, filled and read back inside the batch, and an existing one changed many times.
        QVERIFY(CVorlanXML_CreateXMLFile(fresh.constData()));
        fillProfile(fresh.constData(), "1");
        fillProfile(old.constData(), "2");
        QCOMPARE(keyCount(fresh.constData(), "1"), 10);
        QCOMPARE(keyCount(old.constData(), "2"), 10);
        QVERIFY(!QFileInfo::exists(QString::fromLocal8Bit(fresh)));
        QCOMPARE(replaces.count("old.xml"), 0);
        QVERIFY(batch.commit());
    }
    QCOMPARE(replaces.count("old.xml"), 1);
    QCOMPARE(replaces.count("fresh.xml"), 1);
    QVERIFY(readWholeFile(QString::fromLocal8Bit(old)).contains("code=\"13\""));
    QVERIFY(readWholeFile(QString::fromLocal8Bit(fresh)).contains("code=\"13\""));
    QCOMPARE(keyCount(old.constData(), "1"), 0);
}

void XmlStoreBatchTest::uncommittedBatchLeavesFilesAsTheyWere()
{
    const QByteArray old = path("old.xml");
    const QByteArray before = readWholeFile(QString::fromLocal8Bit(old));
    {
        VorlanXmlBatch batch;
        QVERIFY(CVorlanXML_CreateXMLFile(path("never.xml").constData()));
        fillProfile(old.constData(), "2");
        QVERIFY(CVorlanXML_DeleteProFileSelectedNode(old.constData(), "1"));
        // An operation that fails half way returns without commit.
    }
    QCOMPARE(readWholeFile(QString::fromLocal8Bit(old)), before);
    QVERIFY(!QFileInfo::exists(m_dir->filePath("never.xml")));
    // The cache forgot the changes too.
    QVERIFY(CVorlanXML_IsExistenceSelectProfileNode(old.constData(), "1"));
    QVERIFY(!CVorlanXML_IsExistenceSelectProfileNode(old.constData(), "2"));
    QVERIFY(!CVorlanXML_IsExistenceSelectProfileNode(path("never.xml").constData(), "1"));
}

void XmlStoreBatchTest::innerDiscardMakesTheOuterBatchForget()
{
    const QByteArray old = path("old.xml");
    const QByteArray before = readWholeFile(QString::fromLocal8Bit(old));
    VorlanXmlBatch outer;
    QVERIFY(CVorlanXML_ModifyProfileNodeInfo(old.constData(), "1", "Renamed"));
    {
        VorlanXmlBatch inner;
        fillProfile(old.constData(), "2");
    }
    QVERIFY(!outer.commit());
    QCOMPARE(readWholeFile(QString::fromLocal8Bit(old)), before);

    // Nested batches that all commit write once, at the outermost end.
    VorlanXmlBatch second;
    {
        VorlanXmlBatch inner;
        fillProfile(old.constData(), "3");
        QVERIFY(inner.commit());
    }
    QCOMPARE(readWholeFile(QString::fromLocal8Bit(old)), before);
    QVERIFY(second.commit());
    QCOMPARE(keyCount(old.constData(), "3"), 10);
}

void XmlStoreBatchTest::otherThreadsWaitForTheBatch()
{
    const QByteArray old = path("old.xml");
    std::atomic<int> seen{-1};
    std::thread reader;
    {
        VorlanXmlBatch batch;
        fillProfile(old.constData(), "2");
        reader = std::thread([&] { seen = keyCount(old.constData(), "2"); });
        QTest::qWait(50);
        // Still waiting: it never sees a half-done operation.
        QCOMPARE(seen.load(), -1);
        QVERIFY(batch.commit());
    }
    reader.join();
    QCOMPARE(seen.load(), 10);
}

void XmlStoreBatchTest::singleCallIsOnDiskWhenItReturns()
{
    const QByteArray old = path("old.xml");
    QVERIFY(CVorlanXML_AddProFileMacroWithKeyInfoItem(old.constData(), "1", "42", "K", "0", "1", "1", "5"));
    QVERIFY(readWholeFile(QString::fromLocal8Bit(old)).contains("code=\"42\""));
}

QTEST_GUILESS_MAIN(XmlStoreBatchTest)
#include "XmlStoreBatchTest.moc"
