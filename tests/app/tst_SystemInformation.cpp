#include "app/SystemInformation.h"

#include <QGuiApplication>
#include <QRegularExpression>
#include <QScreen>
#include <QtTest>

namespace {
QStringList captured;

void capture(QtMsgType type, const QMessageLogContext &, const QString &text)
{
    if (type == QtDebugMsg)
        captured << text;
}
} // namespace

class tst_SystemInformation : public QObject
{
    Q_OBJECT

private slots:
    void cpuNameIsFirstModelName_data();
    void cpuNameIsFirstModelName();
    void memoryInGibibytesWithTwoDecimals_data();
    void memoryInGibibytesWithTwoDecimals();
    void bitnessFollowsArchitecture_data();
    void bitnessFollowsArchitecture();
    void sixLinesInOrder();
};

void tst_SystemInformation::cpuNameIsFirstModelName_data()
{
    QTest::addColumn<QByteArray>("cpuinfo");
    QTest::addColumn<QString>("name");
    QTest::newRow("two cores") << QByteArray(
        "processor\t: 0\nvendor_id\t: GenuineIntel\nmodel name\t: Example CPU @ 3.00GHz\n\n"
        "processor\t: 1\nmodel name\t: Other\n")
                               << "Example CPU @ 3.00GHz";
    QTest::newRow("colon in value") << QByteArray("model name : A: B\n") << "A: B";
    QTest::newRow("no model name") << QByteArray("processor : 0\nHardware : board\n") << "";
    QTest::newRow("unreadable") << QByteArray() << "";
}

void tst_SystemInformation::cpuNameIsFirstModelName()
{
    QFETCH(QByteArray, cpuinfo);
    QFETCH(QString, name);
    QCOMPARE(SystemInformation::cpuName(cpuinfo), name);
}

void tst_SystemInformation::memoryInGibibytesWithTwoDecimals_data()
{
    QTest::addColumn<QByteArray>("meminfo");
    QTest::addColumn<QString>("line");
    QTest::newRow("8 GiB, 4 available") << QByteArray(
        "MemTotal:        8388608 kB\nMemFree:          100000 kB\nMemAvailable:    4194304 kB\n")
                                        << "freeMem 4.00 GB / totalMem 8.00 GB";
    QTest::newRow("rounding") << QByteArray("MemTotal: 16318480 kB\nMemAvailable: 1048576 kB\n")
                              << "freeMem 1.00 GB / totalMem 15.56 GB";
    QTest::newRow("unreadable") << QByteArray() << "freeMem 0.00 GB / totalMem 0.00 GB";
}

void tst_SystemInformation::memoryInGibibytesWithTwoDecimals()
{
    QFETCH(QByteArray, meminfo);
    QFETCH(QString, line);
    QCOMPARE(SystemInformation::memoryDescription(meminfo), line);
}

void tst_SystemInformation::bitnessFollowsArchitecture_data()
{
    QTest::addColumn<QString>("architecture");
    QTest::addColumn<QString>("word");
    QTest::newRow("x86_64") << "x86_64"
                            << "64bit";
    QTest::newRow("arm64") << "arm64"
                           << "64bit";
    QTest::newRow("i386") << "i386"
                          << "32bit";
}

void tst_SystemInformation::bitnessFollowsArchitecture()
{
    QFETCH(QString, architecture);
    QFETCH(QString, word);
    QCOMPARE(SystemInformation::bitness(architecture), word);
}

void tst_SystemInformation::sixLinesInOrder()
{
    captured.clear();
    QtMessageHandler previous = qInstallMessageHandler(capture);
    SystemInformation::logSystemInfo("/home/u/.local/share/OsterlinConfig/UserConfig");
    qInstallMessageHandler(previous);

    const QSize screen = QGuiApplication::primaryScreen()->availableGeometry().size();
    QCOMPARE(captured.size(), 6);
    QCOMPARE(captured[0], QString("------------------------- *** App Runing *** ------------------------------"));
    QCOMPARE(captured[1], QString("UserConfig FullPath: \"/home/u/.local/share/OsterlinConfig/UserConfig\""));
    QVERIFY2(QRegularExpression("^System Cpu: \".*\"$").match(captured[2]).hasMatch(), qPrintable(captured[2]));
    QVERIFY2(QRegularExpression("^Memory Describe: \"freeMem \\d+\\.\\d\\d GB / totalMem [1-9]\\d*\\.\\d\\d GB\"$")
                 .match(captured[3])
                 .hasMatch(),
             qPrintable(captured[3]));
    QCOMPARE(captured[4],
             QString("System Version: \"%1 %2\"")
                 .arg(QSysInfo::prettyProductName(), SystemInformation::bitness(QSysInfo::currentCpuArchitecture())));
    QCOMPARE(captured[5], QString("Screen Size: %1  *  %2").arg(screen.width()).arg(screen.height()));
}

QTEST_MAIN(tst_SystemInformation)
#include "tst_SystemInformation.moc"
