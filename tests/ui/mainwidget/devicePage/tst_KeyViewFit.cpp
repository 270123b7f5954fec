#include "app/DDataManager.h"
#include "resources/VorlanResources.h"
#include "tests/support/KbdsimProcess.h"
#include "tests/support/SeenAppVersion.h"
#include "ui/mainwidget/DMainWidget.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "widgets/hidDeviceJoinFrame.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include <memory>

// The keyboard picture at any window size and zoom: whole, inside its frame and clear of the Reset
// button; the zoom the user chose comes back when the window has room for it again.
class tst_KeyViewFit : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void zoomedPictureFitsTheRestoredWindow();

private:
    // Checks the picture lies inside the frame and above the Reset button.
    static bool pictureIsClear(DDevicePage *page, QString *why);

    KbdsimProcess m_sim;
};

void tst_KeyViewFit::initTestCase()
{
    initVorlanResources();
    markAppVersionSeen();
    DDataManager::instance()->loadTheme(0);
    QVERIFY(m_sim.start(qEnvironmentVariable("VORLAN_TEST_TMP", QDir::tempPath()) + "/sim"));
}

bool tst_KeyViewFit::pictureIsClear(DDevicePage *page, QString *why)
{
    auto *picture = page->getKeyView()->findChild<QFrame *>("frame_hidSpace");
    auto *frame = page->findChild<QWidget *>("hidDeviceShowFrame");
    auto *reset = page->findChild<QPushButton *>("pushButton_Reset");
    const QRect shown(picture->mapTo(page, QPoint(0, 0)), picture->size());
    const QRect room(frame->mapTo(page, QPoint(0, 0)), frame->size());
    const QRect button(reset->mapTo(page, QPoint(0, 0)), reset->size());
    *why = QString("picture %1,%2 %3x%4, frame %5,%6 %7x%8, Reset at y %9")
               .arg(shown.x())
               .arg(shown.y())
               .arg(shown.width())
               .arg(shown.height())
               .arg(room.x())
               .arg(room.y())
               .arg(room.width())
               .arg(room.height())
               .arg(button.y());
    return room.contains(shown) && !shown.intersects(button);
}

void tst_KeyViewFit::zoomedPictureFitsTheRestoredWindow()
{
    int id = 0;
    QVERIFY(!m_sim.plug("Aster104", &id).isEmpty());
    auto window = std::make_unique<DMainWidget>();
    DDevicePage *page = window->devicePage();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QTRY_VERIFY_WITH_TIMEOUT(page->getCurrentDeviceItem() && page->getKeyView(), 20000);
    const QSize restored = window->size();
    auto *picture = page->getKeyView()->findChild<QFrame *>("frame_hidSpace");
    const QSize unzoomed = picture->size();

    window->resize(1900, 1060);
    auto *bigger = page->findChild<QPushButton *>("pushButton_MoreBig");
    for (int step = 0; step < 5; ++step)
        QTest::mouseClick(bigger, Qt::LeftButton);
    QCOMPARE(page->findChild<QLabel *>("label_Multiple")->text(), QString("1.5"));
    QTRY_VERIFY(picture->width() > unzoomed.width() * 14 / 10);
    QString why;
    QVERIFY2(pictureIsClear(page, &why), qPrintable(why));

    window->resize(restored);
    QTRY_VERIFY2(pictureIsClear(page, &why), qPrintable(why));
    QVERIFY(picture->width() >= unzoomed.width());
    QCOMPARE(page->findChild<QLabel *>("label_Multiple")->text(), QString("1.5"));

    window->resize(1900, 1060);
    QTRY_VERIFY(picture->width() > unzoomed.width() * 14 / 10);
    QVERIFY2(pictureIsClear(page, &why), qPrintable(why));

    window.reset();
    m_sim.control(QString("unplug %1").arg(id));
}

QTEST_MAIN(tst_KeyViewFit)
#include "tst_KeyViewFit.moc"
