#include "platform/KeyboardSettingsCommand.h"

#include <QDebug>
#include <QProcess>
#include <QStandardPaths>

namespace {

struct DesktopRow
{
    const char *desktop; // one name of XDG_CURRENT_DESKTOP, compared without case
    const char *program;
    const char *arguments;
};

const DesktopRow kDesktops[] = {
    {"GNOME", "gnome-control-center", "keyboard"},
    {"KDE", "systemsettings", "kcm_keyboard"},
    {"KDE", "systemsettings5", "kcm_keyboard"},
    {"XFCE", "xfce4-keyboard-settings", ""},
    {"MATE", "mate-keyboard-properties", ""},
    {"X-Cinnamon", "cinnamon-settings", "keyboard"},
    {"LXQt", "lxqt-config-input", ""},
    {"LXDE", "lxinput", ""},
};

DesktopCommand commandOf(const DesktopRow &row)
{
    return {QString::fromLatin1(row.program), QString::fromLatin1(row.arguments).split(' ', Qt::SkipEmptyParts)};
}

} // namespace

DesktopCommand KeyboardSettingsCommand::choose(const QString &currentDesktop,
                                               const std::function<bool(const QString &)> &isOnPath)
{
    // The variable may name several desktops ("ubuntu:GNOME"), most specific first.
    for (const QString &desktop : currentDesktop.split(':', Qt::SkipEmptyParts)) {
        for (const DesktopRow &row : kDesktops) {
            if (desktop.compare(QLatin1String(row.desktop), Qt::CaseInsensitive) == 0
                && isOnPath(QString::fromLatin1(row.program)))
                return commandOf(row);
        }
    }
    for (const DesktopRow &row : kDesktops) {
        if (isOnPath(QString::fromLatin1(row.program)))
            return commandOf(row);
    }
    return {};
}

DesktopCommand KeyboardSettingsCommand::forSession()
{
    return choose(qEnvironmentVariable("XDG_CURRENT_DESKTOP"),
                  [](const QString &program) { return !QStandardPaths::findExecutable(program).isEmpty(); });
}

bool KeyboardSettingsCommand::startDetached(const DesktopCommand &command)
{
    if (command.isEmpty()) {
        qWarning().noquote() << "No keyboard settings program found for this desktop";
        return false;
    }
    if (!QProcess::startDetached(command.program, command.arguments)) {
        qWarning().noquote() << "Cannot start the keyboard settings:" << command.program;
        return false;
    }
    return true;
}
