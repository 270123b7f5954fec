#include "ui/mainwidget/devicePage/profileOps/ProfileRules.h"

namespace ProfileRules {

bool isAtProfileLimit(const ProfileNodeList &profiles)
{
    return static_cast<int>(profiles.size()) >= maxProfiles;
}

int newProfileIndex(const ProfileNodeList &profiles)
{
    const int base = profiles.empty() ? 1 : QString::fromStdString(profiles.back().first).toInt();
    return base + 1;
}

QString importProfileIndex(const ProfileNodeList &profiles)
{
    return profiles.empty() ? QStringLiteral("1") : QString::fromStdString(profiles.back().first);
}

QString exportFileName(const QString &profileName)
{
    QString name;
    for (const QChar c : profileName)
        name += (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.unicode() < 0x20) ? QLatin1Char('_') : c;
    // A leading dot would hide the file, and ".." alone would name the parent folder.
    while (name.startsWith(QLatin1Char('.')))
        name.remove(0, 1);
    if (name.trimmed().isEmpty())
        name = QStringLiteral("Profile");
    return name + QStringLiteral(".xml");
}

} // namespace ProfileRules
