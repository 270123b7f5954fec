#include "app/CrashNotice.h"

#include "app/QtLinguist.h"
#include "app/StartupPaths.h"

#include <QMessageBox>
#include <QObject>
#include <QSettings>

#include <memory>

QMessageBox *CrashNotice::createMessageBox()
{
    auto *box = new QMessageBox(
        QMessageBox::Critical, QObject::tr("Software exit"),
        QString("<FONT size=3><div><b>%1</b></div>").arg(QObject::tr("Conflict, software out of operation!")),
        QMessageBox::Ok);
    return box;
}

int CrashNotice::exec(const QString &baseName)
{
    const QSettings settings(StartupPaths::appDataDir(baseName) + "/UserConfig/VorlanConfig.ini", QSettings::IniFormat);
    QtLinguist linguist;
    linguist.setLanguage(settings.value("Language/selectLanguageIndex", linguist.getSystemLanguage()).toInt());

    const std::unique_ptr<QMessageBox> box(createMessageBox());
    box->exec();
    return 0;
}
