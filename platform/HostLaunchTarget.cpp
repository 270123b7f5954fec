#include "platform/HostLaunchTarget.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

HostLaunchTarget HostLaunchTarget::classify(const QString &value)
{
    HostLaunchTarget target;
    const QString text = value.trimmed();
    if (text.isEmpty())
        return target;

    const QFileInfo file(QDir::fromNativeSeparators(text));
    if (file.isAbsolute()) {
        if (file.isFile() && file.isExecutable()) {
            target.m_kind = Kind::Program;
            target.m_program = file.absoluteFilePath();
        } else {
            target.m_kind = Kind::Url;
            target.m_url = QUrl::fromLocalFile(file.absoluteFilePath());
        }
        return target;
    }

    // A scheme of one letter is a drive letter, not an address.
    const QUrl url(text, QUrl::StrictMode);
    if (url.isValid() && url.scheme().size() > 1) {
        target.m_kind = Kind::Url;
        target.m_url = url;
        return target;
    }

    // A bare program name is looked up on PATH, as a launcher would.
    const QString program = QStandardPaths::findExecutable(text);
    if (!program.isEmpty()) {
        target.m_kind = Kind::Program;
        target.m_program = program;
    }
    return target;
}
