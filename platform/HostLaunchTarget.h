#pragma once

#include <QString>
#include <QUrl>

// How a stored launch value is opened: an address or document by the desktop's handler, an
// executable file (absolute, or a bare name found on PATH) as a program of its own. Nothing goes
// through a shell.
class HostLaunchTarget
{
public:
    enum class Kind { Nothing, Url, Program };

    static HostLaunchTarget classify(const QString &value);

    Kind kind() const { return m_kind; }
    // For Url: the address to open (local files as file URLs).
    QUrl url() const { return m_url; }
    // For Program: the executable to start, without arguments.
    QString program() const { return m_program; }

private:
    Kind m_kind = Kind::Nothing;
    QUrl m_url;
    QString m_program;
};
