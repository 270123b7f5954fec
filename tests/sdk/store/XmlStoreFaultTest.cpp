#include "sdk/store/VorlanXml.h"
#include "tests/sdk/store/XmlTestFiles.h"

#include <QDir>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <chrono>
#include <csignal>
#include <cstring>
#include <functional>
#include <thread>
#include <utility>
#include <vector>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utime.h>

// Bad files, bad paths, changes from outside and writers killed at random moments.
class XmlStoreFaultTest : public QObject
{
    Q_OBJECT

private slots:
    void malformedFileFailsEveryCallAndStaysUnchanged_data();
    void malformedFileFailsEveryCallAndStaysUnchanged();
    void badPathsAreRefusedAndCreateNothing_data();
    void badPathsAreRefusedAndCreateNothing();
    void changeFromOutsideIsNoticed();
    void killedWriterLeavesOldOrNewFile();
    void filesFollowTheUmaskAndKeepTheirMode();
    void deadWritersTempFilesGoOnTheNextWrite();

private:
    QTemporaryDir m_dir;
};

namespace {

using Call = std::pair<const char *, std::function<bool(const char *)>>;

// Every call on one file; each returns true when the call reported success.
std::vector<Call> everyCall()
{
    return {
        {"ProfileAllNodes",
         [](const char *p) {
             ProfileNodeList n;
             return CVorlanXML_SelectProFileAllNodes(p, &n);
         }},
        {"ProfileExists", [](const char *p) { return CVorlanXML_IsExistenceSelectProfileNode(p, "1"); }},
        {"ProfileCreate", [](const char *p) { return CVorlanXML_CreateProFileXmlParentNode(p, "2", "P", 0); }},
        {"ProfileDelete", [](const char *p) { return CVorlanXML_DeleteProFileSelectedNode(p, "1"); }},
        {"ProfileRename", [](const char *p) { return CVorlanXML_ModifyProfileNodeInfo(p, "1", "P"); }},
        {"ProfileInfo",
         [](const char *p) {
             ProfileNodeInfo i{};
             return CVorlanXML_SelectProfileNodeInfo(p, "1", &i);
         }},
        {"CurrentSet", [](const char *p) { return CVorlanXML_ModifyXMLFileProfileIndex(p, 1); }},
        {"CurrentGet", [](const char *p) { return CVorlanXML_GetCreateXMLFileProfileIndex(p) != -1; }},
        {"KeyAdd",
         [](const char *p) { return CVorlanXML_AddProFileMacroWithKeyInfoItem(p, "1", "4", "A", "0", "1", "1", "5"); }},
        {"KeyDelete", [](const char *p) { return CVorlanXML_DeleteProFileMacroWithKeyInfoItem(p, "1", "4", "A"); }},
        {"KeySelect",
         [](const char *p) {
             KeyOperateInfo i{};
             return CVorlanXML_SelectProFileKeyOperateInfo(p, "1", "4", &i);
         }},
        {"KeyList",
         [](const char *p) {
             std::list<std::string> k;
             return CVorlanXML_ProFileKeyInfoSelectAll(p, "1", &k);
         }},
        {"ValueNum", [](const char *p) { return CVorlanXML_GetProFileValueNum(p, "1", "1", "1") != -1; }},
        {"BindAdd", [](const char *p) { return CVorlanXML_AddProFileBindMacroItem(p, "1", {}, "1", "Macro1"); }},
        {"BindSelect",
         [](const char *p) {
             std::list<MacroEvent> e;
             return CVorlanXML_ProFileMacroWithKeyInfoSelectAll(p, "1", "1", "", &e);
         }},
        {"LightAdd", [](const char *p) { return CVorlanXML_AddProFileLightInfoItem(p, "1", makeLight(0, 2, 3)); }},
        {"LightSelect",
         [](const char *p) {
             colorInfoData c{};
             return CVorlanXML_SelectProfileColorDataInfo(p, "1", 0, 2, &c);
         }},
        {"ModeInUse", [](const char *p) { return CVorlanXML_SelectProFileMouseLightTypeUsingIndex(p, "1", 0) != -1; }},
        {"ModeSet", [](const char *p) { return CVorlanXML_ModifyProFileMouseLightUsingIndex(p, "1", 0, 2); }},
        {"SleepSet", [](const char *p) { return CVorlanXML_SetProFileIntoSleepTimeInfo(p, "1", 60, 5); }},
        {"LocksSet", [](const char *p) { return CVorlanXML_AddProFileFunctionInfo(p, "1", "1", "1", "1", "1"); }},
        {"SetAdd", [](const char *p) { return CVorlanXML_AddProFileCustomLightNode(p, "1", "0", "S", "Using", 0); }},
        {"SetList",
         [](const char *p) {
             std::list<CustomLightNodeStu> s;
             return CVorlanXML_SelectProFileCustomLightAllNodes(p, "1", &s);
         }},
        {"DefaultFile",
         [](const char *p) {
             std::list<CustomLightItemStu> i;
             return CVorlanXML_XmlCustomLightInfoSelectAll(p, "0", &i);
         }},
        {"MacroCreate", [](const char *p) { return CVorlanXML_CreateMacroXmlParentNode(p, "1", "M"); }},
        {"MacroList",
         [](const char *p) {
             MacroNode m;
             return CVorlanXML_SelectMacroAllNodes(p, &m);
         }},
        {"EventsAdd", [](const char *p) { return CVorlanXML_AddKeyOrMouseEventItem(p, {}, "1"); }},
        {"Events",
         [](const char *p) {
             std::list<MacroEvent> e;
             return CVorlanXML_SelectAllKeyOrMouseEvent(p, "1", &e);
         }},
        {"SeniorParent", [](const char *p) { return CVorlanXML_SeniorKey_CreateProFileXmlParentNode(p); }},
        {"SeniorAdd",
         [](const char *p) {
             SeniorKeyInfoStu s{};
             s.id = 1;
             return CVorlanXML_SeniorKey_AddInfoItem(p, 1, s);
         }},
        {"SeniorAll",
         [](const char *p) {
             std::list<SeniorKeyInfoStu> s;
             return CVorlanXML_SeniorKey_SelectAllInfoItem(p, &s);
         }},
        {"Export", [](const char *p) { return CVorlanXML_ProFileExport(p, p, "1", 0); }},
        {"Import", [](const char *p) { return CVorlanXML_ProFileImport(p, p, "1"); }},
        {"Create", [](const char *p) { return CVorlanXML_CreateXMLFile(p); }},
    };
}

} // namespace

void XmlStoreFaultTest::malformedFileFailsEveryCallAndStaysUnchanged_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("not XML") << QByteArray("profile 1 = Profile1\n");
    QTest::newRow("truncated") << QByteArray("<?xml version=\"1.0\"?>\n<vorlanStore currentProfile=\"1\">\n"
                                             " <profile index=\"1\" name=\"Prof");
    QTest::newRow("unclosed element") << QByteArray("<vorlanStore><profile index=\"1\" name=\"P\">");
    QTest::newRow("binary") << QByteArray("\x00\xff\xfe<\x01>\x00<vorlanStore/>", 18);
    QTest::newRow("another root") << QByteArray("<other><profile index=\"1\" name=\"P\"/></other>");
}

void XmlStoreFaultTest::malformedFileFailsEveryCallAndStaysUnchanged()
{
    QFETCH(QByteArray, content);
    const QString path = m_dir.filePath(QStringLiteral("bad_%1.xml").arg(QTest::currentDataTag()));
    writeWholeFile(path, content);
    const QByteArray local = QFile::encodeName(path);

    for (const Call &call : everyCall()) {
        QVERIFY2(!call.second(local.constData()), call.first);
        QVERIFY2(readWholeFile(path) == content, call.first);
    }
    // A read fills nothing.
    KeyOperateInfo info;
    std::memset(&info, 'x', sizeof(info));
    std::strcpy(info.keyIndex, "-1");
    CVorlanXML_SelectProFileKeyOperateInfo(local, "1", "4", &info);
    QCOMPARE(QByteArray(info.keyIndex), QByteArray("-1"));
    QCOMPARE(info.keyName[0], 'x');
    // No temporary file stays behind.
    QCOMPARE(QDir(m_dir.path()).entryList({"*.tmp-*"}, QDir::Files | QDir::Hidden), QStringList());
}

void XmlStoreFaultTest::badPathsAreRefusedAndCreateNothing_data()
{
    QTest::addColumn<QByteArray>("path");
    QTest::newRow("empty") << QByteArray("");
    QTest::newRow("256 bytes") << QFile::encodeName(m_dir.filePath(QString(256, 'p'))).right(256);
    QTest::newRow("folder") << QFile::encodeName(m_dir.path());
    QTest::newRow("missing folder") << QFile::encodeName(m_dir.filePath("no/such/folder/a.xml"));
}

void XmlStoreFaultTest::badPathsAreRefusedAndCreateNothing()
{
    QFETCH(QByteArray, path);
    const QStringList before = QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const Call &call : everyCall())
        QVERIFY2(!call.second(path.constData()), call.first);
    QVERIFY(!CVorlanXML_CreateXMLFile(nullptr));
    QCOMPARE(CVorlanXML_GetCreateXMLFileProfileIndex(nullptr), -1);
    QCOMPARE(QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), before);
    QVERIFY(!QFile::exists(QStringLiteral("/p")));
}

void XmlStoreFaultTest::changeFromOutsideIsNoticed()
{
    const QByteArray path = QFile::encodeName(m_dir.filePath("outside.xml"));
    const QByteArray other = QFile::encodeName(m_dir.filePath("outside_new.xml"));
    for (const QByteArray &file : {path, other}) {
        QVERIFY(CVorlanXML_CreateXMLFile(file));
        QVERIFY(CVorlanXML_CreateProFileXmlParentNode(file, "1", "Profile1", 0));
    }
    QVERIFY(CVorlanXML_AddProFileMacroWithKeyInfoItem(path, "1", "4", "A", "0", "1", "1", "old"));
    QVERIFY(CVorlanXML_AddProFileMacroWithKeyInfoItem(other, "1", "4", "A", "0", "1", "1", "new"));
    KeyOperateInfo info{};
    QVERIFY(CVorlanXML_SelectProFileKeyOperateInfo(path, "1", "4", &info));
    QCOMPARE(QByteArray(info.value), QByteArray("old"));

    // Replaced by another program, and then edited in place.
    QVERIFY(::rename(other.constData(), path.constData()) == 0);
    QVERIFY(CVorlanXML_SelectProFileKeyOperateInfo(path, "1", "4", &info));
    QCOMPARE(QByteArray(info.value), QByteArray("new"));
    QByteArray content = readWholeFile(QString::fromLocal8Bit(path));
    content.replace("value=\"new\"", "value=\"edited by hand\"");
    writeWholeFile(QString::fromLocal8Bit(path), content);
    QVERIFY(CVorlanXML_SelectProFileKeyOperateInfo(path, "1", "4", &info));
    QCOMPARE(QByteArray(info.value), QByteArray("edited by hand"));
}

void XmlStoreFaultTest::killedWriterLeavesOldOrNewFile()
{
    // Ten full profiles make each write long enough to be hit in the middle.
    const QByteArray path = QFile::encodeName(m_dir.filePath("killed.xml"));
    QVERIFY(CVorlanXML_CreateXMLFile(path));
    for (int profile = 1; profile <= 10; ++profile) {
        const QByteArray index = QByteArray::number(profile);
        QVERIFY(CVorlanXML_CreateProFileXmlParentNode(path, index, "Profile" + index, 0));
        for (int key = 0; key < 132; ++key)
            QVERIFY(CVorlanXML_AddProFileMacroWithKeyInfoItem(path, index, QByteArray::number(key), "K", "0", "1", "1",
                                                              QByteArray::number(key * 7)));
    }
    const QByteArray padding(4000, 'p');
    QVERIFY(CVorlanXML_AddProFileMacroWithKeyInfoItem(path, "1", "500", "X", "6", "1", "1", "gen0:" + padding));

    QRandomGenerator random(20261210);
    for (int round = 0; round < 60; ++round) {
        int progress[2];
        QVERIFY(::pipe(progress) == 0);
        const pid_t child = ::fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            ::close(progress[0]);
            for (long generation = 1;; ++generation) {
                const QByteArray value = "gen" + QByteArray::number(qlonglong(generation)) + ":" + padding;
                if (!CVorlanXML_AddProFileMacroWithKeyInfoItem(path, "1", "500", "X", "6", "1", "1", value))
                    ::_exit(2);
                if (::write(progress[1], "w", 1) != 1)
                    ::_exit(3);
            }
        }
        ::close(progress[1]);
        // Let the child finish a random number of writes, then kill it wherever it is.
        const int writes = random.bounded(1, 4);
        for (int done = 0; done < writes; ++done) {
            char byte = 0;
            QCOMPARE(::read(progress[0], &byte, 1), ssize_t(1));
        }
        // A random moment within the next write: not a wait for anything.
        std::this_thread::sleep_for(std::chrono::microseconds(random.bounded(0, 3000)));
        ::kill(child, SIGKILL);
        int status = 0;
        QCOMPARE(::waitpid(child, &status, 0), child);
        QVERIFY(WIFSIGNALED(status));
        ::close(progress[0]);

        QByteArray value(8192, '\0');
        const long length = CVorlanXML_SelectProFileKeyOperateValue(path, "1", "500", value.data(), 8192);
        QVERIFY2(length > 0, qPrintable(QStringLiteral("round %1: the file does not read").arg(round)));
        value.truncate(int(length));
        const int colon = value.indexOf(':');
        QVERIFY(value.startsWith("gen") && colon > 3);
        QVERIFY(value.mid(3, colon - 3).toLong() >= writes);
        QCOMPARE(value.mid(colon + 1), padding);
        KeyOperateInfo other{};
        QVERIFY(CVorlanXML_SelectProFileKeyOperateInfo(path, "10", "131", &other));
        QCOMPARE(QByteArray(other.value), QByteArray::number(131 * 7));
    }
    // The next write clears what the killed writers left behind.
    QVERIFY(CVorlanXML_AddProFileMacroWithKeyInfoItem(path, "1", "501", "Y", "0", "1", "1", "5"));
    QCOMPARE(QDir(m_dir.path()).entryList({"*.tmp-*"}, QDir::Files | QDir::Hidden), QStringList());
}

void XmlStoreFaultTest::filesFollowTheUmaskAndKeepTheirMode()
{
    const mode_t previous = ::umask(077);
    const QByteArray path = QFile::encodeName(m_dir.filePath("private.xml"));
    const bool created = CVorlanXML_CreateXMLFile(path);
    struct stat info
    {};
    const bool statted = ::stat(path, &info) == 0;
    ::umask(previous);
    QVERIFY(created && statted);
    QCOMPARE(info.st_mode & 07777, mode_t(0600));

    QVERIFY(::chmod(path, 0640) == 0);
    QVERIFY(CVorlanXML_CreateProFileXmlParentNode(path, "1", "Profile1", 0));
    QVERIFY(::stat(path, &info) == 0);
    QCOMPARE(info.st_mode & 07777, mode_t(0640));
}

void XmlStoreFaultTest::deadWritersTempFilesGoOnTheNextWrite()
{
    QTemporaryDir dir;
    const QString file = dir.filePath("store.xml");
    const QByteArray path = QFile::encodeName(file);
    QVERIFY(CVorlanXML_CreateXMLFile(path));

    const pid_t dead = ::fork();
    QVERIFY(dead >= 0);
    if (dead == 0)
        ::_exit(0);
    QCOMPARE(::waitpid(dead, nullptr, 0), dead);
    const QString deadWriter = file + ".tmp-" + QString::number(dead) + "-0";
    const QString liveWriter = file + ".tmp-" + QString::number(::getppid()) + "-0";
    const QString oldStyleAbandoned = file + ".tmp-Ab3xYz";
    const QString oldStyleFresh = file + ".tmp-Qr5tUv";
    const QString userFile = dir.filePath("notes.tmp-backup");
    for (const QString &name : {deadWriter, liveWriter, oldStyleAbandoned, oldStyleFresh, userFile})
        writeWholeFile(name, "partial");
    const utimbuf hourAgo{std::time(nullptr) - 3600, std::time(nullptr) - 3600};
    QVERIFY(::utime(QFile::encodeName(oldStyleAbandoned), &hourAgo) == 0);
    QVERIFY(::utime(QFile::encodeName(userFile), &hourAgo) == 0);

    QVERIFY(CVorlanXML_CreateProFileXmlParentNode(path, "1", "Profile1", 0));
    QVERIFY(!QFile::exists(deadWriter));
    QVERIFY(!QFile::exists(oldStyleAbandoned));
    QVERIFY(QFile::exists(liveWriter));
    QVERIFY(QFile::exists(oldStyleFresh));
    QVERIFY(QFile::exists(userFile));
}

QTEST_APPLESS_MAIN(XmlStoreFaultTest)
#include "XmlStoreFaultTest.moc"
