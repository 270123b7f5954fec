#include "app/SettingsText.h"

#include <QSettings>
#include <QStringList>
#include <QVariant>

QString readSettingsText(const QSettings &settings, const QString &key, const QString &fallback)
{
    const QVariant value = settings.value(key);
    if (!value.isValid())
        return fallback;
    if (value.type() == QVariant::StringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.toString();
}
