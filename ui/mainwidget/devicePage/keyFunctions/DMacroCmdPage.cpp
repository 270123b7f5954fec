#include "ui/mainwidget/devicePage/keyFunctions/DMacroCmdPage.h"

#include "app/DDataManager.h"
#include "app/KeyOperateValue.h"
#include "sdk/store/VorlanXml.h"
#include "ui/mainwidget/devicePage/download/BoundMacroCopy.h"
#include "ui/mainwidget/devicePage/keyFunctions/KeyOperateStore.h"
#include "ui/mainwidget/devicePage/keyFunctions/KeyOperateType.h"
#include "ui/mainwidget/devicePage/keyFunctions/KeyPageSheets.h"
#include "ui_DMacroCmdPage.h"
#include "widgets/ThemeColorText.h"

#include <QIntValidator>
#include <QSignalBlocker>
#include <QTimer>

DMacroCmdPage::DMacroCmdPage(QWidget *parent)
    : DKeyFunctionPage(KEY_OPERATE_MACRO, KEY_OPERATE_MACRO, parent)
    , m_ui(new Ui_DMacroCmdPage)
    , m_countValidator(new QIntValidator(1, 255, this))
{
    m_ui->setupUi(this);
    setOwnTexts();
    m_ui->lineEdit_playMany->setValidator(m_countValidator);
    m_ui->lineEdit_playMany->setEnabled(false);
    m_ui->radioButton_playOne->setChecked(true);
    connect(m_ui->comboBox_Macro, QOverload<int>::of(&QComboBox::activated), this, &DMacroCmdPage::onComboxActivated);
}

DMacroCmdPage::~DMacroCmdPage()
{
    delete m_ui;
}

void DMacroCmdPage::setOwnTexts()
{
    m_ui->label->setText(QObject::tr("Play Type"));
    m_ui->radioButton_playOne->setText(QObject::tr("Play once"));
    m_ui->radioButton_playMany->setText(QObject::tr("Play multiple times"));
    m_ui->radioButton_playKeyPressRelStop->setText(QObject::tr("Continous playback on/off"));
    m_ui->radioButton_playWhellKeyPress->setText(QObject::tr("Play while assigned key is pressed"));
    m_ui->label_3->setText(QObject::tr("Play Number"));
    m_ui->lineEdit_playMany->setPlaceholderText(QObject::tr("Play Number 1,2,3..."));
    m_ui->label_2->setText(QObject::tr("Assign Macro"));
}

void DMacroCmdPage::retranslate()
{
    // The form's texts carry no count: the field keeps what it holds.
    const QSignalBlocker blocker(m_ui->lineEdit_playMany);
    const QString count = m_ui->lineEdit_playMany->text();
    m_ui->retranslateUi(this);
    m_ui->lineEdit_playMany->setText(count);
    setOwnTexts();
}

void DMacroCmdPage::applyTheme()
{
    const ThemeColorInfo theme = DDataManager::instance()->getThemeInfo();
    setStyleSheet(QString("QLabel{ color: rgb(%1); font: 75 12pt \"%3\"; }"
                          "QRadioButton,QRadioButton:unchecked{ color: rgb(%1); font: 75 10pt \"%3\"; }"
                          "QRadioButton:checked{ color: rgb(%2); font: 75 10pt \"%3\"; }"
                          "QRadioButton::indicator:checked{ background-color: rgb(%2); border-radius: 6px;"
                          " border: 2px solid white; }"
                          "QLineEdit{ color: rgb(%1); font: 75 10pt \"%3\"; background-color: %4;"
                          " border: 1px solid rgb(%5); border-radius: 4px; }"
                          "QLineEdit:hover,QLineEdit:pressed{ border: 1px solid rgb(%2); }")
                      .arg(theme.TextDefaultColor, theme.TextCheckedColor, theme.TextFont,
                           themeCssColor(theme.DeviceRightBgColor), theme.DeviceBorderColor));
    m_ui->comboBox_Macro->setStyleSheet(KeyPageSheets::comboBox(theme, "255, 35, 76"));
    m_ui->scrollAreaWidgetContents->setStyleSheet(QString("QWidget#scrollAreaWidgetContents{ background-color: %1; }")
                                                      .arg(themeCssColor(theme.DeviceRightBgColor)));
    m_scrollStyleSheet = KeyPageSheets::scrollBars(theme, true);
    QTimer::singleShot(200, this, &DMacroCmdPage::onScrollSheetSet);
}

void DMacroCmdPage::onScrollSheetSet()
{
    m_ui->widget_4->setStyleSheet(m_scrollStyleSheet);
}

void DMacroCmdPage::loadCurrentKeyInfo()
{
    takeCurrentKey();
    DDataManager::instance()->getMacroXmlPath(m_macroXmlPath);
    m_macroIndex = 0;
    m_playCount = 1;
    m_playMode = 1;

    const QSignalBlocker listBlocker(m_ui->comboBox_Macro);
    const QSignalBlocker countBlocker(m_ui->lineEdit_playMany);
    m_ui->radioButton_playOne->setChecked(true);
    m_ui->lineEdit_playMany->setText("1");
    m_ui->lineEdit_playMany->setEnabled(false);

    m_ui->comboBox_Macro->clear();
    m_macroNames.clear();
    MacroNode macros;
    CVorlanXML_SelectMacroAllNodes(m_macroXmlPath, &macros);
    for (const auto &macro : macros) {
        const QString name = QString::fromStdString(macro.second);
        m_ui->comboBox_Macro->addItem(name, QString::fromStdString(macro.first));
        m_macroNames.insert(KeyOperateValue::leadingNumber(QByteArray::fromStdString(macro.first)), name);
    }
    if (m_ui->comboBox_Macro->count() > 0) {
        m_ui->comboBox_Macro->setCurrentIndex(0);
        // The page binds the macro it shows, not one it does not.
        m_macroIndex = KeyOperateValue::leadingNumber(m_ui->comboBox_Macro->itemData(0).toString().toLatin1());
    }

    const KeyOperateInfo info = readEntry();
    if (KeyOperateStore::storedType(info) != KEY_OPERATE_MACRO)
        return;
    const int mode = KeyOperateValue::leadingNumber(info.mode);
    const int stored = KeyOperateValue::leadingNumber(info.value);
    QRadioButton *const radios[] = {m_ui->radioButton_playOne, m_ui->radioButton_playMany,
                                    m_ui->radioButton_playKeyPressRelStop, m_ui->radioButton_playWhellKeyPress};
    if (mode >= 1 && mode <= 4)
        radios[mode - 1]->setChecked(true);
    if (mode == 2) {
        m_ui->lineEdit_playMany->setText(QString::fromLatin1(info.count));
        m_ui->lineEdit_playMany->setEnabled(true);
    }
    if (m_macroNames.contains(stored)) {
        // Of two macros with one name the first is shown; the key stays bound to its own.
        m_ui->comboBox_Macro->setCurrentIndex(
            m_ui->comboBox_Macro->findText(m_macroNames.value(stored), Qt::MatchExactly | Qt::MatchCaseSensitive));
        m_macroIndex = stored;
    }
    m_playCount = KeyOperateValue::leadingNumber(info.count);
    m_playMode = mode;
}

void DMacroCmdPage::choosePlayMode(int mode)
{
    m_ui->lineEdit_playMany->setEnabled(mode == 2);
    m_playMode = mode;
    saveCurrentChoice();
}

void DMacroCmdPage::on_radioButton_playOne_clicked()
{
    choosePlayMode(1);
}

void DMacroCmdPage::on_radioButton_playMany_clicked()
{
    choosePlayMode(2);
}

void DMacroCmdPage::on_radioButton_playKeyPressRelStop_clicked()
{
    choosePlayMode(3);
}

void DMacroCmdPage::on_radioButton_playWhellKeyPress_clicked()
{
    choosePlayMode(4);
}

void DMacroCmdPage::on_lineEdit_playMany_textChanged(const QString &text)
{
    m_playCount = KeyOperateValue::leadingNumber(text.toLatin1());
    saveCurrentChoice();
}

void DMacroCmdPage::on_comboBox_Macro_currentIndexChanged(const QString &text)
{
    Q_UNUSED(text);
}

void DMacroCmdPage::onComboxActivated(int index)
{
    Q_UNUSED(index);
    m_macroIndex = KeyOperateValue::leadingNumber(m_ui->comboBox_Macro->currentData().toString().toLatin1());
    saveCurrentChoice();
}

void DMacroCmdPage::saveCurrentChoice()
{
    if (m_ui->radioButton_playOne->isChecked()) {
        m_playMode = 1;
        saveKeyOperate(1, 1, m_macroIndex);
    } else if (m_ui->radioButton_playMany->isChecked()) {
        m_playMode = 2;
        const int count = KeyOperateValue::leadingNumber(m_ui->lineEdit_playMany->text().toLatin1());
        // An emptied field or "0" is still being typed: nothing to play yet.
        if (count < 1 || count > 255)
            return;
        m_playCount = count;
        saveKeyOperate(m_playCount, 2, m_macroIndex);
    } else if (m_ui->radioButton_playKeyPressRelStop->isChecked()) {
        m_playMode = 3;
        saveKeyOperate(1, 3, m_macroIndex);
    } else if (m_ui->radioButton_playWhellKeyPress->isChecked()) {
        m_playMode = 4;
        saveKeyOperate(1, 4, m_macroIndex);
    }
}

void DMacroCmdPage::saveKeyOperate(int count, int mode, int macroIndex)
{
    // Without a macro in the list there is nothing to bind.
    if (m_ui->comboBox_Macro->count() == 0)
        return;
    if (mode != 2)
        count = 1;
    const QByteArray value = QByteArray::number(macroIndex);
    // Counted before this key's entry is replaced: the first key bound to the macro makes the copy.
    const int boundKeys = CVorlanXML_GetProFileValueNum(
        m_profileXmlPath, QByteArray::number(m_profileIndex).constData(), "1", value.constData());
    if (boundKeys < 1)
        BoundMacroCopy::make(QString::fromLocal8Bit(m_profileXmlPath), m_profileIndex, QString::fromLatin1(value),
                             QString::fromLocal8Bit(m_macroXmlPath));
    storeKeyOperate(KEY_OPERATE_MACRO, QByteArray::number(count), QByteArray::number(mode), value);
}
