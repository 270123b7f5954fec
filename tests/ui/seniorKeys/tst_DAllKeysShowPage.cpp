#include "resources/VorlanResources.h"
#include "ui/seniorKeys/AllKeysTable.h"
#include "ui/seniorKeys/DAllKeysItemKey.h"
#include "ui/seniorKeys/DAllKeysShowPage.h"

#include <QLabel>
#include <QLayout>
#include <QSignalSpy>
#include <QtTest>

#include <cjson/cJSON.h>

#include <memory>

namespace {

QList<DAllKeysItemKey *> buttonsOf(const DAllKeysShowPage &page, const char *groupName)
{
    QList<DAllKeysItemKey *> buttons;
    const QWidget *group = page.findChild<QWidget *>(groupName);
    if (!group || !group->layout())
        return buttons;
    for (int i = 0; i < group->layout()->count(); ++i) {
        if (auto *button = qobject_cast<DAllKeysItemKey *>(group->layout()->itemAt(i)->widget()))
            buttons << button;
    }
    return buttons;
}

QList<int> codesOf(const QList<DAllKeysItemKey *> &buttons)
{
    QList<int> codes;
    for (const DAllKeysItemKey *button : buttons)
        codes << button->getKeyDec();
    return codes;
}

DAllKeysItemKey *buttonFor(const DAllKeysShowPage &page, int code)
{
    for (DAllKeysItemKey *button : page.findChildren<DAllKeysItemKey *>()) {
        if (button->getKeyDec() == code)
            return button;
    }
    return nullptr;
}

const char *const kUnreadableLog = "------------------------ loadKeyboardInfo => fp == NULL -------------------------";

} // namespace

// The all-keys table as authored, and the picker built from it.
class tst_DAllKeysShowPage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void tableFileIsLaidOutAsReadersExpect();
    void groupsHoldTheTableInFileOrder();
    void captionsAsPrintedWithTheQuoteKeyFixed_data();
    void captionsAsPrintedWithTheQuoteKeyFixed();
    void clickReportsCodeAndCaptionAndSelectsNothing();
    void unreadableTableGivesEmptyPicker();
    void badEntriesAreLeftOutAndBadTextGivesNothing();
};

void tst_DAllKeysShowPage::initTestCase()
{
    initVorlanResources();
}

void tst_DAllKeysShowPage::tableFileIsLaidOutAsReadersExpect()
{
    QFile file(AllKeysTable::resourcePath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();

    for (const char byte : text)
        QVERIFY2(uchar(byte) < 0x80, "not ASCII");
    QVERIFY(text.endsWith("\r\n"));
    QCOMPARE(text.count('\n'), text.count("\r\n"));
    QCOMPARE(text.count('\r'), text.count("\r\n"));
    for (const QByteArray &line : text.split('\n')) {
        QVERIFY2(!line.startsWith(' '), line.constData());
    }

    const std::unique_ptr<cJSON, decltype(&cJSON_Delete)> root(cJSON_Parse(text.constData()), cJSON_Delete);
    QVERIFY(root);
    QStringList members;
    for (const cJSON *member = root->child; member; member = member->next)
        members << member->string;
    QCOMPARE(members, QStringList({"Keyboard", "EveryKeyInfo_Row00", "EveryKeyInfo_Row01", "EveryKeyInfo_Row02",
                                   "EveryKeyInfo_Row03", "EveryKeyInfo_Row04", "EveryKeyInfo_Row05",
                                   "EveryKeyInfo_Row06", "EveryKeyInfo_Row07"}));
    const cJSON *keyboard = cJSON_GetObjectItemCaseSensitive(root.get(), "Keyboard");
    QCOMPARE(cJSON_GetStringValue(cJSON_GetObjectItemCaseSensitive(keyboard, "KeyboardIntroduction")),
             "104Key+7Key+18Key");
    QCOMPARE(cJSON_GetStringValue(cJSON_GetObjectItemCaseSensitive(keyboard, "flag")), "true");

    const QList<int> counts{18, 7, 46, 58, 0, 0, 0, 6};
    const QStringList entryMembers{"PosX", "PosY", "Width", "Height", "Dec", "qtDec", "Character"};
    const QMap<int, int> flaggedKeys{{506, 1}, {507, 2}, {503, 0}};
    for (int row = 0; row < counts.size(); ++row) {
        const cJSON *entries =
            cJSON_GetObjectItemCaseSensitive(root.get(), qPrintable(QStringLiteral("EveryKeyInfo_Row0%1").arg(row)));
        QVERIFY(cJSON_IsArray(entries));
        QCOMPARE(cJSON_GetArraySize(entries), counts[row]);
        const cJSON *entry = nullptr;
        cJSON_ArrayForEach(entry, entries)
        {
            const int code = cJSON_GetObjectItemCaseSensitive(entry, "Dec")->valueint;
            QStringList names;
            for (const cJSON *member = entry->child; member; member = member->next) {
                names << member->string;
                if (member->string != QLatin1String("Character"))
                    QVERIFY2(cJSON_IsNumber(member), qPrintable(QString::number(code)));
            }
            QVERIFY(cJSON_IsString(cJSON_GetObjectItemCaseSensitive(entry, "Character")));
            QStringList expected = entryMembers;
            if (row == 7 && flaggedKeys.contains(code)) {
                expected << "keyFlags";
                QCOMPARE(cJSON_GetObjectItemCaseSensitive(entry, "keyFlags")->valueint, flaggedKeys[code]);
            }
            QCOMPARE(names, expected);
            if (row >= 1 && row <= 3) {
                QCOMPARE(cJSON_GetObjectItemCaseSensitive(entry, "PosX")->valueint, -10);
                QCOMPARE(cJSON_GetObjectItemCaseSensitive(entry, "PosY")->valueint, -10);
            }
        }
    }
}

void tst_DAllKeysShowPage::groupsHoldTheTableInFileOrder()
{
    DAllKeysShowPage page;
    QCOMPARE(codesOf(buttonsOf(page, "widget_KeyCombination")), QList<int>({225, 229, 224, 228, 226, 230, 227}));

    QList<int> normal;
    for (int code = 4; code <= 29; ++code)
        normal << code;
    normal << 98 << 89 << 90 << 91 << 92 << 93 << 94 << 95 << 96 << 97;
    normal << 39 << 30 << 31 << 32 << 33 << 34 << 35 << 36 << 37 << 38;
    QCOMPARE(codesOf(buttonsOf(page, "widget_NormalKeys")), normal);

    const QList<int> special{58, 59, 60, 61, 62, 63, 64, 65, 66, 67,  68,  69,  70,  71,  72,  74,  75,  78, 73, 76,
                             77, 87, 86, 85, 84, 83, 88, 99, 82, 81,  80,  79,  41,  53,  43,  57,  42,  45, 46, 47,
                             48, 49, 51, 52, 40, 54, 55, 56, 44, 101, 145, 144, 137, 100, 135, 139, 138, 136};
    QCOMPARE(codesOf(buttonsOf(page, "widget_SpecialKeys")), special);

    const QMap<int, QString> map = page.getKeyMap();
    QCOMPARE(map.size(), 111);
    QVERIFY(!map.contains(231));                       // no right Windows key
    QVERIFY(!map.contains(401) && !map.contains(502)); // rows 0 and 7 are not offered
    QCOMPARE(map.value(4), QStringLiteral("A"));
    QCOMPARE(map.value(98), QStringLiteral("0"));
    QCOMPARE(map.value(39), QStringLiteral("0)"));

    QCOMPARE(page.findChild<QLabel *>("label_15")->text(), QStringLiteral("Key Combination"));
    QCOMPARE(page.findChild<QLabel *>("label_16")->text(), QStringLiteral("Normal Keys"));
    QCOMPARE(page.findChild<QLabel *>("label_17")->text(), QStringLiteral("Special Keys"));
    for (const DAllKeysItemKey *button : page.findChildren<DAllKeysItemKey *>()) {
        QCOMPARE(button->minimumSize(), QSize(30, 30));
        QVERIFY(!button->isCheckable());
        QVERIFY(button->styleSheet().isEmpty());
        QCOMPARE(button->text(), map.value(button->getKeyDec()));
    }
}

void tst_DAllKeysShowPage::captionsAsPrintedWithTheQuoteKeyFixed_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("caption");
    QTest::newRow("backslash key keeps the escape") << 49 << "\\|";
    QTest::newRow("semicolon") << 51 << "; :";
    QTest::newRow("quote key") << 52 << "' \"";
    QTest::newRow("grave") << 53 << "`~";
    QTest::newRow("keypad plus") << 87 << "Num.+";
    QTest::newRow("language key") << 144 << "Kr/En";
}

void tst_DAllKeysShowPage::captionsAsPrintedWithTheQuoteKeyFixed()
{
    QFETCH(int, code);
    QFETCH(QString, caption);
    DAllKeysShowPage page;
    const DAllKeysItemKey *button = buttonFor(page, code);
    QVERIFY(button);
    QCOMPARE(button->getKeyCharacter(), caption);
    QCOMPARE(button->text(), caption);
    QCOMPARE(page.getKeyMap().value(code), caption);
}

void tst_DAllKeysShowPage::clickReportsCodeAndCaptionAndSelectsNothing()
{
    DAllKeysShowPage page;
    page.resize(432, 516);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    QSignalSpy loaded(&page, &DAllKeysShowPage::sigAllKeysInfoAlreadyLoadedA);
    QSignalSpy clicked(&page, &DAllKeysShowPage::sigKeyListClicked);

    QTest::mouseClick(buttonFor(page, 41), Qt::LeftButton);
    QTest::mouseClick(buttonFor(page, 225), Qt::LeftButton);
    QCOMPARE(clicked.size(), 2);
    QCOMPARE(clicked.at(0), QVariantList({41, QStringLiteral("Esc")}));
    QCOMPARE(clicked.at(1), QVariantList({225, QStringLiteral("L_Shift")}));
    for (const DAllKeysItemKey *button : page.findChildren<DAllKeysItemKey *>())
        QVERIFY(!button->isChecked() && !button->isDown());

    // Loading ended inside the constructor: a host connecting afterwards hears nothing.
    QCoreApplication::processEvents();
    QCOMPARE(loaded.size(), 0);
}

void tst_DAllKeysShowPage::unreadableTableGivesEmptyPicker()
{
    // Without the compiled-in resources there is no table to copy.
    Q_CLEANUP_RESOURCE(resources);
    QTest::ignoreMessage(QtDebugMsg, kUnreadableLog);
    DAllKeysShowPage page;
    Q_INIT_RESOURCE(resources);

    QVERIFY(page.getKeyMap().isEmpty());
    QVERIFY(page.findChildren<DAllKeysItemKey *>().isEmpty());
    QVERIFY(QFile::exists(AllKeysTable::resourcePath()));
}

void tst_DAllKeysShowPage::badEntriesAreLeftOutAndBadTextGivesNothing()
{
    AllKeysTable::Groups groups;
    groups[0] << AllKeysEntry{1, "stale"};
    QVERIFY(!AllKeysTable::parse("{\"EveryKeyInfo_Row01\": [", &groups));
    for (const auto &group : groups)
        QVERIFY(group.isEmpty());

    const QByteArray text = "{\"EveryKeyInfo_Row01\": [{\"Dec\": 225, \"Character\": \"L_Shift\"},"
                            " {\"Dec\": \"7\", \"Character\": \"X\"}, {\"Dec\": 2.5, \"Character\": \"Y\"},"
                            " {\"Dec\": 8, \"Character\": 5}, {\"Dec\": 9}],"
                            " \"EveryKeyInfo_Row03\": [{\"Dec\": 41, \"Character\": \"Esc\"}]}";
    for (int entry = 1; entry <= 4; ++entry) {
        QTest::ignoreMessage(QtWarningMsg,
                             qPrintable(QStringLiteral("All-keys table: entry %1 of EveryKeyInfo_Row01 has no integer "
                                                       "Dec or no text Character, left out")
                                            .arg(entry)));
    }
    QVERIFY(AllKeysTable::parse(text, &groups));
    QCOMPARE(groups[0].size(), 1);
    QCOMPARE(groups[0][0].keyDec, 225);
    QVERIFY(groups[1].isEmpty());
    QCOMPARE(groups[2].size(), 1);
    QCOMPARE(groups[2][0].keyCharacter, QStringLiteral("Esc"));
}

QTEST_MAIN(tst_DAllKeysShowPage)
#include "tst_DAllKeysShowPage.moc"
