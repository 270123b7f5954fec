#include "ui/mainwidget/devicePage/lights/DCustomLightListItem.h"

#include "app/DDataManager.h"
#include "sdk/store/VorlanXml.h"

#include "ui_DCustomLightListItem.h"

#include <QMouseEvent>

DCustomLightListItem::DCustomLightListItem(QWidget *parent)
    : QWidget(parent)
    , m_ui(new Ui::DCustomLightListItem)
{
    m_ui->setupUi(this);
    m_ui->pushButton_CustomOperate->hide();
    m_ui->stackedWidget->setCurrentWidget(m_ui->page_Default);
    connect(m_ui->lineEdit_CustomItemName, &QLineEdit::textChanged, this, &DCustomLightListItem::limitNameField);
}

DCustomLightListItem::~DCustomLightListItem()
{
    delete m_ui;
}

QString DCustomLightListItem::fitName(const QString &name)
{
    int bytes = 0;
    int end = 0;
    while (end < name.size()) {
        const bool pair = name.at(end).isHighSurrogate() && end + 1 < name.size() && name.at(end + 1).isLowSurrogate();
        const int units = pair ? 2 : 1;
        const int size = name.midRef(end, units).toUtf8().size();
        if (bytes + size > kMaxNameBytes)
            break;
        bytes += size;
        end += units;
    }
    return name.left(end);
}

void DCustomLightListItem::limitNameField(const QString &text)
{
    if (text.toUtf8().size() > kMaxNameBytes)
        m_ui->lineEdit_CustomItemName->setText(fitName(text));
}

void DCustomLightListItem::setNodeInfo(QString index, QString name, QString usingStatus, int usingSlot)
{
    m_nodeIndex = index;
    m_nodeName = name;
    m_usingStatus = usingStatus;
    m_usingSlot = usingSlot;
    m_ui->checkBox->setChecked(usingStatus == "Using");
    m_ui->label_CustomItemName->setText(name);
}

void DCustomLightListItem::setUsingChecked(bool checked)
{
    m_ui->checkBox->setChecked(checked);
}

void DCustomLightListItem::applyTheme()
{
    const ThemeColorInfo theme = DDataManager::instance()->getThemeInfo();
    m_selectedBgColor = theme.MacroListItemSelectedColor;
    m_hoverBgColor = theme.MacroListItemHoverColor;
    m_bgColor = theme.DeviceRightBgColor;
    m_textColor = theme.TextDefaultColor;
    m_selectedTextColor = theme.TextCheckedColor;
    m_fontFamily = theme.TextFont;
    m_ui->lineEdit_CustomItemName->setStyleSheet(
        QString("QLineEdit{ color: rgb(%1); background-color: rgb(%2); border: 1px solid rgb(%3); }"
                "QLineEdit:hover{ border: 1px solid rgb(%4); }"
                "QLineEdit:pressed{ border: 1px solid rgb(%4); }")
            .arg(theme.TextDefaultColor, theme.DeviceRightBgColor, theme.DeviceBorderColor, theme.TextCheckedColor));
    setItemSelected(m_isSelected);
}

void DCustomLightListItem::setItemSelected(bool selected)
{
    m_isSelected = selected;
    if (selected) {
        m_ui->frame_5->setStyleSheet(QString("QFrame#frame_5{ border: none; border-bottom: 0px solid rgb(50,50,50);}"
                                             " QFrame#frame_5{ background-color: rgb(%1); }")
                                         .arg(m_selectedBgColor));
    } else {
        m_ui->frame_5->setStyleSheet(QString("QFrame#frame_5{ border: none; border-bottom: 0px solid rgb(50,50,50); "
                                             "background-color: rgb(%1); } QFrame#frame_5:hover{ background-color: "
                                             "rgb(%2); }")
                                         .arg(m_bgColor, m_hoverBgColor));
    }
    m_ui->label_CustomItemName->setStyleSheet(
        QString("QLabel#label_CustomItemName{ color: rgb(%1); font: 75 9pt \"%2\"; }")
            .arg(selected ? m_selectedTextColor : m_textColor, m_fontFamily));
}

void DCustomLightListItem::mousePressEvent(QMouseEvent *event)
{
    Q_UNUSED(event);
    emit sigCustomLightItemMouseClicked(m_nodeIndex, m_nodeName);
}

void DCustomLightListItem::mouseDoubleClickEvent(QMouseEvent *event)
{
    Q_UNUSED(event);
    m_ui->lineEdit_CustomItemName->setText(m_nodeName);
    m_ui->stackedWidget->setCurrentWidget(m_ui->page_ModifyName);
}

void DCustomLightListItem::on_checkBox_clicked()
{
    // A set in use leaves its slot only when another set takes it.
    if (!m_ui->checkBox->isChecked()) {
        m_ui->checkBox->setChecked(true);
        return;
    }
    emit sigCustomLightUsingStatus(true);
    m_ui->checkBox->clearFocus();
}

void DCustomLightListItem::on_pushButton_Save_clicked()
{
    const QString name = fitName(m_ui->lineEdit_CustomItemName->text());
    if (name.isEmpty()) {
        emit sigModifyCustomLightItemNameIsEmpty();
        return;
    }
    DDataManager *data = DDataManager::instance();
    char path[256] = {};
    data->getCurrentProfileXmlPath(path);
    CVorlanXML_ModifyProFileCustomLightNodeName(path, QByteArray::number(data->getCurrentProfileIndex()).constData(),
                                                m_nodeIndex.toLatin1().constData(), name.toUtf8().constData());
    m_ui->label_CustomItemName->setText(name);
    m_nodeName = name;
    m_ui->stackedWidget->setCurrentWidget(m_ui->page_Default);
    emit sigModifyCustomLightItemNameSuccess();
}

void DCustomLightListItem::on_pushButton_Cancel_clicked()
{
    m_ui->stackedWidget->setCurrentWidget(m_ui->page_Default);
}
