#include "app/DDataManager.h"
#include "resources/VorlanResources.h"
#include "tests/support/ProgramLog.h"
#include "widgets/ThemeColorText.h"

#include <QDir>
#include <QProcess>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QtTest>

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

// The real program on a real X display: its main window appears, and its close button ends it
// with status 0 when closing to the tray is off, or when the desktop has no tray to close into
// (the test display has none), even after an automatic start with "--AutoUp".

namespace {
const char *programName = "OsterlinConfig";

QString appDataDir()
{
    return ProgramLog::appDataDir(programName);
}

QString logText()
{
    return ProgramLog::logText(programName);
}

// The bounding box of the pixels of one colour.
QRect colourBox(const QImage &image, const QColor &colour)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if ((line[x] & 0xffffff) == (colour.rgb() & 0xffffff))
                box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

void click(const QPoint &point)
{
    Display *display = XOpenDisplay(nullptr);
    QVERIFY(display);
    XTestFakeMotionEvent(display, -1, point.x(), point.y(), CurrentTime);
    XTestFakeButtonEvent(display, 1, True, CurrentTime);
    XTestFakeButtonEvent(display, 1, False, CurrentTime);
    XFlush(display);
    XCloseDisplay(display);
}
} // namespace

class tst_ProgramMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void mainWindowShowsAndCloseButtonExits_data();
    void mainWindowShowsAndCloseButtonExits();
};

void tst_ProgramMainWindow::mainWindowShowsAndCloseButtonExits_data()
{
    QTest::addColumn<bool>("closeToTray");
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("close to tray off") << false << QStringList();
    QTest::newRow("close to tray on, no tray, automatic start") << true << QStringList{"--AutoUp"};
}

void tst_ProgramMainWindow::mainWindowShowsAndCloseButtonExits()
{
    QFETCH(bool, closeToTray);
    QFETCH(QStringList, arguments);
    initVorlanResources();
    DDataManager::instance()->loadTheme(0);
    const QColor title = opaqueThemeColor(DDataManager::instance()->getThemeInfo().MainWidgetTitleColorStart);

    QDir(ProgramLog::appDataDir(programName) + "/logDir").removeRecursively();
    QSettings settings(appDataDir() + "/UserConfig/VorlanConfig.ini", QSettings::IniFormat);
    settings.setValue("CloseToTray/isCloseToTray", closeToTray);
    settings.setValue("AutoStart/isAutoStart", true);
    settings.sync();

    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("VORLAN_NO_CRASH_NOTICE", "1");
    environment.insert("QT_XCB_GL_INTEGRATION", "none");
    program.setProcessEnvironment(environment);
    program.start(QCoreApplication::applicationDirPath() + "/" + programName, arguments);
    QVERIFY(program.waitForStarted(10000));
    QTRY_VERIFY_WITH_TIMEOUT(logText().contains("Start Chang App Theme ... ThemeSelectIndex: 0"), 60000);

    // The title bar: a band of the theme's title colour at least as wide as the minimum window.
    QImage shot;
    QRect titleBox;
    QTRY_VERIFY_WITH_TIMEOUT((shot = QGuiApplication::primaryScreen()->grabWindow(0).toImage(),
                              titleBox = colourBox(shot, title), titleBox.width() >= 1270),
                             60000);
    QVERIFY(shot.save(qEnvironmentVariable("VORLAN_TEST_TMP") + "/program.png"));
    const QString log = logText();
    const int first = log.indexOf("1.CreatTrayIcon  and  registerDevice");
    QVERIFY(first >= 0 && first < log.indexOf("2.Init Vorlan Sdk")
            && log.indexOf("2.Init Vorlan Sdk") < log.indexOf("3.Init Widgets"));

    // The close button sits at the right end of the title bar, 16 pixels wide.
    click(QPoint(titleBox.right() - 5 - 8, titleBox.top() + titleBox.height() / 2));
    QVERIFY(program.waitForFinished(60000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
    QVERIFY(
        logText().contains("------------------------- *** App Exit (Normal) *** ------------------------------ \n"));
}

QTEST_MAIN(tst_ProgramMainWindow)
#include "tst_ProgramMainWindow.moc"
