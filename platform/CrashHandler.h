#pragma once

#include <QString>

// Writes a text crash dump when the process dies of SIGSEGV, SIGBUS, SIGFPE, SIGILL or
// SIGABRT, then shows the crash notice through a separate process and lets the signal's
// default action end the process. Everything the handler needs is prepared by install(),
// because the handler itself may only make async-signal-safe calls.
class CrashHandler
{
public:
    // Command-line switch that makes the program show the crash notice and exit.
    static const char *noticeSwitch();
    // When set (to anything but "0") the notice is not shown; tests set it.
    static const char *noNoticeVariable();

    // dumpDir is created with all its parents at crash time. noticeProgram is started as
    // "<noticeProgram> <noticeSwitch>" and waited for; empty: no notice.
    static bool install(const QString &dumpDir, const QString &noticeProgram);

    // The dump file name for a local time, "yyyy_MM_dd_hh_mm_ss.dmp"; what the handler
    // writes for the current time, exposed for tests.
    static QString dumpFileName(long long secondsSinceEpoch, long utcOffsetSeconds);
};
