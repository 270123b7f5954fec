#include "ui/settings/DSettingsDia.h"

#include "app/DDataManager.h"
#include "widgets/FramelessScreenShell.h"

DSettingsDia::DSettingsDia(QWidget *parent)
    : QWidget(parent)
{
    setObjectName("DSettingsDia");
    const ThemeColorInfo theme = DDataManager::instance()->getThemeInfo();
    buildFramelessScreenShell(this, QSize(640, 460), "frame_SettingsBg",
                              QString("QFrame#frame_SettingsBg{background-color: rgb(%1); border: 1px solid rgb(%2);}")
                                  .arg(theme.SettingsBgColor, theme.SettingsBorderColor));
    QMetaObject::connectSlotsByName(this);
}

void DSettingsDia::on_pushButton_Close_clicked()
{
    emit sigSettingsWindowClose();
    close();
}
