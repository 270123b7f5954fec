#include "app/KeyOperateText.h"

#include "sdk/store/VorlanXml.h"

#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

#include <cstring>

namespace {

KeyOperateInfo operation(const char *type, const char *mode, const char *value)
{
    KeyOperateInfo info;
    std::memset(&info, 0, sizeof(info));
    std::strncpy(info.operateType, type, sizeof(info.operateType) - 1);
    std::strncpy(info.mode, mode, sizeof(info.mode) - 1);
    std::strncpy(info.value, value, sizeof(info.value) - 1);
    return info;
}

QString describe(const KeyOperateInfo &info, const KeyOperateText::Sources &sources, QString *value)
{
    return KeyOperateText::describe(info, sources, value);
}

} // namespace

class tst_KeyOperateText : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void typeAndValueTexts_data();
    void typeAndValueTexts();
    void unterminatedFieldsAreReadBounded();
    void macroNamesComeFromTheMacroFile();
    void profileNamesComeFromTheProfileFile();
    void advancedKeyNamesComeFromTheirFile();
    void textsAreTranslatedInQObjectContext();

private:
    QTemporaryDir m_dir;
    KeyOperateText::Sources m_sources;
};

void tst_KeyOperateText::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_sources.keyNames = {{4, QStringLiteral("A")}, {40, QStringLiteral("Enter")}};
}

void tst_KeyOperateText::typeAndValueTexts_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("typeName");
    QTest::addColumn<QString>("valueText");

    auto row = [](const char *name, const char *type, const char *mode, const char *value, const char *typeName,
                  const char *valueText) {
        QTest::newRow(name) << QString::fromLatin1(type) << QString::fromLatin1(mode) << QString::fromUtf8(value)
                            << QString::fromLatin1(typeName) << QString::fromUtf8(valueText);
    };
    row("remap", "0", "0", "40", "Remap Key", "Enter");
    row("remap to a key without name", "0", "0", "99", "Remap Key", "");
    row("combination", "2", "0", "5,4", "Key Combination", "L_CTRL+L_ALT+A");
    row("combination without modifiers", "2", "0", "0,4", "Key Combination", "A");
    row("combination of right modifiers", "2", "0", "240,40", "Key Combination", "R_CTRL+R_SHIFT+R_ALT+R_WIN+Enter");
    row("combination without key code", "2", "0", "9", "Key Combination", "L_CTRL+L_WIN");
    row("combination with unnamed key", "2", "0", "2,99", "Key Combination", "L_SHIFT");
    row("multimedia", "3", "0", "0", "Multimedia", "Volume +");
    row("multimedia 15", "3", "0", "15", "Multimedia", "Search");
    row("multimedia gap", "3", "0", "7", "Multimedia", "Unknow");
    row("mouse", "4", "0", "7", "Mouse", "Sniper Key");
    row("disable", "5", "0", "", "Disable", "Disable");
    row("text", "6", "0", "héllo wörld", "Text", "héllo wörld");
    row("launch", "8", "0", "/usr/bin/gnome-calculator", "Launch Application", "/usr/bin/gnome-calculator");
    row("shortcut", "9", "0", "11", "Shortcuts", "Save");
    row("shortcut out of table", "9", "0", "12", "Shortcuts", "Unknow");
    row("type 10", "10", "0", "3", "Unknow", "Unknow");
    row("lock keyboard", "19", "0", "0", "Key Config", "Lock keyboard");
    row("win lock", "19", "2", "2", "Key Config", "Unlock win");
    row("layer", "19", "8", "1", "Key Config", "FN layer");
    row("power query", "19", "10", "0", "Key Config", "Power query");
    row("bluetooth 3", "19", "11", "0,2", "Key Config", "Bluetooth 3");
    row("2.4G", "19", "11", "1,0", "Key Config", "2.4G switching");
    row("USB", "19", "11", "2,0", "Key Config", "USB switching");
    row("bluetooth out of range", "19", "11", "0,3", "Key Config", "Unknow");
    row("unknown key config", "19", "5", "0", "Key Config", "Unknow");
    row("light list", "20", "0", "3", "Keyboard Light", "Static");
    row("brightness", "21", "0", "1", "Keyboard Light", "Brightness -");
    row("speed", "22", "0", "0", "Keyboard Light", "Speed +");
    row("direction", "23", "0", "2", "Keyboard Light", "Direction Loop");
    row("colour", "24", "0", "1", "Keyboard Light", "Top color changed");
    row("custom light", "25", "0", "1", "Keyboard Light", "Custom 2");
    row("close back light", "26", "0", "1", "Keyboard Light", "Close back light");
    row("stop back light", "26", "1", "5", "Keyboard Light", "Stop back light");
    row("light recording", "27", "0", "0", "Keyboard Light", "Light recording");
    row("side light list has no static", "30", "0", "3", "Atmosphere Light", "Unknow");
    row("side brightness", "31", "0", "0", "Atmosphere Light", "Brightness +");
    row("side speed", "32", "0", "1", "Atmosphere Light", "Speed -");
    row("side colour", "33", "0", "2", "Atmosphere Light", "Bottom color changed");
    row("close side light", "34", "0", "2", "Atmosphere Light", "Close side light");
    row("stop side light", "34", "1", "0", "Atmosphere Light", "Stop side light");
    row("no entry stored", "-1", "0", "0", "Default", "Unknow");
    row("gap type 28", "28", "0", "0", "Default", "Unknow");
    row("above 40", "41", "0", "0", "Default", "Unknow");
    row("type that is not a number counts as remap", "x", "0", "4", "Remap Key", "A");
}

void tst_KeyOperateText::typeAndValueTexts()
{
    QFETCH(QString, type);
    QFETCH(QString, mode);
    QFETCH(QString, value);
    QString valueText = QStringLiteral("stale");
    const KeyOperateInfo info =
        operation(type.toLatin1().constData(), mode.toLatin1().constData(), value.toUtf8().constData());
    QTEST(describe(info, m_sources, &valueText), "typeName");
    QTEST(valueText, "valueText");
}

void tst_KeyOperateText::unterminatedFieldsAreReadBounded()
{
    KeyOperateInfo info;
    std::memset(&info, '6', sizeof(info));
    std::memcpy(info.operateType, "6\0", 2);
    QString valueText;
    QCOMPARE(describe(info, m_sources, &valueText), QStringLiteral("Text"));
    QCOMPARE(valueText.size(), int(sizeof(info.value)));
}

void tst_KeyOperateText::macroNamesComeFromTheMacroFile()
{
    const QByteArray path = m_dir.filePath(QStringLiteral("macro.xml")).toLocal8Bit();
    QVERIFY(CVorlanXML_CreateXMLFile(path.constData()));
    QVERIFY(CVorlanXML_CreateMacroXmlParentNode(path.constData(), "3", "Copy twice"));
    QVERIFY(CVorlanXML_CreateMacroXmlParentNode(path.constData(), "12", "Greeting"));
    KeyOperateText::Sources sources = m_sources;
    sources.macroXmlPath = path.constData();

    QString valueText;
    QCOMPARE(describe(operation("1", "1", "12"), sources, &valueText), QStringLiteral("Macro"));
    QCOMPARE(valueText, QStringLiteral("Greeting"));
    // The value is compared as a number in decimal form.
    describe(operation("1", "1", "003"), sources, &valueText);
    QCOMPARE(valueText, QStringLiteral("Copy twice"));
    describe(operation("1", "1", "4"), sources, &valueText);
    QCOMPARE(valueText, QStringLiteral("Unknow"));
    // Nothing is cached: a renamed macro shows its new name at once.
    QVERIFY(CVorlanXML_ModifyMacroNodeName(path.constData(), "12", "Hello"));
    describe(operation("1", "1", "12"), sources, &valueText);
    QCOMPARE(valueText, QStringLiteral("Hello"));
    sources.macroXmlPath = "";
    describe(operation("1", "1", "12"), sources, &valueText);
    QCOMPARE(valueText, QStringLiteral("Unknow"));
}

void tst_KeyOperateText::profileNamesComeFromTheProfileFile()
{
    const QByteArray path = m_dir.filePath(QStringLiteral("appProfile_Default.xml")).toLocal8Bit();
    QVERIFY(CVorlanXML_CreateXMLFile(path.constData()));
    QVERIFY(CVorlanXML_CreateProFileXmlParentNode(path.constData(), "2", "Spiele – Abend", 0));
    KeyOperateText::Sources sources = m_sources;
    sources.profileXmlPath = path.constData();

    QString valueText;
    QCOMPARE(describe(operation("7", "0", "2"), sources, &valueText), QStringLiteral("Switch Profile"));
    QCOMPARE(valueText, QString::fromUtf8("Spiele – Abend"));
    describe(operation("7", "0", "5"), sources, &valueText);
    QCOMPARE(valueText, QString());
}

void tst_KeyOperateText::advancedKeyNamesComeFromTheirFile()
{
    const QByteArray path = m_dir.filePath(QStringLiteral("seniorKey.xml")).toLocal8Bit();
    KeyOperateText::Sources sources = m_sources;
    sources.seniorKeyXmlPath = path.constData();
    QString valueText;
    // The file does not exist yet.
    QCOMPARE(describe(operation("40", "0", "7"), sources, &valueText), QStringLiteral("Senior Keys"));
    QCOMPARE(valueText, QStringLiteral("Unknow"));

    QVERIFY(CVorlanXML_SeniorKey_CreateXMLFile(path.constData()));
    CVorlanXML_SeniorKey_CreateProFileXmlParentNode(path.constData());
    describe(operation("40", "0", "7"), sources, &valueText);
    QCOMPARE(valueText, QStringLiteral("Unknow"));

    for (int id : {5, 7}) {
        SeniorKeyInfoStu record;
        std::memset(&record, 0, sizeof(record));
        record.id = id;
        std::snprintf(record.name, sizeof(record.name), "DKS %d", id);
        QVERIFY(CVorlanXML_SeniorKey_AddInfoItem(path.constData(), 0, record));
    }
    describe(operation("40", "0", "7"), sources, &valueText);
    QCOMPARE(valueText, QStringLiteral("DKS 7"));
    describe(operation("40", "0", "6"), sources, &valueText);
    QCOMPARE(valueText, QStringLiteral("Unknow"));
}

void tst_KeyOperateText::textsAreTranslatedInQObjectContext()
{
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(KEY_TEXT_QM)));
    QVERIFY(QCoreApplication::installTranslator(&translator));
    QString valueText;
    const QString typeName = describe(operation("3", "0", "0"), m_sources, &valueText);
    const QString unknown = [&] {
        QString text;
        describe(operation("3", "0", "7"), m_sources, &text);
        return text;
    }();
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(typeName, QStringLiteral("Multimedia-Taste"));
    QCOMPARE(valueText, QString::fromUtf8("Lautstärke +"));
    QCOMPARE(unknown, QStringLiteral("Unbekannt"));
}

QTEST_GUILESS_MAIN(tst_KeyOperateText)
#include "tst_KeyOperateText.moc"
