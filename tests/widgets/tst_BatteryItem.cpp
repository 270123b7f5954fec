#include "widgets/BatteryItem.h"

#include <QtTest>

class tst_BatteryItem : public QObject
{
    Q_OBJECT

private slots:
    void fillByLevel_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<bool>("showText");
        QTest::addColumn<QColor>("color");
        QTest::addColumn<int>("width");
        QTest::newRow("100 green") << 100 << true << QColor(100, 150, 100) << 25;
        QTest::newRow("51 green") << 51 << true << QColor(100, 150, 100) << 12;
        QTest::newRow("50 amber") << 50 << true << QColor(200, 140, 0) << 12;
        QTest::newRow("26 amber") << 26 << true << QColor(200, 140, 0) << 6;
        QTest::newRow("25 red-orange") << 25 << true << QColor(255, 60, 0) << 6;
        QTest::newRow("0 red-orange") << 0 << true << QColor(255, 60, 0) << 0;
        QTest::newRow("below 0 green, no fill") << -1 << true << QColor(100, 150, 100) << 0;
        QTest::newRow("byte 255 fills no further than full") << 255 << true << QColor(100, 150, 100) << 25;
        QTest::newRow("no text: always green") << 10 << false << QColor(100, 150, 100) << 2;
    }
    void fillByLevel()
    {
        QFETCH(int, level);
        QFETCH(bool, showText);
        QFETCH(QColor, color);
        QFETCH(int, width);
        BatteryItem item;
        item.setShowText(showText);
        item.setBatteryLevel(level);
        QCOMPARE(item.fillColor(), color);
        QCOMPARE(item.fillWidth(), width);
    }

    void paintsFillInsideTheOutline()
    {
        BatteryItem item;
        item.resize(40, 20);
        item.setShowText(false);
        item.setBatteryLevel(100);
        const QImage image = item.grab().toImage();
        QCOMPARE(image.pixelColor(10, 7), QColor(100, 150, 100));
        QCOMPARE(image.pixelColor(15, 0), QColor(136, 205, 12));
        // Nothing is painted right of the full fill's 25 pixels inside the body.
        QVERIFY(image.pixelColor(28, 7) != QColor(100, 150, 100));
    }
};

QTEST_MAIN(tst_BatteryItem)
#include "tst_BatteryItem.moc"
