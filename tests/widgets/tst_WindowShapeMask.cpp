#include "widgets/WindowShapeMask.h"

#include <QtTest>

class tst_WindowShapeMask : public QObject
{
    Q_OBJECT

private slots:
    void needsMask_data()
    {
        QTest::addColumn<bool>("isWindow");
        QTest::addColumn<QString>("platform");
        QTest::addColumn<bool>("compositor");
        QTest::addColumn<bool>("masked");
        QTest::newRow("X11 without compositor") << true << "xcb" << false << true;
        QTest::newRow("X11 with compositor") << true << "xcb" << true << false;
        QTest::newRow("child widget") << false << "xcb" << false << false;
        QTest::newRow("Wayland") << true << "wayland" << false << false;
        QTest::newRow("offscreen") << true << "offscreen" << false << false;
    }
    void needsMask()
    {
        QFETCH(bool, isWindow);
        QFETCH(QString, platform);
        QFETCH(bool, compositor);
        QFETCH(bool, masked);
        QCOMPARE(WindowShapeMask::needsMask(isWindow, platform, compositor), masked);
    }
};

QTEST_APPLESS_MAIN(tst_WindowShapeMask)
#include "tst_WindowShapeMask.moc"
