#include "ui/mainwidget/devicePage/profileOps/ProfileOperations.h"

#include "sdk/store/VorlanXml.h"
#include "tests/ui/mainwidget/devicePage/profileOps/SimLink.h"
#include "ui/mainwidget/devicePage/profileOps/MagneticCommands.h"
#include "ui/mainwidget/devicePage/profileOps/ProfileDialogProvider.h"

#include <QDir>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {

constexpr int kWait = 10000;

// Answers every dialog at once with what the test set.
class FakeDialogs : public ProfileDialogProvider
{
public:
    QString existingDirectory(QWidget *, const QString &caption, const QString &) override
    {
        captions << caption;
        return folder;
    }
    QString openFileName(QWidget *, const QString &caption, const QString &, const QString &filter) override
    {
        captions << caption << filter;
        return file;
    }
    int question(QWidget *, const QString &title, const QString &text, const QString &button0,
                 const QString &button1) override
    {
        captions << title << text << button0 << button1;
        return answer;
    }

    QString folder;
    QString file;
    int answer = 0;
    QStringList captions;
};

QList<int> indices(const QByteArray &path)
{
    ProfileNodeList nodes;
    CVorlanXML_SelectProFileAllNodes(path.constData(), &nodes);
    QList<int> out;
    for (const auto &node : nodes)
        out << std::stoi(node.first);
    return out;
}

QByteArray tempPath(const QString &name)
{
    return (qEnvironmentVariable("VORLAN_TEST_TMP") + QLatin1Char('/') + name).toLocal8Bit();
}

// A fresh layer file holding profiles of these indices in this order, the first one current.
QByteArray layerFile(const QString &name, const QList<int> &profileIndices)
{
    const QByteArray path = tempPath(name);
    QFile::remove(QString::fromLocal8Bit(path));
    CVorlanXML_CreateXMLFile(path.constData());
    for (int index : profileIndices) {
        const QByteArray text = QByteArray::number(index);
        CVorlanXML_CreateProFileXmlParentNode(path.constData(), text.constData(), "Profile" + text, 0);
    }
    if (!profileIndices.isEmpty())
        CVorlanXML_ModifyXMLFileProfileIndex(path.constData(), profileIndices.first());
    return path;
}

// A layer file whose last profile has one key assignment, the last profile current.
QByteArray profileWithOneKey(const QString &name, const QList<int> &profileIndices)
{
    const QByteArray path = layerFile(name, profileIndices);
    const QByteArray index = QByteArray::number(profileIndices.last());
    CVorlanXML_AddProFileMacroWithKeyInfoItem(path.constData(), index.constData(), "4", "A", "1", "1", "0", "5");
    return path;
}

int keyCount(const QByteArray &path, const char *index)
{
    std::list<std::string> keys;
    CVorlanXML_ProFileKeyInfoSelectAll(path.constData(), index, &keys);
    return int(keys.size());
}

void attachMagneticKeyboard(ProfileOperations &operations, MagneticCommands &magnetic, SimLinkedKeyboard &device,
                            const QByteArray &path, int index)
{
    magnetic.setHidInterface(device.link.getHidInterface());
    operations.setProfile(path, index);
    operations.setDeviceLink(&device.link);
    operations.setMagneticCommands(&magnetic);
}

QString noticeText(const QSignalSpy &spy)
{
    return spy.isEmpty() ? QString() : spy.last().at(0).toString();
}

} // namespace

class tst_ProfileOperations : public QObject
{
    Q_OBJECT

private slots:
    void createTakesIndexAfterLastProfile_data();
    void createTakesIndexAfterLastProfile();
    void deleteMakesFirstRemainingCurrent();
    void deleteKeepsTheLastProfile();
    void exportImportRoundTripWithHostileName();
    void cancelledDialogsChangeNothing();
    void renameRefusesEmptyName();
    void changeTheFileDoesNotTakeIsNotReported_data();
    void changeTheFileDoesNotTakeIsNotReported();
    void newProfileAndDefaultsAreOneWrite();
    void resetOnMagneticKeyboardRestoresDefaultsFirst();
    void resetAnsweredNoSendsNothing();
    void resetWithoutDeviceStillEmptiesProfile();
    void nothingHappensWithoutProfileFile();

private:
    FakeDialogs m_dialogs;
};

void tst_ProfileOperations::createTakesIndexAfterLastProfile_data()
{
    QTest::addColumn<QList<int>>("before");
    QTest::addColumn<QList<int>>("after");
    QTest::addColumn<QString>("notice");
    const QString created = QStringLiteral("Create profile successful");
    QTest::newRow("1,2,5") << QList<int>{1, 2, 5} << QList<int>{1, 2, 5, 6} << created;
    QTest::newRow("1,5,2") << QList<int>{1, 5, 2} << QList<int>{1, 5, 2, 3} << created;
    QTest::newRow("1,3,2 exists") << QList<int>{1, 3, 2} << QList<int>{1, 3, 2}
                                  << "Create failed, the index node is already existence, please checked";
    QTest::newRow("empty file") << QList<int>{} << QList<int>{2} << created;
    QTest::newRow("ten profiles") << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}
                                  << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}
                                  << "The number of profile has reached the maximum";
}

void tst_ProfileOperations::createTakesIndexAfterLastProfile()
{
    QFETCH(QList<int>, before);
    QFETCH(QList<int>, after);
    QFETCH(QString, notice);

    const QByteArray path = layerFile(QStringLiteral("create.xml"), before);
    ProfileOperations operations(&m_dialogs, nullptr);
    operations.setProfile(path, before.value(0, 1));
    QList<int> defaultsWritten;
    operations.setProfileDefaultsWriter([&](const QByteArray &, int index) { defaultsWritten << index; });
    QSignalSpy notices(&operations, &ProfileOperations::sigNotice);

    operations.createProfile();

    QCOMPARE(indices(path), after);
    QCOMPARE(noticeText(notices), notice);
    QCOMPARE(notices.count(), 1);
    if (after.size() > before.size()) {
        const int created = after.last();
        ProfileNodeInfo info{};
        QVERIFY(CVorlanXML_SelectProfileNodeInfo(path.constData(), QByteArray::number(created).constData(), &info));
        QCOMPARE(QString::fromUtf8(info.name), QStringLiteral("Profile%1").arg(created));
        QCOMPARE(defaultsWritten, QList<int>{created});
        QCOMPARE(operations.profileIndex(), before.value(0, 1));
    } else {
        QVERIFY(defaultsWritten.isEmpty());
    }
}

void tst_ProfileOperations::deleteMakesFirstRemainingCurrent()
{
    const QByteArray path = layerFile(QStringLiteral("delete.xml"), {3, 1, 2});
    ProfileOperations operations(&m_dialogs, nullptr);
    operations.setProfile(path, 3);
    int loads = 0;
    operations.setProfileLoader([&] { ++loads; });
    QSignalSpy notices(&operations, &ProfileOperations::sigNotice);

    operations.deleteProfile();

    QCOMPARE(indices(path), (QList<int>{1, 2}));
    QCOMPARE(operations.profileIndex(), 1);
    QCOMPARE(CVorlanXML_GetCreateXMLFileProfileIndex(path.constData()), 1);
    QCOMPARE(loads, 1);
    QCOMPARE(noticeText(notices), QStringLiteral("Delete profile successful"));
}

void tst_ProfileOperations::deleteKeepsTheLastProfile()
{
    const QByteArray path = layerFile(QStringLiteral("delete-last.xml"), {4});
    ProfileOperations operations(&m_dialogs, nullptr);
    operations.setProfile(path, 4);
    int loads = 0;
    operations.setProfileLoader([&] { ++loads; });
    QSignalSpy notices(&operations, &ProfileOperations::sigNotice);

    operations.deleteProfile();

    QCOMPARE(indices(path), QList<int>{4});
    QCOMPARE(loads, 0);
    QCOMPARE(noticeText(notices), QStringLiteral("Need keep at least one profile"));
}

void tst_ProfileOperations::exportImportRoundTripWithHostileName()
{
    const QByteArray source = layerFile(QStringLiteral("export.xml"), {1, 2});
    const QString folder = qEnvironmentVariable("VORLAN_TEST_TMP") + QStringLiteral("/exports/inner");
    QVERIFY(QDir().mkpath(folder));
    ProfileOperations exporter(&m_dialogs, nullptr);
    exporter.setProfile(source, 2);
    QSignalSpy exportNotices(&exporter, &ProfileOperations::sigNotice);
    const QString hostile = QStringLiteral("../../evil/.hidden");
    QVERIFY(exporter.renameProfile(hostile));

    m_dialogs.folder = folder;
    exporter.exportProfile();
    QCOMPARE(noticeText(exportNotices), QStringLiteral("Export profile successful"));
    exporter.exportProfile(); // the existing file is reused
    QCOMPARE(noticeText(exportNotices), QStringLiteral("Export profile successful"));
    const QStringList written = QDir(folder).entryList(QDir::Files | QDir::Hidden);
    QCOMPARE(written, QStringList{QStringLiteral("_.._evil_.hidden.xml")});
    QCOMPARE(QDir(folder + QStringLiteral("/..")).entryList(QDir::Files | QDir::Hidden), QStringList());
    QVERIFY(m_dialogs.captions.contains(QStringLiteral("Save directory")));

    const QByteArray target = layerFile(QStringLiteral("import.xml"), {1, 2});
    ProfileOperations importer(&m_dialogs, nullptr);
    importer.setProfile(target, 1);
    QSignalSpy importNotices(&importer, &ProfileOperations::sigNotice);
    QSignalSpy listChanged(&importer, &ProfileOperations::sigProfileListChanged);
    m_dialogs.file = folder + QLatin1Char('/') + written.first();
    importer.importProfile();

    QCOMPARE(noticeText(importNotices), QStringLiteral("Import profile successful"));
    QCOMPARE(listChanged.count(), 1);
    QCOMPARE(indices(target).size(), 3);
    ProfileNodeInfo info{};
    const QByteArray imported = QByteArray::number(indices(target).last());
    QVERIFY(CVorlanXML_SelectProfileNodeInfo(target.constData(), imported.constData(), &info));
    QCOMPARE(QString::fromUtf8(info.name), hostile);
    QCOMPARE(importer.profileIndex(), 1);
    QVERIFY(m_dialogs.captions.contains(QStringLiteral("Profile files(*.xml)")));
}

void tst_ProfileOperations::cancelledDialogsChangeNothing()
{
    const QByteArray path = layerFile(QStringLiteral("cancel.xml"), {1, 2});
    ProfileOperations operations(&m_dialogs, nullptr);
    operations.setProfile(path, 1);
    QSignalSpy notices(&operations, &ProfileOperations::sigNotice);
    m_dialogs.folder.clear();
    m_dialogs.file.clear();

    operations.exportProfile();
    QCOMPARE(notices.last().at(0).toString(), QStringLiteral("Please select save directory first"));
    QCOMPARE(notices.last().at(1).toBool(), false);
    operations.importProfile();
    QCOMPARE(notices.last().at(0).toString(), QStringLiteral("Please select import file first"));
    QCOMPARE(notices.last().at(1).toBool(), true);
    QCOMPARE(indices(path), (QList<int>{1, 2}));

    operations.setProfile(path, 7);
    m_dialogs.folder = qEnvironmentVariable("VORLAN_TEST_TMP");
    operations.exportProfile();
    QCOMPARE(noticeText(notices), QStringLiteral("This index node non-existent"));
}

void tst_ProfileOperations::renameRefusesEmptyName()
{
    const QByteArray path = layerFile(QStringLiteral("rename.xml"), {1});
    ProfileOperations operations(&m_dialogs, nullptr);
    operations.setProfile(path, 1);
    QSignalSpy notices(&operations, &ProfileOperations::sigNotice);

    QVERIFY(!operations.renameProfile(QString()));
    QCOMPARE(noticeText(notices), QStringLiteral("Profile name can't empty"));
    QCOMPARE(operations.currentProfileName(), std::optional<QString>(QStringLiteral("Profile1")));

    QVERIFY(operations.renameProfile(QStringLiteral("   ")));
    QCOMPARE(operations.currentProfileName(), std::optional<QString>(QStringLiteral("   ")));
    const QString name = QString::fromUtf8("Spiel 配置");
    QVERIFY(operations.renameProfile(name));
    QCOMPARE(noticeText(notices), QStringLiteral("Modify profile info successful"));
    QCOMPARE(operations.currentProfileName(), std::optional<QString>(name));
}

void tst_ProfileOperations::changeTheFileDoesNotTakeIsNotReported_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QString>("warning");
    QTest::newRow("create") << "create"
                            << "could not create profile 2";
    QTest::newRow("rename") << "rename"
                            << "could not rename profile 1";
    QTest::newRow("reset") << "reset"
                           << "could not reset profile 1";
}

void tst_ProfileOperations::changeTheFileDoesNotTakeIsNotReported()
{
    QFETCH(QString, operation);
    QFETCH(QString, warning);
    // A folder where the file should be: the store can neither read nor replace it, even for root.
    const QByteArray path = tempPath(QStringLiteral("folder-%1.xml").arg(operation));
    QVERIFY(QDir().mkpath(QString::fromLocal8Bit(path)));
    ProfileOperations operations(&m_dialogs, nullptr);
    operations.setProfile(path, 1);
    QList<int> defaultsWritten;
    operations.setProfileDefaultsWriter([&](const QByteArray &, int index) { defaultsWritten << index; });
    int loads = 0;
    operations.setProfileLoader([&] { ++loads; });
    QSignalSpy notices(&operations, &ProfileOperations::sigNotice);
    QSignalSpy listChanged(&operations, &ProfileOperations::sigProfileListChanged);
    m_dialogs.answer = 0;

    QTest::ignoreMessage(QtWarningMsg, qPrintable("Profile operations: " + warning + " in " + path));
    if (operation == "create")
        operations.createProfile();
    else if (operation == "rename")
        QVERIFY(!operations.renameProfile(QStringLiteral("Mine")));
    else
        operations.resetWithQuestion();

    QVERIFY(notices.isEmpty());
    QVERIFY(listChanged.isEmpty());
    QVERIFY(defaultsWritten.isEmpty());
    QCOMPARE(loads, 0);
    QVERIFY(QDir(QString::fromLocal8Bit(path)).isEmpty());
}

void tst_ProfileOperations::newProfileAndDefaultsAreOneWrite()
{
    const QString folder = QString::fromLocal8Bit(tempPath(QStringLiteral("one-write")));
    QVERIFY(QDir().mkpath(folder));
    const QByteArray path = (folder + QStringLiteral("/layer.xml")).toLocal8Bit();
    CVorlanXML_CreateXMLFile(path.constData());
    CVorlanXML_CreateProFileXmlParentNode(path.constData(), "1", "Profile1", 0);
    ProfileOperations operations(&m_dialogs, nullptr);
    operations.setProfile(path, 1);
    bool folderGoes = false;
    operations.setProfileDefaultsWriter([&](const QByteArray &file, int index) {
        const QByteArray profile = QByteArray::number(index);
        // The node is there for the defaults, but not yet on disk.
        QVERIFY(CVorlanXML_IsExistenceSelectProfileNode(file.constData(), profile.constData()));
        QVERIFY(!QFile(QString::fromLocal8Bit(file)).readAll().contains("Profile2"));
        CVorlanXML_ModifyProFileLightSynchronizeStatus(file.constData(), profile.constData(), 1);
        if (folderGoes)
            QVERIFY(QDir(folder).removeRecursively());
    });
    QSignalSpy notices(&operations, &ProfileOperations::sigNotice);
    QSignalSpy listChanged(&operations, &ProfileOperations::sigProfileListChanged);

    operations.createProfile();
    QCOMPARE(noticeText(notices), QStringLiteral("Create profile successful"));
    QCOMPARE(CVorlanXML_SelectProFileLightSynchronizeStatus(path.constData(), "2"), 1);

    // The file cannot be replaced at the end: nothing is reported as done.
    folderGoes = true;
    notices.clear();
    listChanged.clear();
    QTest::ignoreMessage(QtWarningMsg, qPrintable("Profile operations: could not create profile 3 in " + path));
    operations.createProfile();
    QVERIFY(notices.isEmpty());
    QVERIFY(listChanged.isEmpty());
}

void tst_ProfileOperations::resetOnMagneticKeyboardRestoresDefaultsFirst()
{
    SimLinkedKeyboard device;
    QVERIFY(device.open("Quartz68HE"));
    SimServerFixture &sim = device.sim;
    const int keyboard = device.keyboard;
    QVERIFY(sim.server().execute("clearlog " + std::to_string(keyboard)).rfind("OK", 0) == 0);

    const QByteArray path = profileWithOneKey(QStringLiteral("reset.xml"), {1, 2});
    QVERIFY(CVorlanXML_ModifyProfileNodeInfo(path.constData(), "2", "Mine"));
    MagneticCommands magnetic;
    ProfileOperations operations(&m_dialogs, nullptr);
    attachMagneticKeyboard(operations, magnetic, device, path, 2);
    QSignalSpy notices(&operations, &ProfileOperations::sigNotice);
    m_dialogs.answer = 0;

    operations.resetWithQuestion();

    QCOMPARE(noticeText(notices), QStringLiteral("Operate successful"));
    QCOMPARE(operations.currentProfileName(), std::optional<QString>(QStringLiteral("Mine")));
    QCOMPARE(indices(path), (QList<int>{1, 2}));
    QCOMPARE(keyCount(path, "2"), 0);
    QVERIFY(m_dialogs.captions.contains(QStringLiteral("Whether to reset the current profile?")));

    QTRY_VERIFY_WITH_TIMEOUT(sim.receivedCommands(keyboard).count(0x13) >= 2, kWait);
    std::vector<SimLogEntry> log;
    sim.server().withKeyboard(keyboard, [&](SimKeyboard &simulated) { log = simulated.receivedLog(); });
    log.erase(std::remove_if(log.begin(), log.end(), [](const SimLogEntry &e) { return e.report[1] == 0; }), log.end());
    QCOMPARE(int(log.size()), 3);
    QCOMPARE((QList<int>{log[0].report[1], log[0].report[6]}), (QList<int>{0x29, 6}));
    QCOMPARE((QList<int>{log[1].report[1], log[1].report[2], log[1].report[6]}), (QList<int>{0x13, 0, 1}));
    QCOMPARE((QList<int>{log[2].report[1], log[2].report[2]}), (QList<int>{0x13, 2}));
    QVERIFY2(log[1].milliseconds - log[0].milliseconds >= 240,
             qPrintable(QString::number(log[1].milliseconds - log[0].milliseconds)));
}

void tst_ProfileOperations::resetAnsweredNoSendsNothing()
{
    SimLinkedKeyboard device;
    QVERIFY(device.open("Quartz68HE"));
    const int before = device.sim.received(device.keyboard).size();

    const QByteArray path = profileWithOneKey(QStringLiteral("reset-no.xml"), {1});
    MagneticCommands magnetic;
    ProfileOperations operations(&m_dialogs, nullptr);
    attachMagneticKeyboard(operations, magnetic, device, path, 1);
    QSignalSpy notices(&operations, &ProfileOperations::sigNotice);
    m_dialogs.answer = 1;

    operations.resetWithQuestion();

    QCOMPARE(device.receivedUpToMarker().size(), before);
    QVERIFY(notices.isEmpty());
    QCOMPARE(keyCount(path, "1"), 1);
}

void tst_ProfileOperations::resetWithoutDeviceStillEmptiesProfile()
{
    const QByteArray path = profileWithOneKey(QStringLiteral("reset-nodevice.xml"), {1});
    ProfileOperations operations(&m_dialogs, nullptr);
    operations.setProfile(path, 1);
    QSignalSpy notices(&operations, &ProfileOperations::sigNotice);
    m_dialogs.answer = 0;

    operations.resetWithQuestion();

    QCOMPARE(noticeText(notices), QStringLiteral("Operate successful"));
    QCOMPARE(keyCount(path, "1"), 0);
}

void tst_ProfileOperations::nothingHappensWithoutProfileFile()
{
    ProfileOperations operations(&m_dialogs, nullptr);
    QSignalSpy notices(&operations, &ProfileOperations::sigNotice);
    m_dialogs.captions.clear();

    operations.createProfile();
    operations.deleteProfile();
    operations.exportProfile();
    operations.importProfile();
    QVERIFY(!operations.renameProfile(QStringLiteral("x")));
    operations.resetWithQuestion();

    QVERIFY(notices.isEmpty());
    QVERIFY(m_dialogs.captions.isEmpty());
}

QTEST_MAIN(tst_ProfileOperations)
#include "tst_ProfileOperations.moc"
