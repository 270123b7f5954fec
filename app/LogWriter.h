#pragma once

#include <QDateTime>
#include <QString>

#include <functional>
#include <mutex>

// The daily debug log: one line per debug message in <log folder>/yyyy-MM-dd.log.
class LogWriter
{
public:
    using Clock = std::function<QDateTime()>;

    explicit LogWriter(const QString &logDir, Clock clock = &QDateTime::currentDateTime);

    static QString formatLine(const QString &level, const QString &file, int line, const QDateTime &time,
                              const QString &text);
    static QString fileNameFor(const QDate &date);

    // Drops every type but QtDebugMsg. Failures are silent: the log cannot report on itself.
    void write(QtMsgType type, const QString &text);

    QString logDir() const { return m_logDir; }

    // The Qt message handler writes through this writer; null disables it.
    static void setActive(LogWriter *writer);

private:
    QString m_logDir;
    Clock m_clock;
    std::mutex m_mutex;
};

void logMessageHandler(QtMsgType type, const QMessageLogContext &context, const QString &text);
