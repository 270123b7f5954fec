#include "app/QtLinguist.h"

#include "app/DDataManager.h"

#include <QCoreApplication>
#include <QMetaEnum>

QtLinguist::QtLinguist()
    : QObject(nullptr)
{
    const QMetaEnum languages = QMetaEnum::fromType<Language>();
    for (int i = 0; i < languages.keyCount(); ++i)
        m_fileMap.insert(languages.value(i), QStringLiteral("%1.qm").arg(QLatin1String(languages.key(i))));
}

int QtLinguist::getSystemLanguage() const
{
    return languageForLocale(QLocale::system());
}

int QtLinguist::languageForLocale(const QLocale &locale)
{
    switch (locale.language()) {
    case QLocale::Chinese: return locale.country() == QLocale::China ? Zh_SM : Zh_TR;
    case QLocale::Japanese: return Japanese;
    case QLocale::Korean: return Korean;
    case QLocale::Russian: return Russian;
    case QLocale::Arabic: return Arabic;
    case QLocale::Spanish: return Spanish;
    case QLocale::Portuguese: return Portugal;
    case QLocale::German: return German;
    case QLocale::Italian: return Italian;
    case QLocale::Polish: return Polish;
    case QLocale::French: return French;
    case QLocale::Ukrainian: return Ukrainian;
    case QLocale::Czech: return Czech;
    default: return English;
    }
}

bool QtLinguist::setLanguage(int index)
{
    const auto file = m_fileMap.constFind(index);
    if (file == m_fileMap.constEnd())
        return false;
    const QString path = DDataManager::getApplicationDirPath() + QStringLiteral("/translation/") + file.value();

    // QTranslator::load empties the translator before it reads, so a file that fails to load
    // would leave the installed language blank; try it on a scratch translator first.
    QTranslator probe;
    if (!probe.load(path))
        return false;
    if (!m_translator.load(path))
        return false;
    QCoreApplication::installTranslator(&m_translator);
    return true;
}
