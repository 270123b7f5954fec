#include "widgets/CbNotice.h"

#include <QGraphicsOpacityEffect>
#include <QPropertyAnimation>
#include <QScreen>
#include <QSignalSpy>
#include <QtTest>

namespace {

double opacityAt(CbNotice &notice, int ms)
{
    auto *animation = notice.findChild<QPropertyAnimation *>();
    animation->pause();
    animation->setCurrentTime(ms);
    return static_cast<QGraphicsOpacityEffect *>(notice.graphicsEffect())->opacity();
}

} // namespace

class tst_CbNotice : public QObject
{
    Q_OBJECT

private slots:
    void holdsOpaqueThenFadesLinearly_data()
    {
        QTest::addColumn<int>("ms");
        QTest::addColumn<double>("opacity");
        QTest::newRow("start") << 0 << 1.0;
        QTest::newRow("1200 ms") << 1200 << 1.0;
        QTest::newRow("1300 ms") << 1300 << 1.0;
        QTest::newRow("1800 ms") << 1800 << 0.5;
        QTest::newRow("2300 ms") << 2300 << 0.0;
    }
    void holdsOpaqueThenFadesLinearly()
    {
        QFETCH(int, ms);
        QFETCH(double, opacity);
        QWidget page;
        page.resize(800, 600);
        CbNotice notice(&page);
        page.show();
        notice.showNotice(QStringLiteral("Operate successful"), QPoint(400, 40));
        QVERIFY(qAbs(opacityAt(notice, ms) - opacity) < 0.01);
    }

    void finishesAfterHoldAndFadeThenHides()
    {
        QWidget page;
        page.resize(800, 600);
        CbNotice notice(&page);
        page.show();
        QSignalSpy finished(&notice, &CbNotice::sigFinished);
        QElapsedTimer clock;
        clock.start();
        notice.showNotice(QStringLiteral("Operate successful"), QPoint(400, 40));
        QVERIFY(notice.isVisible());
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 10000);
        QVERIFY2(clock.elapsed() >= 2200, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(!notice.isVisible());
    }

    void secondShowRestartsTheCycle()
    {
        QWidget page;
        page.resize(800, 600);
        CbNotice notice(&page);
        page.show();
        notice.showNotice(QStringLiteral("first"), QPoint(400, 40));
        QVERIFY(opacityAt(notice, 2000) < 0.4);
        notice.showNotice(QStringLiteral("second"), QPoint(400, 40));
        auto *animation = notice.findChild<QPropertyAnimation *>();
        QCOMPARE(animation->state(), QAbstractAnimation::Running);
        QVERIFY(animation->currentTime() < 1000);
        QCOMPARE(static_cast<QGraphicsOpacityEffect *>(notice.graphicsEffect())->opacity(), 1.0);
        QCOMPARE(notice.text(), QStringLiteral("second"));
    }

    void sizeAndPlacement()
    {
        QWidget page;
        page.setGeometry(100, 50, 800, 600);
        CbNotice notice(&page);
        QCOMPARE(notice.storedCentre(), QPoint(100 + 400, 400));

        notice.showNotice(QString(), QPoint(400, 40));
        QCOMPARE(notice.size(), QSize(36, 40));
        QCOMPARE(notice.geometry().topLeft(), QPoint(400 - 18, 40 - 20));

        const QString text = QStringLiteral("Download config successful");
        notice.showNotice(text, QPoint());
        const int width = QFontMetrics(notice.font()).horizontalAdvance(text) + 36;
        QCOMPARE(notice.size(), QSize(width, 40));
        QCOMPARE(notice.geometry().topLeft(), QPoint(500 - width / 2, 400 - 20));
        const QRect atNull = notice.geometry();
        notice.showNotice(text);
        QCOMPARE(notice.geometry(), atNull);
    }

    void cornerRadiusByHeight_data()
    {
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("radius");
        QTest::newRow("40 pill") << 40 << 22;
        QTest::newRow("38") << 38 << 22;
        QTest::newRow("37") << 37 << 12;
        QTest::newRow("25") << 25 << 12;
        QTest::newRow("24") << 24 << 3;
    }
    void cornerRadiusByHeight()
    {
        QFETCH(int, height);
        QFETCH(int, radius);
        QCOMPARE(CbNotice::cornerRadius(height), radius);
    }

    void clickHidesAtOnceButFinishesOnTime()
    {
        QWidget page;
        page.resize(800, 600);
        CbNotice notice(&page);
        page.show();
        QSignalSpy finished(&notice, &CbNotice::sigFinished);
        notice.showNotice(QStringLiteral("Operate successful"), QPoint(400, 40));
        QTest::mouseClick(&notice, Qt::LeftButton, {}, QPoint(20, 20));
        QVERIFY(!notice.isVisible());
        QCOMPARE(finished.count(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 10000);
    }

    void withoutParentSitsOnPrimaryScreenFrameless()
    {
        CbNotice notice;
        const QScreen *screen = QGuiApplication::primaryScreen();
        QCOMPARE(notice.storedCentre(), QPoint(screen->size().width() / 2, screen->size().height() * 2 / 3)
                                            + screen->virtualGeometry().topLeft());
        QVERIFY(notice.windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(notice.isWindow());
    }

    void textDrawnInTextColourWithoutOutline()
    {
        CbNotice notice;
        notice.setBackgroundColor(QColor(0, 0, 255));
        notice.setBorderColor(QColor(0, 255, 0));
        notice.setPixelSize(14);
        notice.showNotice(QStringLiteral("MMMMMMMM"), QPoint(300, 300));
        QCOMPARE(opacityAt(notice, 0), 1.0);
        const QImage image = notice.grab().toImage();
        // Edge middle is the box colour (no outline); the text is drawn in the "border" colour.
        QCOMPARE(image.pixelColor(image.width() / 2, 1), QColor(0, 0, 255));
        bool sawText = false;
        for (int x = 0; x < image.width() && !sawText; ++x)
            sawText = image.pixelColor(x, image.height() / 2) == QColor(0, 255, 0);
        QVERIFY(sawText);
    }
};

QTEST_MAIN(tst_CbNotice)
#include "tst_CbNotice.moc"
