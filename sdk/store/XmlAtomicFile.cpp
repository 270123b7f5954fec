#include "sdk/store/XmlAtomicFile.h"

#include <cerrno>
#include <cstring>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace xmlstore {

namespace {

bool fail(std::string* error, const char* what, int code)
{
    if (error)
        *error = std::string(what) + ": " + std::strerror(code);
    return false;
}

bool writeAll(int fd, const char* data, std::size_t size)
{
    while (size > 0)
    {
        const ssize_t written = ::write(fd, data, size);
        if (written < 0)
        {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

} // namespace

bool atomicWrite(const std::string& path, const std::string& data, std::string* error)
{
    std::vector<char> temp(path.begin(), path.end());
    static const char suffix[] = ".tmp-XXXXXX";
    temp.insert(temp.end(), suffix, suffix + sizeof(suffix));

    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0)
        return fail(error, "cannot create a temporary file", errno);

    // mkostemp creates the file 0600; keep the old file's permissions, or the usual 0644.
    struct stat old {};
    const mode_t mode = ::stat(path.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644;

    int code = 0;
    const char* what = nullptr;
    if (::fchmod(fd, mode) != 0)
    {
        code = errno;
        what = "cannot set permissions";
    }
    else if (!writeAll(fd, data.data(), data.size()))
    {
        code = errno;
        what = "cannot write";
    }
    else if (::fdatasync(fd) != 0)
    {
        code = errno;
        what = "cannot flush";
    }
    if (::close(fd) != 0 && what == nullptr)
    {
        code = errno;
        what = "cannot close";
    }
    if (what == nullptr && ::rename(temp.data(), path.c_str()) != 0)
    {
        code = errno;
        what = "cannot replace the file";
    }
    if (what != nullptr)
    {
        ::unlink(temp.data());
        return fail(error, what, code);
    }
    return true;
}

} // namespace xmlstore
