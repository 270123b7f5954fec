#include "app/DDataManager.h"
#include "resources/VorlanResources.h"
#include "sdk/store/VorlanXml.h"
#include "ui/mainwidget/devicePage/magnetic/DPerformancePage.h"
#include "ui/mainwidget/devicePage/magnetic/PerformanceRules.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

// The performance tab: locks stored in the profile and sent in the keyboard's order, the sleep
// times, what each keyboard shows, and the desktop's keyboard settings.
class tst_DPerformancePage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void lockClickStoresAllFourAndSendsThemInKeyboardOrder();
    void leadingNumberCountsAsOn_data();
    void leadingNumberCountsAsOn();
    void loadingShowsTheProfileAndChangesNothing();
    void submitSendsSecondsWithinTheKeyboardsRange_data();
    void submitSendsSecondsWithinTheKeyboardsRange();
    void sleepControlsPerKeyboard_data();
    void sleepControlsPerKeyboard();
    void retranslationShowsTheProfilesValues();
    void tooLongPathIsRefused();
    void keyboardPropertiesStartsTheCommandAndReturns();
    void themeFillsTheTemplates();

private:
    template <typename T>
    T *child(const char *name) const
    {
        T *widget = m_page->findChild<T *>(name);
        if (!widget)
            qFatal("no %s", name);
        return widget;
    }
    void click(const char *name)
    {
        QAbstractButton *button = child<QAbstractButton>(name);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    }
    QStringList storedLocks() const;
    QByteArray m_path;
    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<DPerformancePage> m_page;
};

void tst_DPerformancePage::initTestCase()
{
    initVorlanResources();
    DDataManager::instance()->loadTheme(0);
}

void tst_DPerformancePage::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    m_path = QFile::encodeName(m_folder->filePath("appProfile_Default.xml"));
    QVERIFY(CVorlanXML_CreateXMLFile(m_path.constData()));
    QVERIFY(CVorlanXML_CreateProFileXmlParentNode(m_path.constData(), "1", "Profile1", 0));
    DDataManager *data = DDataManager::instance();
    data->setCurrentDeviceName("Aster104");
    data->setMagneticKeyboard(false);
    data->setHidDeviceType(2);
    data->setProhibitSleep(0);
    m_page = std::make_unique<DPerformancePage>();
    m_page->setProfileIndex(1);
    m_page->setProfileXmlPath(m_path.constData());
    m_page->resize(1096, 250);
    m_page->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_page.get()));
}

void tst_DPerformancePage::cleanup()
{
    m_page.reset();
    m_folder.reset();
}

QStringList tst_DPerformancePage::storedLocks() const
{
    ProFileFunctionInfo locks{};
    if (!CVorlanXML_GetProFileFunctionInfo(m_path.constData(), "1", &locks))
        return {};
    return {locks.altTab, locks.altF4, locks.shiftTab, locks.winKey};
}

void tst_DPerformancePage::lockClickStoresAllFourAndSendsThemInKeyboardOrder()
{
    QVERIFY(CVorlanXML_AddProFileFunctionInfo(m_path.constData(), "1", "1", "0", "0", "1"));
    m_page->loadProfileFunctionInfo();
    QVERIFY(child<QCheckBox>("checkBox_disableALT_TAB")->isChecked());
    QVERIFY(!child<QCheckBox>("checkBox_disableALT_F4")->isChecked());
    QVERIFY(!child<QCheckBox>("checkBox_disableSHIFT_TAB")->isChecked());
    QVERIFY(child<QCheckBox>("checkBox_disableWindowsKey")->isChecked());

    QSignalSpy locks(m_page.get(), &DPerformancePage::sigLockWinKeyAbout);
    click("checkBox_disableSHIFT_TAB");
    QCOMPARE(storedLocks(), QStringList({"1", "0", "1", "1"}));
    QCOMPARE(locks.size(), 1);
    // Windows key, SHIFT+TAB, ALT+TAB, ALT+F4.
    QCOMPARE(locks.first(), QVariantList({1, 1, 1, 0}));

    click("checkBox_disableALT_TAB");
    QCOMPARE(storedLocks(), QStringList({"0", "0", "1", "1"}));
    QCOMPARE(locks.last(), QVariantList({1, 1, 0, 0}));
}

void tst_DPerformancePage::leadingNumberCountsAsOn_data()
{
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<bool>("on");
    QTest::newRow("1") << QByteArray("1") << true;
    QTest::newRow("0") << QByteArray("0") << false;
    QTest::newRow("2") << QByteArray("2") << true;
    QTest::newRow("10") << QByteArray("10") << true;
    QTest::newRow("number then text") << QByteArray("3x") << true;
    QTest::newRow("letter first") << QByteArray("x") << false;
    QTest::newRow("empty") << QByteArray("") << false;
}

void tst_DPerformancePage::leadingNumberCountsAsOn()
{
    QFETCH(QByteArray, field);
    QFETCH(bool, on);
    QCOMPARE(PerformanceRules::lockFieldIsOn(field.constData()), on);
}

void tst_DPerformancePage::loadingShowsTheProfileAndChangesNothing()
{
    QVERIFY(CVorlanXML_AddProFileFunctionInfo(m_path.constData(), "1", "2", "10", "x", "0"));
    QVERIFY(CVorlanXML_SetProFileIntoSleepTimeInfo(m_path.constData(), "1", 120, 15));
    QFile file(QFile::decodeName(m_path));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();

    QSignalSpy locks(m_page.get(), &DPerformancePage::sigLockWinKeyAbout);
    m_page->loadProfileFunctionInfo();
    QVERIFY(child<QCheckBox>("checkBox_disableALT_TAB")->isChecked());
    QVERIFY(child<QCheckBox>("checkBox_disableALT_F4")->isChecked());
    QVERIFY(!child<QCheckBox>("checkBox_disableSHIFT_TAB")->isChecked());
    QVERIFY(!child<QCheckBox>("checkBox_disableWindowsKey")->isChecked());
    QCOMPARE(child<QLineEdit>("lineEdit_LightSleep")->text(), QString("120"));
    QCOMPARE(child<QLineEdit>("lineEdit_KeyboardSleep")->text(), QString("15"));
    QVERIFY(locks.isEmpty());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), before);
    file.close();

    // The next click writes every lock back as "1" or "0".
    click("checkBox_disableWindowsKey");
    QCOMPARE(storedLocks(), QStringList({"1", "1", "0", "1"}));

    // A profile without entries shows the defaults.
    QVERIFY(CVorlanXML_CreateProFileXmlParentNode(m_path.constData(), "2", "Empty", 0));
    m_page->setProfileIndex(2);
    m_page->loadProfileFunctionInfo();
    QVERIFY(!child<QCheckBox>("checkBox_disableALT_TAB")->isChecked());
    QCOMPARE(child<QLineEdit>("lineEdit_LightSleep")->text(), QString("600"));
    QCOMPARE(child<QLineEdit>("lineEdit_KeyboardSleep")->text(), QString("30"));
}

void tst_DPerformancePage::submitSendsSecondsWithinTheKeyboardsRange_data()
{
    QTest::addColumn<QString>("lightTyped");
    QTest::addColumn<QString>("keyboardTyped");
    QTest::addColumn<int>("lightSent");
    QTest::addColumn<int>("keyboardSent");
    QTest::addColumn<QString>("lightShown");
    QTest::addColumn<QString>("keyboardShown");
    QTest::newRow("accepted") << "600"
                              << "10" << 600 << 600 << "600"
                              << "10";
    QTest::newRow("shortest") << "0"
                              << "5" << 0 << 300 << "0"
                              << "5";
    QTest::newRow("below range stays") << "600"
                                       << "4" << 600 << 240 << "600"
                                       << "4";
    QTest::newRow("keyboard above range") << "600"
                                          << "2000" << 600 << 60000 << "600"
                                          << "1000";
    QTest::newRow("light above range") << "99999"
                                       << "30" << 60000 << 1800 << "60000"
                                       << "30";
    QTest::newRow("empty") << ""
                           << "" << 0 << 0 << ""
                           << "";
}

void tst_DPerformancePage::submitSendsSecondsWithinTheKeyboardsRange()
{
    QFETCH(QString, lightTyped);
    QFETCH(QString, keyboardTyped);
    QFETCH(int, lightSent);
    QFETCH(int, keyboardSent);
    QFETCH(QString, lightShown);
    QFETCH(QString, keyboardShown);
    auto *light = child<QLineEdit>("lineEdit_LightSleep");
    auto *keyboard = child<QLineEdit>("lineEdit_KeyboardSleep");
    // Typed, so the validators decide what gets in.
    for (const auto &[edit, typed] : {std::pair{light, lightTyped}, std::pair{keyboard, keyboardTyped}}) {
        edit->clear();
        QTest::keyClicks(edit, typed);
        QCOMPARE(edit->text(), typed);
    }
    QSignalSpy submitted(m_page.get(), &DPerformancePage::sigLightAndKeyboardSleepTime);
    QTest::mouseClick(child<QPushButton>("pushButton_SubmitSleepTime"), Qt::LeftButton);
    QCOMPARE(submitted.size(), 1);
    QCOMPARE(submitted.first(), QVariantList({lightSent, keyboardSent, 0}));
    QCOMPARE(light->text(), lightShown);
    QCOMPARE(keyboard->text(), keyboardShown);
}

void tst_DPerformancePage::sleepControlsPerKeyboard_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<int>("prohibit");
    QTest::addColumn<bool>("magnetic");
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("columnShown");
    QTest::addColumn<bool>("rowShown");
    QTest::addColumn<bool>("readOnly");
    QTest::newRow("plain keyboard") << "Aster104" << 0 << false << 2 << true << false << false;
    QTest::newRow("plain keyboard, flag set") << "Aster104" << 1 << false << 2 << true << false << false;
    QTest::newRow("prohibit model") << "Breeze84W" << 0 << false << 2 << true << true << false;
    QTest::newRow("prohibit model, flag set") << "Breeze84W" << 1 << false << 2 << true << true << true;
    QTest::newRow("magnetic") << "Quartz68HE" << 0 << true << 4 << false << false << false;
    QTest::newRow("layout kind 5") << "Aster104" << 0 << false << 5 << false << false << false;
}

void tst_DPerformancePage::sleepControlsPerKeyboard()
{
    QFETCH(QString, model);
    QFETCH(int, prohibit);
    QFETCH(bool, magnetic);
    QFETCH(int, type);
    QFETCH(bool, columnShown);
    QFETCH(bool, rowShown);
    QFETCH(bool, readOnly);
    DDataManager *data = DDataManager::instance();
    data->setCurrentDeviceName(model);
    data->setProhibitSleep(prohibit);
    data->setMagneticKeyboard(magnetic);
    data->setHidDeviceType(type);
    m_page->loadProfileFunctionInfo();
    QCOMPARE(child<QFrame>("frame_Center")->isVisible(), columnShown);
    QCOMPARE(child<QFrame>("frame_ProhibitSleep")->isVisibleTo(m_page.get()), rowShown);
    QCOMPARE(child<QLineEdit>("lineEdit_KeyboardSleep")->isReadOnly(), readOnly);
    QCOMPARE(child<QCheckBox>("checkBox_ProhibitSleep")->isChecked(), prohibit != 0);
    // The locks and the keyboard settings are there for every keyboard; the restore button never.
    QVERIFY(child<QCheckBox>("checkBox_disableWindowsKey")->isVisible());
    QVERIFY(child<QPushButton>("pushButton_keyboardProperties")->isVisible());
    QVERIFY(!child<QPushButton>("pushButton_Restore")->isVisible());

    if (columnShown) {
        // The switch counts also while its row is hidden.
        QSignalSpy submitted(m_page.get(), &DPerformancePage::sigLightAndKeyboardSleepTime);
        QTest::mouseClick(child<QPushButton>("pushButton_SubmitSleepTime"), Qt::LeftButton);
        QCOMPARE(submitted.first().at(2).toInt(), prohibit);
    }
    if (rowShown) {
        click("checkBox_ProhibitSleep");
        QCOMPARE(child<QLineEdit>("lineEdit_KeyboardSleep")->isReadOnly(), !readOnly);
    }
}

void tst_DPerformancePage::retranslationShowsTheProfilesValues()
{
    QVERIFY(CVorlanXML_SetProFileIntoSleepTimeInfo(m_path.constData(), "1", 900, 20));
    m_page->retranslate();
    QCOMPARE(child<QLineEdit>("lineEdit_LightSleep")->text(), QString("900"));
    QCOMPARE(child<QLineEdit>("lineEdit_KeyboardSleep")->text(), QString("20"));
    QCOMPARE(child<QLineEdit>("lineEdit_KeyboardSleep")->placeholderText(), QString("5~1000"));
    QCOMPARE(child<QPushButton>("pushButton_Restore")->text(), QString("Reset current profile"));
    QCOMPARE(child<QCheckBox>("checkBox_disableSHIFT_TAB")->text(), QString("Disable SHIFT+TAB"));
}

void tst_DPerformancePage::tooLongPathIsRefused()
{
    const QByteArray tooLong = QByteArray(m_folder->path().toLocal8Bit() + "/").append(300, 'p');
    QTest::ignoreMessage(
        QtWarningMsg,
        qPrintable(QString("Profile path of %1 bytes refused by the performance tab").arg(tooLong.size())));
    m_page->setProfileXmlPath(tooLong.constData());
    QVERIFY(m_page->profileXmlPath().isEmpty());
    QSignalSpy locks(m_page.get(), &DPerformancePage::sigLockWinKeyAbout);
    click("checkBox_disableALT_F4");
    QCOMPARE(locks.size(), 1);
    QVERIFY(!QFileInfo::exists(QString::fromLocal8Bit(tooLong.left(255))));
    QCOMPARE(storedLocks(), QStringList());

    // A path of 255 bytes still fits.
    const QByteArray longest = QByteArray(255, 'q');
    m_page->setProfileXmlPath(longest.constData());
    QCOMPARE(m_page->profileXmlPath().toLocal8Bit(), longest);
}

void tst_DPerformancePage::keyboardPropertiesStartsTheCommandAndReturns()
{
    const QString marker = m_folder->filePath("settings-started");
    m_page->setKeyboardSettingsCommand({"touch", {marker}});
    click("pushButton_keyboardProperties");
    QTRY_VERIFY(QFileInfo::exists(marker));

    // The window does not wait for the settings program.
    m_page->setKeyboardSettingsCommand({"sleep", {"3"}});
    QElapsedTimer clock;
    clock.start();
    click("pushButton_keyboardProperties");
    QVERIFY2(clock.elapsed() < 2000, qPrintable(QString::number(clock.elapsed())));

    m_page->setKeyboardSettingsCommand({});
    QTest::ignoreMessage(QtWarningMsg, "No keyboard settings program found for this desktop");
    click("pushButton_keyboardProperties");
}

void tst_DPerformancePage::themeFillsTheTemplates()
{
    DDataManager *data = DDataManager::instance();
    data->setBgImageUsing(true);
    data->loadTheme(0);
    const ThemeColorInfo theme = data->getThemeInfo();
    m_page->applyTheme();
    data->setBgImageUsing(false);
    data->loadTheme(0);
    QCOMPARE(theme.DeviceBorderColor.count(','), 3);
    QVERIFY(child<QFrame>("frame_Left")->styleSheet().contains(QString("rgb(%1)").arg(theme.DeviceBorderColor)));
    QVERIFY(child<QLineEdit>("lineEdit_LightSleep")
                ->styleSheet()
                .contains(QString("background-color: rgb(%1)").arg(theme.DeviceRightBgColor)));
    QVERIFY(child<QFrame>("frame_4")->styleSheet().contains(QString("\"%1\"").arg(theme.TextFont)));
    QCOMPARE(child<QPushButton>("pushButton_SubmitSleepTime")->font().pointSize(), 11);
    QCOMPARE(child<QLabel>("label_3")->font().pointSize(), 10);
}

QTEST_MAIN(tst_DPerformancePage)
#include "tst_DPerformancePage.moc"
