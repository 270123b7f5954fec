#include "ui/mainwidget/devicePage/keyFunctions/DKeyWithTextPage.h"

#include "app/DDataManager.h"
#include "app/KeyOperateValue.h"
#include "ui/mainwidget/devicePage/keyFunctions/KeyOperateStore.h"
#include "ui/mainwidget/devicePage/keyFunctions/KeyOperateType.h"
#include "ui/mainwidget/devicePage/keyFunctions/KeyPageSheets.h"
#include "ui/mainwidget/devicePage/keyFunctions/KeyTextLimit.h"
#include "ui_DKeyWithTextPage.h"

#include <QTextCursor>
#include <QTimer>

DKeyWithTextPage::DKeyWithTextPage(QWidget *parent)
    : DKeyFunctionPage(KEY_OPERATE_TEXT, KEY_OPERATE_TEXT, parent)
    , m_ui(new Ui_DKeyWithTextPage)
{
    m_ui->setupUi(this);
    setOwnTexts();
}

DKeyWithTextPage::~DKeyWithTextPage()
{
    delete m_ui;
}

void DKeyWithTextPage::setOwnTexts()
{
    m_ui->label_8->setText(QObject::tr("Text"));
    m_ui->textEdit_keyText->setPlaceholderText(QObject::tr("Enter text ..."));
    m_ui->pushButton_OK->setText(QObject::tr("OK"));
    m_ui->pushButton_Cancel->setText(QObject::tr("Cancel"));
}

void DKeyWithTextPage::retranslate()
{
    m_ui->retranslateUi(this);
    setOwnTexts();
}

void DKeyWithTextPage::applyTheme()
{
    DDataManager *data = DDataManager::instance();
    const ThemeColorInfo theme = data->getThemeInfo();
    QFont font = data->getFont(1);
    font.setPointSize(12);
    setStyleSheet(KeyPageSheets::textBox(theme));
    m_scrollStyleSheet = KeyPageSheets::scrollBars(theme, false);
    m_ui->label_8->setStyleSheet(QString("QLabel{ color: rgb(%1); }").arg(theme.TextDefaultColor));
    m_ui->label_8->setFont(font);
    for (QPushButton *button : {m_ui->pushButton_OK, m_ui->pushButton_Cancel}) {
        button->setStyleSheet(KeyPageSheets::button(theme));
        button->setFont(font);
    }
    QTimer::singleShot(200, this, &DKeyWithTextPage::onScrollSheetSet);
}

void DKeyWithTextPage::onScrollSheetSet()
{
    m_ui->textEdit_keyText->setStyleSheet(m_scrollStyleSheet);
}

void DKeyWithTextPage::loadCurrentKeyInfo()
{
    takeCurrentKey();
    m_ui->textEdit_keyText->clear();
    m_ui->textEdit_keyText->setFocus();
    if (KeyOperateStore::storedType(readEntry()) != KEY_OPERATE_TEXT)
        return;
    // The record's value field is cut at 5120 bytes; the text can be longer.
    m_ui->textEdit_keyText->setPlainText(
        QString::fromUtf8(KeyOperateValue::readWhole(m_profileXmlPath, m_profileIndex, m_keyDec)));
    m_ui->textEdit_keyText->moveCursor(QTextCursor::End);
}

void DKeyWithTextPage::on_textEdit_keyText_textChanged()
{
    // Plain text only: a stored text that looks like markup stays the text the user wrote.
    m_currentText = m_ui->textEdit_keyText->toPlainText();
    const KeyTextLimit::Result limited =
        KeyTextLimit::apply(m_currentText, m_ui->textEdit_keyText->textCursor().position());
    if (!limited.changed)
        return;
    // Setting the text runs this slot again, which keeps the shortened text.
    m_ui->textEdit_keyText->setPlainText(limited.text);
    QTextCursor cursor = m_ui->textEdit_keyText->textCursor();
    cursor.setPosition(limited.cursor);
    m_ui->textEdit_keyText->setTextCursor(cursor);
}

void DKeyWithTextPage::on_pushButton_OK_clicked()
{
    saveKeyOperate();
}

void DKeyWithTextPage::on_pushButton_Cancel_clicked()
{
    emit sigClickedCancel();
}

void DKeyWithTextPage::saveKeyOperate()
{
    if (m_currentText.isEmpty()) {
        emit sigCustomKeyInfoSaveFailed(KEY_OPERATE_TEXT, 0);
        return;
    }
    storeKeyOperate(KEY_OPERATE_TEXT, "1", "1", m_currentText.toUtf8());
}
