#include "app/DDataManager.h"
#include "widgets/ArrowWidget.h"
#include "widgets/DCustomEventTipExplain.h"
#include "widgets/DToolTipExplain.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QSignalSpy>
#include <QtTest>

class tst_ArrowWidget : public QObject
{
    Q_OBJECT

private slots:
    void bodyAndArrowGeometry_data()
    {
        QTest::addColumn<int>("direction");
        QTest::addColumn<QPoint>("inside");
        QTest::addColumn<QPoint>("outside");
        // 250 x 70 tip, arrow at 30.
        QTest::newRow("top: arrow tip region") << 0 << QPoint(37, 20) << QPoint(60, 20);
        QTest::newRow("top: box starts at 25") << 0 << QPoint(100, 27) << QPoint(100, 56);
        QTest::newRow("bottom: arrow below box") << 1 << QPoint(37, 60) << QPoint(60, 60);
        QTest::newRow("bottom: box from 15") << 1 << QPoint(100, 17) << QPoint(100, 10);
        QTest::newRow("none: box only") << 2 << QPoint(100, 17) << QPoint(37, 60);
        QTest::newRow("band left of box is free") << 1 << QPoint(16, 35) << QPoint(14, 35);
    }
    void bodyAndArrowGeometry()
    {
        QFETCH(int, direction);
        QFETCH(QPoint, inside);
        QFETCH(QPoint, outside);
        const QPainterPath path = ArrowWidget::bodyPath(direction, 250, 70, 30);
        QVERIFY(path.contains(inside));
        QVERIFY(!path.contains(outside));
    }

    void contentMarginsFollowTheArrow()
    {
        ArrowWidget top(ArrowWidget::ArrowTop);
        top.setCenterWidget(new QLabel);
        QCOMPARE(top.layout()->contentsMargins(), QMargins(15, 25, 15, 15));
        QCOMPARE(top.layout()->spacing(), 0);
        ArrowWidget bottom(ArrowWidget::ArrowBottom);
        bottom.setCenterWidget(new QLabel);
        QCOMPARE(bottom.layout()->contentsMargins(), QMargins(15, 15, 15, 15));
    }

    void deactivationHidesAndNotifiesOnce()
    {
        ArrowWidget popup(ArrowWidget::ArrowBottom);
        popup.setWidgetSize(250, 70);
        popup.setPopupShown(true);
        popup.show();
        QSignalSpy hidden(&popup, &ArrowWidget::sigArrowWidgetHide);
        QEvent deactivate(QEvent::WindowDeactivate);
        QApplication::sendEvent(&popup, &deactivate);
        QCOMPARE(hidden.count(), 1);
        QVERIFY(!popup.isVisible());
        // The owner's flag is the owner's to clear.
        QVERIFY(popup.isPopupShown());
    }

    void ownerHoldingThePointerKeepsItOpenWhenDeactivated()
    {
        ArrowWidget popup(ArrowWidget::ArrowBottom);
        popup.setWidgetSize(250, 70);
        popup.setHidesWhenDeactivated(false);
        popup.show();
        QSignalSpy hidden(&popup, &ArrowWidget::sigArrowWidgetHide);
        QEvent deactivate(QEvent::WindowDeactivate);
        QApplication::sendEvent(&popup, &deactivate);
        QCOMPARE(hidden.count(), 0);
        QVERIFY(popup.isVisible());
    }

    void paintsTheThemeBackground()
    {
        DDataManager::instance()->loadTheme(1);
        ArrowWidget popup(ArrowWidget::ArrowBottom);
        popup.setWidgetSize(250, 70);
        QCOMPARE(popup.backgroundColor(), QColor(180, 180, 180));
        popup.setBackgroundColor(10, 200, 30);
        const QImage image = popup.grab().toImage();
        QCOMPARE(image.pixelColor(125, 35).rgb(), QColor(10, 200, 30).rgb());
        QCOMPARE(image.pixelColor(3, 3).alpha(), 0);
        DDataManager::instance()->loadTheme(0);
    }

    void tipHighlightRules_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("remappable");
        QTest::addColumn<bool>("highlighted");
        QTest::newRow("Fn") << "Fn" << true << true;
        QTest::newRow("fn") << "fn" << true << true;
        QTest::newRow("FN") << "FN" << true << true;
        QTest::newRow("fN is an ordinary name") << "fN" << true << false;
        QTest::newRow("A") << "A" << true << false;
        QTest::newRow("not remappable") << "A" << false << true;
    }
    void tipHighlightRules()
    {
        QFETCH(QString, name);
        QFETCH(bool, remappable);
        QFETCH(bool, highlighted);
        DCustomEventTipExplain tip;
        tip.setTipInfo(name, QStringLiteral("Default"), QStringLiteral("short"), remappable);
        QCOMPARE(tip.nameText(), name);
        QCOMPARE(tip.nameStyleSheet().contains("rgb(255, 143, 31)"), highlighted);
    }

    void longDescriptionsAreElidedAt215()
    {
        QFont font(QStringLiteral("Microsoft YaHei"));
        font.setPointSize(12);
        const QFontMetrics metrics(font);
        const QString shortText = QStringLiteral("Left click");
        QCOMPARE(DCustomEventTipExplain::fittedDescription(shortText, metrics), shortText);
        const QString longText = QString(60, QLatin1Char('W'));
        const QString fitted = DCustomEventTipExplain::fittedDescription(longText, metrics);
        QVERIFY(fitted.endsWith(QChar(0x2026)));
        QVERIFY(metrics.horizontalAdvance(fitted) <= 215);
    }

    void toolTipShowsItsText()
    {
        DToolTipExplain tip;
        tip.setText(QStringLiteral("Lighting"));
        QCOMPARE(tip.text(), QStringLiteral("Lighting"));
    }
};

QTEST_MAIN(tst_ArrowWidget)
#include "tst_ArrowWidget.moc"
