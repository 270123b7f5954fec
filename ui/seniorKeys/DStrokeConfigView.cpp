#include "ui/seniorKeys/DStrokeConfigView.h"

#include "app/DDataManager.h"
#include "sdk/store/VorlanXml.h"
#include "ui_DStrokeConfigView.h"
#include "widgets/WindowShapeMask.h"

#include <QCloseEvent>

#include <cstring>

DStrokeConfigView::DStrokeConfigView(QWidget *parent)
    : QWidget(parent)
    , m_ui(new Ui_DStrokeConfigView)
{
    std::memset(&m_seniorKeyInfo, 0, sizeof(m_seniorKeyInfo));
    m_ui->setupUi(this);
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_TranslucentBackground);
    setFixedSize(460, 150);
    WindowShapeMask::followRoundedFrame(m_ui->frame_Bg666, 12);
    m_ui->label->setText(tr("Trigger points for DKS actions"));

    MySlider *slider = m_ui->horizontalSlider_StrokeView;
    slider->setMaximum(36);
    slider->setMinimum(1);
    slider->setValue(1);
    slider->setHandleMargins(10, 4);
    connect(slider, &QSlider::valueChanged, this, &DStrokeConfigView::onSliderStrokeViewValue);
    connect(slider, &QSlider::sliderReleased, this, &DStrokeConfigView::onSliderStrokeViewReleased);
    connect(slider, &QSlider::sliderPressed, this, &DStrokeConfigView::onSliderStrokeViewPressed);
    m_ui->label_StrokeView->setText("1.0mm");
    applyTheme();
}

DStrokeConfigView::~DStrokeConfigView()
{
    delete m_ui;
}

QString DStrokeConfigView::travelText(int value)
{
    return QString::number(static_cast<float>(value) / 10.0f, 'f', 1) + "mm";
}

void DStrokeConfigView::setSeniorKeyInfo(SeniorKeyInfoStu info)
{
    m_seniorKeyInfo = info;
    m_ui->horizontalSlider_StrokeView->setValue(info.travel[0]);
    m_ui->label_StrokeView->setText(travelText(info.travel[0]));
}

SeniorKeyInfoStu DStrokeConfigView::getSeniorKeyInfo() const
{
    return m_seniorKeyInfo;
}

void DStrokeConfigView::closeEvent(QCloseEvent *event)
{
    event->accept();
}

void DStrokeConfigView::onSliderStrokeViewValue(int Value)
{
    m_ui->label_StrokeView->setText(travelText(Value));
}

void DStrokeConfigView::onSliderStrokeViewReleased()
{
    const int value = m_ui->horizontalSlider_StrokeView->value();
    char path[DDataManager::kPathBufferSize] = {};
    DDataManager::instance()->getSeniorKeyXmlPath(path);
    m_seniorKeyInfo.travel[0] = value;
    m_seniorKeyInfo.travel[3] = value;
    if (CVorlanXML_SeniorKey_ModifyInfoItem(path, m_seniorKeyInfo.type, m_seniorKeyInfo))
        emit sigTheDKSStrokeStuChanged();
}

void DStrokeConfigView::onSliderStrokeViewPressed() {}

void DStrokeConfigView::on_pushButton_Close_clicked()
{
    emit sigTheStrokeConfigViewClose();
    close();
}

void DStrokeConfigView::applyTheme()
{
    const ThemeColorInfo theme = DDataManager::instance()->getThemeInfo();
    setStyleSheet(QString("QLabel{color: rgb(%1);}").arg(theme.TextDefaultColor));
    m_ui->frame_Title->setStyleSheet(
        QString("QFrame#frame_Title{background-color: rgb(%1); border: none; border-bottom: 3px solid rgb(%2); "
                "border-top-left-radius: 12px; border-top-right-radius: 12px;}\n"
                "QLabel#label_Title{color: rgb(%3);}")
            .arg(theme.SettingsTitleColorStart, theme.MacroBorderColor, theme.TextCheckedColor));
    m_ui->frame_Bg666->setStyleSheet(
        QString("QFrame#frame_Bg666{border: 1px solid rgb(%1); background-color: rgb(%2); border-radius: 12px;}")
            .arg(theme.TextCheckedColor, theme.SettingsTitleColorStart));
    m_ui->horizontalSlider_StrokeView->setStyleSheet(
        QString("QSlider::groove:horizontal{height: 6px; left: 0px; right: 0px; border: 0px; border-radius: 3px; "
                "background: rgba(%1);}\n"
                "QSlider::handle:horizontal{width: 16px; height: 16px; margin-top: -5px; margin-left: 0px; "
                "margin-bottom: -5px; margin-right: 0px; border-image: url(:/images/DKS/slider.png);}\n"
                "QSlider::sub-page:horizontal{border-radius: 3px; background: rgba(%2);}")
            .arg(theme.DeviceBorderColor, theme.TextCheckedColor));
    QFont font = DDataManager::instance()->getFont(1);
    font.setPointSize(12);
    m_ui->label->setFont(font);
    m_ui->label_StrokeView->setFont(font);
}
