#include "app/DDataManager.h"
#include "resources/VorlanResources.h"
#include "widgets/DSoftKeyboardPage.h"
#include "widgets/DVirtualKeyboardTool.h"
#include "widgets/SoftKeyboardButCustom.h"
#include "widgets/SoftKeyboardLayout.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

enum Key { LeftCtrl = 224, LeftShift = 225, LeftAlt = 226, RightCtrl = 228, KeyA = 4, KeyB = 5 };

QByteArray resourceText()
{
    QFile file(QStringLiteral(":/images/configDir/softKeyInfoNormalUS.config"));
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

// A selected kind-0 key carries the underlined (selected) text style.
bool looksSelected(const SoftKeyboardButCustom *key)
{
    return key->styleSheet().contains(QLatin1String("border-bottom: 1px solid"));
}

} // namespace

class tst_SoftKeyboard : public QObject
{
    Q_OBJECT

private:
    // The combination page's keyboard: mode 1, selection on, US keys loaded.
    static void setUpCombinationPage(DSoftKeyboardPage &page)
    {
        page.setMode(1);
        page.setSelectEnabled(true);
        page.loadKeyboardInfo(QStringLiteral("any"));
    }

    static void clickKeys(DSoftKeyboardPage &page, std::initializer_list<int> codes)
    {
        for (int code : codes)
            page.keyButtons().value(code)->click();
    }

private slots:
    void initTestCase()
    {
        initVorlanResources();
        DDataManager::instance();
    }

    void usLayoutHasEveryKeyInsideThePage()
    {
        QVector<SoftKeyboardLayout::SoftKeyInfo> keys;
        QVERIFY(SoftKeyboardLayout::parse(resourceText(), SoftKeyboardLayout::UsLayoutNumber, &keys));
        QCOMPARE(keys.size(), 112);
        int right = 0;
        int bottom = 0;
        QSet<int> codes;
        for (const auto &key : keys) {
            right = qMax(right, key.posX + key.width);
            bottom = qMax(bottom, key.posY + key.height);
            codes.insert(key.dec);
        }
        QCOMPARE(right, 981);
        QCOMPARE(bottom, 242);
        QCOMPARE(codes.size(), 112);
    }

    void specialKeysFromTheFile_data()
    {
        QTest::addColumn<int>("dec");
        QTest::addColumn<int>("qtDec");
        QTest::addColumn<QString>("legend");
        QTest::newRow("Fn") << -10 << -1 << "Fn";
        QTest::newRow("Enter") << 40 << 999 << "Enter";
        QTest::newRow("keypad Enter") << 88 << 998 << "Ent";
        QTest::newRow("backslash keeps its escape") << 49 << 220 << "\\|";
        QTest::newRow("quote") << 52 << 222 << "' \"";
        QTest::newRow("grave") << 53 << 192 << "`~";
        QTest::newRow("national key gets its name") << 145 << 2350 << "Chinese";
        QTest::newRow("7") << 36 << 55 << "7&";
    }
    void specialKeysFromTheFile()
    {
        QFETCH(int, dec);
        QFETCH(int, qtDec);
        QFETCH(QString, legend);
        QVector<SoftKeyboardLayout::SoftKeyInfo> keys;
        QVERIFY(SoftKeyboardLayout::parse(resourceText(), SoftKeyboardLayout::UsLayoutNumber, &keys));
        auto it = std::find_if(keys.cbegin(), keys.cend(), [&](const auto &key) { return key.dec == dec; });
        QVERIFY(it != keys.cend());
        QCOMPARE(it->qtDec, qtDec);
        QCOMPARE(it->legend, legend);
    }

    void badInputIsRefusedOrSkipped()
    {
        QVector<SoftKeyboardLayout::SoftKeyInfo> keys;
        QVERIFY(!SoftKeyboardLayout::parse("not json {", 31, &keys));

        const QByteArray oneIncomplete = R"({"EveryKeyInfo_Row01":[
            {"PosX":1,"PosY":2,"Width":30,"Height":33,"Dec":41,"qtDec":27,"Character":"Esc"},
            {"PosX":1,"PosY":2,"Width":30,"Height":33,"Dec":58,"Character":"F1"},
            {"posx":5,"POSY":2,"width":30,"height":33,"dec":59,"QTDEC":113,"character":"F2"},
            {"PosX":1,"PosY":2,"Width":30,"Height":33,"Dec":60,"qtDec":114,"Character":7}],
            "EveryKeyInfo_Row00":[{"PosX":1,"PosY":2,"Width":30,"Height":33,"Dec":401,"qtDec":0,"Character":"x"}]})";
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression("EveryKeyInfo_Row01 key 1 lacks a field"));
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression("EveryKeyInfo_Row01 key 3 lacks a field"));
        QVERIFY(SoftKeyboardLayout::parse(oneIncomplete, 31, &keys));
        QCOMPARE(keys.size(), 2);
        QCOMPARE(keys[0].dec, 41);
        QCOMPARE(keys[1].dec, 59); // field names match without regard to case
        QCOMPARE(keys[1].posX, 5);
    }

    void loadingPublishesBothTables()
    {
        DDataManager::instance()->setKeyNameMap({});
        DDataManager::instance()->setVirtualKeyMap({});
        DSoftKeyboardPage page;
        QSignalSpy loaded(&page, &DSoftKeyboardPage::sigSoftKeyboardAlreadyLoad);
        page.loadKeyboardInfo(QStringLiteral("any"));
        QCOMPARE(loaded.count(), 1);
        QCOMPARE(page.keyButtons().size(), 112);

        const QMap<int, QString> names = DDataManager::instance()->getKeyNameMap();
        const QMap<int, int> virtualKeys = DDataManager::instance()->getVirtualKeyMap();
        QCOMPARE(names.size(), 112);
        QCOMPARE(virtualKeys.size(), 112);
        QCOMPARE(names.value(-10), QStringLiteral("Fn"));
        QCOMPARE(virtualKeys.value(999), 40);
        QCOMPARE(virtualKeys.value(998), 88);
        QCOMPARE(virtualKeys.value(-1), -10);

        const SoftKeyboardButCustom *seven = page.keyButtons().value(36);
        QCOMPARE(seven->geometry(), QRect(322, 49, 30, 33));
        QCOMPARE(seven->text(), QStringLiteral("7&&"));
        QCOMPARE(page.keyButtons().value(87)->size(), QSize(30, 73));
    }

    void reloadReplacesTheKeys()
    {
        DSoftKeyboardPage page;
        setUpCombinationPage(page);
        clickKeys(page, {LeftCtrl, KeyA});
        page.loadKeyboardInfo(QStringLiteral("any"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(page.findChildren<SoftKeyboardButCustom *>().size(), 112);
        // The selection of the old keys is gone with them.
        page.clearSelectedKeys();
        QCOMPARE(page.selectedKeyCount(), 0);
    }

    void selectionAllowsTwoModifiers()
    {
        DSoftKeyboardPage page;
        setUpCombinationPage(page);
        QSignalSpy clicked(&page, &DSoftKeyboardPage::sigSoftKeyboardClicked);

        clickKeys(page, {LeftCtrl, LeftShift, LeftAlt, KeyA});
        QCOMPARE(clicked.count(), 4);
        QCOMPARE(clicked.at(2).at(0).toInt(), int(LeftAlt));
        QVERIFY(looksSelected(page.keyButtons().value(LeftCtrl)));
        QVERIFY(looksSelected(page.keyButtons().value(LeftShift)));
        QVERIFY(!looksSelected(page.keyButtons().value(LeftAlt)));
        QVERIFY(looksSelected(page.keyButtons().value(KeyA)));
        QCOMPARE(page.modifierCount(), 2);

        page.clearSelectedKeys();
        QVERIFY(!looksSelected(page.keyButtons().value(LeftCtrl)));
        QVERIFY(!looksSelected(page.keyButtons().value(KeyA)));
        clickKeys(page, {LeftAlt, RightCtrl});
        QVERIFY(looksSelected(page.keyButtons().value(LeftAlt)));
        QVERIFY(looksSelected(page.keyButtons().value(RightCtrl)));
    }

    void deselectKeyUnselectsOnlyListedKeys()
    {
        DSoftKeyboardPage page;
        setUpCombinationPage(page);
        clickKeys(page, {LeftCtrl, LeftShift, LeftAlt, KeyA});

        // Not selected (refused third modifier), not selected at all, not on the keyboard: no change.
        page.deselectKey(LeftAlt);
        page.deselectKey(KeyB);
        page.deselectKey(9999);
        QCOMPARE(page.selectedKeyCount(), 3);

        page.deselectKey(KeyA);
        QVERIFY(!looksSelected(page.keyButtons().value(KeyA)));
        QCOMPARE(page.selectedKeyCount(), 2);
    }

    void modifierPickedAgainAfterTwoSelected()
    {
        DSoftKeyboardPage page;
        setUpCombinationPage(page);
        QSignalSpy clicked(&page, &DSoftKeyboardPage::sigSoftKeyboardClicked);
        clickKeys(page, {LeftCtrl, LeftShift, LeftCtrl});

        // The repeat is reported and Ctrl stays selected once in the list.
        QCOMPARE(clicked.count(), 3);
        QVERIFY(looksSelected(page.keyButtons().value(LeftCtrl)));
        QCOMPARE(page.selectedKeyCount(), 2);

        // Unselecting it leaves the modifier count at two: no further modifier can be selected
        // until the selection is cleared.
        page.deselectKey(LeftCtrl);
        QVERIFY(!looksSelected(page.keyButtons().value(LeftCtrl)));
        QCOMPARE(page.modifierCount(), 2);
        clickKeys(page, {LeftAlt});
        QVERIFY(!looksSelected(page.keyButtons().value(LeftAlt)));
        page.clearSelectedKeys();
        clickKeys(page, {LeftAlt});
        QVERIFY(looksSelected(page.keyButtons().value(LeftAlt)));
    }

    void noSelectionOutsideModeOneOrWhenOff_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("remap page") << 0 << true;
        QTest::newRow("combination page, selection off") << 1 << false;
    }
    void noSelectionOutsideModeOneOrWhenOff()
    {
        QFETCH(int, mode);
        QFETCH(bool, enabled);
        DVirtualKeyboardTool tool(mode);
        tool.setSelectEnabled(enabled);
        QSignalSpy clicked(&tool, &DVirtualKeyboardTool::sigSoftKeyboardClicked_VirtualKB);
        tool.keyboardPage()->keyButtons().value(KeyA)->click();
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(clicked.at(0).at(0).toInt(), int(KeyA));
        QVERIFY(!looksSelected(tool.keyboardPage()->keyButtons().value(KeyA)));
    }

    void keyLooks()
    {
        SoftKeyboardButCustom key(0);
        key.setColors("10,20,30", "200,0,0", "75,75,75");
        key.setState(1);
        QEvent enter(QEvent::Enter), leave(QEvent::Leave);
        QApplication::sendEvent(&key, &enter);
        QApplication::sendEvent(&key, &leave);
        QVERIFY(key.styleSheet().startsWith("color:rgb(10,20,30);")); // normal again on leave

        key.setNormalOnLeave(false);
        key.setState(0);
        QApplication::sendEvent(&key, &enter);
        QApplication::sendEvent(&key, &leave);
        QVERIFY(key.styleSheet().startsWith("color:rgb(200,0,0);")); // keeps the hover look

        key.setState(1);
        key.setColors("1,2,3", "4,5,6", "7,8,9");
        QCOMPARE(key.styleSheet(),
                 QStringLiteral("color:rgb(4,5,6); font: 75 7pt \"Microsoft YaHei\"; border-bottom: 1px "
                                "solid rgb(4,5,6); border-radius:3px;background-color:rgb(7,8,9);"));
        key.setState(4);
        QVERIFY(key.styleSheet().endsWith("background-color:#E81122;"));
    }

    void kindOneKeyReportsRightClicks()
    {
        SoftKeyboardButCustom kindOne(1);
        kindOne.setKeyInfo(36, QStringLiteral("7&"));
        const QString before = kindOne.styleSheet();
        kindOne.setState(3);
        QCOMPARE(kindOne.styleSheet(), before);
        QSignalSpy right(&kindOne, &SoftKeyboardButCustom::sigButtonMouseRightKeyClicked);
        QTest::mousePress(&kindOne, Qt::RightButton);
        QCOMPARE(right.count(), 1);
        QCOMPARE(right.at(0).at(1).toString(), QStringLiteral("7&"));

        SoftKeyboardButCustom kindZero(0);
        QSignalSpy none(&kindZero, &SoftKeyboardButCustom::sigButtonMouseRightKeyClicked);
        QTest::mousePress(&kindZero, Qt::RightButton);
        QCOMPARE(none.count(), 0);
    }
};

QTEST_MAIN(tst_SoftKeyboard)
#include "tst_SoftKeyboard.moc"
