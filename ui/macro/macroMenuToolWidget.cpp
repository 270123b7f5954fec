#include "ui/macro/macroMenuToolWidget.h"

#include "app/DDataManager.h"
#include "ui_macroMenuToolWidget.h"

#include <QCoreApplication>
#include <QEvent>

macroMenuToolWidget::macroMenuToolWidget(QWidget *parent)
    : QWidget(parent)
    , m_ui(new Ui::macroMenuToolWidget)
{
    m_ui->setupUi(this);
    m_ui->label_Export->setText(QCoreApplication::translate("QObject", "Export"));
    m_ui->label_Delete->setText(QCoreApplication::translate("QObject", "Delete"));
    m_ui->label_ModifyNanme->setText(QCoreApplication::translate("QObject", "Modify Name"));
    for (QWidget *label : {m_ui->label_Export, m_ui->label_Delete, m_ui->label_ModifyNanme})
        label->installEventFilter(this);

    const ThemeColorInfo theme = DDataManager::instance()->getThemeInfo();
    setStyleSheet(QString("\t\tQLabel{\t\tcolor: rgb(%1);\t\tfont: 75 10pt \"%5\";\t\tbackground-color: rgb(%2);\t\t}"
                          "\t\tQLabel:hover{\t\tbackground-color: rgb(%3);\t\t}"
                          "\t\tQLabel:pressed{\t\tbackground-color: rgb(%4);\t\t}\t\t")
                      .arg(theme.MacroListItemTextColor, theme.MacroLeftBgColor, theme.MacroListItemHoverColor,
                           theme.MacroListItemSelectedColor, theme.TextFont));
}

macroMenuToolWidget::~macroMenuToolWidget()
{
    delete m_ui;
}

bool macroMenuToolWidget::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        if (watched == m_ui->label_Export) {
            emit sigCloseMenuWidow();
            emit sigMacroExport();
        } else if (watched == m_ui->label_Delete) {
            emit sigCloseMenuWidow();
            emit sigMacroDelete();
        } else if (watched == m_ui->label_ModifyNanme) {
            emit sigCloseMenuWidow();
            emit sigMacroModifyNanme();
        }
    }
    return QWidget::eventFilter(watched, event);
}
