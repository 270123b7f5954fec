#include "ui/mainwidget/devicePage/magnetic/DTriggerSettingPage.h"

#include "app/DDataManager.h"
#include "ui/mainwidget/devicePage/magnetic/DKeyCalibrationExplainDia.h"
#include "ui/mainwidget/devicePage/magnetic/DSensitivityShowWidget.h"
#include "ui/mainwidget/devicePage/magnetic/TravelScale.h"
#include "ui_DTriggerSettingPage.h"
#include "widgets/ArrowWidget.h"
#include "widgets/ThemeColorText.h"
#include "widgets/sliderCustomWidget.h"

#include <QDebug>
#include <QEvent>
#include <QPainter>
#include <QTimer>

namespace {

const QString kHalfMillimetre = QStringLiteral("0.5mm");

QString rateText(int rate)
{
    return QString::number(rate) + QLatin1Char('K');
}

} // namespace

DTriggerSettingPage::DTriggerSettingPage(QWidget *parent)
    : QWidget(parent)
    , m_ui(new Ui_DTriggerSettingPage)
    , m_showWidget(nullptr)
    , m_antiShakeSlider(nullptr)
    , m_rateSlider(nullptr)
{
    m_ui->setupUi(this);
    setOwnTexts();
    for (QWidget *hidden :
         {static_cast<QWidget *>(m_ui->frame_Top), static_cast<QWidget *>(m_ui->toolButton_QuickTriggerExplain),
          static_cast<QWidget *>(m_ui->pushButton_ResetSensitivity), static_cast<QWidget *>(m_ui->frame_Center),
          static_cast<QWidget *>(m_ui->frame_CCC)})
        hidden->hide();

    DDataManager *data = DDataManager::instance();
    connect(data, &DDataManager::sigBackDynamicDisplaySensitivityNum, this,
            &DTriggerSettingPage::onBackDynamicDisplaySensitivityNum);
    connect(data, &DDataManager::sigQueryDynamicDisplaySensitivityNum_MouseClicked_BackInfo, this,
            &DTriggerSettingPage::onQueryDynamicDisplaySensitivityNum_BackInfo);

    m_showWidget = new DSensitivityShowWidget(m_ui->widget_SensitivityShow);
    m_ui->widget_SensitivityShow->layout()->addWidget(m_showWidget);
    connect(m_showWidget, &DSensitivityShowWidget::sigCurrentStrengthNumBack, this,
            &DTriggerSettingPage::onCurrentStrengthNumBack);

    m_antiShakeSlider = new sliderCustomWidget(m_ui->frame_SliderNum);
    m_ui->frame_SliderNum->layout()->addWidget(m_antiShakeSlider);
    connect(m_antiShakeSlider, &sliderCustomWidget::sigBackCurrentPositionNum, this,
            &DTriggerSettingPage::onBackCurrentPositionNum_Speed);
    setUpStepSlider(m_antiShakeSlider, 7);
    m_rateSlider = new sliderCustomWidget(m_ui->frame_SliderRateNum);
    m_ui->frame_SliderRateNum->layout()->addWidget(m_rateSlider);
    connect(m_rateSlider, &sliderCustomWidget::sigBackCurrentPositionNum, this,
            &DTriggerSettingPage::onBackCurrentPositionNum_RateOfReturn);
    setUpStepSlider(m_rateSlider, 3);

    const struct
    {
        MySlider *slider;
        QLabel *label;
        void (DTriggerSettingPage::*valueSlot)(int);
        void (DTriggerSettingPage::*releasedSlot)();
    } travelSliders[] = {
        {m_ui->horizontalSlider_PressReleaseJourney, m_ui->label_Journey3,
         &DTriggerSettingPage::onSliderPressReleaseJourneyValue,
         &DTriggerSettingPage::onSliderPressReleaseJourneyReleased},
        {m_ui->horizontalSlider_PressJourney, m_ui->label_PressJourneySecond4,
         &DTriggerSettingPage::onSliderPressJourneyValue, &DTriggerSettingPage::onSliderPressJourneyReleased},
        {m_ui->horizontalSlider_ReleaseJourney, m_ui->label_ReleaseJourneySecond5,
         &DTriggerSettingPage::onSliderReleaseJourneyValue, &DTriggerSettingPage::onSliderReleaseJourneyReleased},
    };
    for (const auto &travel : travelSliders) {
        travel.slider->setMaximum(20);
        travel.slider->setMinimum(1);
        travel.slider->setValue(5);
        travel.slider->setHandleMargins(10, 5);
        connect(travel.slider, &QSlider::valueChanged, this, travel.valueSlot);
        connect(travel.slider, &QSlider::sliderReleased, this, travel.releasedSlot);
        travel.label->setText(kHalfMillimetre);
    }

    m_ui->stackedWidget->setCurrentWidget(m_ui->page_SecondClose);
    for (QWidget *anchor : {m_ui->toolButton_Explain, m_ui->toolButton_QuickTriggerExplain,
                            m_ui->toolButton_MagneticKeyExplain, m_ui->toolButton_Explain_2})
        anchor->installEventFilter(this);
    m_ui->toolButton_LeftIco->hide();
    m_ui->toolButton_RightIco->hide();
    m_ui->checkBox_IntensityTracking->hide();
}

DTriggerSettingPage::~DTriggerSettingPage()
{
    delete m_popup.data();
    delete m_ui;
}

void DTriggerSettingPage::setOwnTexts()
{
    const QString press = QObject::tr("Press") + "(" + QObject::tr("Trigger") + ")";
    const QString release = QObject::tr("Release") + "(" + QObject::tr("Reset") + ")";
    m_ui->pushButton_TriggerApply->setText(QObject::tr("Apply"));
    m_ui->checkBox_IntensityTracking->setText(QObject::tr("Journey tracking"));
    m_ui->checkBox_SecondarySensitivity->setText(QObject::tr("Sensitivity of pressing and releasing"));
    m_ui->checkBox_QuickTrigger->setText(QObject::tr("Quick trigger"));
    m_ui->pushButton_ResetSensitivity->setText(QObject::tr("Reset sensitivity"));
    m_ui->label->setText(QObject::tr("Key anti shake"));
    m_ui->label_2->setText(QObject::tr("Rate return"));
    m_ui->checkBox_CalibrationMode->setText(QObject::tr("Key calibration mode"));
    m_ui->pushButton_KeyCalibration->setText(QObject::tr("Start calibration"));
    m_ui->pushButton_KeyCalibration_AllKeys->setText(QObject::tr("Start calibration"));
    m_ui->label_4->setText(press);
    m_ui->label_5->setText(release);
    m_ui->label_3->setText(press + "/" + release);
    m_ui->label_QuickExplain->setText(QObject::tr("Customize and adjust your trigger stroke and reset stroke based on "
                                                  "your intention to press or release the button."));
    m_ui->label_SecondExplain->setText(QObject::tr("You can separately set the stroke values for quick trigger "
                                                   "pressing (triggering) and releasing (resetting)."));
    m_ui->label_6->setText(QObject::tr("All keys calibration"));
}

void DTriggerSettingPage::setUpStepSlider(sliderCustomWidget *slider, int steps)
{
    slider->setSliderSize(220, 35);
    slider->setMargin(6);
    slider->setStepCount(steps);
    slider->setCurrentPosition(0);
}

void DTriggerSettingPage::retranslate()
{
    m_ui->retranslateUi(this);
    setOwnTexts();
    DDataManager *data = DDataManager::instance();
    m_ui->label_AntiShake->setText(QString::number(data->getAntiShakeValue()));
    m_ui->label_Rate->setText(rateText(data->getRateOfReturnValue()));
}

void DTriggerSettingPage::loadInitData()
{
    DDataManager *data = DDataManager::instance();
    const int n = data->getKeyboardSensitivity() + 1;
    m_showWidget->setDrawArea(m_ui->widget_SensitivityShow->width(), m_ui->widget_SensitivityShow->height());
    m_showWidget->setStepCount(n);
    m_showWidget->setBarWidth(38);

    const int antiShake = data->getAntiShakeValue();
    const int rate = data->getRateOfReturnValue();
    m_antiShakeSlider->setCurrentPosition(antiShake);
    m_rateSlider->setCurrentPosition(TriggerRules::positionForReportRate(rate));
    m_ui->label_AntiShake->setText(QString::number(antiShake));
    m_ui->label_Rate->setText(rateText(rate));

    const int half = n / 2;
    m_ui->checkBox_IntensityTracking->setChecked(true);
    m_ui->checkBox_SecondarySensitivity->setChecked(false);
    m_showWidget->setCenterMark(half);
    m_showWidget->setLiveTravelVisible(false);
    m_values.centerMark = half;
    m_values.leftMark = half - 1;
    m_values.rightMark = half;

    setRapidTriggerRowsVisible(false);
    m_ui->stackedWidget->setCurrentWidget(m_ui->page_SecondClose);
    resetTravelSliders();

    const ThemeColorInfo theme = data->getThemeInfo();
    const QColor scrollBg = opaqueThemeColor(theme.AllScrollBgColor);
    const QColor accent = opaqueThemeColor(theme.AllThemeColor);
    const QColor pageBg = opaqueThemeColor(theme.DeviceRightBgColor);
    m_showWidget->setColors(scrollBg, accent, pageBg, accent, pageBg);
    const QColor handle = opaqueThemeColor(theme.DeviceSliderEllipseColor);
    const QColor groove = opaqueThemeColor(theme.DeviceSliderHorizontalVerticalColor);
    for (sliderCustomWidget *slider : {m_antiShakeSlider, m_rateSlider}) {
        slider->setHandleColor(handle);
        slider->setGrooveColor(groove);
        slider->setTickColor(groove);
    }

    m_ui->checkBox_QuickTrigger->setChecked(false);
    m_allKeysCalibrating = false;
}

void DTriggerSettingPage::resetTravelSliders()
{
    for (QLabel *label : {m_ui->label_Journey3, m_ui->label_PressJourneySecond4, m_ui->label_ReleaseJourneySecond5})
        label->setText(kHalfMillimetre);
    for (MySlider *slider : {m_ui->horizontalSlider_PressReleaseJourney, m_ui->horizontalSlider_PressJourney,
                             m_ui->horizontalSlider_ReleaseJourney})
        slider->setValue(5);
    m_values.quickTriggerStep = 5;
    m_values.quickTriggerPressStep = 5;
    m_values.quickTriggerReleaseStep = 5;
}

void DTriggerSettingPage::setRapidTriggerRowsVisible(bool visible)
{
    m_ui->checkBox_SecondarySensitivity->setVisible(visible);
    m_ui->frame_SecondExplain->setVisible(visible);
    m_ui->stackedWidget->setVisible(visible);
}

void DTriggerSettingPage::clearDynamicDisplaySensitivityNum()
{
    m_showWidget->setLiveTravel(0);
}

ArrowWidget *DTriggerSettingPage::explanationPopup() const
{
    return m_popup.data();
}

int DTriggerSettingPage::dynamicDisplaySensitivityNum() const
{
    return m_showWidget->liveTravel();
}

void DTriggerSettingPage::exitCalibrationMode()
{
    DDataManager::instance()->setKeyCalibrationRunning(false);
    m_ui->checkBox_CalibrationMode->setChecked(false);
}

void DTriggerSettingPage::onBackDynamicDisplaySensitivityNum(int indexX, int indexY, int sensitivityNum)
{
    Q_UNUSED(indexX);
    Q_UNUSED(indexY);
    m_showWidget->setLiveTravel(sensitivityNum);
}

void DTriggerSettingPage::onQueryDynamicDisplaySensitivityNum_BackInfo(int type, int pressNum, int releaseNum,
                                                                       int QuickTriggerPressNum,
                                                                       int QuickTriggerReleaseNum)
{
    const bool secondary = type == 1 || type == 13;
    m_ui->checkBox_SecondarySensitivity->setChecked(secondary);
    m_ui->stackedWidget->setCurrentWidget(secondary ? m_ui->page_SecondOpen : m_ui->page_SecondClose);
    if (type == 12 || type == 13) {
        setRapidTriggerRowsVisible(true);
        m_ui->checkBox_QuickTrigger->setChecked(true);
        if (type == 12) {
            m_ui->stackedWidget->setCurrentWidget(m_ui->page_SecondClose);
            m_ui->horizontalSlider_PressReleaseJourney->setValue(QuickTriggerPressNum);
            m_ui->label_Journey3->setText(TravelScale::millimetres(QuickTriggerPressNum));
        } else {
            m_ui->stackedWidget->setCurrentWidget(m_ui->page_SecondOpen);
            m_ui->horizontalSlider_PressJourney->setValue(QuickTriggerPressNum);
            m_ui->horizontalSlider_ReleaseJourney->setValue(QuickTriggerReleaseNum);
            m_ui->label_PressJourneySecond4->setText(TravelScale::millimetres(QuickTriggerPressNum));
            m_ui->label_ReleaseJourneySecond5->setText(TravelScale::millimetres(QuickTriggerReleaseNum));
        }
    } else {
        setRapidTriggerRowsVisible(false);
        m_ui->checkBox_QuickTrigger->setChecked(false);
    }
    m_showWidget->setCenterMark(pressNum);
    // Set after the sliders: a slider stops at 20, the keyboard's value is kept for Apply.
    m_values.centerMark = pressNum;
    m_values.leftMark = pressNum;
    m_values.rightMark = releaseNum;
    m_values.quickTriggerStep = QuickTriggerPressNum;
    m_values.quickTriggerPressStep = QuickTriggerPressNum;
    m_values.quickTriggerReleaseStep = QuickTriggerReleaseNum;
    m_showWidget->update();
}

void DTriggerSettingPage::onCurrentStrengthNumBack(int whereData, int StrengthNum)
{
    if (whereData != 0 && whereData != 1 && whereData != 2)
        qDebug() << "------------------------ [ ERROR ] ----------------------------";
    m_values.centerMark = StrengthNum;
    m_values.leftMark = StrengthNum;
    m_values.rightMark = StrengthNum;
}

void DTriggerSettingPage::on_checkBox_QuickTrigger_clicked()
{
    const int half = (DDataManager::instance()->getKeyboardSensitivity() + 1) / 2;
    resetTravelSliders();
    const bool quick = m_ui->checkBox_QuickTrigger->isChecked();
    setRapidTriggerRowsVisible(quick);
    m_ui->checkBox_SecondarySensitivity->setChecked(false);
    m_ui->stackedWidget->setCurrentWidget(m_ui->page_SecondClose);
    m_showWidget->setCenterMark(half);
    m_values.centerMark = half;
    m_values.leftMark = quick ? half : half - 1;
    m_values.rightMark = quick ? half - 1 : half;
    m_showWidget->update();
}

void DTriggerSettingPage::on_checkBox_SecondarySensitivity_clicked()
{
    resetTravelSliders();
    m_ui->stackedWidget->setCurrentWidget(m_ui->checkBox_SecondarySensitivity->isChecked() ? m_ui->page_SecondOpen
                                                                                           : m_ui->page_SecondClose);
}

void DTriggerSettingPage::on_checkBox_IntensityTracking_clicked() {}

void DTriggerSettingPage::on_pushButton_TriggerApply_clicked()
{
    // Without the keyboard's maximum travel there is no mark, so nothing to apply.
    if (DDataManager::instance()->getKeyboardSensitivity() < 1) {
        qWarning().noquote() << "Trigger settings not applied: the keyboard has not reported its maximum travel";
        return;
    }
    const TriggerRules::ApplyRequest request = TriggerRules::applyRequest(
        m_ui->checkBox_QuickTrigger->isChecked(), m_ui->checkBox_SecondarySensitivity->isChecked(), m_values);
    emit sigMagnetsKeysApplyConfig(request.selMode, request.strengthNum_L, request.strengthNum_R,
                                   request.strengthNum_QuickTrigger_L, request.strengthNum_QuickTrigger_R);
}

void DTriggerSettingPage::on_pushButton_ResetSensitivity_clicked()
{
    emit sigMagnetsKeyboardDefaultSensitivity();
}

// A slider moved without its handle (keyboard arrows) must still count at Apply, so the value is
// stored on every change as well as at the release.
void DTriggerSettingPage::onSliderPressReleaseJourneyValue(int Value)
{
    m_ui->label_Journey3->setText(TravelScale::millimetres(Value));
    m_values.quickTriggerStep = Value;
}

void DTriggerSettingPage::onSliderPressJourneyValue(int Value)
{
    m_ui->label_PressJourneySecond4->setText(TravelScale::millimetres(Value));
    m_values.quickTriggerPressStep = Value;
}

void DTriggerSettingPage::onSliderReleaseJourneyValue(int Value)
{
    m_ui->label_ReleaseJourneySecond5->setText(TravelScale::millimetres(Value));
    m_values.quickTriggerReleaseStep = Value;
}

void DTriggerSettingPage::onSliderPressReleaseJourneyReleased()
{
    m_values.quickTriggerStep = m_ui->horizontalSlider_PressReleaseJourney->value();
}

void DTriggerSettingPage::onSliderPressJourneyReleased()
{
    m_values.quickTriggerPressStep = m_ui->horizontalSlider_PressJourney->value();
}

void DTriggerSettingPage::onSliderReleaseJourneyReleased()
{
    m_values.quickTriggerReleaseStep = m_ui->horizontalSlider_ReleaseJourney->value();
}

void DTriggerSettingPage::on_checkBox_CalibrationMode_clicked()
{
    emit sigCalibrationMode(m_ui->checkBox_CalibrationMode->isChecked() ? 1 : 0);
}

void DTriggerSettingPage::on_pushButton_KeyCalibration_clicked()
{
    emit sigKeyCalibrationStartRuning();
}

void DTriggerSettingPage::on_pushButton_KeyCalibration_AllKeys_clicked()
{
    m_allKeysCalibrating = !m_allKeysCalibrating;
    emit sigAllKeysCalibrationMode(m_allKeysCalibrating ? 1 : 0);
}

void DTriggerSettingPage::onBackCurrentPositionNum_Speed(int KeyAntiShakeNum)
{
    m_ui->label_AntiShake->setText(QString::number(KeyAntiShakeNum));
    emit sigKeyAntiShakeCurrentNum(KeyAntiShakeNum);
}

void DTriggerSettingPage::onBackCurrentPositionNum_RateOfReturn(int rateOfReturnNum)
{
    const int rate = TriggerRules::reportRateForPosition(rateOfReturnNum);
    m_ui->label_Rate->setText(rateText(rate));
    emit sigKeyRateOfReturnCurrentNum(rate);
}

bool DTriggerSettingPage::eventFilter(QObject *obj, QEvent *event)
{
    const struct
    {
        QObject *anchor;
        void (DTriggerSettingPage::*show)();
    } anchors[] = {
        {m_ui->toolButton_Explain, &DTriggerSettingPage::onExplainShow},
        {m_ui->toolButton_QuickTriggerExplain, &DTriggerSettingPage::theExplainQuickTriggerShow},
        {m_ui->toolButton_MagneticKeyExplain, &DTriggerSettingPage::theExplainMagneticKeyShow},
        {m_ui->toolButton_Explain_2, &DTriggerSettingPage::onExplainShow_2},
    };
    for (const auto &entry : anchors) {
        if (obj != entry.anchor)
            continue;
        if (event->type() == QEvent::Enter)
            (this->*entry.show)();
        else if (event->type() == QEvent::Leave && m_popup)
            m_popup->hide();
        break;
    }
    return QWidget::eventFilter(obj, event);
}

void DTriggerSettingPage::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
}

void DTriggerSettingPage::onExplainShow()
{
    showExplanation(0, m_ui->toolButton_Explain, 360, 203);
}

void DTriggerSettingPage::theExplainQuickTriggerShow()
{
    showExplanation(1, m_ui->toolButton_QuickTriggerExplain, 310, 173);
}

void DTriggerSettingPage::theExplainMagneticKeyShow()
{
    showExplanation(2, m_ui->toolButton_MagneticKeyExplain, 310, 130);
}

void DTriggerSettingPage::onExplainShow_2()
{
    showExplanation(3, m_ui->toolButton_Explain_2, 360, 173);
}

void DTriggerSettingPage::showExplanation(int type, QWidget *anchor, int width, int height)
{
    auto *explanation = new DKeyCalibrationExplainDia(type, this);
    explanation->setWindowOpacity(1.0);
    // One pop-up at a time: the one it replaces goes, or every hover would leave a window behind.
    if (m_popup) {
        m_popup->hide();
        m_popup->deleteLater();
    }
    auto *popup = new ArrowWidget(ArrowWidget::ArrowBottom, nullptr);
    m_popup = popup;
    popup->setWidgetSize(width, height);
    popup->setArrowPosition(30);
    popup->setCenterWidget(explanation);
    const int h = anchor->height();
    popup->move(anchor->mapToGlobal(QPoint(anchor->width() / 2, h)) - QPoint(38, h + height + 2));
    popup->show();
}

void DTriggerSettingPage::applyTheme()
{
    DDataManager *data = DDataManager::instance();
    QFont font = data->getFont(1);
    const ThemeColorInfo theme = data->getThemeInfo();

    const QColor scrollBg = opaqueThemeColor(theme.AllScrollBgColor);
    const QColor accent = opaqueThemeColor(theme.AllThemeColor);
    const QColor pageBg = opaqueThemeColor(theme.DeviceRightBgColor);
    m_showWidget->setColors(scrollBg, accent, pageBg, accent, pageBg);
    const QColor handle = opaqueThemeColor(theme.DeviceSliderEllipseColor);
    for (sliderCustomWidget *slider : {m_antiShakeSlider, m_rateSlider})
        slider->setHandleColor(handle);
    const QColor groove = opaqueThemeColor(theme.DeviceSliderHorizontalVerticalColor);
    for (sliderCustomWidget *slider : {m_antiShakeSlider, m_rateSlider}) {
        slider->setGrooveColor(groove);
        slider->setTickColor(groove);
    }

    m_ui->frame_004->setStyleSheet(
        QString("QFrame#frame_AAA{border: 3px solid rgb(%1); border-radius:8px;}").arg(theme.DeviceBorderColor));

    const QString labelSheet = QString("QLabel{ color: rgb(%1); }").arg(theme.TextDefaultColor);
    font.setPointSize(10);
    for (QLabel *label :
         {m_ui->label, m_ui->label_2, m_ui->label_3, m_ui->label_4, m_ui->label_5, m_ui->label_QuickExplain,
          m_ui->label_SecondExplain, m_ui->label_6, m_ui->label_AntiShake, m_ui->label_Rate, m_ui->label_Journey3,
          m_ui->label_PressJourneySecond4, m_ui->label_ReleaseJourneySecond5}) {
        label->setStyleSheet(labelSheet);
        label->setFont(font);
    }

    const QString checkBoxSheet =
        QString("QCheckBox,QCheckBox:unchecked{color: rgb(%1); font: 75 10pt \"%3\";}"
                "QCheckBox:checked{color: rgb(%2); font: 75 10pt \"%3\";}"
                "QCheckBox::indicator{width: 13px; height: 13px;}"
                "QCheckBox::indicator:unchecked{image: url(:/images/publicIco/checkBoxDef.png);}"
                "QCheckBox::indicator:checked{image: url(:/images/publicIco/checkBoxSel.png);}")
            .arg(theme.TextDefaultColor, theme.TextCheckedColor, theme.TextFont);
    m_ui->frame_Bottom->setStyleSheet(checkBoxSheet);
    m_ui->frame_4->setStyleSheet(checkBoxSheet);

    const QString buttonSheet =
        QString("QPushButton{border-radius: 8px; border: 2px solid rgb(%1); background-color: rgb(%2); color: rgb(%3);}"
                "QPushButton:hover{background-color: rgb(%4); border: 2px solid rgb(%6); border-radius: 8px;}"
                "QPushButton:pressed{color: rgb(%6); background-color: rgb(%5); border: 2px solid rgb(%6);"
                " border-radius: 8px;}")
            .arg(theme.DeviceBorderColor, theme.DeviceRightBgColor, theme.TextDefaultColor, theme.DeviceRightBgColor,
                 theme.DeviceRightBgColor, theme.TextCheckedColor);
    font.setPointSize(11);
    for (QPushButton *button : {m_ui->pushButton_TriggerApply, m_ui->pushButton_ResetSensitivity,
                                m_ui->pushButton_KeyCalibration, m_ui->pushButton_KeyCalibration_AllKeys}) {
        button->setStyleSheet(buttonSheet);
        button->setFont(font);
    }

    const QString sliderSheet =
        QString("QSlider::groove:horizontal{height: 6px; left: 0px; right: 0px; border:0px; border-radius:3px;"
                " background:rgba(%2);}"
                "QSlider::handle:horizontal{width: 16px; height: 16px; margin-top: -5px; margin-left: 0px;"
                " margin-bottom: -5px; margin-right: 0px; border-image: url(:/images/DKS/slider.png);}"
                "QSlider::sub-page:horizontal{border-radius:3px; background:rgba(%1);}")
            .arg(QStringLiteral("165,165,175"), theme.DeviceBorderColor);
    for (MySlider *slider : {m_ui->horizontalSlider_PressReleaseJourney, m_ui->horizontalSlider_PressJourney,
                             m_ui->horizontalSlider_ReleaseJourney})
        slider->setStyleSheet(sliderSheet);

    // The explanation area shows the page beneath it (a fill of "rgb(0,0,0,1)" is opaque black).
    m_ui->scrollArea->setStyleSheet(QStringLiteral("QScrollArea#scrollArea{ background-color: transparent; }"));
    m_ui->scrollAreaWidgetContents->setStyleSheet(
        QStringLiteral("QWidget#scrollAreaWidgetContents{ background-color: transparent; }"));

    m_scrollSheet =
        QString("QScrollBar:vertical{background:transparent; width:4px; margin: 3px 0px 3px 0px;}"
                "QScrollBar::handle:vertical{background:rgba(%2); min-height: 20px; border-radius: 2px;}"
                "QScrollBar::handle:vertical:hover{background:rgba(%3);}"
                "QScrollBar::add-line:vertical{height: 0px; subcontrol-position: bottom; subcontrol-origin: margin;}"
                "QScrollBar::sub-line:vertical{height: 0px; subcontrol-position: top; subcontrol-origin: margin;}"
                "QScrollBar::add-page:vertical,QScrollBar::sub-page:vertical{background:rgb(%1); border-radius:3px;}")
            .arg(theme.AllScrollBgColor, theme.AllScrollBarColorDef, theme.AllScrollBarColorHover);
    QTimer::singleShot(200, this, &DTriggerSettingPage::onScrollSheetSet);
}

void DTriggerSettingPage::onScrollSheetSet()
{
    m_ui->frame_3->setStyleSheet(m_scrollSheet);
}
