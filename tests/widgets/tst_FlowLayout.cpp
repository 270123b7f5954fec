#include "widgets/FlowArrangement.h"
#include "widgets/FlowLayout.h"

#include <QPushButton>
#include <QtTest>

namespace {

QVector<FlowArrangement::Item> itemsOfWidths(const QVector<int> &widths, int spacing)
{
    QVector<FlowArrangement::Item> items;
    for (int w : widths)
        items.append({QSize(w, 30), spacing, spacing});
    return items;
}

} // namespace

class tst_FlowLayout : public QObject
{
    Q_OBJECT

private slots:
    void wrapsWhenTheNextItemPassesTheRightEdge_data()
    {
        QTest::addColumn<QVector<int>>("widths");
        QTest::addColumn<QVector<QPoint>>("positions");
        QTest::addColumn<int>("height");
        QTest::newRow("two 100s fit, the third ends at 320")
            << QVector<int>{100, 100, 100} << QVector<QPoint>{{0, 0}, {110, 0}, {0, 40}} << 70;
        QTest::newRow("ending on the last pixel fits")
            << QVector<int>{100, 100, 79} << QVector<QPoint>{{0, 0}, {110, 0}, {220, 0}} << 30;
        QTest::newRow("wide item first stays in its row")
            << QVector<int>{400, 50} << QVector<QPoint>{{0, 0}, {0, 40}} << 70;
        QTest::newRow("wide item later starts a row alone")
            << QVector<int>{50, 400, 50} << QVector<QPoint>{{0, 0}, {0, 40}, {0, 80}} << 110;
        QTest::newRow("no items") << QVector<int>{} << QVector<QPoint>{} << 0;
    }
    void wrapsWhenTheNextItemPassesTheRightEdge()
    {
        QFETCH(QVector<int>, widths);
        QFETCH(QVector<QPoint>, positions);
        QFETCH(int, height);
        const QRect area(0, 0, 300, 0);
        const FlowArrangement result = FlowArrangement::arrange(area, area, 0, itemsOfWidths(widths, 10));
        QVector<QPoint> placed;
        for (const QRect &r : result.geometries)
            placed.append(r.topLeft());
        QCOMPARE(placed, positions);
        QCOMPARE(result.height, height);
    }

    void layoutPlacesWidgetsAndReportsHeightForWidth()
    {
        QWidget host;
        auto *layout = new FlowLayout(&host, 0, 10, 10);
        QList<QPushButton *> buttons;
        for (int i = 0; i < 3; ++i) {
            auto *button = new QPushButton(&host);
            button->setFixedSize(100, 30);
            layout->addWidget(button);
            buttons.append(button);
        }
        QCOMPARE(layout->count(), 3);
        QVERIFY(layout->hasHeightForWidth());
        QCOMPARE(layout->heightForWidth(300), 70);
        QCOMPARE(layout->heightForWidth(330), 30);
        layout->setGeometry(QRect(0, 0, 300, 70));
        QCOMPARE(buttons[1]->geometry(), QRect(110, 0, 100, 30));
        QCOMPARE(buttons[2]->geometry(), QRect(0, 40, 100, 30));
        QCOMPARE(layout->minimumSize(), QSize(100, 30));

        QLayoutItem *taken = layout->takeAt(0);
        QVERIFY(taken);
        delete taken;
        QCOMPARE(layout->count(), 2);
        QVERIFY(!layout->takeAt(5));
        QVERIFY(!layout->itemAt(-1));
    }

    void negativeSpacingTakesTheStyle()
    {
        QWidget host;
        auto *layout = new FlowLayout(&host);
        QCOMPARE(layout->horizontalSpacing(),
                 host.style()->pixelMetric(QStyle::PM_LayoutHorizontalSpacing, nullptr, &host));
        FlowLayout orphan(nullptr, 0);
        QCOMPARE(orphan.horizontalSpacing(), -1);
    }
};

QTEST_MAIN(tst_FlowLayout)
#include "tst_FlowLayout.moc"
