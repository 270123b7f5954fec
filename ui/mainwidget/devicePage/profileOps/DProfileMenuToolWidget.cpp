#include "ui/mainwidget/devicePage/profileOps/DProfileMenuToolWidget.h"

#include "app/DDataManager.h"
#include "app/ThemeColorInfo.h"
#include "ui_DProfileMenuToolWidget.h"

#include <QEvent>

DProfileMenuToolWidget::DProfileMenuToolWidget(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::DProfileMenuToolWidget)
{
    ui->setupUi(this);
    ui->label_CreateNew->setText(tr("Create"));
    ui->label_Delete->setText(tr("Delete"));
    ui->label_Export->setText(tr("Export"));
    ui->label_Import->setText(tr("Import"));
    ui->label_ModifyNanme->setText(tr("Modify Name"));
    for (QWidget *entry : {static_cast<QWidget *>(ui->label_CreateNew), static_cast<QWidget *>(ui->label_Delete),
                           static_cast<QWidget *>(ui->label_Export), static_cast<QWidget *>(ui->label_Import),
                           static_cast<QWidget *>(ui->label_ModifyNanme)})
        entry->installEventFilter(this);

    const ThemeColorInfo theme = DDataManager::instance()->getThemeInfo();
    setStyleSheet(styleSheetFor(theme.MacroListItemTextColor, theme.MacroLeftBgColor, theme.MacroListItemHoverColor,
                                theme.MacroListItemSelectedColor, theme.TextFont));
}

DProfileMenuToolWidget::~DProfileMenuToolWidget()
{
    delete ui;
}

QString DProfileMenuToolWidget::styleSheetFor(const QString &textColor, const QString &background, const QString &hover,
                                              const QString &pressed, const QString &fontFamily)
{
    return QStringLiteral("QLabel{color:rgb(%1);font:75 10pt \"%5\";background:rgb(%2);}"
                          "QLabel:hover{background:rgb(%3);}"
                          "QLabel:pressed{background:rgb(%4);}")
        .arg(textColor, background, hover, pressed, fontFamily);
}

bool DProfileMenuToolWidget::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        // The pop-up closes before the page runs the entry, which may open a dialog of its own.
        emit sigCloseMenuWidow();
        if (watched == ui->label_CreateNew)
            emit sigProfileCreate();
        else if (watched == ui->label_Delete)
            emit sigProfileDelete();
        else if (watched == ui->label_Export)
            emit sigProfileExport();
        else if (watched == ui->label_Import)
            emit sigProfileImport();
        else if (watched == ui->label_ModifyNanme)
            emit sigProfileModifyName();
    }
    return QWidget::eventFilter(watched, event);
}
