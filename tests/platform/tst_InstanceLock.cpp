#include "platform/InstanceLock.h"
#include "platform/PrivateRuntimeDir.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

class tst_InstanceLock : public QObject
{
    Q_OBJECT

private slots:
    void killedHolderReleasesTheLock();
    void childProgramOfTheHolderDoesNotKeepTheLock();
    void runtimeFolderMustBeTheUsersOwn_data();
    void runtimeFolderMustBeTheUsersOwn();

private:
    QTemporaryDir m_dir;
};

void tst_InstanceLock::killedHolderReleasesTheLock()
{
    const QString path = m_dir.filePath("killed.lock");
    int ready[2];
    QVERIFY(::pipe(ready) == 0);
    const pid_t holder = ::fork();
    QVERIFY(holder >= 0);
    if (holder == 0) {
        InstanceLock lock;
        const char answer = lock.tryLock(path) ? 'y' : 'n';
        if (::write(ready[1], &answer, 1) != 1)
            ::_exit(1);
        ::pause();
        ::_exit(0);
    }
    char answer = 0;
    QCOMPARE(::read(ready[0], &answer, 1), ssize_t(1));
    QCOMPARE(answer, 'y');

    InstanceLock second;
    QVERIFY(!second.tryLock(path));
    ::kill(holder, SIGKILL);
    QCOMPARE(::waitpid(holder, nullptr, 0), holder);
    QVERIFY(second.tryLock(path));
    ::close(ready[0]);
    ::close(ready[1]);
}

void tst_InstanceLock::childProgramOfTheHolderDoesNotKeepTheLock()
{
    const QString path = m_dir.filePath("child.lock");
    InstanceLock first;
    QVERIFY(first.tryLock(path));
    // A program the holder started outlives it.
    QProcess child;
    child.start("sleep", {"30"});
    QVERIFY(child.waitForStarted(10000));

    InstanceLock second;
    QVERIFY(!second.tryLock(path));
    first.unlock();
    QVERIFY(second.tryLock(path));
    child.kill();
    child.waitForFinished(10000);
}

void tst_InstanceLock::runtimeFolderMustBeTheUsersOwn_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("missing: created") << "missing" << true;
    QTest::newRow("own 0700") << "private" << true;
    QTest::newRow("others may enter") << "open" << false;
    QTest::newRow("a link") << "link" << false;
    QTest::newRow("a file") << "file" << false;
    QTest::newRow("another user's") << "foreign" << false;
}

void tst_InstanceLock::runtimeFolderMustBeTheUsersOwn()
{
    QFETCH(QString, setup);
    QFETCH(bool, accepted);
    QTemporaryDir parent;
    const QString folder = parent.filePath("runtime");
    const QByteArray name = QFile::encodeName(folder);
    if (setup == "private" || setup == "open" || setup == "foreign")
        QVERIFY(::mkdir(name, setup == "open" ? 0755 : 0700) == 0 && ::chmod(name, setup == "open" ? 0755 : 0700) == 0);
    if (setup == "link") {
        QVERIFY(QDir().mkdir(parent.filePath("elsewhere")));
        QVERIFY(::chmod(QFile::encodeName(parent.filePath("elsewhere")), 0700) == 0);
        QVERIFY(QFile::link(parent.filePath("elsewhere"), folder));
    }
    if (setup == "file") {
        QFile file(folder);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    if (setup == "foreign") {
        if (::getuid() != 0)
            QSKIP("only root can give a folder to another user");
        QVERIFY(::chown(name, 65534, 65534) == 0);
    }

    QCOMPARE(PrivateRuntimeDir::ensurePrivate(folder), accepted);
    if (setup == "missing") {
        struct stat info
        {};
        QVERIFY(::stat(name, &info) == 0);
        QCOMPARE(info.st_mode & 0777, mode_t(0700));
    }
}

QTEST_GUILESS_MAIN(tst_InstanceLock)
#include "tst_InstanceLock.moc"
