#include "app/LogWriter.h"

#include <QDir>
#include <QFile>
#include <QTextStream>

#include <atomic>

namespace {
std::atomic<LogWriter *> activeWriter{nullptr};
}

LogWriter::LogWriter(const QString &logDir, Clock clock)
    : m_logDir(logDir)
    , m_clock(std::move(clock))
{
}

QString LogWriter::formatLine(const QString &level, const QString &file, int line, const QDateTime &time,
                              const QString &text)
{
    return QString("[%1]-[flie:%2    line:%3    datetime:%4]--------------------- %5")
        .arg(level, file, QString::number(line), time.toString("yyyy-MM-dd hh:mm:ss"), text);
}

QString LogWriter::fileNameFor(const QDate &date)
{
    return date.toString("yyyy-MM-dd") + ".log";
}

void LogWriter::write(QtMsgType type, const QString &text)
{
    if (type != QtDebugMsg)
        return;

    const std::lock_guard<std::mutex> locker(m_mutex);
    const QDateTime now = m_clock();
    // Messages never carry a source position, in every build type.
    const QString line = formatLine("Debug", QString(), 0, now, text);

    QFile file(QDir::toNativeSeparators(m_logDir + "/" + fileNameFor(now.date())));
    if (!file.open(QIODevice::ReadWrite | QIODevice::Append))
        return;
    QTextStream stream(&file);
    stream.setCodec("UTF-8");
    stream << line << "\r\n";
    stream.flush();
    file.close();
}

void LogWriter::setActive(LogWriter *writer)
{
    activeWriter.store(writer);
}

void logMessageHandler(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    Q_UNUSED(context);
    if (LogWriter *writer = activeWriter.load())
        writer->write(type, text);
}
