#include "app/DDataManager.h"
#include "ui/seniorKeys/DSeniorKeyEventListItem.h"
#include "ui/seniorKeys/SeniorKeyRecord.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include <cstring>

Q_DECLARE_METATYPE(SeniorKeyInfoStu)

namespace {

SeniorKeyInfoStu record(int id, int type, const char *name, QList<QByteArray> keys, int tglSet = 0)
{
    SeniorKeyInfoStu info;
    std::memset(&info, 0, sizeof(info));
    info.id = id;
    info.type = type;
    SeniorKeyRecord::writeField(info.name, sizeof(info.name), name);
    keys += QList<QByteArray>{"", "", "", ""};
    SeniorKeyRecord::writeField(info.key1, sizeof(info.key1), keys[0]);
    SeniorKeyRecord::writeField(info.key2, sizeof(info.key2), keys[1]);
    SeniorKeyRecord::writeField(info.key3, sizeof(info.key3), keys[2]);
    SeniorKeyRecord::writeField(info.key4, sizeof(info.key4), keys[3]);
    info.tglSet = tglSet;
    return info;
}

const QMap<int, QString> kCaptions{{4, "A"}, {41, "Esc"}, {225, "L_Shift"}};

} // namespace

// A list row shows a record in both its looks and reports presses and deletions.
class tst_DSeniorKeyEventListItem : public QObject
{
    Q_OBJECT

private slots:
    void showsRecordByType_data();
    void showsRecordByType();
    void namesWithoutNulStayInTheirField();
    void looksFollowTheTheme();
    void anyButtonPressReportsTheRow();
    void deleteButtonReportsOnlyTheDeletion();
};

void tst_DSeniorKeyEventListItem::showsRecordByType_data()
{
    QTest::addColumn<QList<SeniorKeyInfoStu>>("records");
    QTest::addColumn<QString>("visible");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QString>("name");

    const SeniorKeyInfoStu dks = record(1, 1, "DKS1", {"2,4", "225", "", "128,0"});
    const SeniorKeyInfoStu mt = record(2, 2, "MT2", {"1,4", "41", "4", "4"});
    const SeniorKeyInfoStu tglOff = record(3, 3, "TGL3", {"4", "41"}, 0);
    const SeniorKeyInfoStu tglOn = record(3, 3, "TGL3", {"4", "41"}, 1);
    const SeniorKeyInfoStu other = record(4, 9, "X4", {"41", "41", "41", "41"});

    QTest::newRow("DKS") << QList<SeniorKeyInfoStu>{dks} << "1111" << QStringList{"L_SHIFT+A", "L_Shift", "", "R_WIN"}
                         << "DKS1";
    QTest::newRow("MT") << QList<SeniorKeyInfoStu>{mt} << "1100" << QStringList{"L_CTRL+A", "Esc", "C", "D"} << "MT2";
    QTest::newRow("TGL cleared") << QList<SeniorKeyInfoStu>{tglOff} << "1000" << QStringList{"", "B", "C", "D"}
                                 << "TGL3";
    QTest::newRow("TGL set") << QList<SeniorKeyInfoStu>{tglOn} << "1000" << QStringList{"A", "B", "C", "D"} << "TGL3";
    QTest::newRow("unknown type after TGL")
        << QList<SeniorKeyInfoStu>{tglOn, other} << "1111" << QStringList{"A", "B", "C", "D"} << "";
    QTest::newRow("DKS after MT") << QList<SeniorKeyInfoStu>{mt, dks} << "1111"
                                  << QStringList{"L_SHIFT+A", "L_Shift", "", "R_WIN"} << "DKS1";
}

void tst_DSeniorKeyEventListItem::showsRecordByType()
{
    QFETCH(QList<SeniorKeyInfoStu>, records);
    QFETCH(QString, visible);
    QFETCH(QStringList, texts);
    QFETCH(QString, name);

    DSeniorKeyEventListItem row;
    row.setKeyNameMap(kCaptions);
    for (const SeniorKeyInfoStu &info : records)
        row.setSeniorKeyInfo(info);

    QString shown;
    QStringList labelTexts;
    for (int i = 1; i <= 4; ++i) {
        const QLabel *label = row.findChild<QLabel *>(QStringLiteral("label_SeniorKey0%1").arg(i));
        shown += label->isHidden() ? '0' : '1';
        labelTexts << label->text();
    }
    QCOMPARE(shown, visible);
    QCOMPARE(labelTexts, texts);
    QCOMPARE(row.findChild<QLabel *>("label_Type")->text(), name);
    QCOMPARE(row.height(), 45);
}

void tst_DSeniorKeyEventListItem::namesWithoutNulStayInTheirField()
{
    SeniorKeyInfoStu info = record(5, 1, "", {});
    std::memset(info.name, 'N', sizeof(info.name));
    // Sixteen zeros and no NUL: read past the field, they would run into key2 and read as 4.
    std::memset(info.key1, '0', sizeof(info.key1));
    std::strcpy(info.key2, "4");
    DSeniorKeyEventListItem row;
    row.setKeyNameMap(kCaptions);
    row.setSeniorKeyInfo(info);
    QCOMPARE(row.findChild<QLabel *>("label_Type")->text(), QString(256, QLatin1Char('N')));
    QCOMPARE(row.findChild<QLabel *>("label_SeniorKey01")->text(), QString());
    QCOMPARE(row.findChild<QLabel *>("label_SeniorKey02")->text(), QStringLiteral("A"));
}

void tst_DSeniorKeyEventListItem::looksFollowTheTheme()
{
    const ThemeColorInfo theme = DDataManager::instance()->getThemeInfo();
    DSeniorKeyEventListItem row;
    QVERIFY(row.findChild<QFrame *>("frame_Center")
                ->styleSheet()
                .contains(QStringLiteral("color: rgb(%1); font: 75 8pt \"%2\"; border: 1px solid rgb(%1)")
                              .arg(theme.TextDefaultColor, theme.TextFont)));

    const QFrame *background = row.findChild<QFrame *>("frame_BgABC01");
    row.setSelectedStyle(false);
    const QString normal = background->styleSheet();
    QVERIFY(normal.contains(QStringLiteral("background-color: rgb(%1, 128)").arg(theme.DeviceListAreaDefaultBgColor)));
    QVERIFY(normal.contains(QStringLiteral(":hover{background-color: rgb(%1)").arg(theme.MacroListItemHoverColor)));
    QVERIFY(normal.contains(QStringLiteral("border-right: 1px solid rgb(%1)").arg(theme.MacroBorderColor)));
    QVERIFY(!normal.contains(QLatin1String("QLabel")));

    row.setSelectedStyle(true);
    const QString selected = background->styleSheet();
    QVERIFY(selected.contains(QStringLiteral("background-color: rgb(%1)").arg(theme.MacroListItemSelectedColor)));
    QVERIFY(selected.contains(QStringLiteral("border-left: 1px solid rgb(%1)").arg(theme.MacroBorderColor)));
    QVERIFY(!selected.contains(QLatin1String("hover")));

    // What the user sees: the selected background beside the name.
    row.resize(413, 45);
    const QImage picture = row.grab().toImage();
    const QStringList rgb = theme.MacroListItemSelectedColor.split(',');
    QCOMPARE(QColor(picture.pixel(1, 22)), QColor(rgb[0].toInt(), rgb[1].toInt(), rgb[2].toInt()));
}

void tst_DSeniorKeyEventListItem::anyButtonPressReportsTheRow()
{
    DSeniorKeyEventListItem row;
    row.setSeniorKeyInfo(record(7, 2, "MT7", {}));
    row.resize(413, 45);
    row.show();
    QVERIFY(QTest::qWaitForWindowExposed(&row));
    QSignalSpy clicked(&row, &DSeniorKeyEventListItem::sigSeniorKeyEventItemClick);
    QSignalSpy deleted(&row, &DSeniorKeyEventListItem::sigDeleteSeniorKeyEventItem);

    QTest::mousePress(&row, Qt::LeftButton, {}, QPoint(200, 22));
    QTest::mousePress(&row, Qt::RightButton, {}, QPoint(200, 22));
    QTest::mousePress(&row, Qt::MiddleButton, {}, QPoint(200, 22));
    QTest::mousePress(row.findChild<QLabel *>("label_SeniorKey01"), Qt::RightButton);
    QCOMPARE(clicked.size(), 4);
    for (const QVariantList &arguments : clicked)
        QCOMPARE(arguments, QVariantList{7});
    QCOMPARE(deleted.size(), 0);
}

void tst_DSeniorKeyEventListItem::deleteButtonReportsOnlyTheDeletion()
{
    DSeniorKeyEventListItem row;
    row.setSeniorKeyInfo(record(12, 3, "TGL12", {}));
    row.resize(413, 45);
    row.show();
    QVERIFY(QTest::qWaitForWindowExposed(&row));
    QSignalSpy clicked(&row, &DSeniorKeyEventListItem::sigSeniorKeyEventItemClick);
    QSignalSpy deleted(&row, &DSeniorKeyEventListItem::sigDeleteSeniorKeyEventItem);

    QPushButton *button = row.findChild<QPushButton *>("pushButton_DeleteEvent");
    QCOMPARE(button->size(), QSize(22, 22));
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(deleted.size(), 1);
    QCOMPARE(deleted.first(), QVariantList({3, 12}));
    QCOMPARE(clicked.size(), 0);
}

QTEST_MAIN(tst_DSeniorKeyEventListItem)
#include "tst_DSeniorKeyEventListItem.moc"
