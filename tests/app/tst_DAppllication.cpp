#include "app/shell/DAppllication.h"

#include "app/DDataManager.h"
#include "app/LanguageInstaller.h"
#include "app/QtLinguist.h"
#include "app/StartupPaths.h"
#include "ui/mainwidget/DMainWidget.h"

#include <QFileInfo>
#include <QLineEdit>
#include <QLocalSocket>
#include <QMouseEvent>
#include <QSettings>
#include <QtTest>

#include <vector>

// One application object for the whole run, as in the program: the first instance, started
// with "--AutoUp" while "AutoStart/isAutoStart" is true.

namespace {
DMainWidget *mainWindow()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *window = qobject_cast<DMainWidget *>(widget))
            return window;
    }
    return nullptr;
}

QString userSettingsPath()
{
    return DDataManager::instance()->getUserConfigDir() + "/VorlanConfig.ini";
}
} // namespace

class tst_DAppllication : public QObject
{
    Q_OBJECT

private slots:
    void firstInstanceStartUp();
    void autoStartWithAutoUpKeepsWindowInTray();
    void startsInTray_data();
    void startsInTray();
    void localConnectionRaisesHiddenMinimisedWindow();
    void swallowedKeysNeverReachAnEdit_data();
    void swallowedKeysNeverReachAnEdit();
    void mouseMovesAnywhereSetMainWindowEdgeCursor_data();
    void mouseMovesAnywhereSetMainWindowEdgeCursor();
};

void tst_DAppllication::firstInstanceStartUp()
{
    QCOMPARE(QApplication::font().family(), QString("Microsoft YaHei"));
    QCOMPARE(QApplication::font().pixelSize(), 12);
    QCOMPARE(QApplication::applicationVersion(), QString("1.0.0.0"));
    QVERIFY(!DAppllication::instance()->isConnectedToRunningInstance());
    // The settings dialog installs languages through the application object.
    QCOMPARE(LanguageInstaller::instance(), static_cast<LanguageInstaller *>(DAppllication::instance()));
    QCOMPARE(QSettings::defaultFormat(), QSettings::IniFormat);
    // No stored language: the system's language is installed and written back.
    const QSettings settings(userSettingsPath(), QSettings::IniFormat);
    QCOMPARE(settings.value("Language/selectLanguageIndex").toInt(),
             DAppllication::instance()->getLinguist()->getSystemLanguage());
}

void tst_DAppllication::autoStartWithAutoUpKeepsWindowInTray()
{
    DMainWidget *window = mainWindow();
    QVERIFY(window);
    QVERIFY(window->windowFlags() & Qt::FramelessWindowHint);
    // Hidden in the tray when there is one; with none (as offscreen) hiding would lose the window.
    QCOMPARE(window->isVisible(), !window->hasTrayIcon());
}

void tst_DAppllication::startsInTray_data()
{
    QTest::addColumn<bool>("isAutoStart");
    QTest::addColumn<QString>("commandLine");
    QTest::addColumn<bool>("hasTrayIcon");
    QTest::addColumn<bool>("inTray");
    QTest::newRow("auto start, AutoUp") << true << "/usr/bin/OsterlinConfig --AutoUp" << true << true;
    QTest::newRow("auto start, no argument") << true << "/usr/bin/OsterlinConfig" << true << false;
    QTest::newRow("auto start, lower case") << true << "/usr/bin/OsterlinConfig --autoup" << true << false;
    QTest::newRow("no auto start, AutoUp") << false << "/usr/bin/OsterlinConfig --AutoUp" << true << false;
    QTest::newRow("no auto start, no argument") << false << "/usr/bin/OsterlinConfig" << true << false;
    QTest::newRow("auto start, AutoUp, no tray") << true << "/usr/bin/OsterlinConfig --AutoUp" << false << false;
}

void tst_DAppllication::startsInTray()
{
    QFETCH(bool, isAutoStart);
    QFETCH(QString, commandLine);
    QFETCH(bool, hasTrayIcon);
    QFETCH(bool, inTray);
    QCOMPARE(DAppllication::startsInTray(isAutoStart, commandLine, hasTrayIcon), inTray);
}

void tst_DAppllication::localConnectionRaisesHiddenMinimisedWindow()
{
    DMainWidget *window = mainWindow();
    QVERIFY(window);
    window->setWindowState(Qt::WindowMinimized);
    window->hide();

    QLocalSocket socket;
    socket.connectToServer(StartupPaths::perUserName(QFileInfo(QApplication::applicationFilePath()).fileName()));
    QVERIFY(socket.waitForConnected(5000));
    socket.write("--AutoUp");
    QVERIFY(socket.waitForBytesWritten(5000));

    QTRY_VERIFY_WITH_TIMEOUT(window->isVisible(), 10000);
    QVERIFY(!(window->windowState() & Qt::WindowMinimized));
}

void tst_DAppllication::swallowedKeysNeverReachAnEdit_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("space") << int(Qt::Key_Space) << " "
                           << "ab";
    QTest::newRow("return") << int(Qt::Key_Return) << "\r"
                            << "ab";
    QTest::newRow("enter") << int(Qt::Key_Enter) << "\r"
                           << "ab";
    QTest::newRow("letter") << int(Qt::Key_C) << "c"
                            << "abc";
}

void tst_DAppllication::swallowedKeysNeverReachAnEdit()
{
    QFETCH(int, key);
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QLineEdit edit;
    edit.setText("ab");
    edit.show();
    QVERIFY(QTest::qWaitForWindowExposed(&edit));
    bool returnPressed = false;
    connect(&edit, &QLineEdit::returnPressed, [&returnPressed] { returnPressed = true; });

    // QTest delivers key presses through the application's notify.
    QTest::sendKeyEvent(QTest::Press, &edit, Qt::Key(key), text, Qt::NoModifier);
    QTest::sendKeyEvent(QTest::Release, &edit, Qt::Key(key), text, Qt::NoModifier);

    QCOMPARE(edit.text(), expected);
    QVERIFY(!returnPressed);
}

void tst_DAppllication::mouseMovesAnywhereSetMainWindowEdgeCursor_data()
{
    QTest::addColumn<QPoint>("offset");
    QTest::addColumn<int>("shape");
    QTest::newRow("top-left pixel") << QPoint(0, 0) << int(Qt::SizeFDiagCursor);
    QTest::newRow("left band") << QPoint(2, 300) << int(Qt::SizeHorCursor);
    QTest::newRow("top band") << QPoint(300, 4) << int(Qt::SizeVerCursor);
    QTest::newRow("middle") << QPoint(300, 300) << int(Qt::ArrowCursor);
}

void tst_DAppllication::mouseMovesAnywhereSetMainWindowEdgeCursor()
{
    QFETCH(QPoint, offset);
    QFETCH(int, shape);
    DMainWidget *window = mainWindow();
    QVERIFY(window);
    window->setCursor(Qt::WaitCursor);
    QWidget other;
    other.show();

    // The move goes to another window; the main window still follows the pointer.
    const QPoint global = window->mapToGlobal(QPoint(0, 0)) + offset;
    QMouseEvent move(QEvent::MouseMove, other.mapFromGlobal(global), global, Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&other, &move);

    QCOMPARE(int(window->cursor().shape()), shape);
}

int main(int argc, char *argv[])
{
    const QString appData = StartupPaths::appDataDir(QFileInfo(QFile::decodeName(argv[0])).fileName());
    QSettings(appData + "/UserConfig/VorlanConfig.ini", QSettings::IniFormat).setValue("AutoStart/isAutoStart", true);

    std::vector<char *> appArguments(argv, argv + argc);
    char autoUp[] = "--AutoUp";
    appArguments.push_back(autoUp);
    int appArgc = int(appArguments.size());
    appArguments.push_back(nullptr);

    DAppllication app("OsterlinV2.0_1.2.0.1", appArgc, appArguments.data(), false);
    tst_DAppllication test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_DAppllication.moc"
