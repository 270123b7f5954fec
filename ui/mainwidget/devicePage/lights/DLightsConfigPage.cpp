// Construction, the device page's calls, the area switch and the hover tips of the lighting tab.
#include "ui/mainwidget/devicePage/lights/DLightsConfigPage.h"

#include "app/DDataManager.h"
#include "sdk/store/VorlanXml.h"
#include "widgets/ArrowWidget.h"
#include "widgets/DToolTipExplain.h"
#include "widgets/SVColorArea.h"
#include "widgets/ThemeColorText.h"
#include "widgets/keyboardButCustom.h"
#include "widgets/sliderCustomWidget.h"

#include "ui_DLightsConfigPage.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QDateTime>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QThread>
#include <QTimer>
#include <QtDebug>

#include <cstring>

namespace {

constexpr int kToggleTipId = 900;
constexpr int kCustomButtonId = 17;
constexpr int kSliderWidth = 140;
constexpr int kSliderHeight = 40;
constexpr int kSliderMargin = 6;
constexpr int kSliderSteps = 5;

} // namespace

DLightsConfigPage::DLightsConfigPage(QWidget *parent)
    : QWidget(parent)
    , m_ui(new Ui::DLightsConfigPage)
    , m_clock(&QDateTime::currentMSecsSinceEpoch)
    , m_sleeper([](int milliseconds) { QThread::msleep(static_cast<unsigned long>(milliseconds)); })
{
    m_ui->setupUi(this);
    applyPresetSwatches();
    setReportQueue(nullptr);
    applyTexts();

    m_ui->pushButton_CW->hide();
    m_ui->pushButton_UnCW->hide();
    m_ui->horizontalLayout_12->setSpacing(8);

    m_colorArea = new SVColorArea(m_ui->frame_Color);
    m_ui->frame_Color->layout()->addWidget(m_colorArea);
    connect(m_colorArea, &SVColorArea::sigGetRGB, this, &DLightsConfigPage::onGetRGB);
    connect(m_colorArea, &SVColorArea::sigMoveingStatus, this, &DLightsConfigPage::onMoveingStatus);
    connect(m_colorArea, &SVColorArea::sigMouseIsPress, this, &DLightsConfigPage::onSVColorAreaMouseIsPress);

    setupSliders();
    setupButtonGroups();
    QTimer::singleShot(500, this, &DLightsConfigPage::onInstallEventFilterOpen);
}

DLightsConfigPage::~DLightsConfigPage()
{
    delete m_ui;
}

void DLightsConfigPage::setupSliders()
{
    const ThemeColorInfo theme = DDataManager::instance()->getThemeInfo();
    const auto make = [&](QFrame *frame, void (DLightsConfigPage::*slot)(int), int position) {
        auto *slider = new sliderCustomWidget(frame);
        frame->layout()->addWidget(slider);
        connect(slider, &sliderCustomWidget::sigBackCurrentPositionNum, this, slot);
        slider->setSliderSize(kSliderWidth, kSliderHeight);
        slider->setMargin(kSliderMargin);
        slider->setStepCount(kSliderSteps);
        slider->setCurrentPosition(position);
        slider->setHandleColor(opaqueThemeColor(theme.DeviceSliderEllipseColor));
        slider->setGrooveColor(opaqueThemeColor(theme.DeviceSliderHorizontalVerticalColor));
        slider->setTickColor(opaqueThemeColor(theme.DeviceSliderHorizontalVerticalColor));
        return slider;
    };
    m_brightnessSlider = make(m_ui->frame_SliderBrightness, &DLightsConfigPage::onBackCurrentPositionNum_Brightness, 2);
    m_speedSlider = make(m_ui->frame_SliderSpeed, &DLightsConfigPage::onBackCurrentPositionNum_Speed, 3);
}

QButtonGroup *DLightsConfigPage::buttonGroup(const LightButtonInfo *buttons, int count)
{
    auto *group = new QButtonGroup(this);
    group->setExclusive(true);
    for (int i = 0; i < count; ++i)
        group->addButton(findChild<QAbstractButton *>(buttons[i].buttonName), buttons[i].buttonId);
    return group;
}

void DLightsConfigPage::setupButtonGroups()
{
    m_keyboardModeGroup = buttonGroup(LightTypes::keyboardButtons(), LightTypes::keyboardButtonCount);
    m_sideModeGroup = buttonGroup(LightTypes::sideButtons(), LightTypes::sideButtonCount);
    m_directionGroup = buttonGroup(LightTypes::directionButtons(), LightTypes::directionCount);
    m_colorGroup = new QButtonGroup(this);
    m_colorGroup->setExclusive(true);
    m_colorGroup->addButton(m_ui->pushButton_TopColor, 0);
    m_colorGroup->addButton(m_ui->pushButton_BottomColor, 1);

    connect(m_keyboardModeGroup, &QButtonGroup::idClicked, this, &DLightsConfigPage::onCurIndexChanged_KB_LightMode);
    connect(m_sideModeGroup, &QButtonGroup::idClicked, this, &DLightsConfigPage::onCurIndexChanged_Side_LightMode);
    connect(m_directionGroup, &QButtonGroup::idClicked, this, &DLightsConfigPage::onCurIndexChanged_LedDirection);
    connect(m_colorGroup, &QButtonGroup::idClicked, this, &DLightsConfigPage::onCurIndexChanged_LightTopOrBottomColor);

    m_ui->toolButton_Static->setChecked(true);
    m_ui->toolButton_SideStatic->setChecked(true);
    m_ui->pushButton_TopColor->setChecked(true);
    m_ui->pushButton_Left->setChecked(true);
}

void DLightsConfigPage::applyTexts()
{
    m_ui->label_LightMode->setText(QObject::tr("Static"));
    m_ui->label->setText(QObject::tr("Type:"));
    m_ui->label_24->setText(QObject::tr("Brightness:"));
    m_ui->label_25->setText(QObject::tr("Speed:"));
    m_ui->label_26->setText(QObject::tr("Direction:"));
    m_ui->label_2->setText(QObject::tr("Full color"));
    m_ui->label_3->setText(QObject::tr("Top color"));
    m_ui->label_4->setText(QObject::tr("Bottom color"));
    m_ui->label_23->setText(QObject::tr("Custom light"));
}

void DLightsConfigPage::setProfileXmlPath(const char *path)
{
    const char *source = path ? path : "";
    const size_t length = strnlen(source, sizeof m_profileXmlPath);
    // A cut path would name another file: the tab then holds none.
    if (length >= sizeof m_profileXmlPath) {
        qDebug().noquote() << QStringLiteral("Lighting profile path refused, longer than %1 bytes: %2")
                                  .arg(sizeof m_profileXmlPath - 1)
                                  .arg(QString::fromLocal8Bit(source));
        std::memset(m_profileXmlPath, 0, sizeof m_profileXmlPath);
        return;
    }
    std::memcpy(m_profileXmlPath, source, length);
    std::memset(m_profileXmlPath + length, 0, sizeof m_profileXmlPath - length);
}

void DLightsConfigPage::setLightModeSupport(LightModeSupport keyboard, LightModeSupport side)
{
    m_keyboardSupport = keyboard;
    m_sideSupport = side;
    // Musical Rhythm and Custom are always offered; DPI never.
    for (QAbstractButton *button : m_keyboardModeGroup->buttons()) {
        const int id = m_keyboardModeGroup->id(button);
        button->setVisible(id == 16 || id == kCustomButtonId);
    }
    for (int mode : keyboard.modes) {
        if (QAbstractButton *button = m_keyboardModeGroup->button(LightTypes::keyboardButtonOfMode(mode)))
            button->show();
    }
    for (QAbstractButton *button : m_sideModeGroup->buttons())
        button->hide();
    m_ui->frame_B->setVisible(!side.modes.isEmpty());
    for (int mode : side.modes) {
        if (QAbstractButton *button = m_sideModeGroup->button(LightTypes::sideButtonOfMode(mode)))
            button->show();
    }
}

void DLightsConfigPage::setSliderSteps(const LightModeSupport &support)
{
    // The slider keeps its steps for a count of 0.
    m_speedSlider->setStepCount(support.speedSteps);
    m_brightnessSlider->setStepCount(support.brightnessSteps);
}

void DLightsConfigPage::loadProfileLightMode()
{
    for (keyboardButCustom *cap : DDataManager::instance()->getKeyInfoList()) {
        if (cap)
            cap->setLightPreviewEnabled(true);
    }
    m_isKeyboardArea = true;
    m_ui->stackedWidget->setCurrentWidget(m_ui->page_KeyboardLightMode);
    setSliderSteps(m_keyboardSupport);
    m_ui->frame_D->hide();
    m_keyboardModeGroup->setExclusive(false);
    for (QAbstractButton *button : m_keyboardModeGroup->buttons())
        button->setChecked(false);
    m_keyboardModeGroup->setExclusive(true);

    m_keyboardMode =
        CVorlanXML_SelectProFileMouseLightTypeUsingIndex(m_profileXmlPath, profileIndexText().constData(), 0);
    const int id = LightTypes::keyboardButtonOfMode(m_keyboardMode);
    if (id < 0)
        return;
    onCurIndexChanged_KB_LightMode(id);
    m_keyboardModeGroup->button(id)->setChecked(true);
}

void DLightsConfigPage::on_toolButton_LightSelectTypeChanged_clicked()
{
    const QByteArray index = profileIndexText();
    if (m_isKeyboardArea) {
        if (m_sideSupport.modes.isEmpty())
            return;
        m_ui->frame_D->hide();
        setSliderSteps(m_sideSupport);
        m_isKeyboardArea = false;
        m_ui->stackedWidget->setCurrentWidget(m_ui->page_SideLightMode);
        m_sideMode = CVorlanXML_SelectProFileMouseLightTypeUsingIndex(m_profileXmlPath, index.constData(), 1);
        loadAreaRecord(1);
        updateSideControls(m_sideMode);
    } else {
        setSliderSteps(m_keyboardSupport);
        m_isKeyboardArea = true;
        m_ui->stackedWidget->setCurrentWidget(m_ui->page_KeyboardLightMode);
        m_keyboardMode = CVorlanXML_SelectProFileMouseLightTypeUsingIndex(m_profileXmlPath, index.constData(), 0);
        loadAreaRecord(0);
        updateKeyboardControls(m_keyboardMode);
        if (m_keyboardMode == KB_LIGHT_CUSTOM)
            m_ui->frame_D->show();
    }
}

void DLightsConfigPage::switchLightArea(int area, int)
{
    // The toggle turns to the other area, so start from the opposite of the target.
    m_isKeyboardArea = area != 0;
    m_ui->frame_D->hide();
    on_toolButton_LightSelectTypeChanged_clicked();
    emit sigLightConfigHaveChanged(LIGHT_CHANGE_AREA, m_currentLight);
}

void DLightsConfigPage::retranslate()
{
    // The form's retranslation would put its initial numbers back into the colour fields.
    QLineEdit *fields[] = {m_ui->lineEdit_R, m_ui->lineEdit_G, m_ui->lineEdit_B};
    QString shown[3];
    for (int i = 0; i < 3; ++i) {
        shown[i] = fields[i]->text();
        fields[i]->blockSignals(true);
    }
    m_ui->retranslateUi(this);
    for (int i = 0; i < 3; ++i) {
        fields[i]->setText(shown[i]);
        fields[i]->blockSignals(false);
    }
    applyTexts();
    const char *name =
        m_isKeyboardArea ? LightTypes::keyboardModeName(m_keyboardMode) : LightTypes::sideModeName(m_sideMode);
    m_ui->label_LightMode->setText(QObject::tr(name ? name : "Wave"));
}

void DLightsConfigPage::onInstallEventFilterOpen()
{
    for (QAbstractButton *button : m_keyboardModeGroup->buttons())
        button->installEventFilter(this);
    for (QAbstractButton *button : m_sideModeGroup->buttons())
        button->installEventFilter(this);
    for (int entry = 1; entry <= 20; ++entry)
        swatch(entry)->installEventFilter(this);
    m_ui->toolButton_LightSelectTypeChanged->installEventFilter(this);
}

bool DLightsConfigPage::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        for (int entry = 1; entry <= m_presetColors.size(); ++entry) {
            if (watched == swatch(entry)) {
                applyPresetColor(m_presetColors.at(entry - 1));
                break;
            }
        }
    }
    int id = -1;
    if (auto *button = qobject_cast<QAbstractButton *>(watched)) {
        if (button == m_ui->toolButton_LightSelectTypeChanged)
            id = kToggleTipId;
        else if (m_keyboardModeGroup->id(button) != -1)
            id = m_keyboardModeGroup->id(button);
        else
            id = m_sideModeGroup->id(button);
    }
    if (id != -1) {
        if (event->type() == QEvent::Enter)
            showModeTip(id);
        else if (event->type() == QEvent::Leave && m_modeTip)
            m_modeTip->hide();
    }
    return QWidget::eventFilter(watched, event);
}

void DLightsConfigPage::showModeTip(int id)
{
    QAbstractButton *button =
        id == kToggleTipId
            ? m_ui->toolButton_LightSelectTypeChanged
            : (id >= LightTypes::firstSideButtonId ? m_sideModeGroup->button(id) : m_keyboardModeGroup->button(id));
    if (!button)
        return;
    const char *name = QT_TRANSLATE_NOOP("QObject", "Keyboard/Ambient");
    if (id != kToggleTipId) {
        name = id >= LightTypes::firstSideButtonId
                   ? LightTypes::sideModeName(LightTypes::sideModeOfButton(id))
                   : LightTypes::keyboardModeName(id == LightTypes::dpiButtonId ? KB_LIGHT_DPI
                                                                                : LightTypes::keyboardModeOfButton(id));
    }
    if (!m_modeTip) {
        m_modeTip = new ArrowWidget(ArrowWidget::ArrowBottom, this);
        m_modeTip->setObjectName("modeTip");
        m_modeTip->setWidgetSize(250, 70);
        m_modeTip->setArrowPosition(30);
        m_modeTip->setCenterWidget(new DToolTipExplain(m_modeTip));
    }
    m_modeTip->findChild<DToolTipExplain *>()->setText(QObject::tr(name));
    const int width = button->width();
    const int height = button->height();
    m_modeTip->move(button->mapToGlobal(QPoint(width / 2, height)) - QPoint(38, height + 74));
    m_modeTip->show();
}
