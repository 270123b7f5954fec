#include "ui/settings/DSettingsDia.h"

#include "app/DDataManager.h"
#include "app/LanguageInstaller.h"
#include "platform/XdgAutostart.h"
#include "resources/VorlanResources.h"
#include "tests/support/MarkingTranslator.h"
#include "ui/firmware/DFirwareInfoShow.h"
#include "ui/mainwidget/DMainWidget.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/settings/AboutInfo.h"
#include "widgets/CbNotice.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QStackedWidget>
#include <QtTest>

#include <memory>

namespace {

// The application object of this test: installs a marking translation for one language index
// and fails for every other, as a missing translation file does.
class InstallerApplication : public QApplication, public LanguageInstaller
{
public:
    using QApplication::QApplication;

    bool setLanguageIndex(int index) override
    {
        m_requested << index;
        if (index != m_loadableIndex)
            return false;
        installTranslator(&m_translator);
        return true;
    }

    int m_loadableIndex = 0;
    QList<int> m_requested;
    MarkingTranslator m_translator;
};

InstallerApplication *installer()
{
    return static_cast<InstallerApplication *>(QCoreApplication::instance());
}

QString settingsPath()
{
    return DDataManager::instance()->getUserConfigDir() + "/VorlanConfig.ini";
}

QString autostartPath()
{
    return XdgAutostart::entryPath(QFileInfo(QCoreApplication::applicationFilePath()).baseName());
}

void resetSettings(const QMap<QString, QVariant> &values)
{
    QFile::remove(settingsPath());
    QFile::remove(autostartPath());
    QSettings settings(settingsPath(), QSettings::IniFormat);
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        settings.setValue(it.key(), it.value());
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<absent>");
}

QVariant storedValue(const QString &key)
{
    return QSettings(settingsPath(), QSettings::IniFormat).value(key);
}

template <typename T>
T *child(QWidget *parent, const char *name)
{
    T *found = parent->findChild<T *>(name);
    if (!found)
        qFatal("no %s", name);
    return found;
}

QString fixture(const QString &text)
{
    static int count = 0;
    const QString path = qEnvironmentVariable("VORLAN_TEST_TMP") + QString("/defaults-%1.ini").arg(++count);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(text.toUtf8());
    return path;
}

// Closes the modal firmware dialog that the logo gesture runs, once it shows.
void closeFirmwareInfoWhenShown(DSettingsDia *dialog, int *seen)
{
    QTimer::singleShot(50, dialog, [dialog, seen] {
        for (DFirwareInfoShow *info : dialog->findChildren<DFirwareInfoShow *>()) {
            if (info->isVisible()) {
                ++*seen;
                info->reject();
                return;
            }
        }
        closeFirmwareInfoWhenShown(dialog, seen);
    });
}

} // namespace

class UrlRecorder : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> m_urls;

public slots:
    void open(const QUrl &url) { m_urls << url; }
};

class tst_DSettingsDia : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void windowAtStart();
    void storedLanguageShownWithoutWriting_data();
    void storedLanguageShownWithoutWriting();
    void languageRowSavesIndex_data();
    void languageRowSavesIndex();
    void languageWithoutTranslationOnlySaves();
    void languageChangeRetranslatesDialogAndMainWindow();
    void autostartEntryFollowsCheckBox();
    void closeToTrayIsStored();
    void aboutPageFromDefaults_data();
    void aboutPageFromDefaults();
    void linkOpensConfiguredAddress();
    void themeRunsAgainWithoutAccumulating();
    void hiddenThemeControlsStillWork();
    void logoGestureOpensFirmwareInfo();
    void everyClosePathSignalsOnce_data();
    void everyClosePathSignalsOnce();
    void noUpgradeableDevicesToast();
};

void tst_DSettingsDia::initTestCase()
{
    initVorlanResources();
    DDataManager::instance()->loadTheme(0);
    QVERIFY(QCoreApplication::applicationFilePath().contains(' '));
}

void tst_DSettingsDia::init()
{
    resetSettings({});
    AboutInfo::setSourcePath(QString());
    installer()->m_loadableIndex = 0;
    installer()->m_requested.clear();
}

void tst_DSettingsDia::windowAtStart()
{
    resetSettings({{"Theme/selectThemeIndex", 4}, {"AutoStart/isAutoStart", true}});
    DSettingsDia dialog;
    QCOMPARE(dialog.size(), QSize(700, 500));
    QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
    QVERIFY(dialog.windowFlags().testFlag(Qt::Tool));
    QVERIFY(dialog.windowFlags().testFlag(Qt::FramelessWindowHint));
    QVERIFY(dialog.testAttribute(Qt::WA_DeleteOnClose));
    QVERIFY(dialog.testAttribute(Qt::WA_TranslucentBackground));
    for (const char *hidden : {"frame_6", "checkBox_UsingBgImage", "frame_15", "frame_18", "frame_19"})
        QVERIFY2(child<QWidget>(&dialog, hidden)->isHidden(), hidden);
    QCOMPARE(child<QStackedWidget>(&dialog, "stackedWidget")->currentWidget()->objectName(), QString("page_Settings"));
    QVERIFY(child<QPushButton>(&dialog, "pushButton_General")->isChecked());
    QVERIFY(!child<QPushButton>(&dialog, "pushButton_About")->isChecked());
    QVERIFY(child<QCheckBox>(&dialog, "checkBox_AutoStart")->isChecked());
    QVERIFY(!child<QCheckBox>(&dialog, "checkBox_Close")->isChecked());
    QCOMPARE(child<QComboBox>(&dialog, "comboBox_Language")->count(), 15);
    // Four themes without a user theme; a stored "Other" leaves the first row selected.
    auto *themes = child<QComboBox>(&dialog, "comboBox_Theme");
    QCOMPARE(themes->count(), 4);
    QCOMPARE(themes->currentIndex(), 0);
    QCOMPARE(child<QLabel>(&dialog, "label_Title")->text(), QString("Settings"));
    QCOMPARE(child<QCheckBox>(&dialog, "checkBox_AutoStart")->text(),
             QString("Launch applications when the system starts (Minimized)"));
}

void tst_DSettingsDia::storedLanguageShownWithoutWriting_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<QString>("shown");
    QTest::newRow("absent") << QVariant() << QString::fromUtf8("简体中文");
    QTest::newRow("0") << QVariant(0) << QString::fromUtf8("简体中文");
    QTest::newRow("16") << QVariant(16) << QString::fromUtf8("简体中文");
    QTest::newRow("English") << QVariant(3) << QString("English");
    QTest::newRow("Arabic") << QVariant(7) << QString::fromUtf8("\u00a0عربي \u060c");
    QTest::newRow("Czech") << QVariant(15) << QString::fromUtf8("Čeština");
}

void tst_DSettingsDia::storedLanguageShownWithoutWriting()
{
    QFETCH(QVariant, stored);
    QFETCH(QString, shown);
    resetSettings(stored.isValid() ? QMap<QString, QVariant>{{"Language/selectLanguageIndex", stored}}
                                   : QMap<QString, QVariant>{{"CloseToTray/isCloseToTray", true}});
    const QByteArray before = fileBytes(settingsPath());
    {
        DSettingsDia dialog;
        QCOMPARE(child<QComboBox>(&dialog, "comboBox_Language")->currentText(), shown);
    }
    QCOMPARE(fileBytes(settingsPath()), before);
    QVERIFY(installer()->m_requested.isEmpty());
}

void tst_DSettingsDia::languageRowSavesIndex_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("index");
    const int indexOfRow[15] = {1, 3, 2, 5, 6, 4, 8, 9, 10, 11, 12, 13, 7, 14, 15};
    for (int row = 0; row < 15; ++row)
        QTest::newRow(qPrintable(QString("row %1").arg(row))) << row << indexOfRow[row];
}

void tst_DSettingsDia::languageRowSavesIndex()
{
    QFETCH(int, row);
    QFETCH(int, index);
    // Start from a row other than the one chosen, so the choice is a change.
    resetSettings({{"Language/selectLanguageIndex", row == 0 ? 3 : 1}});
    DSettingsDia dialog;
    child<QComboBox>(&dialog, "comboBox_Language")->setCurrentIndex(row);
    QCOMPARE(storedValue("Language/selectLanguageIndex").toInt(), index);
    QCOMPARE(installer()->m_requested, QList<int>({index}));
}

void tst_DSettingsDia::languageWithoutTranslationOnlySaves()
{
    DSettingsDia dialog;
    QSignalSpy allUi(&dialog, &DSettingsDia::sigUpdataAllUI);
    QSignalSpy theme(&dialog, &DSettingsDia::sigChangAppTheme);
    child<QComboBox>(&dialog, "comboBox_Language")->setCurrentText("Polski");
    QCOMPARE(storedValue("Language/selectLanguageIndex").toInt(), 12);
    QCOMPARE(allUi.size(), 0);
    QCOMPARE(theme.size(), 0);
    QCOMPARE(child<QLabel>(&dialog, "label_Title")->text(), QString("Settings"));
}

void tst_DSettingsDia::languageChangeRetranslatesDialogAndMainWindow()
{
    resetSettings({{"Theme/selectThemeIndex", 2}});
    DMainWidget window;
    window.on_pushButton_Setting_clicked();
    auto *dialog = window.findChild<DSettingsDia *>();
    QVERIFY(dialog);
    QSignalSpy allUi(dialog, &DSettingsDia::sigUpdataAllUI);
    QSignalSpy theme(dialog, &DSettingsDia::sigChangAppTheme);
    installer()->m_loadableIndex = 3;

    child<QComboBox>(dialog, "comboBox_Language")->setCurrentText("English");
    QCoreApplication::removeTranslator(&installer()->m_translator);

    QCOMPARE(storedValue("Language/selectLanguageIndex").toInt(), 3);
    QCOMPARE(allUi.size(), 1);
    QCOMPARE(theme.size(), 0);
    QCOMPARE(child<QLabel>(dialog, "label_Title")->text(), QString("[Settings]"));
    QCOMPARE(child<QCheckBox>(dialog, "checkBox_Close")->text(), QString("[Close startup to tray]"));
    auto *themes = child<QComboBox>(dialog, "comboBox_Theme");
    QCOMPARE(themes->itemText(0), QString("[Dark]"));
    QCOMPARE(themes->currentText(), QString("[Blue]"));
    QCOMPARE(storedValue("Theme/selectThemeIndex").toInt(), 2);
    // The main window followed through the connection it made.
    QCOMPARE(window.devicePage()->findChild<QLabel *>("label")->text(), QString("[Device List]"));
    dialog->close();
}

void tst_DSettingsDia::autostartEntryFollowsCheckBox()
{
    DSettingsDia dialog;
    dialog.show();
    auto *box = child<QCheckBox>(&dialog, "checkBox_AutoStart");
    auto *notice = dialog.findChild<CbNotice *>();
    QVERIFY(notice);

    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
    QVERIFY(box->isChecked());
    QCOMPARE(storedValue("AutoStart/isAutoStart").toString(), QString("true"));
    QFile entry(autostartPath());
    QVERIFY(entry.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(entry.readAll());
    entry.close();
    const QString exec = QString("\nExec=\"%1\" --AutoUp\n").arg(QCoreApplication::applicationFilePath());
    QVERIFY2(text.contains(exec), qPrintable(text));
    QCOMPARE(notice->text(), QString("Set config success"));
    QTRY_VERIFY(notice->isVisible());

    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
    QVERIFY(!box->isChecked());
    QCOMPARE(storedValue("AutoStart/isAutoStart").toString(), QString("false"));
    QVERIFY(!QFileInfo::exists(autostartPath()));

    // Off again while no entry exists: silent, and the toast all the same.
    box->setChecked(true);
    notice->hide();
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
    QVERIFY(!QFileInfo::exists(autostartPath()));
    QCOMPARE(notice->text(), QString("Set config success"));
    QTRY_VERIFY(notice->isVisible());
}

void tst_DSettingsDia::closeToTrayIsStored()
{
    DSettingsDia dialog;
    dialog.show();
    auto *box = child<QCheckBox>(&dialog, "checkBox_Close");
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
    QCOMPARE(storedValue("CloseToTray/isCloseToTray").toString(), QString("true"));
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
    QCOMPARE(storedValue("CloseToTray/isCloseToTray").toString(), QString("false"));
    QCOMPARE(dialog.findChild<CbNotice *>()->text(), QString("Set config success"));
    QVERIFY(!QFileInfo::exists(autostartPath()));
}

void tst_DSettingsDia::aboutPageFromDefaults_data()
{
    QTest::addColumn<QString>("defaults");
    QTest::addColumn<QString>("copyright");
    QTest::addColumn<QString>("version");
    QTest::addColumn<bool>("linkShown");
    QTest::newRow("shipped") << QString() << QString::fromUtf8("Copyright © Osterlin, all rights reserved.")
                             << "V_2.03.02" << true;
    QTest::newRow("stars") << "[Copyright]\nCopyrightStr=a*b**c\n[CompanyLinkFrame]\nshowStatus=false\n"
                           << "a,b,,c"
                           << "V_1.00.00" << false;
    QTest::newRow("no status") << "[Copyright]\nCopyrightStr=plain\n[AppVersion]\nVersion=V_9\n"
                               << "plain"
                               << "V_9" << false;
    QTest::newRow("empty file") << "\n"
                                << "Copyright"
                                << "V_1.00.00" << false;
}

void tst_DSettingsDia::aboutPageFromDefaults()
{
    QFETCH(QString, defaults);
    QFETCH(QString, copyright);
    QFETCH(QString, version);
    QFETCH(bool, linkShown);
    if (!defaults.isEmpty())
        AboutInfo::setSourcePath(fixture(defaults));
    DSettingsDia dialog;
    dialog.show();
    QTest::mouseClick(child<QPushButton>(&dialog, "pushButton_About"), Qt::LeftButton);
    QCOMPARE(child<QStackedWidget>(&dialog, "stackedWidget")->currentWidget()->objectName(), QString("page_TipInfo"));
    QCOMPARE(child<QLabel>(&dialog, "label_Copyright")->text(), copyright);
    QCOMPARE(child<QLabel>(&dialog, "label_AppVersion")->text(), version);
    QCOMPARE(child<QLabel>(&dialog, "label_Link")->isVisible(), linkShown);
    QVERIFY(child<QWidget>(&dialog, "frame_Link")->isVisible());
    QTest::mouseClick(child<QPushButton>(&dialog, "pushButton_General"), Qt::LeftButton);
    QCOMPARE(child<QStackedWidget>(&dialog, "stackedWidget")->currentWidget()->objectName(), QString("page_Settings"));
}

void tst_DSettingsDia::linkOpensConfiguredAddress()
{
    AboutInfo::setSourcePath(fixture("[CompanyName]\nComName=Acme\n[CompanyLink]\nComLink=vorlantest://acme.example/"
                                     "about page\n[CompanyLinkFrame]\nshowStatus=true\n"));
    UrlRecorder recorder;
    QDesktopServices::setUrlHandler("vorlantest", &recorder, "open");
    DSettingsDia dialog;
    auto *link = child<QLabel>(&dialog, "label_Link");
    QVERIFY(link->text().contains("href=\"Company|Acme|\""));
    QCOMPARE(child<QLabel>(&dialog, "label_AppName")->text(), QString("Acme"));
    emit link->linkActivated("Company|Acme|");
    QDesktopServices::unsetUrlHandler("vorlantest");
    QCOMPARE(recorder.m_urls, QList<QUrl>({QUrl("vorlantest://acme.example/about page", QUrl::TolerantMode)}));
}

void tst_DSettingsDia::themeRunsAgainWithoutAccumulating()
{
    DSettingsDia dialog;
    const ThemeColorInfo theme = DDataManager::instance()->getThemeInfo();
    QStringList sheets;
    const QList<QWidget *> themed = {child<QWidget>(&dialog, "frame_16"), child<QWidget>(&dialog, "frame_4"),
                                     child<QWidget>(&dialog, "page_Settings"),
                                     child<QWidget>(&dialog, "pushButton_UpgradeCheck")};
    for (QWidget *widget : themed)
        sheets << widget->styleSheet();
    const QString link = child<QLabel>(&dialog, "label_Link")->text();
    dialog.applyTheme();
    for (int i = 0; i < themed.size(); ++i)
        QCOMPARE(themed[i]->styleSheet(), sheets[i]);
    QCOMPARE(child<QLabel>(&dialog, "label_Link")->text(), link);
    QVERIFY(sheets[0].contains(QString("rgb(%1)").arg(theme.TextCheckedColor)));
    QVERIFY(sheets[3].contains(QString("rgb(%1, 0)").arg(theme.SettingsControlHoverBgColor)));
    QVERIFY(link.contains(QString("color:rgb(%1)").arg(theme.TextCheckedColor)));
    QCOMPARE(child<QLabel>(&dialog, "label_Title")->font().pointSize(), 12);
    // A font the design-time style sheet carried would stick to the label.
    QCOMPARE(child<QLabel>(&dialog, "label_AppVersion")->font().pointSize(), 12);
    // The hidden theme section is themed all the same.
    QVERIFY(child<QWidget>(&dialog, "checkBox_UsingBgImage")->styleSheet().contains("checkBoxSel.png"));
}

void tst_DSettingsDia::hiddenThemeControlsStillWork()
{
    DSettingsDia dialog;
    QSignalSpy changed(&dialog, &DSettingsDia::sigChangAppTheme);
    child<QComboBox>(&dialog, "comboBox_Theme")->setCurrentText("Pink");
    QCOMPARE(storedValue("Theme/selectThemeIndex").toInt(), 3);
    QCOMPARE(changed.size(), 1);
    QCOMPARE(changed.takeFirst().at(0).toInt(), 3);
    const ThemeColorInfo pink = DDataManager::instance()->getThemeInfo();
    QVERIFY(child<QWidget>(&dialog, "frame_Bg")->styleSheet().contains(QString("rgb(%1)").arg(pink.SettingsBgColor)));

    QTest::mouseClick(child<QCheckBox>(&dialog, "checkBox_UsingBgImage"), Qt::LeftButton, {}, QPoint(6, 6));
    QCOMPARE(storedValue("ThemeBgImage/BgImageIsUsing").toString(), QString("true"));
    QVERIFY(DDataManager::instance()->isBgImageUsing());
    QCOMPARE(changed.size(), 1);
    QCOMPARE(changed.takeFirst().at(0).toInt(), 3);

    DDataManager::instance()->setBgImageUsing(false);
    DDataManager::instance()->loadTheme(0);
}

void tst_DSettingsDia::logoGestureOpensFirmwareInfo()
{
    DSettingsDia dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto *logo = child<QWidget>(&dialog, "frame_LogoSet");
    QTest::mouseClick(logo, Qt::LeftButton);
    QTest::mouseDClick(logo, Qt::RightButton);
    QCOMPARE(dialog.findChildren<DFirwareInfoShow *>().size(), 0);

    int seen = 0;
    closeFirmwareInfoWhenShown(&dialog, &seen);
    QTest::mouseDClick(logo, Qt::LeftButton);
    QCOMPARE(seen, 1);
    QCOMPARE(dialog.findChildren<DFirwareInfoShow *>().size(), 1);
    QVERIFY(dialog.findChild<DFirwareInfoShow *>()->isHidden());
    QVERIFY(dialog.isVisible());
}

void tst_DSettingsDia::everyClosePathSignalsOnce_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("close button") << "button";
    QTest::newRow("Escape") << "escape";
    QTest::newRow("window system") << "window";
}

void tst_DSettingsDia::everyClosePathSignalsOnce()
{
    QFETCH(QString, how);
    DMainWidget window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.on_pushButton_Setting_clicked();
    QPointer<DSettingsDia> dialog = window.findChild<DSettingsDia *>();
    QVERIFY(dialog);
    QTRY_VERIFY(dialog->isVisible());
    QWidget *overlay = window.findChildren<QWidget *>("widget", Qt::FindDirectChildrenOnly).last();
    QVERIFY(overlay->isVisible());
    QSignalSpy closed(dialog.data(), &DSettingsDia::sigSettingsWindowClose);

    if (how == "button") {
        QTest::mouseClick(child<QPushButton>(dialog, "pushButton_Close"), Qt::LeftButton);
    } else if (how == "escape") {
        QTest::keyClick(dialog, Qt::Key_Escape);
    } else {
        // What the window manager's close button delivers to the window.
        QCloseEvent event;
        QCoreApplication::sendEvent(dialog->windowHandle(), &event);
    }
    QCOMPARE(closed.size(), 1);
    QVERIFY(!overlay->isVisible());
    QTRY_VERIFY(dialog.isNull());
}

void tst_DSettingsDia::noUpgradeableDevicesToast()
{
    DSettingsDia dialog;
    dialog.show();
    QSignalSpy check(&dialog, &DSettingsDia::sigFirmwareUpgradeCheck);
    QTest::mouseClick(child<QPushButton>(&dialog, "pushButton_UpgradeCheck"), Qt::LeftButton);
    QCOMPARE(check.size(), 1);
    dialog.showNoUpgradeableDevices();
    auto *notice = dialog.findChild<CbNotice *>();
    QCOMPARE(notice->text(), QString("No upgradeable devices found"));
    QTRY_VERIFY(notice->isVisible());
    QVERIFY(qAbs(notice->geometry().center().x() - dialog.rect().center().x()) <= 1);
}

int main(int argc, char *argv[])
{
    InstallerApplication app(argc, argv);
    tst_DSettingsDia test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_DSettingsDia.moc"
