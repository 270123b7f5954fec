#include "app/LogWriter.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <vector>

namespace {
const QRegularExpression
    lineFormat("^\\[Debug\\]-\\[flie:    line:0    datetime:(\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d)\\]"
               "--------------------- (.*)$");

QByteArray readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

// Splits on CRLF; a trailing fragment without CRLF is returned as the last element.
QList<QByteArray> crlfLines(const QByteArray &data)
{
    QList<QByteArray> lines = data.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}
} // namespace

class tst_LogWriter : public QObject
{
    Q_OBJECT

private slots:
    void debugMessageThroughHandlerIsOneFormattedLine();
    void otherMessageTypesWriteNothing_data();
    void otherMessageTypesWriteNothing();
    void messagesAcrossMidnightSplitIntoTwoFiles();
    void missingFolderLosesTheMessageQuietly();
    void concurrentWritersKeepEveryLineIntact();
};

void tst_LogWriter::debugMessageThroughHandlerIsOneFormattedLine()
{
    QTemporaryDir dir;
    const QDateTime at(QDate(2026, 3, 4), QTime(5, 6, 7));
    LogWriter writer(dir.path(), [at] { return at; });
    LogWriter::setActive(&writer);
    QtMessageHandler previous = qInstallMessageHandler(logMessageHandler);
    qDebug() << "UserConfig FullPath:" << QString("/home/\u00fcser/UserConfig");
    qInstallMessageHandler(previous);
    LogWriter::setActive(nullptr);

    const QByteArray data = readAll(dir.filePath("2026-03-04.log"));
    QVERIFY(data.endsWith("\r\n"));
    const QList<QByteArray> lines = crlfLines(data);
    QCOMPARE(lines.size(), 1);
    const QString line = QString::fromUtf8(lines.first().chopped(1));
    const QRegularExpressionMatch match = lineFormat.match(line);
    QVERIFY2(match.hasMatch(), qPrintable(line));
    QCOMPARE(match.captured(1), QString("2026-03-04 05:06:07"));
    QCOMPARE(match.captured(2), QString("UserConfig FullPath: \"/home/\u00fcser/UserConfig\""));
}

void tst_LogWriter::otherMessageTypesWriteNothing_data()
{
    QTest::addColumn<int>("type");
    QTest::newRow("warning") << int(QtWarningMsg);
    QTest::newRow("critical") << int(QtCriticalMsg);
    QTest::newRow("info") << int(QtInfoMsg);
}

void tst_LogWriter::otherMessageTypesWriteNothing()
{
    QFETCH(int, type);
    QTemporaryDir dir;
    LogWriter writer(dir.path());
    writer.write(QtMsgType(type), "not for the log");
    QVERIFY(QDir(dir.path()).entryList(QDir::Files).isEmpty());
}

void tst_LogWriter::messagesAcrossMidnightSplitIntoTwoFiles()
{
    QTemporaryDir dir;
    QDateTime now(QDate(2026, 12, 31), QTime(23, 59, 59));
    LogWriter writer(dir.path(), [&now] { return now; });
    writer.write(QtDebugMsg, "before");
    now = now.addSecs(1);
    writer.write(QtDebugMsg, "after");

    const QList<QByteArray> old = crlfLines(readAll(dir.filePath("2026-12-31.log")));
    const QList<QByteArray> fresh = crlfLines(readAll(dir.filePath("2027-01-01.log")));
    QCOMPARE(old.size(), 1);
    QCOMPARE(fresh.size(), 1);
    QVERIFY(old.first().endsWith("--------------------- before\r"));
    QVERIFY(fresh.first().contains("datetime:2027-01-01 00:00:00]"));
    QVERIFY(fresh.first().endsWith("--------------------- after\r"));
}

void tst_LogWriter::missingFolderLosesTheMessageQuietly()
{
    QTemporaryDir dir;
    const QString missing = dir.filePath("no/such/folder");
    LogWriter writer(missing);
    writer.write(QtDebugMsg, "lost");
    QVERIFY(!QDir(missing).exists());
}

void tst_LogWriter::concurrentWritersKeepEveryLineIntact()
{
    QTemporaryDir dir;
    LogWriter writer(dir.path());
    LogWriter::setActive(&writer);
    QtMessageHandler previous = qInstallMessageHandler(logMessageHandler);

    const int threads = 8;
    const int perThread = 500;
    std::vector<QThread *> workers;
    for (int t = 0; t < threads; ++t) {
        workers.push_back(QThread::create([t] {
            for (int i = 0; i < perThread; ++i)
                qDebug().noquote() << QString("thread %1 message %2 %3").arg(t).arg(i).arg(QString(40, 'x'));
        }));
        workers.back()->start();
    }
    for (QThread *worker : workers) {
        worker->wait();
        delete worker;
    }
    qInstallMessageHandler(previous);
    LogWriter::setActive(nullptr);

    QByteArray data;
    const QStringList files = QDir(dir.path()).entryList({"*.log"}, QDir::Files);
    for (const QString &name : files) // the run may straddle midnight
        data += readAll(dir.filePath(name));
    const QList<QByteArray> lines = crlfLines(data);
    QCOMPARE(lines.size(), threads * perThread);
    QSet<QString> seen;
    for (const QByteArray &raw : lines) {
        QVERIFY(raw.endsWith('\r'));
        const QRegularExpressionMatch match = lineFormat.match(QString::fromUtf8(raw.chopped(1)));
        QVERIFY2(match.hasMatch(), raw.constData());
        seen.insert(match.captured(2));
    }
    QCOMPARE(seen.size(), threads * perThread);
}

QTEST_GUILESS_MAIN(tst_LogWriter)
#include "tst_LogWriter.moc"
