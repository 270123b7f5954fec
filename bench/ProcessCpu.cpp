#include "bench/ProcessCpu.h"

#include <QDir>
#include <QFile>

#include <ctime>
#include <unistd.h>

namespace ProcessCpu {

double processSeconds()
{
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) / 1e9;
}

std::map<std::string, double> threadSeconds()
{
    static const double ticksPerSecond = double(sysconf(_SC_CLK_TCK));
    std::map<std::string, double> times;
    const QStringList tasks = QDir("/proc/self/task").entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &task : tasks) {
        QFile statFile("/proc/self/task/" + task + "/stat");
        if (!statFile.open(QIODevice::ReadOnly))
            continue;
        const QByteArray stat = statFile.readAll();
        const int open = stat.indexOf('(');
        const int close = stat.lastIndexOf(')');
        if (open < 0 || close < open)
            continue;
        const std::string name = stat.mid(open + 1, close - open - 1).toStdString();
        // After ") ": state is field 3, utime field 14, stime field 15.
        const QList<QByteArray> fields = stat.mid(close + 2).split(' ');
        if (fields.size() < 13)
            continue;
        times[name] += (fields.at(11).toDouble() + fields.at(12).toDouble()) / ticksPerSecond;
    }
    return times;
}

} // namespace ProcessCpu
