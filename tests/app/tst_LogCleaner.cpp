#include "app/LogCleaner.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <utime.h>

class tst_LogCleaner : public QObject
{
    Q_OBJECT

private slots:
    void removesOnlyFilesOlderThanSevenDays_data();
    void removesOnlyFilesOlderThanSevenDays();
    void subFoldersStay();
    void missingFolderIsCreatedWithParents();
};

namespace {
void makeFile(const QString &path, const QDateTime &modified)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("x\r\n");
    QVERIFY(file.flush());
    QVERIFY(file.setFileTime(modified, QFileDevice::FileModificationTime));
}
} // namespace

void tst_LogCleaner::removesOnlyFilesOlderThanSevenDays_data()
{
    QTest::addColumn<qint64>("ageSeconds");
    QTest::addColumn<bool>("kept");
    const qint64 day = 24 * 3600;
    QTest::newRow("7 days and 1 second") << 7 * day + 1 << false;
    QTest::newRow("30 days") << 30 * day << false;
    QTest::newRow("6 days") << 6 * day << true;
    QTest::newRow("7 days less 1 second") << 7 * day - 1 << true;
    QTest::newRow("today") << qint64(0) << true;
}

void tst_LogCleaner::removesOnlyFilesOlderThanSevenDays()
{
    QFETCH(qint64, ageSeconds);
    QFETCH(bool, kept);
    QTemporaryDir dir;
    // Whole seconds: file systems may store modification times without milliseconds.
    const QDateTime now = QDateTime::fromSecsSinceEpoch(QDateTime::currentSecsSinceEpoch());
    const QString path = dir.filePath("2026-01-01.log");
    makeFile(path, now.addSecs(-ageSeconds));
    makeFile(dir.filePath("fresh.log"), now);

    LogCleaner::cleanFolder(dir.path(), now);

    QCOMPARE(QFile::exists(path), kept);
    QVERIFY(QFile::exists(dir.filePath("fresh.log")));
}

void tst_LogCleaner::subFoldersStay()
{
    QTemporaryDir dir;
    const QDateTime now = QDateTime::currentDateTime();
    QVERIFY(QDir(dir.path()).mkdir("old"));
    makeFile(dir.filePath("old/inner.log"), now.addDays(-30));
    const time_t old = now.addDays(-30).toSecsSinceEpoch();
    const struct utimbuf times
    {
        old, old
    };
    QCOMPARE(::utime(QFile::encodeName(dir.filePath("old")).constData(), &times), 0);

    LogCleaner::cleanFolder(dir.path(), now);

    QVERIFY(QFileInfo(dir.filePath("old")).isDir());
    QVERIFY(QFile::exists(dir.filePath("old/inner.log")));
}

void tst_LogCleaner::missingFolderIsCreatedWithParents()
{
    QTemporaryDir dir;
    const QString logDir = dir.filePath("AppData/OsterlinConfig/logDir");
    LogCleaner::cleanFolder(logDir, QDateTime::currentDateTime());
    QVERIFY(QFileInfo(logDir).isDir());
}

QTEST_GUILESS_MAIN(tst_LogCleaner)
#include "tst_LogCleaner.moc"
