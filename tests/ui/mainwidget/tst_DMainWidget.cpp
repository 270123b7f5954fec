#include "app/DDataManager.h"
#include "platform/XdgAutostart.h"
#include "resources/VorlanResources.h"
#include "tests/support/MarkingTranslator.h"
#include "ui/macro/DMacroPage.h"
#include "ui/mainwidget/DMainWidget.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/mainwidget/devicePage/keyFunctions/DCustomKeysPage.h"
#include "ui/mainwidget/devicePage/lights/DLightsConfigPage.h"
#include "ui/mainwidget/devicePage/magnetic/DPerformancePage.h"
#include "ui/mainwidget/devicePage/magnetic/DTriggerSettingPage.h"
#include "ui/settings/DSettingsDia.h"

#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QtTest>

#include <memory>

namespace {
QString settingsPath()
{
    return DDataManager::instance()->getUserConfigDir() + "/VorlanConfig.ini";
}

QString appName()
{
    return QFileInfo(QCoreApplication::applicationFilePath()).baseName();
}

void resetUserSettings(const QMap<QString, QVariant> &values)
{
    QFile::remove(settingsPath());
    QFile::remove(XdgAutostart::entryPath(appName()));
    QSettings settings(settingsPath(), QSettings::IniFormat);
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        settings.setValue(it.key(), it.value());
}

QPushButton *listHandle(DMainWidget &window)
{
    return window.findChild<QPushButton *>("pushButton_ListCtrl");
}

QList<QWidget *> overlays(DMainWidget &window)
{
    QList<QWidget *> result;
    for (QWidget *child : window.findChildren<QWidget *>("widget", Qt::FindDirectChildrenOnly))
        result << child;
    return result;
}
} // namespace

class tst_DMainWidget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void firstStartWritesDefaultsAndAutostartEntry();
    void storedChoicesAreKept();
    void startsWithListCollapsed();
    void namePairTogglesDeviceList_data();
    void namePairTogglesDeviceList();
    void handleFollowsResize();
    void settingsOverlayReopensOnce();
    void macroEditorRelaysListChangesToPage();
    void themeSwitchReachesEveryPage();
    void languageSwitchKeepsNamesAndSkipsTabsWithoutDevice();
    void closeButtonHidesToTray();
    void topEdgeResizeStopsAtMinimum();
    void titleDragMovesUnlessMaximised();
    void trayClicksRestoreWindow_data();
    void trayClicksRestoreWindow();
    void backgroundImagesNameTheTheme();
};

void tst_DMainWidget::initTestCase()
{
    initVorlanResources();
    DDataManager::instance()->loadTheme(0);
}

void tst_DMainWidget::firstStartWritesDefaultsAndAutostartEntry()
{
    resetUserSettings({});
    DMainWidget window;
    const QSettings settings(settingsPath(), QSettings::IniFormat);
    QCOMPARE(settings.value("AutoStart/isAutoStart").toString(), QString("true"));
    QCOMPARE(settings.value("MinimizeToTray/isMinimizeToTray").toString(), QString("true"));
    QCOMPARE(settings.value("CloseToTray/isCloseToTray").toString(), QString("true"));

    QFile entry(XdgAutostart::entryPath(appName()));
    QVERIFY(entry.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(entry.readAll());
    QVERIFY2(text.contains(QString("\nExec=\"%1\" --AutoUp\n").arg(QCoreApplication::applicationFilePath())),
             qPrintable(text));
    QVERIFY(text.startsWith("[Desktop Entry]\n"));
}

void tst_DMainWidget::storedChoicesAreKept()
{
    resetUserSettings({{"AutoStart/isAutoStart", false}, {"CloseToTray/isCloseToTray", false}});
    DMainWidget window;
    const QSettings settings(settingsPath(), QSettings::IniFormat);
    QCOMPARE(settings.value("AutoStart/isAutoStart").toBool(), false);
    QCOMPARE(settings.value("CloseToTray/isCloseToTray").toBool(), false);
    QCOMPARE(settings.value("MinimizeToTray/isMinimizeToTray").toBool(), true);
    QVERIFY(!QFileInfo::exists(XdgAutostart::entryPath(appName())));
}

void tst_DMainWidget::startsWithListCollapsed()
{
    DMainWidget window;
    QVERIFY(!window.isDeviceListShown());
    QCOMPARE(listHandle(window)->x(), 5);
    QVERIFY(!window.findChild<QFrame *>("frame_left")->isVisibleTo(&window));
    QVERIFY(listHandle(window)->styleSheet().contains(":/images/listCtrlShowDef.png"));
    QCOMPARE(window.windowTitle(), QString("Osterlin"));
    QCOMPARE(window.findChild<QLabel *>("label_AppName")->text(), QString("Osterlin"));
}

void tst_DMainWidget::namePairTogglesDeviceList_data()
{
    QTest::addColumn<QString>("product");
    QTest::addColumn<QString>("like");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<int>("handleX");
    QTest::newRow("keyboard") << "Aster"
                              << "104" << true << 233;
    QTest::newRow("placeholder") << "HID"
                                 << "RGB" << false << 5;
}

void tst_DMainWidget::namePairTogglesDeviceList()
{
    QFETCH(QString, product);
    QFETCH(QString, like);
    QFETCH(bool, shown);
    QFETCH(int, handleX);
    DMainWidget window;
    // From either state.
    for (int round = 0; round < 2; ++round) {
        window.onReturnHidLikeName(product, like);
        QCOMPARE(window.isDeviceListShown(), shown);
        QCOMPARE(listHandle(window)->x(), handleX);
        QCOMPARE(window.findChild<QFrame *>("frame_left")->isVisibleTo(window.devicePage()), shown);
        QCOMPARE(window.findChild<QLabel *>("label_ProductName")->text(), product);
        QCOMPARE(window.findChild<QLabel *>("label_DeviceName")->text(), like);
        window.onClickCtrlHidListStatusBut();
    }
}

void tst_DMainWidget::handleFollowsResize()
{
    DMainWidget window;
    window.show();
    window.resize(1600, 900);
    QTRY_COMPARE(window.height(), 900);
    QCOMPARE(listHandle(window)->geometry(), QRect(5, 300, 10, 100));
}

void tst_DMainWidget::settingsOverlayReopensOnce()
{
    DMainWidget window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    for (int round = 0; round < 2; ++round) {
        window.on_pushButton_Setting_clicked();
        auto *dialog = window.findChild<DSettingsDia *>();
        QVERIFY(dialog);
        QTRY_VERIFY(dialog->isVisible());
        QCOMPARE(dialog->windowModality(), Qt::WindowModal);
        QCOMPARE(dialog->pos(),
                 window.pos()
                     + QPoint((window.width() - dialog->width()) / 2, (window.height() - dialog->height()) / 2));
        QCOMPARE(overlays(window).size(), round + 1);
        QCOMPARE(overlays(window).last()->size(), window.size());
        QTest::mouseClick(dialog->findChild<QPushButton *>("pushButton_Close"), Qt::LeftButton);
        QTRY_VERIFY(!window.findChild<DSettingsDia *>());
    }
    int visible = 0;
    for (QWidget *overlay : overlays(window))
        visible += overlay->isVisible() ? 1 : 0;
    QCOMPARE(overlays(window).size(), 2);
    QCOMPARE(visible, 0);

    window.on_pushButton_Setting_clicked();
    visible = 0;
    for (QWidget *overlay : overlays(window))
        visible += overlay->isVisible() ? 1 : 0;
    QCOMPARE(visible, 1);
    window.findChild<DSettingsDia *>()->close();
}

void tst_DMainWidget::macroEditorRelaysListChangesToPage()
{
    DMainWidget window;
    window.show();
    QSignalSpy relayed(window.devicePage(), &DDevicePage::sigMacroListHaveChangedSendToDevice);
    emit window.devicePage()->sigShowMacroPage();
    auto *editor = window.findChild<DMacroPage *>();
    QVERIFY(editor);
    QVERIFY(editor->testAttribute(Qt::WA_DeleteOnClose));
    QVERIFY(editor->windowFlags().testFlag(Qt::FramelessWindowHint));
    emit editor->sigMacroListHaveChanged("3", "Macro3");
    QCOMPARE(relayed.size(), 1);
    QCOMPARE(relayed.first(), QVariantList({"3", "Macro3"}));

    QTest::mouseClick(editor->findChild<QPushButton *>("pushButton_Close"), Qt::LeftButton);
    QTRY_VERIFY(!window.findChild<DMacroPage *>());
    QVERIFY(!overlays(window).last()->isVisible());
}

void tst_DMainWidget::themeSwitchReachesEveryPage()
{
    DMainWidget window;
    DDataManager::instance()->loadTheme(1);
    const ThemeColorInfo light = DDataManager::instance()->getThemeInfo();
    window.onChangAppTheme(1);

    QVERIFY(window.findChild<QPushButton *>("pushButton")->styleSheet().contains("leftTopLogo_Light.png"));
    QVERIFY(window.findChild<QFrame *>("frame_Title")->styleSheet().contains(light.MainWidgetTitleColorStart));
    const QString pageColour = QString("rgb(%1)").arg(light.DeviceRightBgColor);
    QVERIFY(
        window.findChild<DCustomKeysPage *>()->findChild<QFrame *>("frame_Bg01")->styleSheet().contains(pageColour));
    QVERIFY(window.findChild<DLightsConfigPage *>()->styleSheet().contains(pageColour));
    QVERIFY(window.findChild<DPerformancePage *>()
                ->findChild<QPushButton *>("pushButton_SubmitSleepTime")
                ->styleSheet()
                .contains(pageColour));
    QVERIFY(window.findChild<DTriggerSettingPage *>()
                ->findChild<QPushButton *>("pushButton_TriggerApply")
                ->styleSheet()
                .contains(pageColour));
    QVERIFY(window.findChild<QFrame *>("frame_Right")->styleSheet().contains(pageColour));
    // The device list's scroll bar follows from the event loop.
    QTRY_VERIFY(window.findChild<QWidget *>("widget_4")->styleSheet().contains(light.AllScrollBarColorDef));

    DDataManager::instance()->loadTheme(0);
    window.onChangAppTheme(0);
    QVERIFY(window.findChild<QPushButton *>("pushButton")->styleSheet().contains("leftTopLogo_Black.png"));
}

void tst_DMainWidget::languageSwitchKeepsNamesAndSkipsTabsWithoutDevice()
{
    DMainWidget window;
    window.onReturnHidLikeName("Aster", "104");
    auto translator = std::make_unique<MarkingTranslator>();
    QCoreApplication::installTranslator(translator.get());
    window.omUpdataAllUI();
    QCoreApplication::removeTranslator(translator.get());

    QCOMPARE(window.findChild<QLabel *>("label_ProductName")->text(), QString("Aster"));
    QCOMPARE(window.findChild<QLabel *>("label_DeviceName")->text(), QString("104"));
    QCOMPARE(window.findChild<QLabel *>("label_AppName")->text(), QString("Osterlin"));
    QCOMPARE(window.devicePage()->findChild<QLabel *>("label")->text(), QString("[Device List]"));
    QCOMPARE(window.devicePage()->findChild<QLabel *>("label_Tip")->text(), QString("[Device not connected]"));
    // No device is current: the tabs keep their texts.
    QCOMPARE(window.findChild<QPushButton *>("pushButton_Download")->text(), QString("Download"));
}

void tst_DMainWidget::closeButtonHidesToTray()
{
    resetUserSettings({{"CloseToTray/isCloseToTray", true}});
    DMainWidget window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::mouseClick(window.findChild<QPushButton *>("pushButton_Close"), Qt::LeftButton);
    QVERIFY(!window.isVisible());
}

void tst_DMainWidget::topEdgeResizeStopsAtMinimum()
{
    DMainWidget window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.resize(window.minimumSize());
    QTRY_COMPARE(window.size(), window.minimumSize());
    const QRect before = window.geometry();

    const auto send = [&window](QEvent::Type type, const QPoint &global, Qt::MouseButton button,
                                Qt::MouseButtons buttons) {
        QMouseEvent event(type, window.mapFromGlobal(global), global, button, buttons, Qt::NoModifier);
        QApplication::sendEvent(&window, &event);
    };
    const QPoint top = window.mapToGlobal(QPoint(window.width() / 2, 1));
    send(QEvent::MouseMove, top, Qt::NoButton, Qt::NoButton);
    QCOMPARE(window.cursor().shape(), Qt::SizeVerCursor);
    send(QEvent::MouseButtonPress, top, Qt::LeftButton, Qt::LeftButton);
    send(QEvent::MouseMove, top + QPoint(0, 40), Qt::NoButton, Qt::LeftButton);
    QCOMPARE(window.geometry(), before);
    // Upwards the top edge follows the pointer and the bottom stays.
    send(QEvent::MouseMove, top - QPoint(0, 30), Qt::NoButton, Qt::LeftButton);
    QTRY_COMPARE(window.geometry().top(), before.top() - 29);
    QCOMPARE(window.geometry().bottom(), before.bottom());
    send(QEvent::MouseButtonRelease, top - QPoint(0, 30), Qt::LeftButton, Qt::NoButton);
    QCOMPARE(window.cursor().shape(), Qt::ArrowCursor);
}

void tst_DMainWidget::titleDragMovesUnlessMaximised()
{
    DMainWidget window;
    window.move(50, 60);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const auto send = [&window](QEvent::Type type, const QPoint &local, Qt::MouseButton button,
                                Qt::MouseButtons buttons) {
        QMouseEvent event(type, local, window.mapToGlobal(local), button, buttons, Qt::NoModifier);
        QApplication::sendEvent(&window, &event);
    };
    const QPoint title(600, 20);
    // A right press neither drags nor resizes.
    send(QEvent::MouseButtonPress, title, Qt::RightButton, Qt::RightButton);
    send(QEvent::MouseMove, title + QPoint(30, 30), Qt::NoButton, Qt::RightButton);
    QCOMPARE(window.pos(), QPoint(50, 60));

    send(QEvent::MouseButtonPress, title, Qt::LeftButton, Qt::LeftButton);
    send(QEvent::MouseMove, title + QPoint(30, 40), Qt::NoButton, Qt::LeftButton);
    QTRY_COMPARE(window.pos(), QPoint(80, 100));
    send(QEvent::MouseButtonRelease, title + QPoint(30, 40), Qt::LeftButton, Qt::NoButton);

    window.on_pushButton_Max_clicked();
    QTRY_VERIFY(window.isMaximized());
    QVERIFY(window.findChild<QPushButton *>("pushButton_Max")->styleSheet().contains("intoMaxWindowDef.png"));
    const QPoint maximised = window.pos();
    send(QEvent::MouseButtonPress, title, Qt::LeftButton, Qt::LeftButton);
    send(QEvent::MouseMove, title + QPoint(30, 40), Qt::NoButton, Qt::LeftButton);
    QCOMPARE(window.pos(), maximised);
    send(QEvent::MouseButtonRelease, title + QPoint(30, 40), Qt::LeftButton, Qt::NoButton);
    window.on_pushButton_Max_clicked();
    QTRY_VERIFY(!window.isMaximized());
    QVERIFY(window.findChild<QPushButton *>("pushButton_Max")->styleSheet().contains("maxWindowDef.png"));
}

void tst_DMainWidget::trayClicksRestoreWindow_data()
{
    QTest::addColumn<int>("reason");
    QTest::addColumn<bool>("restored");
    QTest::newRow("double click") << int(QSystemTrayIcon::DoubleClick) << true;
    QTest::newRow("click") << int(QSystemTrayIcon::Trigger) << true;
    QTest::newRow("context menu") << int(QSystemTrayIcon::Context) << false;
    QTest::newRow("middle click") << int(QSystemTrayIcon::MiddleClick) << false;
}

void tst_DMainWidget::trayClicksRestoreWindow()
{
    QFETCH(int, reason);
    QFETCH(bool, restored);
    DMainWidget window;
    window.show();
    window.onMinApp();
    QVERIFY(window.isHidden());
    window.iconActivated(QSystemTrayIcon::ActivationReason(reason));
    QCOMPARE(window.isVisible(), restored);
}

void tst_DMainWidget::backgroundImagesNameTheTheme()
{
    DMainWidget window;
    const QString nameSheet = window.findChild<QLabel *>("label_ProductName")->styleSheet();
    DDataManager::instance()->setBgImageUsing(true);
    window.onChangAppTheme(4);
    DDataManager::instance()->setBgImageUsing(false);
    const QString folder = DDataManager::getApplicationDirPath();
    QCOMPARE(window.findChild<QFrame *>("frame_Title")->styleSheet(),
             QString("QFrame#frame_Title{border-image:url(%1/images/bgImageTitle_Other.png);}").arg(folder));
    QCOMPARE(window.findChild<QFrame *>("frame_Main")->styleSheet(),
             QString("QFrame#frame_Main{border-image:url(%1/images/bgImageMain_Other.png);}").arg(folder));
    // The names keep the colours they had.
    QCOMPARE(window.findChild<QLabel *>("label_ProductName")->styleSheet(), nameSheet);

    window.onChangAppTheme(5);
    QVERIFY(window.findChild<QPushButton *>("pushButton")->styleSheet().contains("leftTopLogo_.png"));
}

QTEST_MAIN(tst_DMainWidget)
#include "tst_DMainWidget.moc"
