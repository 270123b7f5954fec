#include "app/DDataManager.h"
#include "resources/VorlanResources.h"
#include "ui/mainwidget/devicePage/DDeviceListItem.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/mainwidget/devicePage/keyFunctions/DCustomKeysPage.h"
#include "ui/mainwidget/devicePage/lights/DLightsConfigPage.h"
#include "ui/mainwidget/devicePage/magnetic/DPerformancePage.h"
#include "ui/mainwidget/devicePage/magnetic/DTriggerSettingPage.h"
#include "widgets/ArrowWidget.h"
#include "widgets/BatteryItem.h"
#include "widgets/CbNotice.h"
#include "widgets/DToolTipExplain.h"
#include "widgets/keyboardButCustom.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QButtonGroup>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLayout>
#include <QStackedWidget>
#include <QToolButton>
#include <QtTest>

namespace {
// Records when the first device scan runs.
class ScanTimingPage : public DDevicePage
{
public:
    explicit ScanTimingPage(QElapsedTimer *clock)
        : m_clock(clock)
    {
        constructed = true;
    }
    void onLoadDeviceList() override { scans << QPair<bool, qint64>(constructed, m_clock->elapsed()); }
    bool constructed = false;
    QList<QPair<bool, qint64>> scans;

private:
    QElapsedTimer *m_clock;
};

QList<ArrowWidget *> visiblePopups()
{
    QList<ArrowWidget *> result;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *popup = qobject_cast<ArrowWidget *>(widget); popup && popup->isVisible())
            result << popup;
    }
    return result;
}

void enter(QWidget *widget)
{
    QEvent event(QEvent::Enter);
    QApplication::sendEvent(widget, &event);
}
} // namespace

class tst_DDevicePage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void constructionShowsTipAndHostsTabs();
    void tabButtonGroupIds();
    void firstScanRunsFromEventLoop();
    void clearDeviceListKeepsSpacer_data();
    void clearDeviceListKeepsSpacer();
    void tabTipsSitAboveTheirButton();
    void toastAtPageCentre();
    void editorButtonsAskTheMainWindow();
    void downloadWithoutKeyboardShowsFailure();
    void profileListRowsAreFortyPixelsHigh();
    void themeReachesLinkSelectorAndKeyCaps();
};

void tst_DDevicePage::initTestCase()
{
    initVorlanResources();
    DDataManager::instance()->loadTheme(0);
}

void tst_DDevicePage::constructionShowsTipAndHostsTabs()
{
    DDevicePage page;
    QCOMPARE(page.findChild<QStackedWidget *>("stackedWidget_3")->currentWidget()->objectName(),
             QString("page_TipShow"));
    QCOMPARE(page.findChild<QLabel *>("label")->text(), QString("Device List"));
    QCOMPARE(page.findChild<QLabel *>("label_Tip")->text(), QString("Device not connected"));
    QCOMPARE(page.findChild<QAbstractButton *>("pushButton_Reset")->text(), QString("Reset"));

    QCOMPARE(page.findChild<DCustomKeysPage *>()->parentWidget()->objectName(), QString("page_CustomKeys"));
    QCOMPARE(page.findChild<DLightsConfigPage *>()->parentWidget()->objectName(), QString("page_LightsConfig"));
    QCOMPARE(page.findChild<DPerformancePage *>()->parentWidget()->objectName(), QString("page_Performance"));
    QCOMPARE(page.findChild<DTriggerSettingPage *>()->parentWidget()->objectName(), QString("page_TriggerSetting"));

    for (const char *hidden :
         {"pushButton_Test", "pushButton_ChangModeTest", "label_ChangModeTest", "label_Multiple", "label_Charging"})
        QVERIFY2(page.findChild<QWidget *>(hidden)->isHidden(), hidden);
    for (const char *shown : {"pushButton_MoreSmall", "pushButton_MoreBig", "frame_Url"})
        QVERIFY2(!page.findChild<QWidget *>(shown)->isHidden(), shown);

    const QString link = page.findChild<QLabel *>("label_Url")->text();
    QVERIFY2(link.contains("href=\"Company|https://osterlin.example/|\"") && link.contains("color:rgb(255,143,31)"),
             qPrintable(link));
    QCOMPARE(page.findChild<BatteryItem *>("label_ElectricityNum")->batteryLevel(), 60);
}

void tst_DDevicePage::tabButtonGroupIds()
{
    DDevicePage page;
    auto *group = page.findChild<QButtonGroup *>();
    QVERIFY(group);
    QCOMPARE(group->buttons().size(), 4);
    QCOMPARE(group->id(page.findChild<QToolButton *>("toolButton_CustomKey")), 0);
    QCOMPARE(group->id(page.findChild<QToolButton *>("toolButton_LightConfig")), 1);
    QCOMPARE(group->id(page.findChild<QToolButton *>("toolButton_Performance")), 2);
    QCOMPARE(group->id(page.findChild<QToolButton *>("toolButton_TriggerSetting")), 4);
    QCOMPARE(group->checkedId(), 0);
    QCOMPARE(group->id(page.findChild<QToolButton *>("toolButton_SeniorKey")), -1);
    QCOMPARE(group->id(page.findChild<QToolButton *>("toolButton_MacroDialog")), -1);
}

void tst_DDevicePage::firstScanRunsFromEventLoop()
{
    QElapsedTimer clock;
    clock.start();
    ScanTimingPage page(&clock);
    QVERIFY(page.scans.isEmpty());
    QTRY_COMPARE_WITH_TIMEOUT(page.scans.size(), 1, 10000);
    QVERIFY(page.scans.first().first);
    QVERIFY2(page.scans.first().second >= 195, qPrintable(QString::number(page.scans.first().second)));
}

void tst_DDevicePage::clearDeviceListKeepsSpacer_data()
{
    QTest::addColumn<int>("cards");
    QTest::newRow("empty list") << 0;
    QTest::newRow("three cards") << 3;
}

void tst_DDevicePage::clearDeviceListKeepsSpacer()
{
    QFETCH(int, cards);
    DDevicePage page;
    auto *list = page.findChild<QLayout *>("verticalLayout_17");
    QVERIFY(list);
    QList<QPointer<DDeviceListItem>> items;
    for (int i = 0; i < cards; ++i) {
        auto *item = new DDeviceListItem(list->parentWidget());
        static_cast<QBoxLayout *>(list)->insertWidget(list->count() - 1, item);
        items << item;
    }
    QCOMPARE(list->count(), cards + 1);

    page.clearDeviceList();
    QCOMPARE(list->count(), 1);
    QVERIFY(list->itemAt(0)->spacerItem());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (const QPointer<DDeviceListItem> &item : items)
        QVERIFY(item.isNull());
}

void tst_DDevicePage::tabTipsSitAboveTheirButton()
{
    DDevicePage page;
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    auto *light = page.findChild<QToolButton *>("toolButton_LightConfig");
    auto *senior = page.findChild<QToolButton *>("toolButton_SeniorKey");

    enter(light);
    QList<ArrowWidget *> popups = visiblePopups();
    QCOMPARE(popups.size(), 1);
    QPointer<ArrowWidget> first = popups.first();
    const QPoint anchor = light->mapToGlobal(QPoint(light->width() / 2, light->height()));
    QCOMPARE(first->pos(), anchor - QPoint(38, light->height() + 74));
    QCOMPARE(first->findChild<DToolTipExplain *>()->text(), QString("Light Setting"));

    // Another button replaces the tip; the replaced one is deleted.
    enter(senior);
    popups = visiblePopups();
    QCOMPARE(popups.size(), 1);
    QCOMPARE(popups.first()->findChild<DToolTipExplain *>()->text(), QString("Senior Keys"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(first.isNull());

    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(senior, &leave);
    QVERIFY(visiblePopups().isEmpty());
}

void tst_DDevicePage::toastAtPageCentre()
{
    DDevicePage page;
    page.resize(1000, 600);
    page.show();
    QCOMPARE(page.toastPosition(), QPoint(499, 40));
    page.onEveryPageBackTip("Saved");
    auto *toast = page.findChild<CbNotice *>();
    QCOMPARE(toast->text(), QString("Saved"));
    QVERIFY(toast->isVisible());
    QCOMPARE(toast->x() + toast->width() / 2, 499);
    QCOMPARE(toast->y() + toast->height() / 2, 40);
}

void tst_DDevicePage::editorButtonsAskTheMainWindow()
{
    DDevicePage page;
    QSignalSpy macro(&page, &DDevicePage::sigShowMacroPage);
    QSignalSpy senior(&page, &DDevicePage::sigShowSeniorKeysPage);
    QTest::mouseClick(page.findChild<QToolButton *>("toolButton_MacroDialog"), Qt::LeftButton);
    QCOMPARE(macro.size(), 1);
    QCOMPARE(senior.size(), 0);
    QTest::mouseClick(page.findChild<QToolButton *>("toolButton_SeniorKey"), Qt::LeftButton);
    QCOMPARE(senior.size(), 1);
    QCOMPARE(macro.size(), 1);
}

void tst_DDevicePage::downloadWithoutKeyboardShowsFailure()
{
    DDevicePage page;
    page.resize(1000, 600);
    page.show();
    auto *tab = page.findChild<DCustomKeysPage *>();
    tab->findChild<QAbstractButton *>("pushButton_Download")->click();
    auto *toast = page.findChild<CbNotice *>();
    QCOMPARE(toast->text(), QString("Download config failed, Please try again"));
    QVERIFY(toast->isVisible());
    QVERIFY(!tab->isDownloading());
}

void tst_DDevicePage::profileListRowsAreFortyPixelsHigh()
{
    DDevicePage page;
    page.applyTheme();
    page.show();
    auto *list = page.findChild<QComboBox *>("comboBox_profileList");
    list->addItems({"Profile 1", "Profile 2"});
    list->showPopup();
    QTRY_VERIFY(list->view()->isVisible());
    QCOMPARE(list->view()->visualRect(list->model()->index(1, 0)).height(), 40);
    list->hidePopup();
}

void tst_DDevicePage::themeReachesLinkSelectorAndKeyCaps()
{
    DDevicePage page;
    keyboardButCustom keyCap;
    keyCap.setLightPreviewEnabled(false);
    DDataManager::instance()->setKeyInfoList({&keyCap, nullptr});

    DDataManager::instance()->loadTheme(2);
    const ThemeColorInfo blue = DDataManager::instance()->getThemeInfo();
    page.applyTheme();
    DDataManager::instance()->setKeyInfoList({});

    QVERIFY(
        page.findChild<QLabel *>("label_Url")->text().contains(QString("color:rgb(%1)").arg(blue.TextCheckedColor)));
    QVERIFY(page.findChild<QComboBox *>("comboBox_profileList")->styleSheet().contains(blue.DeviceRightBgColor));
    QVERIFY(page.findChild<QWidget *>("widget_MoveTip")->isHidden());
    // The key caps now show light colours.
    keyCap.setLightColor(QColor(10, 200, 30));
    QCOMPARE(keyCap.getLightColor(), QColor(10, 200, 30));
    DDataManager::instance()->loadTheme(0);
}

QTEST_MAIN(tst_DDevicePage)
#include "tst_DDevicePage.moc"
