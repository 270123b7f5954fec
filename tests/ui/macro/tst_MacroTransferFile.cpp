#include "ui/macro/MacroTransferFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

#include <sys/resource.h>

namespace {

MacroEventFields eventOf(const QString &mark, const QString &delay, const QString &code, const QString &name,
                         const QString &direction, const QString &type = "key")
{
    return {mark, delay, type, code, name, direction};
}

std::list<MacroEvent> records(const QList<MacroEventFields> &events)
{
    std::list<MacroEvent> list;
    for (const MacroEventFields &each : events)
        list.push_back(MacroRecords::fillEvent(each));
    return list;
}

QString item(const MacroEventFields &e)
{
    return QString("<item mark=\"%1\" delay=\"%2\" type=\"%3\" keyCode=\"%4\" codeName=\"%5\" operateExplain=\"%6\"/>")
        .arg(e.mark, e.delay, e.type, e.keyCode, e.codeName, e.operateExplain);
}

// A file of presses of key 4, each released the next event.
QByteArray pressesFile(int presses)
{
    QByteArray text = "<Parameters><macro index=\"1\" name=\"m\">";
    for (int i = 1; i <= presses; ++i) {
        text += item(eventOf(QString::number(i), "5", "4", "A", "down")).toUtf8();
        text += item(eventOf(QString::number(i), "5", "4", "A", "up")).toUtf8();
    }
    return text + "</macro></Parameters>";
}

} // namespace

class tst_MacroTransferFile : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void writesTheGoldenFile();
    void macroWithoutEventsIsAnEmptyElement();
    void nameStaysInTheFolder_data();
    void nameStaysInTheFolder();
    void failedWriteKeepsTheOldFile();
    void roundTripKeepsEveryField();
    void eventsAreFoundByTheirAttributes();
    void badFilesAreRefusedWhole_data();
    void badFilesAreRefusedWhole();
    void sixtyTwoEventsAreTaken();
    void importIndexTakesAFreeOne_data();
    void importIndexTakesAFreeOne();
    void macroNameIsTheFileNameToItsFirstDot();

private:
    QString writeText(const QString &name, const QByteArray &text);

    std::unique_ptr<QTemporaryDir> m_folder;
};

void tst_MacroTransferFile::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(m_folder->isValid());
}

QString tst_MacroTransferFile::writeText(const QString &name, const QByteArray &text)
{
    const QString path = m_folder->filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QString();
    file.write(text);
    return path;
}

void tst_MacroTransferFile::writesTheGoldenFile()
{
    const QString path = MacroTransferFile::exportPath(m_folder->path(), "Macro1");
    QCOMPARE(path, m_folder->path() + "/Macro1.xml");
    QString error;
    QVERIFY(MacroTransferFile::write(path, "2", "Macro1",
                                     records({eventOf("1", "0", "4", "A", "down"), eventOf("1", "96", "4", "A", "up")}),
                                     &error));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(),
             QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                        "<Parameters profileIndex=\"1\">\n"
                        "    <macro index=\"2\" name=\"Macro1\">\n"
                        "        <item mark=\"1\" delay=\"0\" type=\"key\" keyCode=\"4\" codeName=\"A\" "
                        "operateExplain=\"down\"/>\n"
                        "        <item mark=\"1\" delay=\"96\" type=\"key\" keyCode=\"4\" codeName=\"A\" "
                        "operateExplain=\"up\"/>\n"
                        "    </macro>\n"
                        "</Parameters>\n"));
}

void tst_MacroTransferFile::macroWithoutEventsIsAnEmptyElement()
{
    const QString path = MacroTransferFile::exportPath(m_folder->path(), "Empty");
    QString error;
    QVERIFY(MacroTransferFile::write(path, "3", "Empty", {}, &error));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                        "<Parameters profileIndex=\"1\">\n"
                                        "    <macro index=\"3\" name=\"Empty\"/>\n"
                                        "</Parameters>\n"));
    const MacroTransferFile::ReadResult read = MacroTransferFile::read(path);
    QVERIFY(read.ok);
    QVERIFY(read.events.isEmpty());
}

void tst_MacroTransferFile::nameStaysInTheFolder_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("parent") << "../../outside";
    QTest::newRow("dots") << "..";
    QTest::newRow("absolute") << "/tmp/elsewhere";
    QTest::newRow("backslash and NUL") << QString("a\\b") + QChar(0) + "c";
}

void tst_MacroTransferFile::nameStaysInTheFolder()
{
    QFETCH(QString, name);
    const QString inner = m_folder->filePath("inner");
    QVERIFY(QDir().mkpath(inner));
    const QString path = MacroTransferFile::exportPath(inner, name);
    QString error;
    // The name attribute is the store's text, which holds no NUL; the file name is the point here.
    QVERIFY2(MacroTransferFile::write(path, "1", "plain", {}, &error), qPrintable(error));
    const QFileInfo written(path);
    QCOMPARE(written.absoluteDir().canonicalPath(), QDir(inner).canonicalPath());
    QCOMPARE(QDir(inner).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

void tst_MacroTransferFile::failedWriteKeepsTheOldFile()
{
    const QString path = MacroTransferFile::exportPath(m_folder->path(), "Kept");
    QString error;
    QVERIFY(MacroTransferFile::write(path, "1", "Kept", records({eventOf("1", "0", "4", "A", "down")}), &error));
    QFile old(path);
    QVERIFY(old.open(QIODevice::ReadOnly));
    const QByteArray before = old.readAll();
    old.close();

    // Files may not grow beyond 100 bytes (also for root): the new text cannot be written whole.
    QList<MacroEventFields> many;
    for (int i = 1; i <= 10; ++i)
        many << eventOf(QString::number(i), "0", "4", "A", "down") << eventOf(QString::number(i), "0", "4", "A", "up");
    rlimit saved{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 100;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool written = MacroTransferFile::write(path, "1", "Kept", records(many), &error);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    QVERIFY(!written);
    QVERIFY(!error.isEmpty());
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), before);
}

void tst_MacroTransferFile::roundTripKeepsEveryField()
{
    const QList<MacroEventFields> events{
        eventOf("3", "0", "-1", QString::fromUtf8("\xE6\x8C\x89\xE9\x94\xAE \xE2\x82\xAC"), "down"),
        eventOf("4", "12", "513", "Left Click", "down", "mouse"),
        eventOf("3", "65535", "-1", QString::fromUtf8("\xE6\x8C\x89\xE9\x94\xAE \xE2\x82\xAC"), "up"),
        eventOf("4", "7", "514", "Left Click", "up", "mouse")};
    const QString path = MacroTransferFile::exportPath(m_folder->path(), "R&<\"");
    QString error;
    QVERIFY(MacroTransferFile::write(path, "5", "R&<\"", records(events), &error));
    const MacroTransferFile::ReadResult read = MacroTransferFile::read(path);
    QVERIFY2(read.ok, qPrintable(read.error));
    QCOMPARE(read.events.size(), events.size());
    for (int i = 0; i < events.size(); ++i) {
        const MacroEventFields &a = read.events.at(i);
        const MacroEventFields &b = events.at(i);
        QCOMPARE(QStringList({a.mark, a.delay, a.type, a.keyCode, a.codeName, a.operateExplain}),
                 QStringList({b.mark, b.delay, b.type, b.keyCode, b.codeName, b.operateExplain}));
    }
}

void tst_MacroTransferFile::eventsAreFoundByTheirAttributes()
{
    const QString path =
        writeText("odd.xml", "<root><group><step mark=\"1\" delay=\"0\" type=\"key\" keyCode=\"5\" codeName=\"B\" "
                             "operateExplain=\"down\"/><note text=\"skip\"/></group>"
                             "<deep><deeper><x mark=\"1\" type=\"key\" delay=\"8\" keyCode=\"5\" codeName=\"B\" "
                             "operateExplain=\"up\"/></deeper></deep></root>");
    const MacroTransferFile::ReadResult read = MacroTransferFile::read(path);
    QVERIFY2(read.ok, qPrintable(read.error));
    QCOMPARE(read.events.size(), 2);
    QCOMPARE(read.events.at(1).delay, QString("8"));
    QCOMPARE(read.events.at(1).operateExplain, QString("up"));
}

void tst_MacroTransferFile::badFilesAreRefusedWhole_data()
{
    QTest::addColumn<QByteArray>("text");
    const QByteArray pair = pressesFile(1);
    QTest::newRow("not XML") << QByteArray("mark=1 type=key");
    QTest::newRow("truncated") << pair.left(pair.size() - 20);
    QTest::newRow("bad direction") << QByteArray(pair).replace("\"up\"", "\"release\"");
    QTest::newRow("bad type") << QByteArray(pair).replace("\"key\"", "\"pedal\"");
    QTest::newRow("unpaired mark") << QByteArray(pair).replace("mark=\"1\" delay=\"5\" type=\"key\" keyCode=\"4\" "
                                                               "codeName=\"A\" operateExplain=\"up\"",
                                                               "mark=\"2\" delay=\"5\" type=\"key\" keyCode=\"4\" "
                                                               "codeName=\"A\" operateExplain=\"up\"");
    QTest::newRow("up before down") << QByteArray("<m>" + item(eventOf("1", "0", "4", "A", "up")).toUtf8()
                                                  + item(eventOf("1", "0", "4", "A", "down")).toUtf8() + "</m>");
    QTest::newRow("delay 70000") << QByteArray(pair).replace("delay=\"5\"", "delay=\"70000\"");
    QTest::newRow("negative delay") << QByteArray(pair).replace("delay=\"5\"", "delay=\"-5\"");
    QTest::newRow("mouse code no button") << QByteArray(pair).replace("\"key\"", "\"mouse\"");
    QTest::newRow("63 events") << pressesFile(31).replace(
        "</macro>", item(eventOf("99", "0", "4", "A", "down")).toUtf8().append("</macro>"));
    QTest::newRow("64 events") << pressesFile(32);
    QTest::newRow("over-long name") << QByteArray(pair).replace("codeName=\"A\"",
                                                                "codeName=\"" + QByteArray(64, 'n') + "\"");
    QTest::newRow("over-long key code") << QByteArray(pair).replace("keyCode=\"4\"", "keyCode=\"0000000000000004\"");
}

void tst_MacroTransferFile::badFilesAreRefusedWhole()
{
    QFETCH(QByteArray, text);
    const MacroTransferFile::ReadResult read = MacroTransferFile::read(writeText("bad.xml", text));
    QVERIFY(!read.ok);
    QVERIFY(!read.error.isEmpty());
    QVERIFY(!MacroTransferFile::read(m_folder->filePath("missing.xml")).ok);
}

void tst_MacroTransferFile::sixtyTwoEventsAreTaken()
{
    const MacroTransferFile::ReadResult read = MacroTransferFile::read(writeText("full.xml", pressesFile(31)));
    QVERIFY2(read.ok, qPrintable(read.error));
    QCOMPARE(read.events.size(), 62);
}

void tst_MacroTransferFile::importIndexTakesAFreeOne_data()
{
    QTest::addColumn<QStringList>("listed");
    QTest::addColumn<int>("index");
    QTest::newRow("none") << QStringList() << 1;
    QTest::newRow("1, 2, 5") << QStringList({"1", "2", "5"}) << 6;
    QTest::newRow("1, 5, 2") << QStringList({"1", "5", "2"}) << 3;
    QTest::newRow("1, 3, 4, 2") << QStringList({"1", "3", "4", "2"}) << 5;
}

void tst_MacroTransferFile::importIndexTakesAFreeOne()
{
    QFETCH(QStringList, listed);
    MacroNode nodes;
    for (const QString &index : listed)
        nodes.push_back({index.toStdString(), "m"});
    QTEST(MacroTransferFile::importIndex(nodes), "index");
}

void tst_MacroTransferFile::macroNameIsTheFileNameToItsFirstDot()
{
    QCOMPARE(MacroTransferFile::macroNameOf("/home/u/My.Macro.xml"), QString("My"));
    QCOMPARE(MacroTransferFile::macroNameOf("/home/u/.xml"), QString());
    QCOMPARE(MacroTransferFile::macroNameOf("/home/u.d/plain"), QString("plain"));
}

QTEST_MAIN(tst_MacroTransferFile)
#include "tst_MacroTransferFile.moc"
