#include "platform/HostLaunchTarget.h"

#include <QFile>
#include <QFileInfo>
#include <QTest>

class tst_HostLaunchTarget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void classify_data();
    void classify();

private:
    QString m_folder;
};

void tst_HostLaunchTarget::initTestCase()
{
    m_folder = qEnvironmentVariable("VORLAN_TEST_TMP");
    QVERIFY(!m_folder.isEmpty());

    QFile program(m_folder + QStringLiteral("/tool"));
    QVERIFY(program.open(QIODevice::WriteOnly));
    program.write("#!/bin/sh\n");
    program.close();
    QVERIFY(program.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));

    QFile document(m_folder + QStringLiteral("/notes; rm -rf x.txt"));
    QVERIFY(document.open(QIODevice::WriteOnly));
}

void tst_HostLaunchTarget::classify_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("target");

    const QString folder = qEnvironmentVariable("VORLAN_TEST_TMP");
    QTest::newRow("empty") << QString() << int(HostLaunchTarget::Kind::Nothing) << QString();
    QTest::newRow("blank") << QStringLiteral("  ") << int(HostLaunchTarget::Kind::Nothing) << QString();
    QTest::newRow("web address") << QStringLiteral("https://example.org/a?b=c") << int(HostLaunchTarget::Kind::Url)
                                 << QStringLiteral("https://example.org/a?b=c");
    QTest::newRow("executable file") << folder + QStringLiteral("/tool") << int(HostLaunchTarget::Kind::Program)
                                     << folder + QStringLiteral("/tool");
    QTest::newRow("document with shell characters")
        << folder + QStringLiteral("/notes; rm -rf x.txt") << int(HostLaunchTarget::Kind::Url)
        << QUrl::fromLocalFile(folder + QStringLiteral("/notes; rm -rf x.txt")).toString();
    QTest::newRow("missing absolute file opens as a file URL")
        << QStringLiteral("/nonexistent/file.pdf") << int(HostLaunchTarget::Kind::Url)
        << QStringLiteral("file:///nonexistent/file.pdf");
    QTest::newRow("program on PATH") << QStringLiteral("sh") << int(HostLaunchTarget::Kind::Program)
                                     << QStringLiteral("/usr/bin/sh");
    QTest::newRow("shell command line is not run")
        << QStringLiteral("sh -c 'touch x'") << int(HostLaunchTarget::Kind::Nothing) << QString();
    QTest::newRow("drive path is no address")
        << QStringLiteral("C:\\Windows\\notepad.exe") << int(HostLaunchTarget::Kind::Nothing) << QString();
}

void tst_HostLaunchTarget::classify()
{
    QFETCH(QString, value);
    QFETCH(int, kind);
    QFETCH(QString, target);

    const HostLaunchTarget result = HostLaunchTarget::classify(value);
    QCOMPARE(int(result.kind()), kind);
    if (kind == int(HostLaunchTarget::Kind::Program))
        QCOMPARE(QFileInfo(result.program()).canonicalFilePath(), QFileInfo(target).canonicalFilePath());
    else if (kind == int(HostLaunchTarget::Kind::Url))
        QCOMPARE(result.url().toString(), target);
}

QTEST_APPLESS_MAIN(tst_HostLaunchTarget)
#include "tst_HostLaunchTarget.moc"
