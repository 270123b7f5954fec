#include "ui/mainwidget/devicePage/magnetic/DPerformancePage.h"

#include "app/DDataManager.h"
#include "sdk/store/VorlanXml.h"
#include "ui/mainwidget/devicePage/magnetic/PerformanceRules.h"
#include "ui_DPerformancePage.h"

#include <QDebug>
#include <QIntValidator>

#include <cstring>

DPerformancePage::DPerformancePage(QWidget *parent)
    : QWidget(parent)
    , m_ui(new Ui_DPerformancePage)
{
    m_ui->setupUi(this);
    setOwnTexts();
    m_ui->lineEdit_LightSleep->setValidator(
        new QIntValidator(PerformanceRules::lightSleepMinimum, PerformanceRules::lightSleepMaximum, this));
    m_ui->lineEdit_KeyboardSleep->setValidator(
        new QIntValidator(PerformanceRules::keyboardSleepMinimum, PerformanceRules::keyboardSleepMaximum, this));
    m_ui->pushButton_Restore->hide();
}

DPerformancePage::~DPerformancePage()
{
    delete m_ui;
}

void DPerformancePage::setOwnTexts()
{
    m_ui->label->setText(QObject::tr("If Win Lock is on:"));
    m_ui->checkBox_disableWindowsKey->setText(QObject::tr("Disable Windows key"));
    m_ui->checkBox_disableSHIFT_TAB->setText(QObject::tr("Disable SHIFT+TAB"));
    m_ui->checkBox_disableALT_TAB->setText(QObject::tr("Disable ALT+TAB"));
    m_ui->checkBox_disableALT_F4->setText(QObject::tr("Disable ALT+F4"));
    m_ui->label_2->setText(QObject::tr("Light into sleep:"));
    m_ui->label_3->setText(QObject::tr("Second"));
    m_ui->label_5->setText(QObject::tr("Keyboard into sleep:"));
    m_ui->label_4->setText(QObject::tr("Minute"));
    m_ui->pushButton_SubmitSleepTime->setText(QObject::tr("Submit"));
    m_ui->pushButton_Restore->setText(QObject::tr("Reset current profile"));
    m_ui->pushButton_keyboardProperties->setText(QObject::tr("Keyboard properties"));
    m_ui->checkBox_ProhibitSleep->setText(QObject::tr("Prohibit Sleep"));
}

void DPerformancePage::setProfileXmlPath(const char *path)
{
    const size_t length = path ? std::strlen(path) : 0;
    if (length >= sizeof m_profileXmlPath) {
        // A cut path would name another file: the locks would be read from and written to it.
        qWarning().noquote() << "Profile path of" << length << "bytes refused by the performance tab";
        m_profileXmlPath[0] = '\0';
        return;
    }
    std::memcpy(m_profileXmlPath, path ? path : "", length + 1);
}

QByteArray DPerformancePage::profileIndexText() const
{
    return QString::number(m_profileIndex).toLatin1();
}

void DPerformancePage::loadProfileFunctionInfo()
{
    ProFileFunctionInfo locks;
    for (char *field : {locks.altTab, locks.altF4, locks.shiftTab, locks.winKey})
        qstrncpy(field, "0", sizeof locks.altTab);
    int sleepTimes[2] = {600, 30};
    const QByteArray index = profileIndexText();
    if (m_profileXmlPath[0] != '\0') {
        CVorlanXML_GetProFileFunctionInfo(m_profileXmlPath, index.constData(), &locks);
        CVorlanXML_GetProFileIntoSleepTimeInfo(m_profileXmlPath, index.constData(), sleepTimes);
    }
    // The store may fill a field to its end: read each as a bounded text.
    const auto isOn = [](const char(&field)[8]) {
        return PerformanceRules::lockFieldIsOn(QByteArray(field, qstrnlen(field, sizeof field)).constData());
    };
    m_ui->checkBox_disableALT_TAB->setChecked(isOn(locks.altTab));
    m_ui->checkBox_disableALT_F4->setChecked(isOn(locks.altF4));
    m_ui->checkBox_disableSHIFT_TAB->setChecked(isOn(locks.shiftTab));
    m_ui->checkBox_disableWindowsKey->setChecked(isOn(locks.winKey));
    m_ui->lineEdit_LightSleep->setText(QString::number(sleepTimes[0]));
    m_ui->lineEdit_KeyboardSleep->setText(QString::number(sleepTimes[1]));

    DDataManager *data = DDataManager::instance();
    const PerformanceRules::SleepControls controls = PerformanceRules::sleepControls(
        data->getCurrentDeviceName(), data->getProhibitSleep(), data->isMagneticKeyboard(), data->getHidDeviceType());
    m_ui->checkBox_ProhibitSleep->setChecked(controls.prohibitChecked);
    m_ui->frame_ProhibitSleep->setVisible(controls.prohibitRowVisible);
    m_ui->lineEdit_KeyboardSleep->setReadOnly(controls.keyboardSleepReadOnly);
    m_ui->frame_Center->setVisible(controls.sleepColumnVisible);
}

void DPerformancePage::saveProfileFunctionInfo()
{
    const auto flag = [](const QCheckBox *box) { return box->isChecked() ? 1 : 0; };
    const auto text = [](int on) { return QByteArray::number(on); };
    const int altTab = flag(m_ui->checkBox_disableALT_TAB);
    const int altF4 = flag(m_ui->checkBox_disableALT_F4);
    const int shiftTab = flag(m_ui->checkBox_disableSHIFT_TAB);
    const int winKey = flag(m_ui->checkBox_disableWindowsKey);
    const QByteArray index = profileIndexText();
    if (m_profileXmlPath[0] != '\0')
        CVorlanXML_AddProFileFunctionInfo(m_profileXmlPath, index.constData(), text(altTab).constData(),
                                          text(altF4).constData(), text(shiftTab).constData(),
                                          text(winKey).constData());
    // The keyboard takes the locks in another order than the profile keeps them.
    emit sigLockWinKeyAbout(winKey, shiftTab, altTab, altF4);
}

void DPerformancePage::on_checkBox_disableALT_TAB_clicked()
{
    saveProfileFunctionInfo();
}

void DPerformancePage::on_checkBox_disableALT_F4_clicked()
{
    saveProfileFunctionInfo();
}

void DPerformancePage::on_checkBox_disableSHIFT_TAB_clicked()
{
    saveProfileFunctionInfo();
}

void DPerformancePage::on_checkBox_disableWindowsKey_clicked()
{
    saveProfileFunctionInfo();
}

void DPerformancePage::on_pushButton_Restore_clicked()
{
    emit sigResetoreCurrentProfile();
}

void DPerformancePage::on_pushButton_keyboardProperties_clicked()
{
    // Started apart from the program: the window never waits for the settings to open or close.
    if (!m_keyboardSettingsCommand)
        m_keyboardSettingsCommand = KeyboardSettingsCommand::forSession();
    KeyboardSettingsCommand::startDetached(*m_keyboardSettingsCommand);
}

void DPerformancePage::on_checkBox_ProhibitSleep_clicked()
{
    m_ui->lineEdit_KeyboardSleep->setReadOnly(m_ui->checkBox_ProhibitSleep->isChecked());
}

void DPerformancePage::on_pushButton_SubmitSleepTime_clicked()
{
    // The keyboard carries each time in 16 bits: a time above the edit's range is cut to its top
    // and shown, so the keyboard and the profile get the same value.
    const auto readEdit = [](QLineEdit *edit, int top) {
        const int value = PerformanceRules::sleepValue(edit->text(), top);
        if (value == top && edit->text().trimmed() != QString::number(top))
            edit->setText(QString::number(top));
        return value;
    };
    const int lightSleep = readEdit(m_ui->lineEdit_LightSleep, PerformanceRules::lightSleepMaximum);
    const int keyboardSleep = readEdit(m_ui->lineEdit_KeyboardSleep, PerformanceRules::keyboardSleepMaximum) * 60;
    const int prohibit = m_ui->checkBox_ProhibitSleep->isChecked() ? 1 : 0;
    emit sigLightAndKeyboardSleepTime(lightSleep, keyboardSleep, prohibit);
}

void DPerformancePage::retranslate()
{
    m_ui->retranslateUi(this);
    setOwnTexts();
    loadProfileFunctionInfo();
}

void DPerformancePage::applyTheme()
{
    DDataManager *data = DDataManager::instance();
    const ThemeColorInfo theme = data->getThemeInfo();
    QFont font = data->getFont(1);

    const QString frames =
        QString("QFrame#frame_Left,QFrame#frame_Center{border: 3px solid rgb(%1); border-radius:8px;}")
            .arg(theme.DeviceBorderColor);
    m_ui->frame_Left->setStyleSheet(frames);
    m_ui->frame_Center->setStyleSheet(frames);
    m_ui->frame_4->setStyleSheet(
        QString("QCheckBox,QCheckBox:unchecked{color: rgb(%1); font: 75 10pt \"%3\";}"
                "QCheckBox:checked{color: rgb(%2); font: 75 10pt \"%3\";}"
                "QCheckBox::indicator{width: 13px; height: 13px;}"
                "QCheckBox::indicator:unchecked{image: url(:/images/publicIco/checkBoxDef.png);}"
                "QCheckBox::indicator:checked{image: url(:/images/publicIco/checkBoxSel.png);}")
            .arg(theme.TextDefaultColor, theme.TextCheckedColor, theme.TextFont));
    const QString labels = QString(" QLabel{ color: rgb(%1); }").arg(theme.TextDefaultColor);
    for (QLabel *label : {m_ui->label, m_ui->label_2, m_ui->label_5, m_ui->label_3, m_ui->label_4})
        label->setStyleSheet(labels);
    const QString edits =
        QString("QLineEdit{color: rgb(%2); font: 75 8pt \"%4\"; background-color: rgb(%1);"
                " border: 1px solid rgb(%5); border-radius: 4px;}"
                "QLineEdit:hover{border: 1px solid rgb(%3);}QLineEdit:pressed{border: 1px solid rgb(%3);}")
            .arg(theme.DeviceRightBgColor, theme.TextDefaultColor, theme.TextCheckedColor, theme.TextFont,
                 theme.DeviceBorderColor);
    m_ui->lineEdit_LightSleep->setStyleSheet(edits);
    m_ui->lineEdit_KeyboardSleep->setStyleSheet(edits);
    const QString buttons =
        QString("QPushButton{border-radius: 8px; border: 2px solid rgb(%1); background-color: rgb(%2); color: rgb(%3);}"
                "QPushButton:hover{background-color: rgb(%4); border: 2px solid rgb(%6); border-radius: 8px;}"
                "QPushButton:pressed{color: rgb(%6); background-color: rgb(%5); border: 2px solid rgb(%6);"
                " border-radius: 8px;}")
            .arg(theme.DeviceBorderColor, theme.DeviceRightBgColor, theme.TextDefaultColor, theme.DeviceRightBgColor,
                 theme.DeviceRightBgColor, theme.TextCheckedColor);
    for (QPushButton *button :
         {m_ui->pushButton_SubmitSleepTime, m_ui->pushButton_Restore, m_ui->pushButton_keyboardProperties})
        button->setStyleSheet(buttons);

    font.setPointSize(11);
    for (QLabel *label : {m_ui->label, m_ui->label_2, m_ui->label_5})
        label->setFont(font);
    for (QPushButton *button :
         {m_ui->pushButton_SubmitSleepTime, m_ui->pushButton_Restore, m_ui->pushButton_keyboardProperties})
        button->setFont(font);
    font.setPointSize(10);
    for (QLabel *label : {m_ui->label_3, m_ui->label_4})
        label->setFont(font);
}
