#include "sdk/store/VorlanXml.h"
#include "tests/sdk/store/XmlTestFiles.h"

#include <QTemporaryDir>
#include <QtTest>

#include <cstring>
#include <vector>

// The macro file: macros in file order, their events in stored order, and the editor's edits.
class XmlMacroStoreTest : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void macrosKeepFileOrderAndUniqueIndexes();
    void eventsAreAppendedInListOrder();
    void deleteEventRemovesBothEventsOfAMark();
    void updateReplacesTheEventOfOneDirection();
    void moveTradesPlacesWithTheNeighbour_data();
    void moveTradesPlacesWithTheNeighbour();
    void missingMacroReadsEmpty();

private:
    // "mark:direction" of every stored event of macro 1.
    QStringList storedOrder() const;

    QTemporaryDir m_dir;
    QByteArray m_path;
};

void XmlMacroStoreTest::init()
{
    static int round = 0;
    m_path = QFile::encodeName(m_dir.filePath(QStringLiteral("appMacro_%1.xml").arg(++round)));
    QVERIFY(CVorlanXML_CreateXMLFile(m_path));
    QVERIFY(CVorlanXML_CreateMacroXmlParentNode(m_path, "1", "First"));
    const std::list<MacroEvent> events{makeEvent("0", "0", "key", "4", "A", "down"),
                                       makeEvent("1", "30", "key", "5", "B", "down"),
                                       makeEvent("0", "40", "key", "4", "A", "up"),
                                       makeEvent("1", "50", "key", "5", "B", "up"),
                                       makeEvent("2", "60", "mouse", "513", "Left Click", "down"),
                                       makeEvent("2", "70", "mouse", "514", "Left Click", "up")};
    QVERIFY(CVorlanXML_AddKeyOrMouseEventItem(m_path, events, "1"));
}

QStringList XmlMacroStoreTest::storedOrder() const
{
    std::list<MacroEvent> events;
    CVorlanXML_SelectAllKeyOrMouseEvent(m_path, "1", &events);
    QStringList order;
    for (const MacroEvent &event : events)
        order << QString::fromLatin1(event.mark) + ':' + QString::fromLatin1(event.operateExplain);
    return order;
}

void XmlMacroStoreTest::macrosKeepFileOrderAndUniqueIndexes()
{
    const QByteArray name = QStringLiteral("Makro \u00e4 \U0001F600").toUtf8();
    QVERIFY(CVorlanXML_CreateMacroXmlParentNode(m_path, "3", name));
    QVERIFY(CVorlanXML_CreateMacroXmlParentNode(m_path, "2", "Second"));
    QVERIFY(!CVorlanXML_CreateMacroXmlParentNode(m_path, "1", "Again"));

    MacroNode nodes;
    QVERIFY(CVorlanXML_SelectMacroAllNodes(m_path, &nodes));
    QCOMPARE(nodes, (MacroNode{{"1", "First"}, {"3", name.toStdString()}, {"2", "Second"}}));

    QVERIFY(CVorlanXML_ModifyMacroNodeName(m_path, "2", "Renamed"));
    QVERIFY(!CVorlanXML_ModifyMacroNodeName(m_path, "9", "Nobody"));
    QVERIFY(CVorlanXML_DeleteMacroNode(m_path, "1"));
    QVERIFY(!CVorlanXML_DeleteMacroNode(m_path, "1"));
    nodes.clear();
    QVERIFY(CVorlanXML_SelectMacroAllNodes(m_path, &nodes));
    QCOMPARE(nodes, (MacroNode{{"3", name.toStdString()}, {"2", "Renamed"}}));
}

void XmlMacroStoreTest::eventsAreAppendedInListOrder()
{
    QVERIFY(CVorlanXML_AddKeyOrMouseEventItem(m_path, {makeEvent("3", "65535", "key", "224", "L_CTRL", "down")}, "1"));
    QVERIFY(CVorlanXML_AddKeyOrMouseEventItem(m_path, {}, "1"));
    QVERIFY(!CVorlanXML_AddKeyOrMouseEventItem(m_path, {makeEvent("0", "0", "key", "4", "A", "down")}, "9"));
    QCOMPARE(storedOrder(), (QStringList{"0:down", "1:down", "0:up", "1:up", "2:down", "2:up", "3:down"}));

    std::list<MacroEvent> events;
    QVERIFY(CVorlanXML_SelectAllKeyOrMouseEvent(m_path, "1", &events));
    const MacroEvent expected = makeEvent("3", "65535", "key", "224", "L_CTRL", "down");
    QVERIFY(std::memcmp(&events.back(), &expected, sizeof(MacroEvent)) == 0);
}

void XmlMacroStoreTest::deleteEventRemovesBothEventsOfAMark()
{
    QVERIFY(CVorlanXML_DeleteEventItem(m_path, "1", "1"));
    QCOMPARE(storedOrder(), (QStringList{"0:down", "0:up", "2:down", "2:up"}));
    QVERIFY(!CVorlanXML_DeleteEventItem(m_path, "1", "1"));
}

void XmlMacroStoreTest::updateReplacesTheEventOfOneDirection()
{
    QVERIFY(CVorlanXML_UpdateEventItem(m_path, "1", "2", 1, makeEvent("2", "99", "mouse", "517", "Right Click", "up")));
    std::list<MacroEvent> events;
    QVERIFY(CVorlanXML_SelectAllKeyOrMouseEvent(m_path, "1", &events));
    const std::vector<MacroEvent> stored(events.begin(), events.end());
    QCOMPARE(QByteArray(stored[5].keyCode), QByteArray("517"));
    QCOMPARE(QByteArray(stored[5].delay), QByteArray("99"));
    QCOMPARE(QByteArray(stored[4].keyCode), QByteArray("513"));
    QCOMPARE(storedOrder(), (QStringList{"0:down", "1:down", "0:up", "1:up", "2:down", "2:up"}));

    QVERIFY(!CVorlanXML_UpdateEventItem(m_path, "1", "7", 0, stored[0]));
    QVERIFY(!CVorlanXML_UpdateEventItem(m_path, "1", "0", 2, stored[0]));
}

void XmlMacroStoreTest::moveTradesPlacesWithTheNeighbour_data()
{
    QTest::addColumn<QByteArray>("mark");
    QTest::addColumn<int>("up");
    QTest::addColumn<int>("which");
    QTest::addColumn<bool>("moved");
    QTest::addColumn<QStringList>("order");
    const QStringList unchanged{"0:down", "1:down", "0:up", "1:up", "2:down", "2:up"};
    QTest::newRow("up") << QByteArray("0") << 1 << 1 << true
                        << QStringList{"0:down", "0:up", "1:down", "1:up", "2:down", "2:up"};
    QTest::newRow("down") << QByteArray("1") << 0 << 0 << true
                          << QStringList{"0:down", "0:up", "1:down", "1:up", "2:down", "2:up"};
    QTest::newRow("first cannot go up") << QByteArray("0") << 1 << 0 << false << unchanged;
    QTest::newRow("last cannot go down") << QByteArray("2") << 0 << 1 << false << unchanged;
    QTest::newRow("unknown mark") << QByteArray("8") << 1 << 0 << false << unchanged;
}

void XmlMacroStoreTest::moveTradesPlacesWithTheNeighbour()
{
    QFETCH(QByteArray, mark);
    QFETCH(int, up);
    QFETCH(int, which);
    QFETCH(bool, moved);
    QFETCH(QStringList, order);
    QCOMPARE(CVorlanXML_MacroEventItemUpOrDownOperate(m_path, "1", mark, up, which), moved);
    QCOMPARE(storedOrder(), order);
}

void XmlMacroStoreTest::missingMacroReadsEmpty()
{
    std::list<MacroEvent> events;
    QVERIFY(!CVorlanXML_SelectAllKeyOrMouseEvent(m_path, "5", &events));
    QVERIFY(events.empty());
    QVERIFY(CVorlanXML_CreateMacroXmlParentNode(m_path, "5", "Empty"));
    QVERIFY(CVorlanXML_SelectAllKeyOrMouseEvent(m_path, "5", &events));
    QVERIFY(events.empty());
}

QTEST_APPLESS_MAIN(XmlMacroStoreTest)
#include "XmlMacroStoreTest.moc"
