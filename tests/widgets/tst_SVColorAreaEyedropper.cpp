#include "widgets/SVColorArea.h"

#include <QSignalSpy>
#include <QtTest>

class tst_SVColorAreaEyedropper : public QObject
{
    Q_OBJECT

private slots:
    void readsThePixelUnderThePointer_data()
    {
        QTest::addColumn<QColor>("color");
        QTest::newRow("orange") << QColor(255, 143, 31);
        QTest::newRow("dark blue") << QColor(12, 34, 86);
    }
    void readsThePixelUnderThePointer()
    {
        QFETCH(QColor, color);
        QWidget patch;
        patch.setWindowFlags(Qt::FramelessWindowHint);
        QPalette palette = patch.palette();
        palette.setColor(QPalette::Window, color);
        patch.setPalette(palette);
        patch.setAutoFillBackground(true);
        patch.setGeometry(200, 200, 300, 200);
        patch.show();
        QVERIFY(QTest::qWaitForWindowExposed(&patch));

        SVColorArea area;
        QSignalSpy rgb(&area, &SVColorArea::sigGetRGB);
        QSignalSpy hex(&area, &SVColorArea::sigGetHexRGB);
        QCursor::setPos(patch.mapToGlobal(QPoint(150, 100)));
        // The window manager-less X server paints the window asynchronously: read until it shows.
        QTRY_VERIFY_WITH_TIMEOUT((area.print2(), !rgb.isEmpty() && rgb.last().at(0).toInt() == color.red()
                                                     && rgb.last().at(1).toInt() == color.green()
                                                     && rgb.last().at(2).toInt() == color.blue()),
                                 10000);
        QCOMPARE(hex.last().at(0).toString(), color.name().toUpper());
    }

    void discPressSignalsInOrder()
    {
        SVColorArea area;
        QStringList order;
        connect(&area, &SVColorArea::sigMouseIsPress, this, [&](bool down) { order << (down ? "press" : "release"); });
        connect(&area, &SVColorArea::svChangedSignal, this,
                [&](int h, int s, int v) { order << QStringLiteral("sv %1 %2 %3").arg(h).arg(s).arg(v); });
        connect(&area, &SVColorArea::sigGetRGB, this, [&](int, int, int) { order << "rgb"; });
        connect(&area, &SVColorArea::sigGetHexRGB, this, [&](const QString &) { order << "hex"; });
        connect(&area, &SVColorArea::sigMoveingStatus, this,
                [&](int value, int deg) { order << QStringLiteral("moving %1 %2").arg(value).arg(deg); });
        area.show();
        QVERIFY(QTest::qWaitForWindowExposed(&area));
        QTRY_VERIFY(!order.isEmpty()); // first paint
        order.clear();

        QCursor::setPos(area.mapToGlobal(QPoint(55, 50)));
        QTest::mousePress(&area, Qt::LeftButton, {}, QPoint(55, 50));
        QTRY_VERIFY(order.contains("moving 0 0"));
        QCOMPARE(order.mid(0, 5), (QStringList{"press", "sv 0 55 205", "rgb", "hex", "moving 0 0"}));
        QTest::mouseRelease(&area, Qt::LeftButton, {}, QPoint(55, 50));
        QCOMPARE(order.last(), QStringLiteral("release"));
    }
};

QTEST_MAIN(tst_SVColorAreaEyedropper)
#include "tst_SVColorAreaEyedropper.moc"
