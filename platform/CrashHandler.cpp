#include "platform/CrashHandler.h"

#include <QFile>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <execinfo.h>
#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int handledSignals[] = {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT};
constexpr size_t alternateStackSize = 256 * 1024;

char s_dumpDir[PATH_MAX];
char s_noticeProgram[PATH_MAX];
// The notice's environment, copied at install time: the handler must not read a heap that may be
// the very thing that broke.
constexpr size_t noticeEnvironmentSize = 32 * 1024;
constexpr size_t noticeEnvironmentEntries = 256;
char s_noticeEnvironment[noticeEnvironmentSize];
char *s_noticeEnvironmentPointers[noticeEnvironmentEntries + 1];
bool s_showNotice = false;
long s_utcOffset = 0;
alignas(16) char s_alternateStack[alternateStackSize];
std::atomic<bool> s_handling{false};

// Bounded text builder on a caller's buffer; no allocation, no locale.
class Text
{
public:
    Text(char *buffer, size_t size)
        : m_buffer(buffer)
        , m_size(size)
    {
        m_buffer[0] = '\0';
    }

    Text &add(const char *text)
    {
        while (*text && m_length + 1 < m_size)
            m_buffer[m_length++] = *text++;
        m_buffer[m_length] = '\0';
        return *this;
    }

    Text &number(unsigned long long value, unsigned base = 10, int width = 0)
    {
        char digits[32];
        int count = 0;
        do {
            digits[count++] = "0123456789abcdef"[value % base];
            value /= base;
        } while (value && count < 32);
        while (count < width && count < 32)
            digits[count++] = '0';
        char reversed[33];
        for (int i = 0; i < count; ++i)
            reversed[i] = digits[count - 1 - i];
        reversed[count] = '\0';
        return add(reversed);
    }

    const char *data() const { return m_buffer; }
    size_t length() const { return m_length; }

private:
    char *m_buffer;
    size_t m_size;
    size_t m_length = 0;
};

const char *signalName(int sig)
{
    switch (sig) {
    case SIGSEGV: return "SIGSEGV";
    case SIGBUS: return "SIGBUS";
    case SIGFPE: return "SIGFPE";
    case SIGILL: return "SIGILL";
    case SIGABRT: return "SIGABRT";
    default: return "?";
    }
}

void writeAll(int fd, const char *data, size_t length)
{
    while (length > 0) {
        const ssize_t written = ::write(fd, data, length);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return;
        data += written;
        length -= size_t(written);
    }
}

void writeText(int fd, const Text &text)
{
    writeAll(fd, text.data(), text.length());
}

// Civil date from days since 1970-01-01 (proleptic Gregorian), without the C library's
// time-zone functions, which take locks.
void civilFromDays(long long days, long long &year, unsigned &month, unsigned &day)
{
    days += 719468;
    const long long era = (days >= 0 ? days : days - 146096) / 146097;
    const unsigned dayOfEra = unsigned(days - era * 146097);
    const unsigned yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const unsigned dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const unsigned mp = (5 * dayOfYear + 2) / 153;
    day = dayOfYear - (153 * mp + 2) / 5 + 1;
    month = mp < 10 ? mp + 3 : mp - 9;
    year = (long long)yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
}

void appendDumpName(Text &text, long long seconds, long utcOffset)
{
    const long long local = seconds + utcOffset;
    long long days = local / 86400;
    long long rest = local % 86400;
    if (rest < 0) {
        rest += 86400;
        --days;
    }
    long long year;
    unsigned month, day;
    civilFromDays(days, year, month, day);
    text.number((unsigned long long)year, 10, 4)
        .add("_")
        .number(month, 10, 2)
        .add("_")
        .number(day, 10, 2)
        .add("_")
        .number((unsigned long long)(rest / 3600), 10, 2)
        .add("_")
        .number((unsigned long long)(rest / 60 % 60), 10, 2)
        .add("_")
        .number((unsigned long long)(rest % 60), 10, 2)
        .add(".dmp");
}

// mkdir -p on a writable copy of the path.
void makePath(const char *path)
{
    char copy[PATH_MAX];
    Text(copy, sizeof copy).add(path);
    for (char *p = copy + 1; *p; ++p) {
        if (*p != '/')
            continue;
        *p = '\0';
        ::mkdir(copy, 0755);
        *p = '/';
    }
    ::mkdir(copy, 0755);
}

void copyFile(int out, const char *path)
{
    const int in = ::open(path, O_RDONLY | O_CLOEXEC);
    if (in < 0)
        return;
    char buffer[4096];
    for (;;) {
        const ssize_t got = ::read(in, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        writeAll(out, buffer, size_t(got));
    }
    ::close(in);
}

void writeDump(int sig, const siginfo_t *info)
{
    if (s_dumpDir[0] == '\0')
        return;
    makePath(s_dumpDir);

    char pathBuffer[PATH_MAX];
    Text path(pathBuffer, sizeof pathBuffer);
    path.add(s_dumpDir).add("/");
    appendDumpName(path, (long long)::time(nullptr), s_utcOffset);

    const int fd = ::open(path.data(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return;

    char lineBuffer[256];
    Text header(lineBuffer, sizeof lineBuffer);
    header.add("Signal: ").number((unsigned)sig).add(" (").add(signalName(sig)).add(")\n");
    header.add("Code: ").number((unsigned)(info ? info->si_code : 0)).add("\n");
    header.add("Address: 0x").number((unsigned long long)(uintptr_t)(info ? info->si_addr : nullptr), 16, 16).add("\n");
    header.add("Pid: ").number((unsigned long long)::getpid()).add("\n");
    header.add("Backtrace:\n");
    writeText(fd, header);

    void *frames[64];
    const int count = ::backtrace(frames, 64);
    ::backtrace_symbols_fd(frames, count, fd);

    writeAll(fd, "Memory map:\n", 12);
    copyFile(fd, "/proc/self/maps");
    ::close(fd);
}

void showNotice()
{
    if (!s_showNotice || s_noticeProgram[0] == '\0')
        return;
    // _Fork, not fork: fork runs the atfork handlers, which take malloc's locks, and a crash
    // inside malloc (heap corruption) would then wait for a lock its own thread holds.
    const pid_t child = ::_Fork();
    if (child < 0)
        return;
    if (child == 0) {
        char *const arguments[] = {s_noticeProgram, const_cast<char *>(CrashHandler::noticeSwitch()), nullptr};
        ::execve(s_noticeProgram, arguments, s_noticeEnvironmentPointers);
        ::_exit(127);
    }
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
}

void handleSignal(int sig, siginfo_t *info, void *)
{
    // A second crashing thread waits for the first one to end the process.
    if (s_handling.exchange(true)) {
        for (;;)
            ::pause();
    }
    writeDump(sig, info);
    showNotice();

    // Default action: the signal stays blocked until the handler returns, then ends the
    // process (a fault that re-occurs on return does the same).
    struct sigaction action;
    std::memset(&action, 0, sizeof action);
    action.sa_handler = SIG_DFL;
    ::sigemptyset(&action.sa_mask);
    ::sigaction(sig, &action, nullptr);
    ::raise(sig);
}

void copyInto(char *target, size_t size, const QString &text)
{
    const QByteArray encoded = QFile::encodeName(text);
    Text(target, size).add(encoded.constData());
}

// Entries that do not fit are left out; the notice needs little more than the display.
void copyEnvironment()
{
    size_t used = 0;
    size_t count = 0;
    for (char **entry = environ; entry && *entry && count < noticeEnvironmentEntries; ++entry) {
        const size_t length = std::strlen(*entry) + 1;
        if (used + length > noticeEnvironmentSize)
            continue;
        std::memcpy(s_noticeEnvironment + used, *entry, length);
        s_noticeEnvironmentPointers[count++] = s_noticeEnvironment + used;
        used += length;
    }
    s_noticeEnvironmentPointers[count] = nullptr;
}

} // namespace

const char *CrashHandler::noticeSwitch()
{
    return "--crash-notice";
}

const char *CrashHandler::noNoticeVariable()
{
    return "VORLAN_NO_CRASH_NOTICE";
}

bool CrashHandler::install(const QString &dumpDir, const QString &noticeProgram)
{
    copyInto(s_dumpDir, sizeof s_dumpDir, dumpDir);
    copyInto(s_noticeProgram, sizeof s_noticeProgram, noticeProgram);
    const QByteArray noNotice = qgetenv(noNoticeVariable());
    s_showNotice = noNotice.isEmpty() || noNotice == "0";
    copyEnvironment();

    const time_t now = ::time(nullptr);
    struct tm local;
    s_utcOffset = ::localtime_r(&now, &local) ? local.tm_gmtoff : 0;

    // The first backtrace() loads the unwinder, which allocates: not in the handler.
    void *frame[1];
    ::backtrace(frame, 1);

    stack_t stack;
    std::memset(&stack, 0, sizeof stack);
    stack.ss_sp = s_alternateStack;
    stack.ss_size = sizeof s_alternateStack;
    if (::sigaltstack(&stack, nullptr) != 0)
        return false;

    bool ok = true;
    for (int sig : handledSignals) {
        struct sigaction action;
        std::memset(&action, 0, sizeof action);
        action.sa_sigaction = handleSignal;
        action.sa_flags = SA_SIGINFO | SA_ONSTACK;
        ::sigemptyset(&action.sa_mask);
        for (int other : handledSignals)
            ::sigaddset(&action.sa_mask, other);
        ok = ::sigaction(sig, &action, nullptr) == 0 && ok;
    }
    return ok;
}

QString CrashHandler::dumpFileName(long long secondsSinceEpoch, long utcOffsetSeconds)
{
    char buffer[64];
    Text text(buffer, sizeof buffer);
    appendDumpName(text, secondsSinceEpoch, utcOffsetSeconds);
    return QString::fromLatin1(text.data());
}
