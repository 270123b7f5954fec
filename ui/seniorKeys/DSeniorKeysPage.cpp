#include "ui/seniorKeys/DSeniorKeysPage.h"

#include "app/DDataManager.h"
#include "widgets/FramelessScreenShell.h"

DSeniorKeysPage::DSeniorKeysPage(QWidget *parent)
    : QWidget(parent)
{
    setObjectName("DSeniorKeysPage");
    const ThemeColorInfo theme = DDataManager::instance()->getThemeInfo();
    buildFramelessScreenShell(
        this, QSize(1100, 660), "frame_SeniorKeysBg",
        QString("QFrame#frame_SeniorKeysBg{background-color: rgb(%1); border: 1px solid rgb(%2);}")
            .arg(theme.AllBgColor, theme.TextCheckedColor));
    QMetaObject::connectSlotsByName(this);
}

void DSeniorKeysPage::on_pushButton_Close_clicked()
{
    emit sigSeniorKeysPageClose();
    DDataManager::instance()->notifySeniorKeysListChanged();
    close();
}
