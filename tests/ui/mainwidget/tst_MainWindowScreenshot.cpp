#include "app/DDataManager.h"
#include "resources/VorlanResources.h"
#include "ui/mainwidget/DMainWidget.h"
#include "widgets/ThemeColorText.h"

#include <QScreen>
#include <QtTest>

// The main window on a real X display: a screenshot shows its title bar in the theme's colour.
class tst_MainWindowScreenshot : public QObject
{
    Q_OBJECT

private slots:
    void mainWindowAppearsOnScreen();
};

void tst_MainWindowScreenshot::mainWindowAppearsOnScreen()
{
    initVorlanResources();
    DDataManager::instance()->loadTheme(0);
    DMainWidget window;
    window.move(0, 0);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QColor title = opaqueThemeColor(DDataManager::instance()->getThemeInfo().MainWidgetTitleColorStart);

    QImage shot;
    // The point between the logo and the names belongs to the title bar's background.
    const QPoint probe = window.mapToGlobal(QPoint(window.width() / 2 - 200, 20));
    QTRY_VERIFY_WITH_TIMEOUT(
        (shot = QGuiApplication::primaryScreen()->grabWindow(0).toImage(), QColor(shot.pixel(probe)) == title), 10000);
    const QString file = qEnvironmentVariable("VORLAN_TEST_TMP") + "/mainwindow.png";
    QVERIFY(shot.save(file));
}

QTEST_MAIN(tst_MainWindowScreenshot)
#include "tst_MainWindowScreenshot.moc"
