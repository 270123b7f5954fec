#include "app/FontSubstitution.h"

#include <QDebug>
#include <QFont>
#include <QFontDatabase>

QString cjkSubstituteFamily(const QStringList &installedFamilies)
{
    static const char *const candidates[] = {
        "WenQuanYi Micro Hei",
        "Noto Sans CJK SC",
        "Source Han Sans SC",
        "Droid Sans Fallback",
    };
    for (const char *candidate : candidates) {
        const QString family = QString::fromLatin1(candidate);
        if (installedFamilies.contains(family, Qt::CaseInsensitive))
            return family;
    }
    return QString();
}

void registerFontSubstitution(const QString &family)
{
    const QStringList installed = QFontDatabase().families();
    if (installed.contains(family, Qt::CaseInsensitive))
        return;
    const QString substitute = cjkSubstituteFamily(installed);
    if (substitute.isEmpty()) {
        qWarning().noquote() << "No CJK font installed to stand in for" << family;
        return;
    }
    QFont::insertSubstitution(family, substitute);
}
