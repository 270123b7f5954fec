#include "sdk/store/VorlanXml.h"
#include "sdk/store/XmlStore.h"
#include "tests/sdk/store/XmlTestFiles.h"

#include <QTemporaryDir>
#include <QtTest>

#include <cstring>

// Profile files: profile nodes, key operations, bound macro copies, lights, custom lights, sleep
// times, key locks, export and import.
class XmlProfileStoreTest : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void newFileHoldsOneCurrentProfile();
    void profilesKeepFileOrderAndDeleteTakesEverything();
    void profileNodeInfoCarriesUtf8NameFromByte8();
    void currentIndexIsMinusOneForUnreadableFile();
    void keyLookupWithoutEntryLeavesPrefill_data();
    void keyLookupWithoutEntryLeavesPrefill();
    void keyValuesRoundTripByteForByte_data();
    void keyValuesRoundTripByteForByte();
    void longValueIsKeptWholeAndReadBounded();
    void keyEntriesAreOnePerKeyCode();
    void valueNumCountsTypeAndValue();
    void boundMacroCopyIsReplacedAndRemoved();
    void lightRecordsOnePerAreaAndMode();
    void newProfileDefaultsReadBack();
    void customLightSetsChangeAndClear();
    void sleepTimesAndLocksLeavePrefillUntilSet();
    void exportThenImportIntoFileWithGaps();

private:
    QByteArray file(const char *name) const;
    QByteArray m_path;
    QTemporaryDir m_dir;
};

QByteArray XmlProfileStoreTest::file(const char *name) const
{
    return QFile::encodeName(m_dir.filePath(QString::fromLatin1(name)));
}

void XmlProfileStoreTest::init()
{
    static int round = 0;
    m_path = file(QByteArray("appProfile_Default_" + QByteArray::number(++round) + ".xml").constData());
    QVERIFY(CVorlanXML_CreateXMLFile(m_path));
    QVERIFY(CVorlanXML_CreateProFileXmlParentNode(m_path, "1", "Profile1", 0));
    QVERIFY(CVorlanXML_ModifyXMLFileProfileIndex(m_path, 1));
}

void XmlProfileStoreTest::newFileHoldsOneCurrentProfile()
{
    ProfileNodeList nodes;
    QVERIFY(CVorlanXML_SelectProFileAllNodes(m_path, &nodes));
    QCOMPARE(nodes, (ProfileNodeList{{"1", "Profile1"}}));
    QCOMPARE(CVorlanXML_GetCreateXMLFileProfileIndex(m_path), 1);
    QVERIFY(CVorlanXML_IsExistenceSelectProfileNode(m_path, "1"));
    QVERIFY(!CVorlanXML_IsExistenceSelectProfileNode(m_path, "2"));

    // A second node of one index is refused and the file stays as it was.
    const QByteArray before = readWholeFile(m_path);
    QVERIFY(!CVorlanXML_CreateProFileXmlParentNode(m_path, "1", "Other", 0));
    QCOMPARE(readWholeFile(m_path), before);
    // Creating an existing store file keeps it.
    QVERIFY(CVorlanXML_CreateXMLFile(m_path));
    QCOMPARE(readWholeFile(m_path), before);
}

void XmlProfileStoreTest::profilesKeepFileOrderAndDeleteTakesEverything()
{
    QVERIFY(CVorlanXML_CreateProFileXmlParentNode(m_path, "3", "Profile3", 0));
    QVERIFY(CVorlanXML_CreateProFileXmlParentNode(m_path, "2", "Profile2", 0));
    QVERIFY(CVorlanXML_AddProFileMacroWithKeyInfoItem(m_path, "3", "4", "A", "0", "1", "1", "5"));
    QVERIFY(CVorlanXML_AddProFileLightInfoItem(m_path, "3", makeLight(0, 2, 3)));

    ProfileNodeList nodes;
    QVERIFY(CVorlanXML_SelectProFileAllNodes(m_path, &nodes));
    QCOMPARE(nodes, (ProfileNodeList{{"1", "Profile1"}, {"3", "Profile3"}, {"2", "Profile2"}}));

    QVERIFY(CVorlanXML_DeleteProFileSelectedNode(m_path, "3"));
    QVERIFY(!CVorlanXML_DeleteProFileSelectedNode(m_path, "3"));
    QVERIFY(CVorlanXML_CreateProFileXmlParentNode(m_path, "3", "Profile3", 0));
    std::list<std::string> keys;
    QVERIFY(CVorlanXML_ProFileKeyInfoSelectAll(m_path, "3", &keys));
    QVERIFY(keys.empty());
    QVERIFY(!CVorlanXML_IsProFileAlreadyHaveLightInfo(m_path, "3", 0, 2));
    QCOMPARE(CVorlanXML_SelectProFileMouseLightTypeUsingIndex(m_path, "3", 0), -1);

    nodes.clear();
    QVERIFY(CVorlanXML_SelectProFileAllNodes(m_path, &nodes));
    QCOMPARE(nodes, (ProfileNodeList{{"1", "Profile1"}, {"2", "Profile2"}, {"3", "Profile3"}}));
}

void XmlProfileStoreTest::profileNodeInfoCarriesUtf8NameFromByte8()
{
    const QByteArray name = QStringLiteral("Spiel \u00fc \U0001F3AE <&>").toUtf8();
    QVERIFY(CVorlanXML_ModifyProfileNodeInfo(m_path, "1", name));

    ProfileNodeInfo info;
    std::memset(&info, 0x55, sizeof(info));
    QVERIFY(CVorlanXML_SelectProfileNodeInfo(m_path, "1", &info));
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(&info) + 8), name);

    ProfileNodeInfo untouched;
    std::memset(&untouched, 0, sizeof(untouched));
    QVERIFY(!CVorlanXML_SelectProfileNodeInfo(m_path, "7", &untouched));
    QCOMPARE(untouched.name[0], '\0');
    QVERIFY(!CVorlanXML_ModifyProfileNodeInfo(m_path, "7", "x"));
}

void XmlProfileStoreTest::currentIndexIsMinusOneForUnreadableFile()
{
    QCOMPARE(CVorlanXML_GetCreateXMLFileProfileIndex(file("missing.xml")), -1);
    writeWholeFile(QString::fromLocal8Bit(file("broken.xml")), "<vorlanStore currentProfile=\"2\"");
    QCOMPARE(CVorlanXML_GetCreateXMLFileProfileIndex(file("broken.xml")), -1);

    QVERIFY(CVorlanXML_CreateProFileXmlParentNode(m_path, "5", "Profile5", 0));
    QVERIFY(CVorlanXML_ModifyXMLFileProfileIndex(m_path, 5));
    QCOMPARE(CVorlanXML_GetCreateXMLFileProfileIndex(m_path), 5);
}

void XmlProfileStoreTest::keyLookupWithoutEntryLeavesPrefill_data()
{
    QTest::addColumn<QByteArray>("path");
    QTest::addColumn<QByteArray>("profile");
    QTest::addColumn<QByteArray>("key");
    QTest::newRow("no file") << QByteArray("missing.xml") << QByteArray("1") << QByteArray("4");
    QTest::newRow("no profile") << QByteArray() << QByteArray("2") << QByteArray("4");
    QTest::newRow("no key") << QByteArray() << QByteArray("1") << QByteArray("5");
    QTest::newRow("empty path") << QByteArray("-") << QByteArray("1") << QByteArray("4");
}

void XmlProfileStoreTest::keyLookupWithoutEntryLeavesPrefill()
{
    QFETCH(QByteArray, path);
    QFETCH(QByteArray, profile);
    QFETCH(QByteArray, key);
    QVERIFY(CVorlanXML_AddProFileMacroWithKeyInfoItem(m_path, "1", "4", "A", "0", "1", "1", "6"));
    const QByteArray target = path.isEmpty() ? m_path : path == "-" ? QByteArray("") : file(path.constData());

    KeyOperateInfo info;
    std::memset(&info, 0x7F, sizeof(info));
    for (char *field : {info.keyIndex, info.keyName, info.operateType, info.count, info.mode, info.value})
        std::strcpy(field, "-1");
    KeyOperateInfo expected;
    std::memcpy(&expected, &info, sizeof(info));

    QVERIFY(!CVorlanXML_SelectProFileKeyOperateInfo(target, profile, key, &info));
    QVERIFY(std::memcmp(&info, &expected, sizeof(info)) == 0);
}

void XmlProfileStoreTest::keyValuesRoundTripByteForByte_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::newRow("line breaks") << QByteArray("one\ntwo\r\nthree\rfour\n");
    QTest::newRow("blanks") << QByteArray("  lead and trail \t ");
    QTest::newRow("markup") << QByteArray("<a href=\"x\">&amp; 'q' &</a>]]>");
    QTest::newRow("outside the BMP") << QStringLiteral("\U0001F600 \U00010348 \u4e2d").toUtf8();
    QTest::newRow("control bytes") << QByteArray("\x01\x02\x1f end");
    QTest::newRow("latin-1 byte") << QByteArray("caf\xE9");
    QTest::newRow("empty") << QByteArray("");
    QTest::newRow("fills the field") << QByteArray(5119, 'x');
}

void XmlProfileStoreTest::keyValuesRoundTripByteForByte()
{
    QFETCH(QByteArray, value);
    const QByteArray name = QStringLiteral("\u00c9 key").toUtf8();
    QVERIFY(CVorlanXML_AddProFileMacroWithKeyInfoItem(m_path, "1", "30", name, "6", "1", "1", value));

    // Once from the cache and once parsed from the disk.
    for (int pass = 0; pass < 2; ++pass) {
        KeyOperateInfo info{};
        QVERIFY(CVorlanXML_SelectProFileKeyOperateInfo(m_path, "1", "30", &info));
        QCOMPARE(QByteArray(info.value), value);
        QCOMPARE(QByteArray(info.keyName), name);
        QCOMPARE(QByteArray(info.keyIndex), QByteArray("30"));
        QCOMPARE(QByteArray(info.operateType), QByteArray("6"));
        xmlstore::XmlStore::instance().clearCache();
    }
}

void XmlProfileStoreTest::longValueIsKeptWholeAndReadBounded()
{
    // 5000 UTF-16 units of a three-byte character: 15000 bytes of UTF-8.
    const QByteArray value = QString(5000, QChar(0x4e2d)).toUtf8();
    QCOMPARE(value.size(), 15000);
    QVERIFY(CVorlanXML_AddProFileMacroWithKeyInfoItem(m_path, "1", "4", "A", "6", "1", "1", value));

    KeyOperateInfo info;
    std::memset(&info, 'Z', sizeof(info));
    QVERIFY(CVorlanXML_SelectProFileKeyOperateInfo(m_path, "1", "4", &info));
    const QByteArray cut(info.value);
    QVERIFY(cut.size() < int(sizeof(info.value)));
    QCOMPARE(cut.size(), 5118);
    QVERIFY(value.startsWith(cut));

    QByteArray whole(15001, 'Z');
    QCOMPARE(CVorlanXML_SelectProFileKeyOperateValue(m_path, "1", "4", whole.data(), std::size_t(whole.size())),
             15000L);
    QCOMPARE(QByteArray(whole.constData()), value);
    QCOMPARE(CVorlanXML_SelectProFileKeyOperateValue(m_path, "1", "4", nullptr, 0), 15000L);
    QCOMPARE(CVorlanXML_SelectProFileKeyOperateValue(m_path, "1", "5", whole.data(), 10), -1L);
}

void XmlProfileStoreTest::keyEntriesAreOnePerKeyCode()
{
    const QByteArray utf8Name = QStringLiteral("\u00c9").toUtf8();
    QVERIFY(CVorlanXML_AddProFileMacroWithKeyInfoItem(m_path, "1", "4", "A", "0", "1", "1", "5"));
    QVERIFY(CVorlanXML_AddProFileMacroWithKeyInfoItem(m_path, "1", "8", utf8Name, "3", "1", "1", "2"));
    QVERIFY(CVorlanXML_AddProFileMacroWithKeyInfoItem(m_path, "1", "6", "C", "0", "1", "1", "9"));
    // A second add for key 4 replaces its entry where it stands.
    QVERIFY(CVorlanXML_AddProFileMacroWithKeyInfoItem(m_path, "1", "4", "A", "1", "3", "2", "7"));

    std::list<std::string> keys;
    QVERIFY(CVorlanXML_ProFileKeyInfoSelectAll(m_path, "1", &keys));
    QCOMPARE(keys, (std::list<std::string>{"4", "8", "6"}));
    KeyOperateInfo info{};
    QVERIFY(CVorlanXML_SelectProFileKeyOperateInfo(m_path, "1", "4", &info));
    QCOMPARE(QByteArray(info.operateType), QByteArray("1"));
    QCOMPARE(QByteArray(info.count), QByteArray("3"));
    QCOMPARE(QByteArray(info.mode), QByteArray("2"));
    QCOMPARE(QByteArray(info.value), QByteArray("7"));

    // The removal passes the name in Latin-1; the key code alone decides.
    QVERIFY(CVorlanXML_DeleteProFileMacroWithKeyInfoItem(m_path, "1", "8", "\xC9"));
    QVERIFY(!CVorlanXML_DeleteProFileMacroWithKeyInfoItem(m_path, "1", "8", "\xC9"));
    keys.clear();
    QVERIFY(CVorlanXML_ProFileKeyInfoSelectAll(m_path, "1", &keys));
    QCOMPARE(keys, (std::list<std::string>{"4", "6"}));
    QVERIFY(!CVorlanXML_AddProFileMacroWithKeyInfoItem(m_path, "9", "4", "A", "0", "1", "1", "5"));
}

void XmlProfileStoreTest::valueNumCountsTypeAndValue()
{
    QVERIFY(CVorlanXML_AddProFileMacroWithKeyInfoItem(m_path, "1", "4", "A", "1", "1", "1", "3"));
    QVERIFY(CVorlanXML_AddProFileMacroWithKeyInfoItem(m_path, "1", "5", "B", "1", "2", "2", "3"));
    QVERIFY(CVorlanXML_AddProFileMacroWithKeyInfoItem(m_path, "1", "6", "C", "1", "1", "1", "4"));
    QVERIFY(CVorlanXML_AddProFileMacroWithKeyInfoItem(m_path, "1", "7", "D", "0", "1", "1", "3"));
    QCOMPARE(CVorlanXML_GetProFileValueNum(m_path, "1", "1", "3"), 2);
    QCOMPARE(CVorlanXML_GetProFileValueNum(m_path, "1", "1", "4"), 1);
    QCOMPARE(CVorlanXML_GetProFileValueNum(m_path, "1", "1", "5"), 0);
    QCOMPARE(CVorlanXML_GetProFileValueNum(m_path, "2", "1", "3"), 0);
    QCOMPARE(CVorlanXML_GetProFileValueNum(file("missing.xml"), "1", "1", "3"), -1);
}

void XmlProfileStoreTest::boundMacroCopyIsReplacedAndRemoved()
{
    const std::list<MacroEvent> first{makeEvent("0", "0", "key", "4", "A", "down"),
                                      makeEvent("0", "120", "key", "4", "A", "up")};
    const std::list<MacroEvent> second{makeEvent("0", "0", "mouse", "513", "Left Click", "down")};
    QVERIFY(CVorlanXML_AddProFileBindMacroItem(m_path, "1", first, "3", "Macro3"));
    QVERIFY(CVorlanXML_AddProFileBindMacroItem(m_path, "1", first, "4", "Macro4"));
    QVERIFY(CVorlanXML_AddProFileBindMacroItem(m_path, "1", second, "3", "Macro3"));

    std::list<MacroEvent> events;
    QVERIFY(CVorlanXML_ProFileMacroWithKeyInfoSelectAll(m_path, "1", "3", "", &events));
    QCOMPARE(events.size(), std::size_t(1));
    QVERIFY(std::memcmp(&events.front(), &second.front(), sizeof(MacroEvent)) == 0);
    events.clear();
    QVERIFY(CVorlanXML_ProFileMacroWithKeyInfoSelectAll(m_path, "1", "4", "", &events));
    QCOMPARE(events.size(), std::size_t(2));
    QCOMPARE(QByteArray(events.back().delay), QByteArray("120"));
    QCOMPARE(QByteArray(events.back().operateExplain), QByteArray("up"));

    QVERIFY(CVorlanXML_DeleteProFileBindMacroNode(m_path, "1", "3", "Macro3"));
    events.clear();
    QVERIFY(!CVorlanXML_ProFileMacroWithKeyInfoSelectAll(m_path, "1", "3", "", &events));
    QVERIFY(events.empty());
}

void XmlProfileStoreTest::lightRecordsOnePerAreaAndMode()
{
    QCOMPARE(CVorlanXML_SelectProFileMouseLightTypeUsingIndex(m_path, "1", 0), -1);
    QVERIFY(CVorlanXML_AddProFileLightInfoItem(m_path, "1", makeLight(0, 2, 3)));
    QVERIFY(CVorlanXML_AddProFileLightInfoItem(m_path, "1", makeLight(0, 5, 1)));
    // The first record of an area set its mode in use; later ones leave it.
    QCOMPARE(CVorlanXML_SelectProFileMouseLightTypeUsingIndex(m_path, "1", 0), 2);
    QCOMPARE(CVorlanXML_SelectProFileMouseLightTypeUsingIndex(m_path, "1", 1), -1);
    QVERIFY(CVorlanXML_ModifyProFileMouseLightUsingIndex(m_path, "1", 0, 10));
    QCOMPARE(CVorlanXML_SelectProFileMouseLightTypeUsingIndex(m_path, "1", 0), 10);

    // A second add of one area and mode replaces the record.
    QVERIFY(CVorlanXML_AddProFileLightInfoItem(m_path, "1", makeLight(0, 2, 4)));
    colorInfoData record{};
    QVERIFY(CVorlanXML_SelectProfileColorDataInfo(m_path, "1", 0, 2, &record));
    QCOMPARE(record.brightness, 4);

    colorInfoData changed{0, 2, 5, 1, 10, 20, 30, 40, 50, 60, 7, 0, -3, 2147483647};
    QVERIFY(CVorlanXML_IsProFileAlreadyHaveLightInfo(m_path, "1", 0, 2));
    QVERIFY(CVorlanXML_ModifyProFileLightInfoItem(m_path, "1", 0, 2, changed));
    xmlstore::XmlStore::instance().clearCache();
    QVERIFY(CVorlanXML_SelectProfileColorDataInfo(m_path, "1", 0, 2, &record));
    QVERIFY(std::memcmp(&record, &changed, sizeof(record)) == 0);

    const colorInfoData untouched = record;
    QVERIFY(!CVorlanXML_IsProFileAlreadyHaveLightInfo(m_path, "1", 1, 2));
    QVERIFY(!CVorlanXML_ModifyProFileLightInfoItem(m_path, "1", 1, 2, changed));
    QVERIFY(!CVorlanXML_SelectProfileColorDataInfo(m_path, "1", 1, 2, &record));
    QVERIFY(std::memcmp(&record, &untouched, sizeof(record)) == 0);

    QCOMPARE(CVorlanXML_SelectProFileLightSynchronizeStatus(m_path, "1"), 0);
    QVERIFY(CVorlanXML_ModifyProFileLightSynchronizeStatus(m_path, "1", 1));
    QCOMPARE(CVorlanXML_SelectProFileLightSynchronizeStatus(m_path, "1"), 1);
    QCOMPARE(CVorlanXML_SelectProFileLightTypeRuningStatus(m_path, "1"), 0);
}

void XmlProfileStoreTest::newProfileDefaultsReadBack()
{
    // A default file in the fixed format of the program's resources.
    const QByteArray defaults = file("customLightDefaultConfig.xml");
    writeWholeFile(QString::fromLocal8Bit(defaults),
                   "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<customLight>\n"
                   " <customLed index=\"0\" name=\"Custom 0\" isUsing=\"Using\" usingFlagIndex=\"0\">\n"
                   "  <item keyCode=\"20\" codeName=\"Q\" indexX=\"2\" indexY=\"1\" colorR=\"0\" colorG=\"0\""
                   " colorB=\"255\" transparentNum=\"128\"/>\n"
                   "  <item keyCode=\"52\" codeName=\"' &quot;\" indexX=\"3\" indexY=\"12\" colorR=\"0\""
                   " colorG=\"0\" colorB=\"255\" transparentNum=\"128\"/>\n"
                   " </customLed>\n"
                   " <customLed index=\"1\" name=\"Custom 1\" isUsing=\"Using\" usingFlagIndex=\"1\">\n"
                   "  <item keyCode=\"26\" codeName=\"W\" indexX=\"2\" indexY=\"2\" colorR=\"255\" colorG=\"0\""
                   " colorB=\"0\" transparentNum=\"128\"/>\n"
                   " </customLed>\n"
                   " <customLed index=\"2\" name=\"Custom 2\" isUsing=\"UnUsing\" usingFlagIndex=\"-1\"/>\n"
                   "</customLight>\n");

    for (int area = 0; area < 3; ++area)
        QVERIFY(CVorlanXML_AddProFileLightInfoItem(m_path, "1", makeLight(area, 2, 3)));
    const char *const names[] = {"Alphabets", "WASD+Arrows", "Custom 3", "Custom 4", "Custom 5"};
    for (int set = 0; set < 5; ++set) {
        const QByteArray index = QByteArray::number(set);
        QVERIFY(CVorlanXML_AddProFileCustomLightNode(m_path, "1", index, names[set], set < 2 ? "Using" : "UnUsing",
                                                     set < 2 ? set : -1));
        std::list<CustomLightItemStu> items;
        const bool known = CVorlanXML_XmlCustomLightInfoSelectAll(defaults, index, &items);
        QCOMPARE(known, set < 3);
        for (const CustomLightItemStu &item : items)
            QVERIFY(CVorlanXML_AddProFileCustomLightDataInfo(m_path, "1", index, item));
    }

    for (int area = 0; area < 3; ++area)
        QCOMPARE(CVorlanXML_SelectProFileMouseLightTypeUsingIndex(m_path, "1", area), 2);
    std::list<CustomLightNodeStu> sets;
    QVERIFY(CVorlanXML_SelectProFileCustomLightAllNodes(m_path, "1", &sets));
    QCOMPARE(sets.size(), std::size_t(5));
    QCOMPARE(QByteArray(sets.back().name), QByteArray("Custom 5"));
    QCOMPARE(QByteArray(sets.back().isUsing), QByteArray("UnUsing"));
    QCOMPARE(sets.back().usingFlagIndex, -1);
    QCOMPARE(sets.front().usingFlagIndex, 0);

    std::list<CustomLightItemStu> items;
    QVERIFY(CVorlanXML_ProFileCustomLightInfoSelectAll(m_path, "1", "0", &items));
    QCOMPARE(items.size(), std::size_t(2));
    QCOMPARE(QByteArray(items.back().codeName), QByteArray("' \""));
    QCOMPARE(items.back().indexY, 12);
    QCOMPARE(items.back().colorB, 255);
    QCOMPARE(items.back().transparentNum, 128);

    // An empty path (the copy of the resource failed) gives no keys and creates nothing.
    items.clear();
    QVERIFY(!CVorlanXML_XmlCustomLightInfoSelectAll("", "0", &items));
    QVERIFY(items.empty());
    // A profile file is not a default file.
    QVERIFY(!CVorlanXML_XmlCustomLightInfoSelectAll(m_path, "0", &items));
}

void XmlProfileStoreTest::customLightSetsChangeAndClear()
{
    QVERIFY(CVorlanXML_AddProFileCustomLightNode(m_path, "1", "0", "Alphabets", "Using", 0));
    QVERIFY(!CVorlanXML_AddProFileCustomLightNode(m_path, "1", "0", "Again", "Using", 0));
    CustomLightItemStu item{"4", "A", 3, 2, 1, 2, 3, 128};
    QVERIFY(CVorlanXML_AddProFileCustomLightDataInfo(m_path, "1", "0", item));
    QVERIFY(!CVorlanXML_AddProFileCustomLightDataInfo(m_path, "1", "9", item));

    const QByteArray name = QStringLiteral("Feuer \U0001F525").toUtf8();
    QVERIFY(CVorlanXML_ModifyProFileCustomLightNodeName(m_path, "1", "0", name));
    QVERIFY(CVorlanXML_ModifyProFileCustomLightNodeUsingStatus(m_path, "1", "0", "UnUsing", -1));
    std::list<CustomLightNodeStu> sets;
    QVERIFY(CVorlanXML_SelectProFileCustomLightAllNodes(m_path, "1", &sets));
    QCOMPARE(sets.size(), std::size_t(1));
    QCOMPARE(QByteArray(sets.front().name), name);
    QCOMPARE(QByteArray(sets.front().isUsing), QByteArray("UnUsing"));
    QCOMPARE(sets.front().usingFlagIndex, -1);

    QVERIFY(CVorlanXML_ClearProFileCustomLightNode(m_path, "1", "0"));
    QVERIFY(!CVorlanXML_ClearProFileCustomLightNode(m_path, "1", "1"));
    std::list<CustomLightItemStu> items;
    QVERIFY(CVorlanXML_ProFileCustomLightInfoSelectAll(m_path, "1", "0", &items));
    QVERIFY(items.empty());
}

void XmlProfileStoreTest::sleepTimesAndLocksLeavePrefillUntilSet()
{
    int times[2] = {600, 30};
    QVERIFY(!CVorlanXML_GetProFileIntoSleepTimeInfo(m_path, "1", times));
    QCOMPARE(times[0], 600);
    QCOMPARE(times[1], 30);
    ProFileFunctionInfo locks{"0", "0", "0", "0"};
    QVERIFY(!CVorlanXML_GetProFileFunctionInfo(m_path, "1", &locks));
    QCOMPARE(QByteArray(locks.winKey), QByteArray("0"));

    QVERIFY(CVorlanXML_SetProFileIntoSleepTimeInfo(m_path, "1", 120, 5));
    QVERIFY(CVorlanXML_AddProFileFunctionInfo(m_path, "1", "1", "0", "0", "1"));
    QVERIFY(CVorlanXML_GetProFileIntoSleepTimeInfo(m_path, "1", times));
    QCOMPARE(times[0], 120);
    QCOMPARE(times[1], 5);
    QVERIFY(CVorlanXML_GetProFileFunctionInfo(m_path, "1", &locks));
    QCOMPARE(QByteArray(locks.altTab), QByteArray("1"));
    QCOMPARE(QByteArray(locks.altF4), QByteArray("0"));
    QCOMPARE(QByteArray(locks.shiftTab), QByteArray("0"));
    QCOMPARE(QByteArray(locks.winKey), QByteArray("1"));
}

void XmlProfileStoreTest::exportThenImportIntoFileWithGaps()
{
    const QByteArray value("line1\nline2 <&>");
    QVERIFY(CVorlanXML_ModifyProfileNodeInfo(m_path, "1", "Game"));
    QVERIFY(CVorlanXML_AddProFileMacroWithKeyInfoItem(m_path, "1", "4", "A", "6", "1", "1", value));
    QVERIFY(CVorlanXML_AddProFileLightInfoItem(m_path, "1", makeLight(1, 3, 2)));
    QVERIFY(
        CVorlanXML_AddProFileBindMacroItem(m_path, "1", {makeEvent("0", "5", "key", "4", "A", "down")}, "2", "Macro2"));

    const QByteArray exported = file("Game.xml");
    QVERIFY(CVorlanXML_CreateXMLFile(exported));
    QVERIFY(CVorlanXML_ProFileExport(m_path, exported, "1", 0));
    // Exporting again replaces the node of the same index.
    QVERIFY(CVorlanXML_ProFileExport(m_path, exported, "1", 0));
    ProfileNodeList nodes;
    QVERIFY(CVorlanXML_SelectProFileAllNodes(exported, &nodes));
    QCOMPARE(nodes, (ProfileNodeList{{"1", "Game"}}));
    QVERIFY(!CVorlanXML_ProFileExport(m_path, exported, "8", 0));

    const QByteArray target = file("appProfile_FN.xml");
    QVERIFY(CVorlanXML_CreateXMLFile(target));
    for (const char *index : {"1", "3", "2"})
        QVERIFY(CVorlanXML_CreateProFileXmlParentNode(target, index, QByteArray("Profile") + index, 0));
    QVERIFY(CVorlanXML_ProFileImport(target, exported, "1"));
    QVERIFY(!CVorlanXML_ProFileImport(target, exported, "5"));

    nodes.clear();
    QVERIFY(CVorlanXML_SelectProFileAllNodes(target, &nodes));
    QCOMPARE(nodes, (ProfileNodeList{{"1", "Profile1"}, {"3", "Profile3"}, {"2", "Profile2"}, {"4", "Game"}}));
    KeyOperateInfo info{};
    QVERIFY(CVorlanXML_SelectProFileKeyOperateInfo(target, "4", "4", &info));
    QCOMPARE(QByteArray(info.value), value);
    QVERIFY(CVorlanXML_IsProFileAlreadyHaveLightInfo(target, "4", 1, 3));
    std::list<MacroEvent> events;
    QVERIFY(CVorlanXML_ProFileMacroWithKeyInfoSelectAll(target, "4", "2", "", &events));
    QCOMPARE(events.size(), std::size_t(1));
    // The imported profile does not touch the others.
    std::list<std::string> keys;
    QVERIFY(CVorlanXML_ProFileKeyInfoSelectAll(target, "1", &keys));
    QVERIFY(keys.empty());
}

QTEST_APPLESS_MAIN(XmlProfileStoreTest)
#include "XmlProfileStoreTest.moc"
