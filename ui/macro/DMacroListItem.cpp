#include "ui/macro/DMacroListItem.h"

#include "app/DDataManager.h"
#include "sdk/store/VorlanXml.h"
#include "ui/macro/MacroRecords.h"
#include "ui/macro/macroMenuToolWidget.h"
#include "ui_DMacroListItem.h"
#include "widgets/ArrowWidget.h"

#include <QMouseEvent>

DMacroListItem::DMacroListItem(QWidget *parent)
    : QWidget(parent)
    , m_ui(new Ui::DMacroListItem)
{
    m_ui->setupUi(this);
    setFixedHeight(46);
    m_ui->label_BindingStatus->hide();
    m_ui->stackedWidget->setCurrentWidget(m_ui->page_Default);

    // Taken once: a theme change reaches rows made after it.
    const ThemeColorInfo theme = DDataManager::instance()->getThemeInfo();
    m_ui->label_MacroName->setStyleSheet(QString("QLabel#label_MacroName{ color: rgb(%1); font: 75 10pt \"%2\"; }")
                                             .arg(theme.MacroListItemTextColor, theme.TextFont));
    m_borderColor = theme.MacroBorderColor;
    m_selectedColor = theme.MacroListItemSelectedColor;
    m_hoverColor = theme.MacroListItemHoverColor;
    m_ui->frame_5->setStyleSheet(QString("QFrame#frame_5{ border: none; border-bottom: 1px solid rgb(%1); }"
                                         "\t\t\t\t\t\t\tQFrame#frame_5:hover{background-color: rgb(%2);}\t\t")
                                     .arg(m_borderColor, m_hoverColor));
    m_ui->lineEdit_MacroName->setStyleSheet(
        QString("\t\t\tQLineEdit{\t\t\tcolor: rgb(%1);\t\t\tfont: 75 12pt \"%5\";\t\t\tbackground-color: rgb(%2, 0);"
                "\t\t\tborder: 0px solid rgb(%3);\t\t\t}\t\t\tQLineEdit:hover{\t\t\tborder: 0px solid rgb(%4);\t\t\t}"
                "\t\t\tQLineEdit:pressed{\t\t\tborder: 0px solid rgb(%4);\t\t\t}\t\t\t")
            .arg(theme.TextDefaultColor, theme.MacroListItemSelectedColor, theme.MacroBorderColor,
                 theme.TextCheckedColor, theme.TextFont));
}

DMacroListItem::~DMacroListItem()
{
    delete m_ui;
}

void DMacroListItem::setMacroXmlPath(const char *path)
{
    MacroRecords::storePath(m_macroXmlPath, sizeof m_macroXmlPath, path, "DMacroListItem");
}

ArrowWidget *DMacroListItem::menuBox() const
{
    return m_menuBox;
}

void DMacroListItem::setMacroIndexAndName(QString index, QString name)
{
    m_macroIndex = index;
    m_macroName = name;
    m_ui->label_MacroName->setText(name);
}

void DMacroListItem::setSelected(bool selected)
{
    if (selected) {
        m_ui->frame_5->setStyleSheet(QString("QFrame#frame_5{ border: none; border-bottom: 1px solid rgb(%1);} "
                                             "QFrame#frame_5{background-color: rgb(%2); }")
                                         .arg(m_borderColor, m_selectedColor));
    } else {
        m_ui->frame_5->setStyleSheet(QString("QFrame#frame_5{ border: none; border-bottom: 1px solid rgb(%1);} "
                                             "QFrame#frame_5:hover{\tbackground-color: rgb(%2); }")
                                         .arg(m_borderColor, m_hoverColor));
    }
}

void DMacroListItem::mousePressEvent(QMouseEvent *event)
{
    Q_UNUSED(event);
    emit sigMacroItemMouseClicked(m_macroIndex, m_macroName);
}

void DMacroListItem::mouseDoubleClickEvent(QMouseEvent *event)
{
    Q_UNUSED(event);
    startRenaming();
}

void DMacroListItem::startRenaming()
{
    m_ui->lineEdit_MacroName->setText(m_macroName);
    m_ui->stackedWidget->setCurrentWidget(m_ui->page_ModifyName);
}

void DMacroListItem::onCloseMenuWidow()
{
    if (m_menuBox)
        m_menuBox->hide();
}

void DMacroListItem::onMacroExport()
{
    emit sigExportMacroChildList(m_macroIndex, m_macroName);
}

void DMacroListItem::onMacroDelete()
{
    emit sigDeleteMacro(m_macroIndex, m_macroName);
}

void DMacroListItem::onMacroModifyNanme()
{
    startRenaming();
}

// Every click builds a new menu and box; earlier boxes stay hidden children of the row.
void DMacroListItem::on_pushButton_MacroOperate_clicked()
{
    auto *menu = new macroMenuToolWidget(this);
    connect(menu, &macroMenuToolWidget::sigCloseMenuWidow, this, &DMacroListItem::onCloseMenuWidow);
    connect(menu, &macroMenuToolWidget::sigMacroExport, this, &DMacroListItem::onMacroExport);
    connect(menu, &macroMenuToolWidget::sigMacroDelete, this, &DMacroListItem::onMacroDelete);
    connect(menu, &macroMenuToolWidget::sigMacroModifyNanme, this, &DMacroListItem::onMacroModifyNanme);

    m_menuBox = new ArrowWidget(ArrowWidget::ArrowTop, this);
    m_menuBox->setWidgetSize(165, 130);
    m_menuBox->setArrowPosition(73);
    m_menuBox->setCenterWidget(menu);

    const QPushButton *button = m_ui->pushButton_MacroOperate;
    const QPoint anchor = button->mapToGlobal(QPoint(button->width() / 2, button->height() - 6));
    m_menuBox->move(anchor - QPoint(80, 20));
    m_menuBox->show();
    m_menuBox->activateWindow();
}

void DMacroListItem::on_pushButton_Save_clicked()
{
    const QString name = m_ui->lineEdit_MacroName->text();
    if (name.isEmpty()) {
        emit sigModifyMacroItemNameIsEmpty();
        return;
    }
    if (!CVorlanXML_ModifyMacroNodeName(m_macroXmlPath, m_macroIndex.toLatin1().constData(), name.toUtf8().constData()))
        return;
    m_ui->label_MacroName->setText(name);
    m_macroName = name;
    m_ui->stackedWidget->setCurrentWidget(m_ui->page_Default);
    emit sigModifyMacroItemNameSuccess();
}

void DMacroListItem::on_pushButton_Cancel_clicked()
{
    m_ui->stackedWidget->setCurrentWidget(m_ui->page_Default);
}
