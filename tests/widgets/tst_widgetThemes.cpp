#include "app/DDataManager.h"
#include "widgets/ArrowWidget.h"
#include "widgets/BatteryItem.h"
#include "widgets/CbNotice.h"
#include "widgets/DCustomEventTipExplain.h"
#include "widgets/DSoftKeyboardPage.h"
#include "widgets/DToolTipExplain.h"
#include "widgets/DVirtualKeyboardTool.h"
#include "widgets/FlowLayout.h"
#include "widgets/MySlider.h"
#include "widgets/SVColorArea.h"
#include "widgets/SoftKeyboardButCustom.h"
#include "widgets/TextMoveWidget.h"
#include "widgets/ThemeColorText.h"
#include "widgets/sliderCustomWidget.h"

#include <QPushButton>
#include <QtTest>

#include <functional>
#include <memory>

// Every shared widget renders in the Black and the Light theme, coloured from the theme where it is themed.
class tst_widgetThemes : public QObject
{
    Q_OBJECT

private slots:
    void themeTextsBecomeColours_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QColor>("color");
        QTest::addColumn<QString>("css");
        QTest::newRow("three numbers") << "42,42,70" << QColor(42, 42, 70) << "rgb(42,42,70)";
        QTest::newRow("with alpha") << "52,52,86,128" << QColor(52, 52, 86) << "rgba(52,52,86,128)";
    }
    void themeTextsBecomeColours()
    {
        QFETCH(QString, text);
        QFETCH(QColor, color);
        QFETCH(QString, css);
        QCOMPARE(opaqueThemeColor(text), color);
        QCOMPARE(themeCssColor(text), css);
        // A theme file that lacks the key still gives a usable colour.
        QCOMPARE(opaqueThemeColor(QString()), QColor(0, 0, 0));
    }

    // The style sheet paints a theme colour with the alpha the theme means (0 to 255) over what is below.
    void themeAlphaPaintsOverParent_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QColor>("painted");
        const QColor below(36, 35, 58);
        QTest::newRow("opaque") << "42,42,70" << QColor(42, 42, 70);
        QTest::newRow("half") << "52,52,86,128"
                              << QColor((52 * 128 + 36 * 127) / 255, (52 * 128 + 35 * 127) / 255,
                                        (86 * 128 + 58 * 127) / 255);
        QTest::newRow("nearly clear") << "0,0,0,1" << below;
        QTest::newRow("clear") << "0,0,0,0" << below;
    }
    void themeAlphaPaintsOverParent()
    {
        QFETCH(QString, text);
        QFETCH(QColor, painted);
        QWidget parent;
        parent.setObjectName("below");
        parent.setStyleSheet("QWidget#below{background-color: rgb(36,35,58);}");
        parent.resize(20, 20);
        QWidget child(&parent);
        child.setObjectName("above");
        child.setGeometry(0, 0, 20, 20);
        child.setStyleSheet(QString("QWidget#above{background-color: %1;}").arg(themeCssColor(text)));
        const QColor pixel = parent.grab().toImage().pixelColor(10, 10);
        const auto near = [](int a, int b) { return qAbs(a - b) <= 2; };
        QVERIFY2(near(pixel.red(), painted.red()) && near(pixel.green(), painted.green())
                     && near(pixel.blue(), painted.blue()),
                 qPrintable(pixel.name() + " for " + themeCssColor(text)));
    }

    void highlightTextReadsInEveryTheme_data()
    {
        QTest::addColumn<int>("theme");
        for (int theme = 0; theme < 5; ++theme)
            QTest::newRow(qPrintable(QString::number(theme))) << theme;
    }
    void highlightTextReadsInEveryTheme()
    {
        QFETCH(int, theme);
        DDataManager::instance()->loadTheme(theme);
        const QColor highlight = opaqueThemeColor(DDataManager::instance()->getThemeInfo().TextCheckedColor);
        // The contrast that small text needs to be read comfortably.
        QVERIFY2(contrastRatio(highlight, readableTextColor(highlight)) >= 4.5, qPrintable(highlight.name()));
        QCOMPARE(contrastRatio(Qt::black, Qt::white), 21.0);
        QCOMPARE(contrastRatio(highlight, highlight), 1.0);
    }

    void rendersInTheme_data()
    {
        QTest::addColumn<int>("theme");
        QTest::newRow("Black") << 0;
        QTest::newRow("Light") << 1;
    }
    void rendersInTheme()
    {
        QFETCH(int, theme);
        DDataManager::instance()->loadTheme(theme);
        const ThemeColorInfo info = DDataManager::instance()->getThemeInfo();
        const QColor background = opaqueThemeColor(info.AllBgColor);

        std::vector<std::unique_ptr<QWidget>> widgets;
        auto popup = std::make_unique<ArrowWidget>(ArrowWidget::ArrowBottom);
        popup->setWidgetSize(260, 120);
        popup->setArrowPosition(123);
        popup->setCenterWidget(new DCustomEventTipExplain);
        const QImage popupImage = popup->grab().toImage();
        QCOMPARE(popupImage.pixelColor(20, 20).rgb(), background.rgb());
        widgets.push_back(std::move(popup));

        auto tool = std::make_unique<DVirtualKeyboardTool>(1);
        tool->applyTheme();
        const SoftKeyboardButCustom *key = tool->keyboardPage()->keyButtons().value(4);
        QVERIFY(key->styleSheet().contains(
            QStringLiteral("background-color:rgb(%1);").arg(info.DeviceSoftkeyboardButColor)));
        QVERIFY(key->styleSheet().contains(
            QStringLiteral("color:rgb(%1);").arg(info.DeviceSoftkeyboardButDefaultTextColor)));
        widgets.push_back(std::move(tool));

        auto notice = std::make_unique<CbNotice>();
        notice->setTextFont(DDataManager::instance()->getFont(1));
        notice->showNotice(QStringLiteral("Operate successful"));
        widgets.push_back(std::move(notice));

        auto tip = std::make_unique<DToolTipExplain>();
        tip->setText(QStringLiteral("Lighting"));
        widgets.push_back(std::move(tip));

        auto slider = std::make_unique<sliderCustomWidget>();
        slider->setSliderSize(140, 40);
        slider->setMargin(6);
        slider->setStepCount(5);
        slider->setGrooveColor(opaqueThemeColor(info.DeviceSliderHorizontalVerticalColor));
        slider->setHandleColor(opaqueThemeColor(info.DeviceSliderEllipseColor));
        widgets.push_back(std::move(slider));

        widgets.push_back(std::make_unique<MySlider>());
        widgets.push_back(std::make_unique<SVColorArea>());
        auto marquee = std::make_unique<TextMoveWidget>();
        marquee->setTextFont(info.TextFont, 10);
        marquee->setText(QStringLiteral("Firmware version"));
        widgets.push_back(std::move(marquee));
        auto battery = std::make_unique<BatteryItem>();
        battery->resize(40, 20);
        battery->setBatteryLevel(80);
        widgets.push_back(std::move(battery));
        auto flowHost = std::make_unique<QWidget>();
        auto *flow = new FlowLayout(flowHost.get());
        for (int i = 0; i < 5; ++i)
            flow->addWidget(new QPushButton(QStringLiteral("Key %1").arg(i)));
        flowHost->resize(200, 100);
        widgets.push_back(std::move(flowHost));

        for (const auto &widget : widgets) {
            const QPixmap shot = widget->grab();
            QVERIFY2(!shot.isNull(), widget->metaObject()->className());
        }
    }
};

QTEST_MAIN(tst_widgetThemes)
#include "tst_widgetThemes.moc"
