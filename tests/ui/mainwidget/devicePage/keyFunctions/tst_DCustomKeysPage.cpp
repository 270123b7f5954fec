#include "DCustomKeysPage.h"
#include "VorlanResources.h"

#include <QLabel>
#include <QMovie>
#include <QPushButton>
#include <QtTest>

class tst_DCustomKeysPage : public QObject
{
    Q_OBJECT

private slots:
    void downloadStartsOnceUntilAnimationStops();
};

void tst_DCustomKeysPage::downloadStartsOnceUntilAnimationStops()
{
    initVorlanResources();
    DCustomKeysPage page;
    QSignalSpy started(&page, &DCustomKeysPage::sigTheKeyboardIntoDownloading);
    auto *download = page.findChild<QPushButton *>("pushButton_Download");
    auto *loading = page.findChild<QLabel *>("label_Loading");
    QVERIFY(download && loading);
    QVERIFY(!loading->isVisibleTo(&page));

    QTest::mouseClick(download, Qt::LeftButton);
    QCOMPARE(started.size(), 1);
    QVERIFY(page.isDownloading());
    QVERIFY(loading->isVisibleTo(&page));
    QVERIFY(loading->movie() && loading->movie()->state() == QMovie::Running);

    // A click during the download starts nothing.
    QTest::mouseClick(download, Qt::LeftButton);
    QCOMPARE(started.size(), 1);

    page.stopDownloadAnimation();
    QVERIFY(!page.isDownloading());
    QVERIFY(!loading->isVisibleTo(&page));
    QCOMPARE(loading->movie()->state(), QMovie::NotRunning);
    QTest::mouseClick(download, Qt::LeftButton);
    QCOMPARE(started.size(), 2);
}

QTEST_MAIN(tst_DCustomKeysPage)
#include "tst_DCustomKeysPage.moc"
