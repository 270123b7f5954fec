#include "sdk/store/XmlAtomicFile.h"

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

namespace xmlstore {

namespace {

bool fail(std::string *error, const char *what, int code)
{
    if (error)
        *error = std::string(what) + ": " + std::strerror(code);
    return false;
}

bool writeAll(int fd, const char *data, std::size_t size)
{
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

// Temporary files are named "<file>.tmp-<pid>-<n>", so a later writer can tell a dead writer's file.
const char kTempMarker[] = ".tmp-";
// Earlier writers named them "<file>.tmp-XXXXXX" without their pid: removed once clearly abandoned.
constexpr std::time_t kAbandonedAfterSeconds = 600;

std::atomic<unsigned long> g_tempCounter{0};

bool isDigits(const std::string &text)
{
    return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
}

bool isAlnum6(const std::string &text)
{
    if (text.size() != 6)
        return false;
    for (char c : text)
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')))
            return false;
    return true;
}

bool processIsAlive(long pid)
{
    return pid > 0 && (::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM);
}

// Removes the temporary files that writers which died before their rename left in folder.
void removeAbandonedTempFiles(const std::string &folder)
{
    DIR *dir = ::opendir(folder.c_str());
    if (!dir)
        return;
    const long ownPid = static_cast<long>(::getpid());
    const std::time_t now = std::time(nullptr);
    while (const dirent *entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        const std::size_t marker = name.rfind(kTempMarker);
        if (marker == std::string::npos || marker == 0)
            continue;
        const std::string base = name.substr(0, marker);
        const std::string tail = name.substr(marker + sizeof(kTempMarker) - 1);
        const std::string full = folder + "/" + name;
        const std::size_t dash = tail.find('-');
        bool abandoned = false;
        if (dash != std::string::npos && isDigits(tail.substr(0, dash)) && isDigits(tail.substr(dash + 1))) {
            const long pid = std::strtol(tail.substr(0, dash).c_str(), nullptr, 10);
            abandoned = pid != ownPid && !processIsAlive(pid);
        } else if (isAlnum6(tail)) {
            struct stat info
            {};
            struct stat original
            {};
            abandoned = ::lstat(full.c_str(), &info) == 0 && S_ISREG(info.st_mode)
                        && ::stat((folder + "/" + base).c_str(), &original) == 0
                        && now - info.st_mtime > kAbandonedAfterSeconds;
        }
        if (abandoned)
            ::unlink(full.c_str());
    }
    ::closedir(dir);
}

std::string folderOf(const std::string &path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Creates a new temporary file beside path. The kernel gives it the mode of any new file of the
// process (0666 less the umask, default ACLs applied).
int createTempFile(const std::string &path, std::string *tempPath)
{
    const std::string prefix = path + kTempMarker + std::to_string(static_cast<long>(::getpid())) + "-";
    for (int attempt = 0; attempt < 100; ++attempt) {
        *tempPath = prefix + std::to_string(g_tempCounter.fetch_add(1));
        const int fd = ::open(tempPath->c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

} // namespace

bool atomicWrite(const std::string &path, const std::string &data, std::string *error)
{
    removeAbandonedTempFiles(folderOf(path));

    std::string temp;
    const int fd = createTempFile(path, &temp);
    if (fd < 0)
        return fail(error, "cannot create a temporary file", errno);

    int code = 0;
    const char *what = nullptr;
    // A rewritten file keeps its permissions; a new one keeps what the kernel gave it.
    struct stat old
    {};
    if (::stat(path.c_str(), &old) == 0 && ::fchmod(fd, old.st_mode & 07777) != 0) {
        code = errno;
        what = "cannot set permissions";
    } else if (!writeAll(fd, data.data(), data.size())) {
        code = errno;
        what = "cannot write";
    } else if (::fdatasync(fd) != 0) {
        code = errno;
        what = "cannot flush";
    }
    if (::close(fd) != 0 && what == nullptr) {
        code = errno;
        what = "cannot close";
    }
    if (what == nullptr && ::rename(temp.c_str(), path.c_str()) != 0) {
        code = errno;
        what = "cannot replace the file";
    }
    if (what != nullptr) {
        ::unlink(temp.c_str());
        return fail(error, what, code);
    }
    return true;
}

} // namespace xmlstore
