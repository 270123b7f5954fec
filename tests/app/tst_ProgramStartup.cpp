#include "platform/InstanceLock.h"
#include "tests/support/ProgramLog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QtTest>

#include <csignal>

// Runs the real program, as a user starts it twice.

namespace {
const char *programName = "OsterlinConfig";

QString appDataDir()
{
    return ProgramLog::appDataDir(programName);
}

QString logText()
{
    return ProgramLog::logText(programName);
}

int bannerCount()
{
    return logText().count(
        "--------------------- ------------------------- *** App Runing *** ------------------------------\r\n");
}
} // namespace

class tst_ProgramStartup : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void secondStartExitsOneAndLeavesOneBanner();
    void startAfterKillRuns();
    void unansweredSecondStartLeavesWithoutServer();
    void storedLanguageIsKept();
    void crashLeavesDumpNamingTheSignal();

private:
    void startFirst();
    int runSecond(QString *errorOutput = nullptr);

    QString m_program;
    QProcess m_first;
};

void tst_ProgramStartup::initTestCase()
{
    m_program = QCoreApplication::applicationDirPath() + "/" + programName;
    QVERIFY(QFileInfo(m_program).isExecutable());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("VORLAN_NO_CRASH_NOTICE", "1");
    m_first.setProcessEnvironment(environment);
}

void tst_ProgramStartup::init()
{
    QDir(appDataDir()).removeRecursively();
    QFile::remove(qEnvironmentVariable("XDG_RUNTIME_DIR") + "/" + programName);
}

void tst_ProgramStartup::cleanup()
{
    if (m_first.state() != QProcess::NotRunning) {
        m_first.kill();
        m_first.waitForFinished(10000);
    }
}

void tst_ProgramStartup::startFirst()
{
    const int before = bannerCount();
    m_first.start(m_program, QStringList());
    QVERIFY(m_first.waitForStarted(10000));
    // The six system-information lines come after the folders exist; the server after them.
    QTRY_VERIFY_WITH_TIMEOUT(bannerCount() == before + 1 && logText().contains("Screen Size:"), 30000);
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(qEnvironmentVariable("XDG_RUNTIME_DIR") + "/" + programName), 30000);
}

int tst_ProgramStartup::runSecond(QString *errorOutput)
{
    QProcess second;
    second.setProcessEnvironment(m_first.processEnvironment());
    second.start(m_program, {"--AutoUp"});
    if (!second.waitForFinished(60000))
        return -1;
    if (errorOutput)
        *errorOutput = QString::fromLocal8Bit(second.readAllStandardError());
    return second.exitStatus() == QProcess::NormalExit ? second.exitCode() : -2;
}

void tst_ProgramStartup::secondStartExitsOneAndLeavesOneBanner()
{
    startFirst();
    QString errorOutput;
    QCOMPARE(runSecond(&errorOutput), 1);
    QVERIFY2(errorOutput.contains("--------------- EXE already runing -----------------"), qPrintable(errorOutput));
    QCOMPARE(m_first.state(), QProcess::Running);
    QCOMPARE(bannerCount(), 1);

    // The main window's start-up steps follow the system information, once per run.
    QTRY_VERIFY_WITH_TIMEOUT(logText().contains("Start Chang App Theme ... ThemeSelectIndex:"), 30000);
    const QStringList lines = logText().split("\r\n", Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 10);
    const QStringList labels{"------------------------- *** App Runing *** ---",
                             "UserConfig FullPath: \"",
                             "System Cpu: \"",
                             "Memory Describe: \"freeMem ",
                             "System Version: \"",
                             "Screen Size: "};
    const QRegularExpression prefix(
        "^\\[Debug\\]-\\[flie:    line:0    datetime:\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d\\]"
        "--------------------- ");
    for (int i = 0; i < 6; ++i) {
        const QRegularExpressionMatch match = prefix.match(lines[i]);
        QVERIFY2(match.hasMatch(), qPrintable(lines[i]));
        QVERIFY2(lines[i].mid(match.capturedLength()).startsWith(labels[i]), qPrintable(lines[i]));
    }
    // The upgrade library beside the program loads, so no failure line comes between the steps.
    const QStringList windowSteps{"1.CreatTrayIcon  and  registerDevice", "2.Init Vorlan Sdk", "3.Init Widgets",
                                  "Start Chang App Theme ... ThemeSelectIndex: 0"};
    for (int i = 0; i < windowSteps.size(); ++i)
        QVERIFY2(lines[6 + i].endsWith(windowSteps[i]), qPrintable(lines[6 + i]));
}

void tst_ProgramStartup::startAfterKillRuns()
{
    startFirst();
    if (QTest::currentTestFailed())
        return;
    // A pid of 0 would signal the whole process group, test runner included.
    QVERIFY(m_first.processId() > 0);
    ::kill(pid_t(m_first.processId()), SIGKILL);
    QVERIFY(m_first.waitForFinished(10000));

    // The killed instance left its lock file and its socket file behind.
    startFirst();
    QCOMPARE(bannerCount(), 2);
    QCOMPARE(runSecond(), 1);
    QCOMPARE(m_first.state(), QProcess::Running);
}

void tst_ProgramStartup::unansweredSecondStartLeavesWithoutServer()
{
    // A live lock holder that never answers on the socket.
    InstanceLock holder;
    QVERIFY(holder.tryLock(qEnvironmentVariable("XDG_RUNTIME_DIR") + "/OsterlinV2.0_1.2.0.1"));

    QCOMPARE(runSecond(), 1);
    QVERIFY(!QFileInfo::exists(qEnvironmentVariable("XDG_RUNTIME_DIR") + "/" + programName));
    QCOMPARE(bannerCount(), 0);
}

void tst_ProgramStartup::storedLanguageIsKept()
{
    const QString settingsPath = appDataDir() + "/UserConfig/VorlanConfig.ini";
    QSettings(settingsPath, QSettings::IniFormat).setValue("Language/selectLanguageIndex", 9);
    startFirst();
    m_first.terminate();
    QVERIFY(m_first.waitForFinished(10000));
    QCOMPARE(QSettings(settingsPath, QSettings::IniFormat).value("Language/selectLanguageIndex").toInt(), 9);
}

void tst_ProgramStartup::crashLeavesDumpNamingTheSignal()
{
    startFirst();
    if (QTest::currentTestFailed())
        return;
    // A pid of 0 would signal the whole process group, test runner included.
    QVERIFY(m_first.processId() > 0);
    ::kill(pid_t(m_first.processId()), SIGSEGV);
    QVERIFY(m_first.waitForFinished(30000));
    QCOMPARE(m_first.exitStatus(), QProcess::CrashExit);

    const QDir dumpDir(appDataDir() + "/dump");
    const QStringList dumps = dumpDir.entryList({"*.dmp"}, QDir::Files);
    QCOMPARE(dumps.size(), 1);
    QFile dump(dumpDir.filePath(dumps.first()));
    QVERIFY(dump.open(QIODevice::ReadOnly));
    QVERIFY(dump.readAll().startsWith("Signal: 11 (SIGSEGV)\n"));
}

QTEST_GUILESS_MAIN(tst_ProgramStartup)
#include "tst_ProgramStartup.moc"
