#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// The desktop's keyboard settings as a program with its arguments (never a shell line).
struct DesktopCommand
{
    QString program;
    QStringList arguments;

    bool isEmpty() const { return program.isEmpty(); }
};

// Picks the keyboard settings program of the running desktop from a small table keyed by
// XDG_CURRENT_DESKTOP; when that desktop has none on the path, the first entry of the table that is.
class KeyboardSettingsCommand
{
public:
    // isOnPath tells whether a program can be started by its bare name.
    static DesktopCommand choose(const QString &currentDesktop, const std::function<bool(const QString &)> &isOnPath);
    // For this session: XDG_CURRENT_DESKTOP and PATH.
    static DesktopCommand forSession();
    // Starts the command detached and returns at once; false (logged) when empty or not started.
    static bool startDetached(const DesktopCommand &command);
};
