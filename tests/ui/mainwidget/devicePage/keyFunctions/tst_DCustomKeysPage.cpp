#include "app/DDataManager.h"
#include "platform/FakeKeyHookBackend.h"
#include "tests/ui/mainwidget/devicePage/keyFunctions/KeyPageFixture.h"
#include "ui/mainwidget/devicePage/keyFunctions/DChangeKeyPage.h"
#include "ui/mainwidget/devicePage/keyFunctions/DCustomKeysPage.h"
#include "ui/mainwidget/devicePage/keyFunctions/DKeyCombinationPage.h"
#include "widgets/ArrowWidget.h"
#include "widgets/DToolTipExplain.h"
#include "widgets/ThemeColorText.h"
#include "widgets/keyboardButCustom.h"

#include <QLabel>
#include <QLineEdit>
#include <QMovie>
#include <QPushButton>
#include <QStackedWidget>
#include <QToolButton>
#include <QtTest>

// The key-customisation tab: routing of clicked keys, marks, results, the hook, layers, download.
class tst_DCustomKeysPage : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void clickedKeyOpensPageOfStoredType_data();
    void clickedKeyOpensPageOfStoredType();
    void functionButtonWithoutKeyShowsTip();
    void savedKeyIsMarked_data();
    void savedKeyIsMarked();
    void resultTexts_data();
    void resultTexts();
    void hookRunsOneModeAtATime();
    void hookedKeysReachCapturingPage();
    void interactLightReportsKeyCapPosition();
    void downloadStartsOnceEvenWhenTabIsEntered();
    void enterPageSelectsDefaultSilently();
    void layerButtonsRequestSwitch();
    void retranslateKeepsKeyAndAnimation();
    void functionTipFollowsPointer();
    void deviceSetupShowsAdvancedKeysOnMagneticOnly();

private:
    QString currentPage() const;
    QStringList tips() const;

    KeyPageFixture *m_fixture = nullptr;
    FakeKeyHookBackend *m_backend = nullptr;
    DCustomKeysPage *m_tab = nullptr;
    QSignalSpy *m_tips = nullptr;
};

void tst_DCustomKeysPage::init()
{
    m_fixture = new KeyPageFixture;
    m_backend = new FakeKeyHookBackend;
    WindowsHookInterface::setBackend(m_backend);
    m_tab = new DCustomKeysPage;
    m_tab->setProfileIndex(2);
    m_tab->setProfileXmlPath(m_fixture->path(KeyPageFixture::DefaultLayer).constData());
    m_fixture->makeKeyCaps(m_tab, {4, 5, 30, 41});
    m_tab->initForDevice();
    m_tips = new QSignalSpy(m_tab, &DCustomKeysPage::sigSomeMessageTip_CustomKeysPage);
}

void tst_DCustomKeysPage::cleanup()
{
    delete m_tips;
    delete m_tab;
    QVERIFY(!m_backend->keyboardHooked());
    WindowsHookInterface::setBackend(nullptr);
    delete m_backend;
    delete m_fixture;
}

QString tst_DCustomKeysPage::currentPage() const
{
    return m_tab->findChild<QStackedWidget *>("stackedWidget_Customize")->currentWidget()->objectName();
}

QStringList tst_DCustomKeysPage::tips() const
{
    QStringList texts;
    for (const QList<QVariant> &tip : qAsConst(*m_tips))
        texts << tip.at(0).toString();
    return texts;
}

void tst_DCustomKeysPage::clickedKeyOpensPageOfStoredType_data()
{
    QTest::addColumn<QByteArray>("layerType");
    QTest::addColumn<QByteArray>("magneticType");
    QTest::addColumn<int>("magneticProfile");
    QTest::addColumn<bool>("magnetic");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("page");
    QTest::newRow("no entry") << QByteArray() << QByteArray() << 1 << true << 10 << "page_Default";
    QTest::newRow("remap") << QByteArray("0") << QByteArray() << 1 << false << 1 << "page_RemapKey";
    QTest::newRow("macro") << QByteArray("1") << QByteArray() << 1 << false << 0 << "page_Macro";
    QTest::newRow("keyboard light 25") << QByteArray("25") << QByteArray() << 1 << false << 20
                                       << "page_KeyboardLightAbout";
    QTest::newRow("side light 34") << QByteArray("34") << QByteArray() << 1 << false << 30 << "page_SideLightAbout";
    QTest::newRow("profile switch") << QByteArray("7") << QByteArray() << 1 << false << 7 << "page_SwitchProfile";
    QTest::newRow("type 12 changes nothing")
        << QByteArray("12") << QByteArray() << 1 << false << 3 << "page_Multimedia";
    QTest::newRow("magnetic layer read second")
        << QByteArray() << QByteArray("2") << 1 << true << 2 << "page_CombinationKey";
    QTest::newRow("current layer wins") << QByteArray("4") << QByteArray("2") << 1 << true << 4 << "page_Mouse";
    QTest::newRow("magnetic layer only on magnetic keyboards")
        << QByteArray() << QByteArray("2") << 1 << false << 10 << "page_Default";
    QTest::newRow("magnetic layer profile 1 only")
        << QByteArray() << QByteArray("2") << 2 << true << 10 << "page_Default";
}

void tst_DCustomKeysPage::clickedKeyOpensPageOfStoredType()
{
    QFETCH(QByteArray, layerType);
    QFETCH(QByteArray, magneticType);
    QFETCH(int, magneticProfile);
    QFETCH(bool, magnetic);
    QFETCH(int, code);
    QFETCH(QString, page);
    DDataManager *data = DDataManager::instance();
    data->setMagneticKeyboard(magnetic);
    // Start from a known function: the multimedia page of another key.
    m_fixture->setEntry(KeyPageFixture::DefaultLayer, 2, 30, "3", "1");
    data->setCurrentKey(30, "1");
    QCOMPARE(m_tab->functionCode(), 3);

    if (!layerType.isEmpty())
        m_fixture->setEntry(KeyPageFixture::DefaultLayer, 2, 41, layerType.constData(), "4");
    if (!magneticType.isEmpty())
        m_fixture->setEntry(KeyPageFixture::MagneticLayer, magneticProfile, 41, magneticType.constData(), "1,4");
    QSignalSpy intoTab(m_tab, &DCustomKeysPage::sigAutoIntoCustomKeysPage);
    data->setCurrentKey(41, "Esc");
    QCOMPARE(intoTab.size(), 1);
    QCOMPARE(KeyPageFixture::tabKeyLabel(m_tab)->text(), QString("Esc"));
    QCOMPARE(m_tab->functionCode(), code);
    QCOMPARE(currentPage(), page);
    QVERIFY(tips().isEmpty());
}

void tst_DCustomKeysPage::functionButtonWithoutKeyShowsTip()
{
    m_fixture->setEntry(KeyPageFixture::DefaultLayer, 2, 30, "3", "1");
    DDataManager::instance()->setCurrentKey(30, "1");
    DDataManager::instance()->clearCurrentKey();
    QTest::mouseClick(m_tab->findChild<QToolButton *>("toolButton_RemapKey"), Qt::LeftButton);
    QCOMPARE(tips(), QStringList("Please select one Key first"));
    QCOMPARE(currentPage(), QString("page_Default"));
    QVERIFY(m_tab->findChild<QToolButton *>("toolButton_Default")->isChecked());
    QCOMPARE(m_tab->functionCode(), 3);
}

void tst_DCustomKeysPage::savedKeyIsMarked_data()
{
    QTest::addColumn<bool>("magnetic");
    QTest::addColumn<bool>("magneticLayerActive");
    QTest::addColumn<bool>("magneticEntry");
    QTest::addColumn<bool>("removal");
    QTest::addColumn<bool>("marked");
    QTest::addColumn<bool>("green");
    QTest::newRow("plain keyboard") << false << false << false << false << true << false;
    QTest::newRow("magnetic, entry in the magnetic layer") << true << true << true << false << true << true;
    QTest::newRow("magnetic, FN layer") << true << false << true << false << true << false;
    QTest::newRow("removed on a plain keyboard") << false << false << false << true << false << false;
    QTest::newRow("removed, magnetic entry stays") << true << true << true << true << true << true;
    QTest::newRow("removed, nothing left") << true << true << false << true << false << false;
}

void tst_DCustomKeysPage::savedKeyIsMarked()
{
    QFETCH(bool, magnetic);
    QFETCH(bool, magneticLayerActive);
    QFETCH(bool, magneticEntry);
    QFETCH(bool, removal);
    QFETCH(bool, marked);
    QFETCH(bool, green);
    DDataManager *data = DDataManager::instance();
    data->setMagneticKeyboard(magnetic);
    data->setMagneticLayerActive(magneticLayerActive);
    m_tab->setPressModeSelectVisible(0);
    if (magneticEntry)
        m_fixture->setEntry(KeyPageFixture::MagneticLayer, 1, 4, "5", "0");
    keyboardButCustom *keyCap = data->getKeyButtonMap().value(4);

    data->setCurrentKey(4, "A");
    m_tab->onCurIndexChanged_Key(2);
    if (removal) {
        keyCap->setMarked(true);
        m_tab->onKeyboardAlreadyLoad(4);
    } else {
        m_tab->findChild<DChangeKeyPage *>()->takeCapturedKey(5);
        QCOMPARE(m_fixture->entryText(KeyPageFixture::DefaultLayer, 2, 4), QString("0:5"));
    }
    QCOMPARE(keyCap->isMarked(), marked);
    const QColor expected = green ? QColor(30, 200, 35) : opaqueThemeColor(data->getThemeInfo().TextCheckedColor);
    QCOMPARE(keyCap->getMarkBorderColor(), expected);
    // A stored remap shows no toast.
    QVERIFY(tips().isEmpty());
    // A key that is not on the picture is dropped.
    m_tab->onShoudUpdateKeyboard(77);
}

void tst_DCustomKeysPage::resultTexts_data()
{
    QTest::addColumn<int>("operateType");
    QTest::addColumn<int>("errorIndex");
    QTest::addColumn<QString>("text");
    QTest::newRow("empty text") << 6 << 0 << "Setting failed because the text is empty";
    QTest::newRow("no key") << 10 << 0 << "Please select one Key first";
    QTest::newRow("other pair") << 6 << 1 << "Unknow";
    QTest::newRow("other type") << 3 << 0 << "Unknow";
}

void tst_DCustomKeysPage::resultTexts()
{
    QFETCH(int, operateType);
    QFETCH(int, errorIndex);
    QFETCH(QString, text);
    m_tab->onCustomKeyInfoSaveFailed(operateType, errorIndex);
    m_tab->onCustomKeyInfoSaveSuccessful();
    QCOMPARE(tips(), QStringList({text, "Operate successful"}));
}

void tst_DCustomKeysPage::hookRunsOneModeAtATime()
{
    DDataManager *data = DDataManager::instance();
    QWidget window;
    m_tab->setParent(&window);
    window.show();
    QFocusEvent focusIn(QEvent::FocusIn);
    auto *remap = m_tab->findChild<DChangeKeyPage *>();
    auto *combination = m_tab->findChild<DKeyCombinationPage *>();

    data->setCurrentKey(4, "A");
    m_tab->onCurIndexChanged_Key(2);
    QApplication::sendEvent(remap->field(), &focusIn);
    QVERIFY(m_backend->keyboardHooked() && m_backend->swallowing());
    QCOMPARE(m_tab->hookMode(), int(HOOK_KEY_CAPTURE));

    // The light pass-through replaces the capture.
    m_tab->setInteractLightHook(true, 0);
    QVERIFY(m_backend->keyboardHooked() && !m_backend->swallowing());
    QCOMPARE(m_tab->hookMode(), int(HOOK_INTERACT_LIGHT));

    // Switching the function closes the pop-up, which stops the hook.
    m_tab->onCurIndexChanged_Key(7);
    QVERIFY(!remap->isPopupOpen());
    QVERIFY(!m_backend->keyboardHooked());
    QApplication::sendEvent(combination->field(), &focusIn);
    QVERIFY(m_backend->keyboardHooked() && m_backend->swallowing());
    QCOMPARE(m_tab->hookMode(), int(HOOK_KEY_CAPTURE_ALT));

    // Macro recording: keyboard and mouse, result back to the requester.
    QVERIFY(data->requestMacroRecordHook(true));
    QVERIFY(m_backend->keyboardHooked() && m_backend->mouseHooked());
    QCOMPARE(m_tab->hookMode(), int(HOOK_MACRO_RECORD));
    QVERIFY(data->requestMacroRecordHook(false));
    QVERIFY(!m_backend->keyboardHooked() && !m_backend->mouseHooked());
    m_backend->setMouseInstallFails(true);
    QVERIFY(!data->requestMacroRecordHook(true));
    m_backend->setMouseInstallFails(false);
    m_tab->setInteractLightHook(false, 0);
    QVERIFY(!m_backend->keyboardHooked() && !m_backend->mouseHooked());

    // Closing the tab with the pop-up open leaves no hook behind (checked in cleanup).
    m_tab->setInteractLightHook(true, 0);
    m_tab->onCurIndexChanged_Key(2);
    QApplication::sendEvent(remap->field(), &focusIn);
    QVERIFY(remap->isPopupOpen() && m_backend->keyboardHooked());
    m_tab->setParent(nullptr);
}

void tst_DCustomKeysPage::hookedKeysReachCapturingPage()
{
    DDataManager *data = DDataManager::instance();
    data->setCurrentKey(41, "Esc");
    m_tab->onCurIndexChanged_Key(2);
    m_tab->onMesgStartOrStopHook(true);
    // Keypad Enter is reported with the extended flag.
    QVERIFY(m_backend->injectKey(13, 0x1c, 0x01));
    m_backend->injectKey(13, 0x1c, 0x81);
    QCOMPARE(m_fixture->entryText(KeyPageFixture::DefaultLayer, 2, 41), QString("0:88"));
    // Home on the keypad without Num Lock is keypad 7.
    m_backend->injectKey(36, 0x47, 0x00);
    m_backend->injectKey(36, 0x47, 0x80);
    QCOMPARE(m_fixture->entryText(KeyPageFixture::DefaultLayer, 2, 41), QString("0:95"));
    m_backend->injectKey(13, 0x1c, 0x00);
    m_backend->injectKey(13, 0x1c, 0x80);
    QCOMPARE(m_fixture->entryText(KeyPageFixture::DefaultLayer, 2, 41), QString("0:40"));

    m_tab->onCurIndexChanged_Key(7);
    m_tab->onMesgStartOrStopHook(true);
    QCOMPARE(m_tab->hookMode(), int(HOOK_KEY_CAPTURE_ALT));
    m_backend->injectKey(162, 0x1d, 0x00);
    m_backend->injectKey(65, 0x1e, 0x00);
    QCOMPARE(m_fixture->entryText(KeyPageFixture::DefaultLayer, 2, 41), QString("2:1,4"));
    m_tab->onMesgStartOrStopHook(false);
    QVERIFY(!m_backend->keyboardHooked());
}

void tst_DCustomKeysPage::interactLightReportsKeyCapPosition()
{
    QSignalSpy points(m_tab, &DCustomKeysPage::sigInteractLightsPointXY);
    m_tab->setInteractLightHook(true, 0);
    QVERIFY(!m_backend->injectKey(65, 0x1e, 0x00));
    QCOMPARE(points.size(), 1);
    QCOMPARE(points.at(0), QList<QVariant>({0, 0}));
    // Esc is the fourth key cap; Enter is not on the picture.
    m_backend->injectKey(27, 0x01, 0x00);
    m_backend->injectKey(13, 0x1c, 0x00);
    QCOMPARE(points.size(), 2);
    QCOMPARE(points.at(1), QList<QVariant>({0, 3}));
}

void tst_DCustomKeysPage::downloadStartsOnceEvenWhenTabIsEntered()
{
    auto *download = m_tab->findChild<QPushButton *>("pushButton_Download");
    auto *loading = m_tab->findChild<QLabel *>("label_Loading");
    int started = 0;
    // The download processes events: the user returns to the tab and clicks again meanwhile.
    connect(m_tab, &DCustomKeysPage::sigTheKeyboardIntoDownloading, this, [&] {
        ++started;
        m_tab->enterPage(0);
        QTest::mouseClick(download, Qt::LeftButton);
    });
    QTest::mouseClick(download, Qt::LeftButton);
    QCOMPARE(started, 1);
    QVERIFY(m_tab->isDownloading());
    QVERIFY(loading->isVisibleTo(m_tab));
    QCOMPARE(loading->movie()->state(), QMovie::Running);
    QTest::mouseClick(download, Qt::LeftButton);
    QCOMPARE(started, 1);

    m_tab->stopDownloadAnimation();
    QVERIFY(!loading->isVisibleTo(m_tab));
    QCOMPARE(loading->movie()->state(), QMovie::NotRunning);
    QTest::mouseClick(download, Qt::LeftButton);
    QCOMPARE(started, 2);
}

void tst_DCustomKeysPage::enterPageSelectsDefaultSilently()
{
    m_fixture->setEntry(KeyPageFixture::DefaultLayer, 2, 30, "3", "1");
    DDataManager::instance()->setCurrentKey(30, "1");
    m_tab->enterPage(1);
    QVERIFY(m_tab->findChild<QPushButton *>("pushButton_FnLayer")->isChecked());
    QVERIFY(!m_tab->findChild<QPushButton *>("pushButton_DefaultLayer")->isChecked());
    QCOMPARE(KeyPageFixture::tabKeyLabel(m_tab)->text(), QString("NULL"));
    QCOMPARE(DDataManager::instance()->getCurrentKeyDec(), -1);
    QCOMPARE(m_tab->functionCode(), 10);
    QCOMPARE(currentPage(), QString("page_Default"));
    QVERIFY(tips().isEmpty());
    for (keyboardButCustom *keyCap : DDataManager::instance()->getKeyInfoList()) {
        keyCap->setLightColor(Qt::red);
        QCOMPARE(keyCap->getLightColor().alpha(), 0);
    }
}

void tst_DCustomKeysPage::layerButtonsRequestSwitch()
{
    QSignalSpy layers(m_tab, &DCustomKeysPage::sigDefaultLayerAndFnLayerSwitch);
    auto *fnLayer = m_tab->findChild<QPushButton *>("pushButton_FnLayer");
    QTest::mouseClick(fnLayer, Qt::LeftButton);
    QTest::mouseClick(m_tab->findChild<QPushButton *>("pushButton_DefaultLayer"), Qt::LeftButton);
    QCOMPARE(layers.size(), 2);
    QCOMPARE(layers.at(0).at(0).toInt(), 1);
    QCOMPARE(layers.at(1).at(0).toInt(), 0);
    QVERIFY(!fnLayer->isChecked());
}

void tst_DCustomKeysPage::retranslateKeepsKeyAndAnimation()
{
    DDataManager::instance()->setCurrentKey(41, "Esc");
    QTest::mouseClick(m_tab->findChild<QPushButton *>("pushButton_Download"), Qt::LeftButton);
    m_tab->retranslate();
    m_tab->applyTheme();
    auto *loading = m_tab->findChild<QLabel *>("label_Loading");
    QVERIFY(loading->movie());
    QVERIFY(loading->text().isEmpty());
    QCOMPARE(KeyPageFixture::tabKeyLabel(m_tab)->text(), QString("Esc"));
    QCOMPARE(m_tab->findChild<QPushButton *>("pushButton_Download")->text(), QString("Download"));
}

void tst_DCustomKeysPage::functionTipFollowsPointer()
{
    m_tab->show();
    QTRY_VERIFY_WITH_TIMEOUT(m_tab->findChild<QToolButton *>("toolButton_Text") != nullptr, 1000);
    QEvent enter(QEvent::Enter);
    QEvent leave(QEvent::Leave);
    auto *remapButton = m_tab->findChild<QToolButton *>("toolButton_RemapKey");
    auto *textButton = m_tab->findChild<QToolButton *>("toolButton_Text");
    auto visibleTips = [] {
        QStringList texts;
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (qobject_cast<ArrowWidget *>(window) && window->isVisible()) {
                if (auto *tip = window->findChild<DToolTipExplain *>())
                    texts << tip->text();
            }
        }
        return texts;
    };
    // The filter is installed 500 ms after construction.
    QTRY_VERIFY_WITH_TIMEOUT((QApplication::sendEvent(remapButton, &enter), visibleTips() == QStringList("Remap Key")),
                             5000);
    QApplication::sendEvent(remapButton, &leave);
    QApplication::sendEvent(textButton, &enter);
    QCOMPARE(visibleTips(), QStringList("Text"));
    QApplication::sendEvent(textButton, &leave);
    QVERIFY(visibleTips().isEmpty());
}

void tst_DCustomKeysPage::deviceSetupShowsAdvancedKeysOnMagneticOnly()
{
    auto *seniorKeys = m_tab->findChild<QToolButton *>("toolButton_SeniorKeys");
    for (bool magnetic : {true, false}) {
        DDataManager::instance()->setMagneticKeyboard(magnetic);
        m_tab->initForDevice();
        QCOMPARE(seniorKeys->isVisibleTo(m_tab), magnetic);
        QCOMPARE(m_tab->functionCode(), 10);
    }
    QVERIFY(!m_tab->findChild<QToolButton *>("toolButton_SwitchProfile")->isVisibleTo(m_tab));
}

QTEST_MAIN(tst_DCustomKeysPage)
#include "tst_DCustomKeysPage.moc"
