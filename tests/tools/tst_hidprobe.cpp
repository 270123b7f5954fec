#include <QProcess>
#include <QtTest>

// The probe against a kbdsim daemon: the keyboard's side as the program sees it on the wire.
class TestHidProbe : public QObject
{
    Q_OBJECT

private slots:
    void probeShowsInquiryReplyAndHandshakes();
};

void TestHidProbe::probeShowsInquiryReplyAndHandshakes()
{
    const QString bin = QCoreApplication::applicationDirPath();
    const QString folder = qEnvironmentVariable("VORLAN_TEST_TMP", QDir::tempPath()) + "/sim";
    QProcess kbdsim;
    kbdsim.start(bin + "/kbdsim", {"--dir", folder, "--plug", "Aster104:0123456789abcdef0123456789abcdef"});
    QVERIFY(kbdsim.waitForStarted());
    QByteArray started;
    QTRY_VERIFY_WITH_TIMEOUT((started += kbdsim.readAllStandardOutput()).contains("serving"), 20000);

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("VORLAN_SIM_DIR", folder);
    QProcess list;
    list.setProcessEnvironment(environment);
    list.start(bin + "/hidprobe", {"--list"});
    QVERIFY(list.waitForFinished(20000));
    const QStringList paths = QString::fromLatin1(list.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(paths.size(), 1);
    QVERIFY(paths[0].startsWith("hid#vid_1209&pid_0001&mi_01#sim:"));

    QProcess probe;
    probe.setProcessEnvironment(environment);
    probe.start(bin + "/hidprobe", {paths[0], "2.5"});
    QVERIFY(probe.waitForFinished(30000));
    QCOMPARE(probe.exitCode(), 0);
    const QStringList lines = QString::fromLatin1(probe.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    QVERIFY2(lines.size() >= 4, qPrintable(lines.join('\n')));
    QVERIFY(lines[0].startsWith("TX 14"));
    QVERIFY(lines[1].startsWith("RX 15"));
    QVERIFY(lines[1].endsWith("serial \"0123456789abcdef0123456789abcdef\""));
    QVERIFY(lines[2].startsWith("TX 00"));
    QVERIFY(lines[3].startsWith("TX 00"));

    kbdsim.terminate();
    QVERIFY(kbdsim.waitForFinished(20000));
    QCOMPARE(kbdsim.exitCode(), 0);
    QVERIFY(!QFileInfo::exists(folder + "/control.sock"));
}

QTEST_GUILESS_MAIN(TestHidProbe)
#include "tst_hidprobe.moc"
