#include "platform/CrashHandler.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <thread>

#include <pthread.h>
#include <sys/wait.h>
#include <unistd.h>

// The test re-runs its own executable: "crash <kind> <dump folder>" installs the handler and
// crashes; the crash notice is "<self> --crash-notice", which leaves a marker file.

namespace {

const char *markerName = "notice-shown";

volatile bool keepRecursing = true;

int recurse(int depth)
{
    volatile char pad[512];
    pad[0] = char(depth);
    return keepRecursing ? recurse(depth + 1) + pad[0] : pad[0];
}

[[noreturn]] void crash(const char *kind)
{
    if (!std::strcmp(kind, "segv")) {
        // Not null: the undefined-behaviour sanitizer would turn a null store into an abort.
        // Through a volatile pointer, so the optimiser neither folds nor flags the store.
        volatile int *volatile target = reinterpret_cast<volatile int *>(uintptr_t(16));
        *target = 1;
    } else if (!std::strcmp(kind, "abort")) {
        std::abort();
    } else if (!std::strcmp(kind, "ill")) {
        __builtin_trap();
    } else if (!std::strcmp(kind, "fpe")) {
        ::raise(SIGFPE);
    } else if (!std::strcmp(kind, "bus")) {
        ::raise(SIGBUS);
    } else if (!std::strcmp(kind, "overflow")) {
        recurse(0);
    } else if (!std::strcmp(kind, "double-free")) {
        // glibc detects it and aborts from inside malloc, with its locks held.
        char *volatile block = static_cast<char *>(std::malloc(64));
        std::free(block);
        std::free(block);
        std::abort();
    } else if (!std::strcmp(kind, "abort-fork-blocked")) {
        // What a crash inside malloc does to fork(): its handlers wait for a lock that is never released.
        ::pthread_atfork(
            [] {
                for (;;)
                    ::pause();
            },
            nullptr, nullptr);
        std::abort();
    }
    ::_exit(3);
}

QString selfPath()
{
    return QFile::symLinkTarget("/proc/self/exe");
}

struct ChildResult
{
    bool signalled = false;
    int signal = 0;
    bool hung = false;
};

// A crashing process must end well within this, dump and notice included.
constexpr auto crashDeadline = std::chrono::seconds(10);

ChildResult runChild(const QStringList &arguments)
{
    const QByteArray program = QFile::encodeName(selfPath());
    QList<QByteArray> encoded;
    for (const QString &argument : arguments)
        encoded << argument.toLocal8Bit();
    std::vector<char *> argv{const_cast<char *>(program.constData())};
    for (QByteArray &argument : encoded)
        argv.push_back(argument.data());
    argv.push_back(nullptr);

    ChildResult result;
    const pid_t child = ::fork();
    if (child == 0) {
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    if (child < 0)
        return result;
    int status = 0;
    const auto deadline = std::chrono::steady_clock::now() + crashDeadline;
    pid_t ended = 0;
    while ((ended = ::waitpid(child, &status, WNOHANG)) == 0 && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    if (ended == 0) {
        result.hung = true;
        ::kill(child, SIGKILL);
        ::waitpid(child, &status, 0);
        return result;
    }
    if (ended == child && WIFSIGNALED(status)) {
        result.signalled = true;
        result.signal = WTERMSIG(status);
    }
    return result;
}

} // namespace

class tst_CrashHandler : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void crashLeavesDumpAndDiesOfTheSignal_data();
    void crashLeavesDumpAndDiesOfTheSignal();
    void noticeRunsUnlessSwitchedOff_data();
    void noticeRunsUnlessSwitchedOff();
    void noticeStartsWhereForkWouldHang();
    void dumpFileNameIsLocalTime_data();
    void dumpFileNameIsLocalTime();
};

void tst_CrashHandler::init()
{
    QFile::remove(QDir(qEnvironmentVariable("VORLAN_TEST_TMP")).filePath(markerName));
    qputenv(CrashHandler::noNoticeVariable(), "1");
}

void tst_CrashHandler::crashLeavesDumpAndDiesOfTheSignal_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("signal");
    QTest::addColumn<QString>("name");
    QTest::newRow("segmentation fault") << "segv" << SIGSEGV << "SIGSEGV";
    QTest::newRow("abort") << "abort" << SIGABRT << "SIGABRT";
    QTest::newRow("illegal instruction") << "ill" << SIGILL << "SIGILL";
    QTest::newRow("floating point") << "fpe" << SIGFPE << "SIGFPE";
    QTest::newRow("bus error") << "bus" << SIGBUS << "SIGBUS";
    QTest::newRow("stack overflow") << "overflow" << SIGSEGV << "SIGSEGV";
    QTest::newRow("heap corruption") << "double-free" << SIGABRT << "SIGABRT";
}

void tst_CrashHandler::crashLeavesDumpAndDiesOfTheSignal()
{
    QFETCH(QString, kind);
    QFETCH(int, signal);
    QFETCH(QString, name);
    QTemporaryDir dir;
    const QString dumpDir = dir.filePath("AppData/OsterlinConfig/dump");

#if defined(__SANITIZE_ADDRESS__)
    if (kind == "double-free")
        QSKIP("the address sanitizer's allocator reports a double free itself and exits");
#endif
    const ChildResult result = runChild({"crash", kind, dumpDir});

    QVERIFY(!result.hung);
    QVERIFY(result.signalled);
    QCOMPARE(result.signal, signal);
    const QStringList dumps = QDir(dumpDir).entryList({"*.dmp"}, QDir::Files);
    QCOMPARE(dumps.size(), 1);
    QVERIFY(QRegularExpression("^\\d{4}_\\d\\d_\\d\\d_\\d\\d_\\d\\d_\\d\\d\\.dmp$").match(dumps.first()).hasMatch());
    QFile file(QDir(dumpDir).filePath(dumps.first()));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromLocal8Bit(file.readAll());
    QVERIFY2(text.startsWith(QString("Signal: %1 (%2)\n").arg(signal).arg(name)), qPrintable(text.left(200)));
    QVERIFY(text.contains("\nPid: "));
    QVERIFY(text.contains("\nBacktrace:\n"));
    QVERIFY(text.contains("\nMemory map:\n"));
    QVERIFY(text.contains(QFileInfo(selfPath()).fileName())); // the executable appears in the map
    if (kind == "segv")
        QVERIFY(text.contains("Address: 0x0000000000000010\n"));
}

void tst_CrashHandler::noticeRunsUnlessSwitchedOff_data()
{
    QTest::addColumn<QByteArray>("variable");
    QTest::addColumn<bool>("shown");
    QTest::newRow("unset") << QByteArray() << true;
    QTest::newRow("zero") << QByteArray("0") << true;
    QTest::newRow("set") << QByteArray("1") << false;
}

void tst_CrashHandler::noticeRunsUnlessSwitchedOff()
{
    QFETCH(QByteArray, variable);
    QFETCH(bool, shown);
    if (variable.isNull())
        qunsetenv(CrashHandler::noNoticeVariable());
    else
        qputenv(CrashHandler::noNoticeVariable(), variable);
    QTemporaryDir dir;

    const ChildResult result = runChild({"crash", "abort", dir.filePath("dump")});

    QVERIFY(!result.hung);
    QVERIFY(result.signalled);
    QCOMPARE(result.signal, SIGABRT);
    // The crashing process waits for the notice, so the marker is there once it has died.
    QCOMPARE(QFile::exists(QDir(qEnvironmentVariable("VORLAN_TEST_TMP")).filePath(markerName)), shown);
}

void tst_CrashHandler::noticeStartsWhereForkWouldHang()
{
    qunsetenv(CrashHandler::noNoticeVariable());
    QTemporaryDir dir;

    const ChildResult result = runChild({"crash", "abort-fork-blocked", dir.filePath("dump")});

    QVERIFY(!result.hung);
    QVERIFY(result.signalled);
    QCOMPARE(result.signal, SIGABRT);
    QVERIFY(QFile::exists(QDir(qEnvironmentVariable("VORLAN_TEST_TMP")).filePath(markerName)));
    QCOMPARE(QDir(dir.filePath("dump")).entryList({"*.dmp"}, QDir::Files).size(), 1);
}

void tst_CrashHandler::dumpFileNameIsLocalTime_data()
{
    QTest::addColumn<long long>("seconds");
    QTest::addColumn<long>("offset");
    QTest::addColumn<QString>("name");
    QTest::newRow("epoch") << 0LL << 0L << "1970_01_01_00_00_00.dmp";
    QTest::newRow("leap day") << 1709251199LL << 0L << "2024_02_29_23_59_59.dmp";
    QTest::newRow("east of UTC, next day") << 1735689599LL << 3600L << "2025_01_01_00_59_59.dmp";
    QTest::newRow("west of UTC, previous day") << 1735689600LL << -18000L << "2024_12_31_19_00_00.dmp";
}

void tst_CrashHandler::dumpFileNameIsLocalTime()
{
    QFETCH(long long, seconds);
    QFETCH(long, offset);
    QFETCH(QString, name);
    QCOMPARE(CrashHandler::dumpFileName(seconds, offset), name);
}

int main(int argc, char *argv[])
{
    if (argc == 2 && !std::strcmp(argv[1], CrashHandler::noticeSwitch())) {
        QFile marker(QDir(qEnvironmentVariable("VORLAN_TEST_TMP")).filePath(markerName));
        return marker.open(QIODevice::WriteOnly) ? 0 : 1;
    }
    if (argc == 4 && !std::strcmp(argv[1], "crash")) {
        if (!CrashHandler::install(QString::fromLocal8Bit(argv[3]), selfPath()))
            return 2;
        crash(argv[2]);
    }
    tst_CrashHandler test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_CrashHandler.moc"
