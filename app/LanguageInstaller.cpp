#include "app/LanguageInstaller.h"

#include <QCoreApplication>

LanguageInstaller *LanguageInstaller::instance()
{
    return dynamic_cast<LanguageInstaller *>(QCoreApplication::instance());
}
