#pragma once

#include <QString>

// The single-instance guard: an advisory lock on a file. The kernel releases it when the holder
// exits in any way, killed or crashed included, and the descriptor is close-on-exec, so no child
// program started by the holder keeps it.
class InstanceLock
{
public:
    InstanceLock() = default;
    ~InstanceLock();
    InstanceLock(const InstanceLock &) = delete;
    InstanceLock &operator=(const InstanceLock &) = delete;

    // Creates the file if needed (0600) and takes the lock; false when another process holds it or
    // the file cannot be opened (logged).
    bool tryLock(const QString &path);
    bool isLocked() const { return m_fd >= 0; }
    void unlock();

private:
    int m_fd = -1;
};
