#include "app/DDataManager.h"
#include "platform/CompositingManager.h"
#include "resources/VorlanResources.h"
#include "tests/support/BlackBackdrop.h"
#include "ui/firmware/DUpdateFirmwareDia.h"
#include "ui/macro/DMacroPage.h"
#include "ui/seniorKeys/DSeniorKeysPage.h"
#include "ui/seniorKeys/DStrokeConfigView.h"
#include "ui/settings/DSettingsDia.h"

#include <QPointer>
#include <QScreen>
#include <QtTest>

#include <functional>

using WindowFactory = std::function<QWidget *()>;
Q_DECLARE_METATYPE(WindowFactory)

// The editors and dialogs with rounded frames in translucent windows, on an X server without a
// compositing manager (openbox alone): cut to their frame, so the desktop shows at the corners
// instead of black.
class tst_RoundedWindowsX11 : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        initVorlanResources();
        DDataManager::instance()->loadTheme(0);
        if (isX11CompositingManagerRunning())
            QSKIP("a compositing manager runs: translucent windows need no mask");
    }

    void cornersShowTheDesktop_data()
    {
        QTest::addColumn<WindowFactory>("make");
        QTest::newRow("advanced-key editor") << WindowFactory([] { return new DSeniorKeysPage; });
        QTest::newRow("travel points") << WindowFactory([] { return new DStrokeConfigView; });
        QTest::newRow("macro editor") << WindowFactory([] { return new DMacroPage; });
        QTest::newRow("settings") << WindowFactory([] { return new DSettingsDia; });
        QTest::newRow("firmware upgrade") << WindowFactory([] { return new DUpdateFirmwareDia; });
    }
    void cornersShowTheDesktop()
    {
        QFETCH(WindowFactory, make);
        const QColor desktop(60, 140, 90);
        QWidget backdrop;
        backdrop.setWindowFlags(Qt::FramelessWindowHint);
        makeColouredBackdrop(backdrop, desktop, QSize(1300, 900));
        backdrop.move(0, 0);
        backdrop.show();
        QVERIFY(QTest::qWaitForWindowExposed(&backdrop));

        QPointer<QWidget> window = make();
        window->move(100, 100);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        window->raise();
        QTRY_VERIFY(!window->mask().isEmpty());
        QVERIFY(!window->mask().contains(QPoint(1, 1)));
        QVERIFY(window->mask().contains(QPoint(window->width() / 2, window->height() / 2)));

        const QPoint corner = window->mapToGlobal(QPoint(1, 1));
        const QPoint farCorner = window->mapToGlobal(QPoint(window->width() - 2, window->height() - 2));
        QImage shot;
        QTRY_VERIFY_WITH_TIMEOUT((shot = QGuiApplication::primaryScreen()->grabWindow(0).toImage(),
                                  QColor(shot.pixel(corner)) == desktop && QColor(shot.pixel(farCorner)) == desktop),
                                 10000);
        delete window;
    }
};

QTEST_MAIN(tst_RoundedWindowsX11)
#include "tst_RoundedWindowsX11.moc"
