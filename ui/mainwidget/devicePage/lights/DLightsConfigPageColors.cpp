// Colour choice of the lighting tab: the colour ring with its brightness ring, the presets, the
// R, G and B fields and the switch between the mode's two colours.
#include "ui/mainwidget/devicePage/lights/DLightsConfigPage.h"

#include "widgets/SVColorArea.h"

#include "ui_DLightsConfigPage.h"

#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

namespace {

const char *const kPresetColors[] = {"255,0,0",   "255,85,0",   "255,170,0",   "255,255,0", "170,255,170",
                                     "85,255,85", "0,255,0",    "0,255,85",    "0,255,170", "0,255,255",
                                     "0,170,255", "0,85,255",   "0,0,255",     "85,0,255",  "170,0,255",
                                     "255,0,255", "255,85,255", "255,170,255", "0,0,0",     "255,255,255"};

// The value of a field; a text that is not a number counts as 0.
int channelValue(const QString &text)
{
    return text.toInt();
}

} // namespace

void DLightsConfigPage::showSampleColor(int r, int g, int b)
{
    m_ui->label_ColorShow->setStyleSheet(
        QString("QLabel{background-color: rgb(%1, %2, %3); border-radius:4px;}").arg(r).arg(g).arg(b));
}

void DLightsConfigPage::showColor(int r, int g, int b)
{
    // A focused field takes these texts as typed; the others ignore them.
    m_ui->lineEdit_R->setText(QString::number(r));
    m_ui->lineEdit_G->setText(QString::number(g));
    m_ui->lineEdit_B->setText(QString::number(b));
    showSampleColor(r, g, b);
    const bool first = m_ui->pushButton_TopColor->isChecked();
    (first ? m_ui->pushButton_TopColor : m_ui->pushButton_BottomColor)->setStyleSheet(colorButtonSheet(r, g, b));
    int *half = m_editColors + (first ? 0 : 3);
    half[0] = r;
    half[1] = g;
    half[2] = b;
}

void DLightsConfigPage::onGetRGB(int r, int g, int b)
{
    m_editColor[0] = r;
    m_editColor[1] = g;
    m_editColor[2] = b;
    showColor(r, g, b);
}

void DLightsConfigPage::onMoveingStatus(int valueRotate, int)
{
    if (valueRotate == 0)
        return;
    const int value = (100 - valueRotate) * 255 / 100;
    const QColor base(m_editColor[0], m_editColor[1], m_editColor[2]);
    const QColor dimmed = QColor::fromHsv(base.hsvHue(), base.hsvSaturation(), value, 255);
    showColor(dimmed.red(), dimmed.green(), dimmed.blue());
}

void DLightsConfigPage::onColorItemSelcSignal(QColor color)
{
    const int r = color.red();
    const int g = color.green();
    const int b = color.blue();
    if (!m_isColorAreaPressed) {
        m_editColor[0] = r;
        m_editColor[1] = g;
        m_editColor[2] = b;
    }
    showColor(r, g, b);
    applyLightConfig(LIGHT_CHANGE_COLOR);
}

void DLightsConfigPage::applyPresetColor(QString preset)
{
    m_colorArea->resetRotateValue();
    const QStringList parts = preset.split(',');
    onColorItemSelcSignal(QColor(parts.value(0).toInt(), parts.value(1).toInt(), parts.value(2).toInt(), 255));
}

void DLightsConfigPage::applyPresetSwatches()
{
    if (m_presetColors.isEmpty()) {
        for (const char *preset : kPresetColors)
            m_presetColors << preset;
    }
    for (int entry = 1; entry <= m_presetColors.size(); ++entry) {
        swatch(entry)->setStyleSheet(QString("QLabel{background-color: rgb(%1); border-radius:7px;}"
                                             "QLabel:hover{border: 2px solid rgb(%2); border-radius:7px;}")
                                         .arg(m_presetColors.at(entry - 1), m_accentColor));
    }
}

void DLightsConfigPage::onCurIndexChanged_LightTopOrBottomColor(int selIndex)
{
    const colorInfoData &light = m_currentLight;
    m_editColor[0] = selIndex == 0 ? light.colorR : light.bgColorR;
    m_editColor[1] = selIndex == 0 ? light.colorG : light.bgColorG;
    m_editColor[2] = selIndex == 0 ? light.colorB : light.bgColorB;
    {
        const QSignalBlocker blockRed(m_ui->lineEdit_R);
        const QSignalBlocker blockGreen(m_ui->lineEdit_G);
        const QSignalBlocker blockBlue(m_ui->lineEdit_B);
        m_ui->lineEdit_R->setText(QString::number(m_editColor[0]));
        m_ui->lineEdit_G->setText(QString::number(m_editColor[1]));
        m_ui->lineEdit_B->setText(QString::number(m_editColor[2]));
    }
    showSampleColor(m_editColor[0], m_editColor[1], m_editColor[2]);
    m_colorArea->resetRotateValue();
}

void DLightsConfigPage::enterChannelValue(QLineEdit *field, const QString &text, void (DLightsConfigPage::*apply)(int))
{
    // Texts the tab writes itself reach an unfocused field.
    if (!field->hasFocus())
        return;
    const int value = channelValue(text);
    // Out of range, a minus sign included: the last accepted value comes back, and this slot then
    // runs again with it.
    if (value < 0 || value >= 256) {
        field->setText(QString::number(m_lastChannelValue));
        return;
    }
    m_lastChannelValue = value;
    (this->*apply)(value);
}

void DLightsConfigPage::applyRedValue(int value)
{
    onColorItemSelcSignal(
        QColor(value, channelValue(m_ui->lineEdit_G->text()), channelValue(m_ui->lineEdit_B->text()), 255));
}

void DLightsConfigPage::applyGreenValue(int value)
{
    onColorItemSelcSignal(
        QColor(channelValue(m_ui->lineEdit_R->text()), value, channelValue(m_ui->lineEdit_B->text()), 255));
}

void DLightsConfigPage::applyBlueValue(int value)
{
    onColorItemSelcSignal(
        QColor(channelValue(m_ui->lineEdit_R->text()), channelValue(m_ui->lineEdit_G->text()), value, 255));
}

void DLightsConfigPage::on_lineEdit_R_textChanged(const QString &text)
{
    enterChannelValue(m_ui->lineEdit_R, text, &DLightsConfigPage::applyRedValue);
}

void DLightsConfigPage::on_lineEdit_G_textChanged(const QString &text)
{
    enterChannelValue(m_ui->lineEdit_G, text, &DLightsConfigPage::applyGreenValue);
}

void DLightsConfigPage::on_lineEdit_B_textChanged(const QString &text)
{
    enterChannelValue(m_ui->lineEdit_B, text, &DLightsConfigPage::applyBlueValue);
}

QLabel *DLightsConfigPage::swatch(int entry) const
{
    return findChild<QLabel *>(QString("label_Color%1").arg(entry, 2, 10, QChar('0')));
}
