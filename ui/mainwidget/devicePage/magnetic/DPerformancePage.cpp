#include "ui/mainwidget/devicePage/magnetic/DPerformancePage.h"

#include "app/DDataManager.h"

#include <QHBoxLayout>
#include <QPushButton>

DPerformancePage::DPerformancePage(QWidget *parent)
    : QWidget(parent)
    , m_restoreButton(new QPushButton(this))
{
    setObjectName("DPerformancePage");
    m_restoreButton->setObjectName("pushButton_Restore");
    auto *layout = new QHBoxLayout(this);
    layout->addStretch();
    layout->addWidget(m_restoreButton);
    retranslate();
    QMetaObject::connectSlotsByName(this);
}

void DPerformancePage::applyTheme()
{
    const ThemeColorInfo theme = DDataManager::instance()->getThemeInfo();
    setStyleSheet(QString("QWidget#DPerformancePage{background-color: rgb(%1);}"
                          "QPushButton#pushButton_Restore{color: rgb(%2);}")
                      .arg(theme.DeviceRightBgColor, theme.TextDefaultColor));
}

void DPerformancePage::loadProfileFunctionInfo()
{
    // The key-lock and sleep-time controls come with the magnetic switch settings.
}

void DPerformancePage::retranslate()
{
    m_restoreButton->setText(tr("Restore"));
}

void DPerformancePage::setProfileXmlPath(const char *path)
{
    qstrncpy(m_profileXmlPath, path ? path : "", sizeof m_profileXmlPath);
}

void DPerformancePage::on_pushButton_Restore_clicked()
{
    emit sigResetoreCurrentProfile();
}
