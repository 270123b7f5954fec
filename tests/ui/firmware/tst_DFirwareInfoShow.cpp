#include "ui/firmware/DFirwareInfoShow.h"

#include "app/DDataManager.h"
#include "sdk/protocol/FirmwareIdentity.h"
#include "sdk/protocol/ModelCatalog.h"
#include "sdk/protocol/SimSocketName.h"
#include "tests/support/SimServerFixture.h"
#include "ui/firmware/DFirwareInfoItem.h"

#include <QLabel>
#include <QVBoxLayout>
#include <QtTest>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

struct Row
{
    QString identity;
    QString version;
    bool operator==(const Row &other) const { return identity == other.identity && version == other.version; }
};

char *toString(const Row &row)
{
    return qstrdup(qPrintable(row.identity + " | " + row.version));
}

// The rows as the user reads them, top to bottom.
QList<Row> shownRows(DFirwareInfoShow &dialog)
{
    auto *layout = dialog.findChild<QVBoxLayout *>("verticalLayout_17");
    QList<Row> rows;
    for (int i = 0; i < layout->count(); ++i) {
        if (auto *item = qobject_cast<DFirwareInfoItem *>(layout->itemAt(i)->widget()))
            rows.append({item->findChild<QLabel *>("label_HidInfo")->text(),
                         item->findChild<QLabel *>("label_DataTimeInfo")->text()});
    }
    return rows;
}

FirmwareIdentity identity(const QStringList &texts)
{
    FirmwareIdentity result;
    for (int i = 0; i < FirmwareIdentity::FieldCount; ++i)
        result.texts[i] = texts.value(i).toStdString();
    return result;
}

// A socket with a keyboard's name that nobody serves: listed by the SDK, but no keyboard.
int silentSocket(const QString &path)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    qstrncpy(address.sun_path, QFile::encodeName(path).constData(), sizeof(address.sun_path));
    const int fd = ::socket(AF_UNIX, SOCK_SEQPACKET, 0);
    if (::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof(address)) != 0 || ::listen(fd, 4) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

} // namespace

class tst_DFirwareInfoShow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void windowBeforeLoading();
    void rowsOfSimulatedKeyboards();
    void refillReplacesRows();
};

void tst_DFirwareInfoShow::initTestCase()
{
    DDataManager::instance()->loadTheme(0);
}

void tst_DFirwareInfoShow::windowBeforeLoading()
{
    SimServerFixture sim;
    QVERIFY(sim.plug("Aster104") > 0);
    DFirwareInfoShow dialog;
    QCOMPARE(dialog.windowTitle(), QString("Firmware Info"));
    QCOMPARE(dialog.size(), QSize(350, 370));
    QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
    QVERIFY(!(dialog.windowFlags() & Qt::WindowContextHelpButtonHint));
    QVERIFY(!(dialog.windowFlags() & Qt::FramelessWindowHint));
    QVERIFY(dialog.findChild<QFrame *>("frame_26")->isHidden());
    const ThemeColorInfo theme = DDataManager::instance()->getThemeInfo();
    QVERIFY(dialog.findChild<QWidget *>("scrollAreaWidgetContents_2")->styleSheet().contains(theme.SettingsBgColor));
    QVERIFY(dialog.findChild<QFrame *>("frame_26")->styleSheet().contains(QString::fromUtf8("微软雅黑")));
    // Nothing is read before the timer fires.
    QCOMPARE(shownRows(dialog).size(), 0);
    QTRY_COMPARE(shownRows(dialog).size(), 1);
}

void tst_DFirwareInfoShow::rowsOfSimulatedKeyboards()
{
    SimServerFixture sim;
    SimServer &server = sim.server();
    // Two keyboards of one identity: one row, with the value of the later path (higher id).
    const QStringList shared = {"VL8201", "01", "KB", "VL", "Aster104", "V1.00", "first"};
    QStringList later = shared;
    later[5] = "V1.05";
    later[6] = "second";
    QVERIFY(server.plug("Aster104", "", false, identity(shared), nullptr) > 0);
    QVERIFY(server.plug("Aster104", "", false, identity(later), nullptr) > 0);
    // Identities that differ in letter case only: two rows, upper case first.
    QVERIFY(server.plug("Quartz68HE", "", false, identity({"vl8302", "02", "MK", "VL", "Quartz68HE", "", ""}), nullptr)
            > 0);
    QVERIFY(
        server.plug("Quartz68HE", "", false, identity({"VL8302", "02", "MK", "VL", "Quartz68HE", "V2", "x"}), nullptr)
        > 0);
    // A dash: the row shows what follows the first one.
    QVERIFY(
        server.plug("Breeze84W", "", true, identity({"WL-8105", "03", "WK", "VL", "Breeze84W", "V1.31", "rx"}), nullptr)
        > 0);
    // Listed by the SDK, answering nothing: no row.
    const QString folder = qEnvironmentVariable("VORLAN_SIM_DIR");
    const int silent =
        silentSocket(folder + "/" + QString::fromStdString(SimSocketName::format(0x1209, 0x0003, 1, "99")));
    QVERIFY(silent >= 0);

    DFirwareInfoShow dialog;
    dialog.show();
    const QList<Row> expected = {
        {"VL820101KBVL,Aster104", "V1.05---second"},
        {"VL830202MKVL,Quartz68HE", "V2---x"},
        {"8105" + QString("03WKVL,Breeze84W"), "V1.31---rx"},
        {"vl830202MKVL,Quartz68HE", "---"},
    };
    QTRY_COMPARE(shownRows(dialog).size(), expected.size());
    QCOMPARE(shownRows(dialog), expected);
    ::close(silent);
}

void tst_DFirwareInfoShow::refillReplacesRows()
{
    DFirwareInfoShow dialog;
    dialog.fillRows({{"b,2", "V2---"}, {"a,1", "V1---"}});
    dialog.fillRows({{"c,3", "V3---x"}});
    QCOMPARE(shownRows(dialog), QList<Row>({{"c,3", "V3---x"}}));
    auto *layout = dialog.findChild<QVBoxLayout *>("verticalLayout_17");
    QCOMPARE(layout->count(), 2);
    QVERIFY(layout->itemAt(1)->spacerItem());
    dialog.clearRows();
    QCOMPARE(layout->count(), 1);
}

QTEST_MAIN(tst_DFirwareInfoShow)
#include "tst_DFirwareInfoShow.moc"
