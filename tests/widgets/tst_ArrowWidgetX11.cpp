#include "widgets/ArrowWidget.h"
#include "widgets/DToolTipExplain.h"

#include <QtTest>

// Tips as the X server shows them: with or without a compositing manager, the box is painted where
// the window's outline is and the text sits in the middle of the box.
class tst_ArrowWidgetX11 : public QObject
{
    Q_OBJECT

private slots:
    void tipTextAndBoxFollowTheOutline_data()
    {
        QTest::addColumn<int>("direction");
        QTest::newRow("arrow below") << int(ArrowWidget::ArrowBottom);
        QTest::newRow("arrow above") << int(ArrowWidget::ArrowTop);
    }
    void tipTextAndBoxFollowTheOutline()
    {
        QFETCH(int, direction);
        ArrowWidget popup(direction);
        popup.setWidgetSize(250, 70);
        popup.setArrowPosition(30);
        auto *tip = new DToolTipExplain;
        tip->setText(QStringLiteral("Light Setting"));
        popup.setCenterWidget(tip);
        popup.setBackgroundColor(10, 20, 30);
        popup.show();
        QVERIFY(QTest::qWaitForWindowExposed(&popup));
        const QImage image = popup.grab().toImage().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(image.size(), QSize(250, 70));

        const QRect box = direction == ArrowWidget::ArrowTop ? QRect(15, 25, 220, 30) : QRect(15, 15, 220, 40);
        const QRgb background = qRgb(10, 20, 30);
        for (const QPoint corner : {box.topLeft() + QPoint(3, 3), box.topRight() + QPoint(-3, 3),
                                    box.bottomLeft() + QPoint(3, -3), box.bottomRight() + QPoint(-3, -3)})
            QCOMPARE(image.pixel(corner), background);
        QVERIFY(qAlpha(image.pixel(box.right() + 6, box.center().y())) < 255);

        // The text: the bright pixels inside the box.
        int left = image.width(), right = -1;
        for (int y = box.top(); y <= box.bottom(); ++y)
            for (int x = box.left(); x <= box.right(); ++x)
                if (qGray(image.pixel(x, y)) > 160) {
                    left = qMin(left, x);
                    right = qMax(right, x);
                }
        QVERIFY(right > left);
        QVERIFY2(
            qAbs((left + right) / 2 - box.center().x()) <= 3,
            qPrintable(QString("text %1..%2 in box %3..%4").arg(left).arg(right).arg(box.left()).arg(box.right())));
    }
};

QTEST_MAIN(tst_ArrowWidgetX11)
#include "tst_ArrowWidgetX11.moc"
