#include "platform/InstanceLock.h"

#include <QDebug>
#include <QFile>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

InstanceLock::~InstanceLock()
{
    unlock();
}

bool InstanceLock::tryLock(const QString &path)
{
    unlock();
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) {
        qWarning() << "cannot open the instance lock" << path << ":" << std::strerror(errno);
        return false;
    }
    int result;
    do {
        result = ::flock(fd, LOCK_EX | LOCK_NB);
    } while (result != 0 && errno == EINTR);
    if (result != 0) {
        if (errno != EWOULDBLOCK)
            qWarning() << "cannot lock" << path << ":" << std::strerror(errno);
        ::close(fd);
        return false;
    }
    m_fd = fd;
    return true;
}

void InstanceLock::unlock()
{
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
}
