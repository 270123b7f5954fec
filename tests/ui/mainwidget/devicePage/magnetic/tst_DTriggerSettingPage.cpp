#include "app/DDataManager.h"
#include "resources/VorlanResources.h"
#include "tests/support/BlackBackdrop.h"
#include "ui/mainwidget/devicePage/magnetic/DKeyCalibrationExplainDia.h"
#include "ui/mainwidget/devicePage/magnetic/DSensitivityShowWidget.h"
#include "ui/mainwidget/devicePage/magnetic/DTriggerSettingPage.h"
#include "widgets/ArrowWidget.h"
#include "widgets/MySlider.h"
#include "widgets/sliderCustomWidget.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QToolButton>
#include <QtTest>

#include <memory>

namespace {

using Request = QVariantList;

Request request(int selMode, int left, int right, int quickLeft, int quickRight)
{
    return {selMode, left, right, quickLeft, quickRight};
}

} // namespace

// The trigger tab as the device page drives it: loading the keyboard's values, the apply request in
// each mode, a key's stored settings, calibration, report rate, the explanations and the theme.
class tst_DTriggerSettingPage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void loadPutsTheMarkInTheMiddle_data();
    void loadPutsTheMarkInTheMiddle();
    void applyModes_data();
    void applyModes();
    void keyReportsShowTheStoredSettings();
    void sliderMovedByKeyboardIsApplied();
    void withoutMaximumTravelNothingIsApplied();
    void calibrationRequests();
    void reportRateAndAntiShake();
    void explanationPopUps_data();
    void explanationPopUps();
    void popUpIsReplacedAndLeaveWithoutPopUpDoesNothing();
    void themeKeepsSheetTextsAndOpaqueDisplayColours();
    void explanationAreaShowsThePanelBeneath();

private:
    template <typename T>
    T *child(const char *name) const
    {
        T *widget = m_page->findChild<T *>(name);
        if (!widget)
            qFatal("no %s", name);
        return widget;
    }
    Request apply();
    // On the left edge: a check box takes clicks on its box and text only.
    void click(const char *name)
    {
        QAbstractButton *button = child<QAbstractButton>(name);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    }

    std::unique_ptr<DTriggerSettingPage> m_page;
};

void tst_DTriggerSettingPage::initTestCase()
{
    initVorlanResources();
    DDataManager::instance()->loadTheme(0);
}

void tst_DTriggerSettingPage::init()
{
    DDataManager *data = DDataManager::instance();
    data->setKeyboardSensitivity(40);
    data->setAntiShakeValue(3);
    data->setRateOfReturnValue(1);
    m_page = std::make_unique<DTriggerSettingPage>();
    m_page->resize(1096, 251);
    m_page->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_page.get()));
    m_page->loadInitData();
}

void tst_DTriggerSettingPage::cleanup()
{
    m_page.reset();
}

Request tst_DTriggerSettingPage::apply()
{
    QSignalSpy applied(m_page.get(), &DTriggerSettingPage::sigMagnetsKeysApplyConfig);
    click("pushButton_TriggerApply");
    return applied.size() == 1 ? applied.first() : Request();
}

void tst_DTriggerSettingPage::loadPutsTheMarkInTheMiddle_data()
{
    QTest::addColumn<int>("maximumTravel");
    QTest::addColumn<int>("mark");
    QTest::newRow("41 steps") << 40 << 20;
    QTest::newRow("40 steps") << 39 << 20;
}

void tst_DTriggerSettingPage::loadPutsTheMarkInTheMiddle()
{
    QFETCH(int, maximumTravel);
    QFETCH(int, mark);
    DDataManager::instance()->setKeyboardSensitivity(maximumTravel);
    m_page->loadInitData();
    m_page->travelDisplay()->grab();
    QCOMPARE(m_page->travelDisplay()->centerStep(), mark);
    QCOMPARE(apply(), request(0, mark, mark, 5, 5));
    QVERIFY(!child<QCheckBox>("checkBox_QuickTrigger")->isChecked());
    QVERIFY(!child<QCheckBox>("checkBox_SecondarySensitivity")->isVisible());
    QVERIFY(!child<QStackedWidget>("stackedWidget")->isVisible());
    for (const char *label : {"label_Journey3", "label_PressJourneySecond4", "label_ReleaseJourneySecond5"})
        QCOMPARE(child<QLabel>(label)->text(), QString("0.5mm"));
}

void tst_DTriggerSettingPage::applyModes_data()
{
    QTest::addColumn<bool>("quick");
    QTest::addColumn<bool>("secondary");
    QTest::addColumn<Request>("sent");
    // Sliders moved to combined 8, press 8 and release 12 before Apply.
    QTest::newRow("plain") << false << false << request(0, 20, 20, 5, 5);
    QTest::newRow("rapid trigger") << true << false << request(12, 20, 20, 8, 8);
    QTest::newRow("separate distances") << true << true << request(13, 20, 20, 8, 12);
}

void tst_DTriggerSettingPage::applyModes()
{
    QFETCH(bool, quick);
    QFETCH(bool, secondary);
    QFETCH(Request, sent);
    if (quick)
        click("checkBox_QuickTrigger");
    if (secondary) {
        QVERIFY(child<QCheckBox>("checkBox_SecondarySensitivity")->isVisible());
        click("checkBox_SecondarySensitivity");
        QCOMPARE(child<QStackedWidget>("stackedWidget")->currentWidget()->objectName(), QString("page_SecondOpen"));
    }
    if (quick) {
        child<MySlider>("horizontalSlider_PressReleaseJourney")->setValue(8);
        child<MySlider>("horizontalSlider_PressJourney")->setValue(8);
        child<MySlider>("horizontalSlider_ReleaseJourney")->setValue(12);
    }
    m_page->travelDisplay()->grab();
    QCOMPARE(apply(), sent);
}

void tst_DTriggerSettingPage::keyReportsShowTheStoredSettings()
{
    DDataManager *data = DDataManager::instance();
    auto *quick = child<QCheckBox>("checkBox_QuickTrigger");
    auto *secondary = child<QCheckBox>("checkBox_SecondarySensitivity");
    auto *stack = child<QStackedWidget>("stackedWidget");

    emit data->sigQueryDynamicDisplaySensitivityNum_MouseClicked_BackInfo(12, 15, 15, 8, 8);
    QVERIFY(quick->isChecked());
    QCOMPARE(stack->currentWidget()->objectName(), QString("page_SecondClose"));
    QVERIFY(stack->isVisible());
    QCOMPARE(child<MySlider>("horizontalSlider_PressReleaseJourney")->value(), 8);
    QCOMPARE(child<QLabel>("label_Journey3")->text(), QString("0.8mm"));
    m_page->travelDisplay()->grab();
    QCOMPARE(apply(), request(12, 15, 15, 8, 8));

    // Secondary without rapid trigger: the box is hidden but counts.
    emit data->sigQueryDynamicDisplaySensitivityNum_MouseClicked_BackInfo(1, 15, 30, 6, 9);
    QVERIFY(!quick->isChecked());
    QVERIFY(secondary->isChecked());
    QVERIFY(!secondary->isVisible());
    QCOMPARE(apply().value(0).toInt(), 1);

    // A distance beyond the slider's 20 is shown as 20 and sent as reported.
    emit data->sigQueryDynamicDisplaySensitivityNum_MouseClicked_BackInfo(13, 12, 12, 25, 7);
    QCOMPARE(stack->currentWidget()->objectName(), QString("page_SecondOpen"));
    QCOMPARE(child<MySlider>("horizontalSlider_PressJourney")->value(), 20);
    QCOMPARE(child<QLabel>("label_PressJourneySecond4")->text(), QString("2.5mm"));
    QCOMPARE(child<QLabel>("label_ReleaseJourneySecond5")->text(), QString("0.7mm"));
    m_page->travelDisplay()->grab();
    QCOMPARE(apply(), request(13, 12, 12, 25, 7));

    // A press value beyond the maximum travel holds the mark at the last boundary.
    emit data->sigQueryDynamicDisplaySensitivityNum_MouseClicked_BackInfo(0, 60, 60, 5, 5);
    m_page->travelDisplay()->grab();
    QCOMPARE(apply(), request(0, 40, 40, 5, 5));
}

void tst_DTriggerSettingPage::sliderMovedByKeyboardIsApplied()
{
    click("checkBox_QuickTrigger");
    auto *slider = child<MySlider>("horizontalSlider_PressReleaseJourney");
    slider->setFocus();
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(slider, Qt::Key_Right);
    QCOMPARE(slider->value(), 8);
    QCOMPARE(child<QLabel>("label_Journey3")->text(), QString("0.8mm"));
    m_page->travelDisplay()->grab();
    QCOMPARE(apply(), request(12, 20, 20, 8, 8));
}

void tst_DTriggerSettingPage::withoutMaximumTravelNothingIsApplied()
{
    DDataManager::instance()->setKeyboardSensitivity(0);
    m_page->loadInitData();
    m_page->grab();
    click("checkBox_QuickTrigger");
    m_page->grab();
    QTest::ignoreMessage(QtWarningMsg,
                         "Trigger settings not applied: the keyboard has not reported its maximum travel");
    QCOMPARE(apply(), Request());
}

void tst_DTriggerSettingPage::calibrationRequests()
{
    QSignalSpy allKeys(m_page.get(), &DTriggerSettingPage::sigAllKeysCalibrationMode);
    QSignalSpy mode(m_page.get(), &DTriggerSettingPage::sigCalibrationMode);
    QSignalSpy oneKey(m_page.get(), &DTriggerSettingPage::sigKeyCalibrationStartRuning);
    const auto allKeysStates = [&] {
        QList<int> states;
        for (const QVariantList &arguments : allKeys)
            states << arguments.first().toInt();
        return states;
    };

    for (int i = 0; i < 3; ++i)
        click("pushButton_KeyCalibration_AllKeys");
    QCOMPARE(allKeysStates(), QList<int>({1, 0, 1}));
    QCOMPARE(child<QPushButton>("pushButton_KeyCalibration_AllKeys")->text(), QString("Start calibration"));
    m_page->loadInitData();
    click("pushButton_KeyCalibration_AllKeys");
    m_page->clearAllKeysCalibrationToggle();
    click("pushButton_KeyCalibration_AllKeys");
    QCOMPARE(allKeysStates(), QList<int>({1, 0, 1, 1, 1}));

    click("checkBox_CalibrationMode");
    click("checkBox_CalibrationMode");
    click("checkBox_CalibrationMode");
    QCOMPARE(mode.size(), 3);
    QCOMPARE(mode.at(0).first().toInt(), 1);
    QCOMPARE(mode.at(1).first().toInt(), 0);
    DDataManager::instance()->setKeyCalibrationRunning(true);
    m_page->exitCalibrationMode();
    QVERIFY(!child<QCheckBox>("checkBox_CalibrationMode")->isChecked());
    QVERIFY(!DDataManager::instance()->isKeyCalibrationRunning());
    QCOMPARE(mode.size(), 3);

    click("pushButton_KeyCalibration");
    QCOMPARE(oneKey.size(), 1);

    // The live travel follows the keyboard, is cleared by the device page, and is never drawn here.
    emit DDataManager::instance()->sigBackDynamicDisplaySensitivityNum(3, 2, 7);
    QCOMPARE(m_page->dynamicDisplaySensitivityNum(), 7);
    QVERIFY(!m_page->travelDisplay()->isLiveTravelVisible());
    m_page->clearDynamicDisplaySensitivityNum();
    QCOMPARE(m_page->dynamicDisplaySensitivityNum(), 0);
}

void tst_DTriggerSettingPage::reportRateAndAntiShake()
{
    DDataManager *data = DDataManager::instance();
    QCOMPARE(child<QLabel>("label_Rate")->text(), QString("1K"));
    QCOMPARE(child<QLabel>("label_AntiShake")->text(), QString("3"));
    data->setRateOfReturnValue(8);
    m_page->loadInitData();
    QCOMPARE(child<QLabel>("label_Rate")->text(), QString("8K"));
    QCOMPARE(m_page->rateSlider()->handleX(), m_page->rateSlider()->tickPositions().at(3));
    data->setRateOfReturnValue(0);
    m_page->loadInitData();
    QCOMPARE(child<QLabel>("label_Rate")->text(), QString("0K"));
    QCOMPARE(m_page->rateSlider()->handleX(), m_page->rateSlider()->tickPositions().at(0));

    QSignalSpy rate(m_page.get(), &DTriggerSettingPage::sigKeyRateOfReturnCurrentNum);
    QSignalSpy antiShake(m_page.get(), &DTriggerSettingPage::sigKeyAntiShakeCurrentNum);
    emit m_page->rateSlider()->sigBackCurrentPositionNum(2);
    QCOMPARE(child<QLabel>("label_Rate")->text(), QString("4K"));
    emit m_page->rateSlider()->sigBackCurrentPositionNum(7);
    QCOMPARE(child<QLabel>("label_Rate")->text(), QString("0K"));
    emit m_page->antiShakeSlider()->sigBackCurrentPositionNum(5);
    QCOMPARE(child<QLabel>("label_AntiShake")->text(), QString("5"));
    QCOMPARE(rate.size(), 2);
    QCOMPARE(rate.at(0).first().toInt(), 4);
    QCOMPARE(rate.at(1).first().toInt(), 0);
    QCOMPARE(antiShake.size(), 1);
    QCOMPARE(antiShake.first().first().toInt(), 5);
    // The two rows stay hidden.
    QVERIFY(!child<QFrame>("frame_Center")->isVisible());
    QVERIFY(!child<QFrame>("frame_Top")->isVisible());
}

void tst_DTriggerSettingPage::explanationPopUps_data()
{
    QTest::addColumn<QString>("anchor");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("text");
    QTest::newRow("calibration steps") << "toolButton_Explain" << QSize(360, 203) << "label_3"
                                       << "3.Clicked \"Start calibration\";";
    QTest::newRow("quick trigger") << "toolButton_QuickTriggerExplain" << QSize(310, 173) << "label_6"
                                   << "When enabled, the quick trigger will only terminate when you completely "
                                      "release the button.\nWhen disabled, the key is released until the axis "
                                      "triggers the travel and terminates the quick trigger.";
    QTest::newRow("magnetic key") << "toolButton_MagneticKeyExplain" << QSize(310, 130) << "label_7"
                                  << "Set the required press key duration for triggering.";
    QTest::newRow("all keys") << "toolButton_Explain_2" << QSize(360, 173) << "label_8"
                              << "When all keys calibration is enabled, please press all keys to complete the "
                                 "calibration.";
}

void tst_DTriggerSettingPage::explanationPopUps()
{
    QFETCH(QString, anchor);
    QFETCH(QSize, size);
    QFETCH(QString, label);
    QFETCH(QString, text);
    auto *button = child<QToolButton>(qPrintable(anchor));
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(button, &enter);
    ArrowWidget *popup = m_page->explanationPopup();
    QVERIFY(popup);
    QVERIFY(popup->isVisible());
    QCOMPARE(popup->size(), size);
    QCOMPARE(popup->arrowPosition(), 30);
    const int h = button->height();
    QCOMPARE(popup->pos(), button->mapToGlobal(QPoint(button->width() / 2, h)) - QPoint(38, h + size.height() + 2));
    auto *explanation = popup->findChild<DKeyCalibrationExplainDia *>();
    QVERIFY(explanation);
    auto *shown = explanation->findChild<QLabel *>(label);
    QCOMPARE(shown->text(), text);
    QVERIFY(shown->isVisible());
    // Bold grey 10 pt whatever the theme.
    QCOMPARE(shown->font().pointSize(), 10);
    QVERIFY(shown->font().bold());
    QCOMPARE(shown->palette().color(QPalette::WindowText), QColor(204, 204, 204));

    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(button, &leave);
    QVERIFY(!popup->isVisible());
}

void tst_DTriggerSettingPage::popUpIsReplacedAndLeaveWithoutPopUpDoesNothing()
{
    auto *button = child<QToolButton>("toolButton_Explain");
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(button, &leave);
    QVERIFY(!m_page->explanationPopup());

    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(button, &enter);
    QPointer<ArrowWidget> first = m_page->explanationPopup();
    QApplication::sendEvent(button, &leave);
    QApplication::sendEvent(button, &enter);
    QVERIFY(m_page->explanationPopup() != first.data());
    QVERIFY(m_page->explanationPopup()->isVisible());
    QTRY_VERIFY(first.isNull());

    // The page takes its last pop-up with it.
    QPointer<ArrowWidget> last = m_page->explanationPopup();
    m_page.reset();
    QVERIFY(last.isNull());
}

void tst_DTriggerSettingPage::themeKeepsSheetTextsAndOpaqueDisplayColours()
{
    DDataManager *data = DDataManager::instance();
    data->setBgImageUsing(true);
    data->loadTheme(0);
    const ThemeColorInfo theme = data->getThemeInfo();
    data->setBgImageUsing(false);
    QCOMPARE(theme.DeviceRightBgColor.count(','), 3);

    m_page->applyTheme();
    QVERIFY(child<QPushButton>("pushButton_TriggerApply")
                ->styleSheet()
                .contains(QString("background-color: rgb(%1)").arg(theme.DeviceRightBgColor)));
    QVERIFY(child<QFrame>("frame_004")->styleSheet().contains(QString("rgb(%1)").arg(theme.DeviceBorderColor)));
    QCOMPARE(child<QLabel>("label_Journey3")->styleSheet(),
             QString("QLabel{ color: rgb(%1); }").arg(theme.TextDefaultColor));
    // The display's bar background is the page colour without its alpha.
    const QStringList rgb = theme.DeviceRightBgColor.split(',');
    const QColor opaque(rgb[0].toInt(), rgb[1].toInt(), rgb[2].toInt());
    DSensitivityShowWidget *display = m_page->travelDisplay();
    QCOMPARE(display->grab().toImage().pixelColor(display->width() / 2 - 17, 2), opaque);

    // Two runs within 200 ms: the scroll sheet that reaches frame_3 is the later one.
    data->loadTheme(1);
    const ThemeColorInfo light = data->getThemeInfo();
    m_page->applyTheme();
    QTRY_VERIFY(child<QFrame>("frame_3")->styleSheet().contains(QString("rgba(%1)").arg(light.AllScrollBarColorDef)));
    data->loadTheme(0);
}

void tst_DTriggerSettingPage::explanationAreaShowsThePanelBeneath()
{
    // On the device page's panel, the explanation area below its text shows the panel, not black.
    const QColor panel(40, 90, 60);
    QWidget host;
    makeColouredBackdrop(host, panel, QSize(1096, 251));
    auto *page = new DTriggerSettingPage(&host);
    page->resize(host.size());
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    page->loadInitData();
    page->applyTheme();

    const QWidget *viewport = page->findChild<QScrollArea *>("scrollArea")->viewport();
    const QPoint probe = viewport->mapTo(&host, QPoint(viewport->width() - 12, viewport->height() - 6));
    QTRY_COMPARE(host.grab().toImage().pixelColor(probe), panel);
}

QTEST_MAIN(tst_DTriggerSettingPage)
#include "tst_DTriggerSettingPage.moc"
