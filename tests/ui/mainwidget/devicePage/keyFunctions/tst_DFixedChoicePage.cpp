#include "app/DDataManager.h"
#include "resources/VorlanResources.h"
#include "sdk/store/VorlanXml.h"
#include "tests/ui/mainwidget/devicePage/keyFunctions/KeyPageFixture.h"
#include "ui/mainwidget/devicePage/keyFunctions/DHotKeyPage.h"
#include "ui/mainwidget/devicePage/keyFunctions/DKeyConfigFunctionPage.h"
#include "ui/mainwidget/devicePage/keyFunctions/DKeyboardLightCustomEventPage.h"
#include "ui/mainwidget/devicePage/keyFunctions/DMouseKeyPage.h"
#include "ui/mainwidget/devicePage/keyFunctions/DMultimediaPage.h"
#include "ui/mainwidget/devicePage/keyFunctions/DSideLightCustomEventPage.h"

#include <QLabel>
#include <QRadioButton>
#include <QtTest>

#include <list>
#include <string>

// The six radio pages: a click stores its entry at once, a load checks the stored entry's radio.
class tst_DFixedChoicePage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();
    void clickStoresItsEntry_data();
    void clickStoresItsEntry();
    void loadChecksStoredChoice_data();
    void loadChecksStoredChoice();
    void keyWithoutEntryChecksNothing_data();
    void keyWithoutEntryChecksNothing();
    void connectionChoicesFollowLayout_data();
    void connectionChoicesFollowLayout();
    void textsAfterLanguageChange();
    void themeReachesRadiosTitleAndScrollBar();

private:
    DFixedChoicePage *page(const QString &name) const;
    QRadioButton *radio(const QString &pageName, const QString &radioName) const;
    // "page/radio" of every checked radio, hidden ones marked "(hidden)".
    QStringList checkedRadios() const;
    void loadAll();

    KeyPageFixture *m_fixture = nullptr;
    QWidget *m_host = nullptr;
    QList<DFixedChoicePage *> m_pages;
    QStringList m_reports;
};

void tst_DFixedChoicePage::initTestCase()
{
    initVorlanResources();
    // The pages live through all cases, as in the tab: each load must clear what the last one showed.
    m_host = new QWidget;
    m_pages = {new DMultimediaPage(m_host),
               new DMouseKeyPage(m_host),
               new DHotKeyPage(m_host),
               new DKeyConfigFunctionPage(m_host),
               new DKeyboardLightCustomEventPage(m_host),
               new DSideLightCustomEventPage(m_host)};
    for (DFixedChoicePage *each : qAsConst(m_pages)) {
        const QString name = each->objectName();
        connect(each, &DKeyFunctionPage::sigShoudUpdateKeyboard, this,
                [this, name](int keyDec) { m_reports << QString("%1 update %2").arg(name).arg(keyDec); });
        connect(each, &DKeyFunctionPage::sigCustomKeyInfoSaveSuccessful, this,
                [this, name] { m_reports << name + " saved"; });
    }
    m_host->show();
}

void tst_DFixedChoicePage::cleanupTestCase()
{
    delete m_host;
    m_pages.clear();
}

void tst_DFixedChoicePage::init()
{
    m_fixture = new KeyPageFixture;
    DDataManager::instance()->setHidDeviceType(2);
    DDataManager::instance()->setCurrentKey(41, "Esc");
    m_reports.clear();
}

void tst_DFixedChoicePage::cleanup()
{
    delete m_fixture;
}

DFixedChoicePage *tst_DFixedChoicePage::page(const QString &name) const
{
    for (DFixedChoicePage *each : m_pages) {
        if (each->objectName() == name)
            return each;
    }
    return nullptr;
}

QRadioButton *tst_DFixedChoicePage::radio(const QString &pageName, const QString &radioName) const
{
    DFixedChoicePage *owner = page(pageName);
    return owner ? owner->findChild<QRadioButton *>(radioName) : nullptr;
}

QStringList tst_DFixedChoicePage::checkedRadios() const
{
    QStringList checked;
    for (DFixedChoicePage *each : m_pages) {
        for (QRadioButton *button : each->findChildren<QRadioButton *>()) {
            if (button->isChecked())
                checked << each->objectName() + "/" + button->text() + (button->isHidden() ? " (hidden)" : "");
        }
    }
    return checked;
}

void tst_DFixedChoicePage::loadAll()
{
    for (DFixedChoicePage *each : qAsConst(m_pages))
        each->loadCurrentKeyInfo();
}

void tst_DFixedChoicePage::clickStoresItsEntry_data()
{
    QTest::addColumn<QString>("pageName");
    QTest::addColumn<QString>("radioName");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("entry");
    // page, radio, text, stored "type mode value"
    const char *const rows[][4] = {
        {"DMultimediaPage", "radioButton_volAdd", "Volume +", "3 1 0"},
        {"DMultimediaPage", "radioButton_volLower", "Volume -", "3 1 1"},
        {"DMultimediaPage", "radioButton_mute", "Mute", "3 1 2"},
        {"DMultimediaPage", "radioButton_playOrPause", "Play/Pause", "3 1 3"},
        {"DMultimediaPage", "radioButton_next", "Next track", "3 1 4"},
        {"DMultimediaPage", "radioButton_previous", "Prev track", "3 1 5"},
        {"DMultimediaPage", "radioButton_videoStop", "Stop", "3 1 6"},
        {"DMultimediaPage", "radioButton_Player", "Player", "3 1 8"},
        {"DMultimediaPage", "radioButton_Calculator", "Calculator", "3 1 9"},
        {"DMultimediaPage", "radioButton_Computer", "Computer", "3 1 10"},
        {"DMultimediaPage", "radioButton_Browser", "Browser", "3 1 11"},
        {"DMultimediaPage", "radioButton_Email", "Email", "3 1 12"},
        {"DMultimediaPage", "radioButton_ScreenBrightnessAdd", "Screen brightness+", "3 1 13"},
        {"DMultimediaPage", "radioButton_ScreenBrightnessLess", "Screen brightness-", "3 1 14"},
        {"DMultimediaPage", "radioButton_wwwSearch", "Search", "3 1 15"},
        {"DMouseKeyPage", "radioButton_mouseLeft", "Mouse Left", "4 1 0"},
        {"DMouseKeyPage", "radioButton_mouseCenter", "Mouse Center", "4 1 1"},
        {"DMouseKeyPage", "radioButton_mouseRight", "Mouse Right", "4 1 2"},
        {"DMouseKeyPage", "radioButton_mouseScrollUp", "Scroll Up", "4 1 3"},
        {"DMouseKeyPage", "radioButton_mouseScrollDown", "Scroll Down", "4 1 4"},
        {"DMouseKeyPage", "radioButton_Forward", "Forward", "4 1 5"},
        {"DMouseKeyPage", "radioButton_Backward", "Backward", "4 1 6"},
        {"DHotKeyPage", "radioButton_CloseWindow", "Close window", "9 1 0"},
        {"DHotKeyPage", "radioButton_ShowDesktop", "Show desktop", "9 1 2"},
        {"DHotKeyPage", "radioButton_OpenMyComputer", "My computer", "9 1 3"},
        {"DHotKeyPage", "radioButton_LockingComputer", "Lock computer", "9 1 4"},
        {"DHotKeyPage", "radioButton_Copy", "Copy", "9 1 5"},
        {"DHotKeyPage", "radioButton_Cut", "Cut", "9 1 6"},
        {"DHotKeyPage", "radioButton_Paste", "Paste", "9 1 7"},
        {"DHotKeyPage", "radioButton_Find", "Find", "9 1 8"},
        {"DHotKeyPage", "radioButton_CreateNew", "New", "9 1 9"},
        {"DHotKeyPage", "radioButton_Print", "Print", "9 1 10"},
        {"DHotKeyPage", "radioButton_Save", "Save", "9 1 11"},
        {"DKeyConfigFunctionPage", "radioButton_SwitchLoopWin", "Lock/Unlock Win", "19 2 0"},
        {"DKeyConfigFunctionPage", "radioButton_LockKeyboard", "Lock keyboard", "19 0 0"},
        {"DKeyConfigFunctionPage", "radioButton_PowerQuery", "Power query", "19 10 0"},
        {"DKeyConfigFunctionPage", "radioButton_USB", "USB switching", "19 11 2,0"},
        {"DKeyConfigFunctionPage", "radioButton_24G", "2.4G switching", "19 11 1,0"},
        {"DKeyConfigFunctionPage", "radioButton_Pattern1", "Bluetooth 1", "19 11 0,0"},
        {"DKeyConfigFunctionPage", "radioButton_Pattern2", "Bluetooth 2", "19 11 0,1"},
        {"DKeyConfigFunctionPage", "radioButton_Pattern3", "Bluetooth 3", "19 11 0,2"},
        {"DKeyboardLightCustomEventPage", "radioButton_OverallLightList", "Overall light", "20 1 0"},
        {"DKeyboardLightCustomEventPage", "radioButton_InteractionLightList", "Interaction light", "20 1 1"},
        {"DKeyboardLightCustomEventPage", "radioButton_AllLightList", "All light", "20 1 2"},
        {"DKeyboardLightCustomEventPage", "radioButton_StaticMode", "Static", "20 1 3"},
        {"DKeyboardLightCustomEventPage", "radioButton_BrightnessUp", "Brightness +", "21 1 0"},
        {"DKeyboardLightCustomEventPage", "radioButton_BrightnessDown", "Brightness -", "21 1 1"},
        {"DKeyboardLightCustomEventPage", "radioButton_SpeedAdd", "Speed +", "22 1 0"},
        {"DKeyboardLightCustomEventPage", "radioButton_SpeedLessen", "Speed -", "22 1 1"},
        {"DKeyboardLightCustomEventPage", "radioButton_DirectionAddOne", "Direction +1", "23 1 0"},
        {"DKeyboardLightCustomEventPage", "radioButton_DirectionLessenOne", "Direction -1", "23 1 1"},
        {"DKeyboardLightCustomEventPage", "radioButton_DirectionLoop", "Direction Loop", "23 1 2"},
        {"DKeyboardLightCustomEventPage", "radioButton_FullColor", "Into full color", "24 1 0"},
        {"DKeyboardLightCustomEventPage", "radioButton_TopColor", "Top color changed", "24 1 1"},
        {"DKeyboardLightCustomEventPage", "radioButton_BottomColor", "Bottom color changed", "24 1 2"},
        {"DKeyboardLightCustomEventPage", "radioButton_IntoCustomLight01", "Custom 1", "25 1 0"},
        {"DKeyboardLightCustomEventPage", "radioButton_IntoCustomLight02", "Custom 2", "25 1 1"},
        {"DKeyboardLightCustomEventPage", "radioButton_CloseAll", "Close all", "26 0 0"},
        {"DKeyboardLightCustomEventPage", "radioButton_CloseBackLight", "Close back light", "26 0 1"},
        {"DKeyboardLightCustomEventPage", "radioButton_StopBackLight", "Stop back light", "26 1 0"},
        {"DKeyboardLightCustomEventPage", "radioButton_LightRecording", "Light recording", "27 1 0"},
        {"DSideLightCustomEventPage", "radioButton_AllLightList", "All light", "30 1 2"},
        {"DSideLightCustomEventPage", "radioButton_BrightnessUp", "Brightness +", "31 1 0"},
        {"DSideLightCustomEventPage", "radioButton_BrightnessDown", "Brightness -", "31 1 1"},
        {"DSideLightCustomEventPage", "radioButton_SpeedAdd", "Speed +", "32 1 0"},
        {"DSideLightCustomEventPage", "radioButton_SpeedLessen", "Speed -", "32 1 1"},
        {"DSideLightCustomEventPage", "radioButton_FullColor", "Into full color", "33 1 0"},
        {"DSideLightCustomEventPage", "radioButton_TopColor", "Top color changed", "33 1 1"},
        {"DSideLightCustomEventPage", "radioButton_BottomColor", "Bottom color changed", "33 1 2"},
        {"DSideLightCustomEventPage", "radioButton_CloseSideLight", "Close side light", "34 0 2"},
        {"DSideLightCustomEventPage", "radioButton_StopSideLight", "Stop side light", "34 1 0"},
    };
    for (const auto &row : rows)
        QTest::addRow("%s %s", row[0], row[2]) << row[0] << row[1] << row[2] << row[3];
}

void tst_DFixedChoicePage::clickStoresItsEntry()
{
    QFETCH(QString, pageName);
    QFETCH(QString, radioName);
    QFETCH(QString, text);
    QFETCH(QString, entry);
    // Another type's entry goes: the key keeps one entry.
    m_fixture->setEntry(KeyPageFixture::DefaultLayer, 2, 41, "0", "4");
    DFixedChoicePage *owner = page(pageName);
    QRadioButton *button = radio(pageName, radioName);
    QVERIFY(owner && button);
    owner->raise();
    loadAll();
    QVERIFY(button->isVisible());
    QCOMPARE(button->text(), text);

    const QStringList oneSave{pageName + " update 41", pageName + " saved"};
    for (int click = 1; click <= 2; ++click) {
        QTest::mouseClick(button, Qt::LeftButton);
        const KeyOperateInfo info = m_fixture->entry(KeyPageFixture::DefaultLayer, 2, 41);
        QCOMPARE(QString("%1 %2 %3").arg(info.operateType, info.mode, info.value), entry);
        QCOMPARE(QByteArray(info.count), QByteArray("1"));
        QCOMPARE(m_reports, click == 1 ? oneSave : oneSave + oneSave);
        QCOMPARE(checkedRadios(), QStringList(pageName + "/" + text));
    }
    std::list<std::string> keys;
    CVorlanXML_ProFileKeyInfoSelectAll(m_fixture->path(KeyPageFixture::DefaultLayer).constData(), "2", &keys);
    QCOMPARE(keys.size(), size_t(1));
    QCOMPARE(m_fixture->entryText(KeyPageFixture::DefaultLayer, 1, 41), QString());

    // Shown again for the key, on its own page only.
    loadAll();
    QCOMPARE(checkedRadios(), QStringList(pageName + "/" + text));
}

void tst_DFixedChoicePage::loadChecksStoredChoice_data()
{
    QTest::addColumn<QByteArray>("type");
    QTest::addColumn<QByteArray>("mode");
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QString>("checked");
    const char *const rows[][4] = {
        {"3", "1", "7", ""},
        {"3", "1", "16", ""},
        {"3", "1", "-1", ""},
        {"3", "1", "abc", "DMultimediaPage/Volume +"},
        {"3", "0", " +15x", "DMultimediaPage/Search"},
        {"4", "1", "7", "DMouseKeyPage/Sniper Key (hidden)"},
        {"4", "1", "abc", "DMouseKeyPage/Mouse Left"},
        {"9", "1", "1", ""},
        {"9", "1", "abc", "DHotKeyPage/Close window"},
        {"19", "0", "9", "DKeyConfigFunctionPage/Lock keyboard"},
        {"19", "10", "abc", "DKeyConfigFunctionPage/Power query"},
        {"19", "2", "1", "DKeyConfigFunctionPage/Lock win (hidden)"},
        {"19", "2", "3", ""},
        {"19", "8", "2", "DKeyConfigFunctionPage/FN1 layer (hidden)"},
        {"19", "11", "2,0", "DKeyConfigFunctionPage/USB switching"},
        {"19", "11", "0, 2", "DKeyConfigFunctionPage/Bluetooth 3"},
        {"19", "11", "0,3", ""},
        {"19", "11", "3,0", ""},
        {"19", "11", "2", ""},
        {"19", "11", "", ""},
        {"19", "5", "0", ""},
        {"20", "1", "4", ""},
        {"20", "1", "3", "DKeyboardLightCustomEventPage/Static"},
        {"21", "0", "1", "DKeyboardLightCustomEventPage/Brightness -"},
        {"25", "1", "2", ""},
        {"26", "1", "7", "DKeyboardLightCustomEventPage/Stop back light"},
        {"26", "0", "1", "DKeyboardLightCustomEventPage/Close back light"},
        {"26", "0", "2", ""},
        {"26", "2", "0", ""},
        {"27", "1", "5", "DKeyboardLightCustomEventPage/Light recording"},
        {"28", "1", "0", ""},
        {"30", "1", "1", "DSideLightCustomEventPage/Interaction light (hidden)"},
        {"30", "1", "2", "DSideLightCustomEventPage/All light"},
        {"31", "1", "2", ""},
        {"33", "5", "2", "DSideLightCustomEventPage/Bottom color changed"},
        {"34", "0", "9", "DSideLightCustomEventPage/Close side light"},
        {"34", "1", "2", "DSideLightCustomEventPage/Stop side light"},
        {"34", "2", "2", ""},
        {"0", "1", "4", ""},
        {"5", "1", "-1", ""},
    };
    for (const auto &row : rows)
        QTest::addRow("%s, %s, \"%s\"", row[0], row[1], row[2])
            << QByteArray(row[0]) << QByteArray(row[1]) << QByteArray(row[2]) << QString(row[3]);
}

void tst_DFixedChoicePage::loadChecksStoredChoice()
{
    QFETCH(QByteArray, type);
    QFETCH(QByteArray, mode);
    QFETCH(QByteArray, value);
    QFETCH(QString, checked);
    m_fixture->setEntry(KeyPageFixture::DefaultLayer, 2, 41, type.constData(), value, mode.constData());
    // The same key in the other profile holds something else.
    m_fixture->setEntry(KeyPageFixture::DefaultLayer, 1, 41, "3", "2");
    loadAll();
    QCOMPARE(checkedRadios(), checked.isEmpty() ? QStringList() : QStringList(checked));
    QVERIFY(m_reports.isEmpty());
}

void tst_DFixedChoicePage::keyWithoutEntryChecksNothing_data()
{
    QTest::addColumn<QByteArray>("type");
    QTest::addColumn<QByteArray>("mode");
    QTest::addColumn<QByteArray>("value");
    QTest::newRow("visible radio") << QByteArray("3") << QByteArray("1") << QByteArray("0");
    QTest::newRow("hidden radio") << QByteArray("4") << QByteArray("1") << QByteArray("7");
    QTest::newRow("hidden keyboard function") << QByteArray("19") << QByteArray("8") << QByteArray("0");
    QTest::newRow("hidden side light") << QByteArray("30") << QByteArray("1") << QByteArray("0");
    QTest::newRow("off/stop selector") << QByteArray("26") << QByteArray("1") << QByteArray("0");
}

void tst_DFixedChoicePage::keyWithoutEntryChecksNothing()
{
    QFETCH(QByteArray, type);
    QFETCH(QByteArray, mode);
    QFETCH(QByteArray, value);
    m_fixture->setEntry(KeyPageFixture::DefaultLayer, 2, 41, type.constData(), value, mode.constData());
    loadAll();
    QCOMPARE(checkedRadios().size(), 1);

    DDataManager::instance()->setCurrentKey(42, "F1");
    loadAll();
    QCOMPARE(checkedRadios(), QStringList());
    DDataManager::instance()->clearCurrentKey();
    loadAll();
    QCOMPARE(checkedRadios(), QStringList());
}

void tst_DFixedChoicePage::connectionChoicesFollowLayout_data()
{
    QTest::addColumn<int>("hidDeviceType");
    QTest::addColumn<bool>("shown");
    QTest::newRow("2") << 2 << true;
    QTest::newRow("3") << 3 << true;
    QTest::newRow("4") << 4 << false;
    QTest::newRow("5") << 5 << false;
}

void tst_DFixedChoicePage::connectionChoicesFollowLayout()
{
    QFETCH(int, hidDeviceType);
    QFETCH(bool, shown);
    const QStringList governed{"radioButton_PowerQuery", "radioButton_USB",      "radioButton_24G",
                               "radioButton_Pattern1",   "radioButton_Pattern2", "radioButton_Pattern3"};
    const QStringList alwaysShown{"radioButton_SwitchLoopWin", "radioButton_LockKeyboard"};
    const QStringList neverShown{"radioButton_LockWin", "radioButton_UnlockWin", "radioButton_DefaultLayer",
                                 "radioButton_FNLayer", "radioButton_FN1Layer"};
    const QString name = "DKeyConfigFunctionPage";
    m_fixture->setEntry(KeyPageFixture::DefaultLayer, 2, 41, "19", "2,0", "11");
    // From the other kind of layout first: each load decides again.
    DDataManager::instance()->setHidDeviceType(shown ? 4 : 2);
    page(name)->loadCurrentKeyInfo();
    DDataManager::instance()->setHidDeviceType(hidDeviceType);
    loadAll();
    for (const QString &radioName : governed)
        QVERIFY2(radio(name, radioName)->isHidden() != shown, qPrintable(radioName));
    for (const QString &radioName : alwaysShown)
        QVERIFY2(!radio(name, radioName)->isHidden(), qPrintable(radioName));
    for (const QString &radioName : neverShown)
        QVERIFY2(radio(name, radioName)->isHidden(), qPrintable(radioName));
    // A stored connection still checks its radio, hidden or not.
    QCOMPARE(checkedRadios(), QStringList(name + "/USB switching" + (shown ? "" : " (hidden)")));
}

void tst_DFixedChoicePage::textsAfterLanguageChange()
{
    for (DFixedChoicePage *each : qAsConst(m_pages))
        each->retranslate();
    // The form's "Switch loop" is replaced by the page's text.
    QCOMPARE(radio("DKeyConfigFunctionPage", "radioButton_SwitchLoopWin")->text(), QString("Lock/Unlock Win"));
    const QStringList titles{"DMultimediaPage/label_6/Multimedia",
                             "DMouseKeyPage/label_7/Mouse Key",
                             "DHotKeyPage/label/Shortcuts",
                             "DKeyConfigFunctionPage/label/Key Config",
                             "DKeyboardLightCustomEventPage/label_4/Keyboard Light",
                             "DSideLightCustomEventPage/label_12/Atmosphere Light"};
    for (const QString &title : titles) {
        const QStringList parts = title.split('/');
        auto *label = page(parts[0])->findChild<QLabel *>(parts[1]);
        QVERIFY2(label, qPrintable(title));
        QCOMPARE(label->text(), parts[2]);
    }
    QVERIFY(radio("DMouseKeyPage", "radioButton_SniperKey")->isHidden());
    QVERIFY(radio("DSideLightCustomEventPage", "radioButton_OverallLightList")->isHidden());
}

void tst_DFixedChoicePage::themeReachesRadiosTitleAndScrollBar()
{
    DDataManager *data = DDataManager::instance();
    data->loadTheme(1);
    const ThemeColorInfo theme = data->getThemeInfo();
    for (DFixedChoicePage *each : qAsConst(m_pages))
        each->applyTheme();
    DFixedChoicePage *light = page("DKeyboardLightCustomEventPage");
    QVERIFY(light->styleSheet().contains(QString("QRadioButton:checked{ color: rgb(%1); font: 75 10pt \"%2\"; }")
                                             .arg(theme.TextCheckedColor, theme.TextFont)));
    auto *title = light->findChild<QLabel *>("label_4");
    QCOMPARE(title->styleSheet(), QString("QLabel#label_4{ color: rgb(%1);}").arg(theme.TextDefaultColor));
    QCOMPARE(title->font().pointSize(), 12);
    auto *bar = light->findChild<QWidget *>("widget_4");
    QVERIFY(!bar->styleSheet().contains(theme.AllScrollBarColorDef));
    QTRY_VERIFY(bar->styleSheet().contains(QString("rgba(%1)").arg(theme.AllScrollBarColorDef)));
    QCOMPARE(light->findChild<QWidget *>("scrollAreaWidgetContents")->styleSheet(),
             QString("QWidget#scrollAreaWidgetContents{ background-color: rgb(%1); }").arg(theme.DeviceRightBgColor));
}

QTEST_MAIN(tst_DFixedChoicePage)
#include "tst_DFixedChoicePage.moc"
