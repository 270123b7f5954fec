#include "app/DDataManager.h"
#include "resources/VorlanResources.h"
#include "sdk/store/VorlanXml.h"
#include "ui/mainwidget/devicePage/lights/DCustomLightListItem.h"
#include "ui/mainwidget/devicePage/lights/DLightsConfigPage.h"
#include "ui/mainwidget/devicePage/profiles/CustomLightDefaults.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <list>
#include <memory>

Q_DECLARE_METATYPE(colorInfoData)

namespace {

struct StoredSet
{
    QString name;
    QString status;
    int slot;
};

} // namespace

// The custom light sets of the lighting tab on the five sets of a new profile: which set is shown,
// which two are in the keyboard's slots, what reaches the keyboard, and renaming.
class tst_CustomLightSets : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void checkingUnusedSetTakesCurrentSlot();
    void checkBoxOfSetInUseChangesNothing();
    void unusedRowHasNoSlotUntilItsBoxIsChecked();
    void loadingWithoutSlotSelectsNothing();
    void secondClickOnSelectedRowEmitsNothing();
    void choosingCustomAnnouncesSetTwice();
    void keyboardSlotIsKept();
    void twoSetsInOneSlotSwapNothing();
    void rename();

private:
    void makePage();
    DCustomLightListItem *row(const QString &index) const;
    StoredSet stored(const QString &index) const;
    QList<int> commands() const;
    QCheckBox *box(const QString &index) const { return row(index)->findChild<QCheckBox *>("checkBox"); }

    std::unique_ptr<QTemporaryDir> m_folder;
    QByteArray m_path;
    std::unique_ptr<DLightsConfigPage> m_page;
    QList<QByteArray> m_reports;
};

void tst_CustomLightSets::initTestCase()
{
    initVorlanResources();
    qRegisterMetaType<colorInfoData>();
    DDataManager::instance()->loadTheme(0);
}

void tst_CustomLightSets::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    m_path = (m_folder->path() + "/appProfile_Default.xml").toLocal8Bit();
    QVERIFY(CVorlanXML_CreateXMLFile(m_path.constData()));
    QVERIFY(CVorlanXML_CreateProFileXmlParentNode(m_path.constData(), "1", "Profile1", 0));
    CustomLightDefaults(104, "Aster104", false).addDefaultCustomLights(m_path, 1);
    m_reports.clear();
}

void tst_CustomLightSets::cleanup()
{
    m_page.reset();
}

void tst_CustomLightSets::makePage()
{
    m_page = std::make_unique<DLightsConfigPage>();
    m_page->setProfileIndex(1);
    m_page->setProfileXmlPath(m_path.constData());
    m_page->setReportQueue([this](const unsigned char *report) {
        m_reports.append(QByteArray(reinterpret_cast<const char *>(report), 64));
        return 0;
    });
    m_page->setClock([] { return qint64(0); });
    m_page->setSleeper([](int) {});
    m_page->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_page.get()));
}

DCustomLightListItem *tst_CustomLightSets::row(const QString &index) const
{
    for (DCustomLightListItem *item : m_page->customLightItems()) {
        if (item->getIndex() == index)
            return item;
    }
    return nullptr;
}

StoredSet tst_CustomLightSets::stored(const QString &index) const
{
    std::list<CustomLightNodeStu> sets;
    CVorlanXML_SelectProFileCustomLightAllNodes(m_path.constData(), "1", &sets);
    for (const CustomLightNodeStu &set : sets) {
        if (index == set.index)
            return {QString::fromUtf8(set.name), QString::fromUtf8(set.isUsing), set.usingFlagIndex};
    }
    return {"no set", "", -9};
}

QList<int> tst_CustomLightSets::commands() const
{
    QList<int> result;
    for (const QByteArray &report : m_reports)
        result << quint8(report.at(1));
    return result;
}

void tst_CustomLightSets::checkingUnusedSetTakesCurrentSlot()
{
    makePage();
    m_page->selectCustomLight(0, 0, 1);
    QCOMPARE(m_page->getCurrentCustomLightIndex(), 1);
    QVERIFY(row("1")->isItemSelected() && !row("0")->isItemSelected());
    m_reports.clear();
    // The device page paints the set's keys during the announcement, before any frame is built.
    QList<int> reportsAtAnnouncement;
    connect(m_page.get(), &DLightsConfigPage::sigCustomLightItemHaveChanged, this,
            [&](int slot, QString index, QString name) {
                QCOMPARE(slot, 1);
                QCOMPARE(index, QString("2"));
                QCOMPARE(name, QString("CustomLight"));
                reportsAtAnnouncement << m_reports.size();
            });
    QTest::mouseClick(box("2"), Qt::LeftButton);

    QCOMPARE(reportsAtAnnouncement, QList<int>{0});
    QCOMPARE(stored("1").status, QString("UnUsing"));
    QCOMPARE(stored("1").slot, -1);
    QVERIFY(!box("1")->isChecked());
    QCOMPARE(row("1")->getUsingSlot(), -1);
    QCOMPARE(stored("2").status, QString("Using"));
    QCOMPARE(stored("2").slot, 1);
    QCOMPARE(row("2")->getUsingSlot(), 1);
    QVERIFY(box("2")->isChecked() && row("2")->isItemSelected());
    QCOMPARE(stored("0").slot, 0);
    QCOMPARE(commands(), (QList<int>{8, 8, 8, 8, 8, 8, 8, 8, 6}));
    for (int i = 0; i < 8; ++i)
        QCOMPARE(int(m_reports.at(i).at(2)), 1);
    QCOMPARE(int(m_reports.at(8).at(6)), 10);
}

void tst_CustomLightSets::checkBoxOfSetInUseChangesNothing()
{
    makePage();
    QTest::mouseClick(m_page->findChild<QToolButton *>("toolButton_CustomLed"), Qt::LeftButton);
    m_reports.clear();
    QSignalSpy changed(m_page.get(), &DLightsConfigPage::sigCustomLightItemHaveChanged);
    QTest::mouseClick(box("1"), Qt::LeftButton);
    QVERIFY(box("1")->isChecked());
    QCOMPARE(stored("1").status, QString("Using"));
    QCOMPARE(stored("1").slot, 1);
    QVERIFY(m_reports.isEmpty());
    QCOMPARE(changed.count(), 0);
}

void tst_CustomLightSets::unusedRowHasNoSlotUntilItsBoxIsChecked()
{
    makePage();
    m_page->selectCustomLight(0, 0, 1);
    QSignalSpy changed(m_page.get(), &DLightsConfigPage::sigCustomLightItemHaveChanged);
    QTest::mouseClick(row("3"), Qt::LeftButton);
    QCOMPARE(m_page->customLightSlot(), -1);
    QCOMPARE(m_page->getCurrentCustomLightIndex(), 3);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toInt(), -1);
    QCOMPARE(changed.at(0).at(2).toString(), QString("Custom 4"));
    m_reports.clear();
    m_page->resendCustomLight();
    QVERIFY(m_reports.isEmpty());

    QTest::mouseClick(box("3"), Qt::LeftButton);
    QCOMPARE(m_page->customLightSlot(), 0);
    QCOMPARE(stored("3").status, QString("Using"));
    QCOMPARE(stored("3").slot, 0);
    QCOMPARE(stored("0").status, QString("UnUsing"));
    QCOMPARE(stored("1").slot, 1);
    QCOMPARE(m_reports.size(), 9);
    QCOMPARE(int(m_reports.at(0).at(2)), 0);
}

void tst_CustomLightSets::loadingWithoutSlotSelectsNothing()
{
    makePage();
    m_page->selectCustomLight(0, 0, 0);
    QTest::mouseClick(row("4"), Qt::LeftButton);
    QSignalSpy changed(m_page.get(), &DLightsConfigPage::sigCustomLightItemHaveChanged);
    m_page->loadCustomLightSets();
    QCOMPARE(m_page->customLightItems().size(), 5);
    QCOMPARE(changed.count(), 0);
    QCOMPARE(m_page->getCurrentCustomLightIndex(), -1);
    for (DCustomLightListItem *item : m_page->customLightItems())
        QVERIFY(!item->isItemSelected());
    // The rows of the earlier load are gone once the event loop has run.
    QTRY_COMPARE(m_page->findChildren<DCustomLightListItem *>().size(), 5);
}

void tst_CustomLightSets::secondClickOnSelectedRowEmitsNothing()
{
    makePage();
    m_page->selectCustomLight(0, 0, 0);
    QSignalSpy changed(m_page.get(), &DLightsConfigPage::sigCustomLightItemHaveChanged);
    QTest::mouseClick(row("2"), Qt::LeftButton);
    QTest::mouseClick(row("2"), Qt::LeftButton);
    QCOMPARE(changed.count(), 1);
    // Back to a set in use: its slot becomes the current one.
    QTest::mouseClick(row("1"), Qt::LeftButton);
    QCOMPARE(m_page->customLightSlot(), 1);
}

void tst_CustomLightSets::choosingCustomAnnouncesSetTwice()
{
    makePage();
    QSignalSpy changed(m_page.get(), &DLightsConfigPage::sigCustomLightItemHaveChanged);
    QTest::mouseClick(m_page->findChild<QToolButton *>("toolButton_CustomLed"), Qt::LeftButton);
    QCOMPARE(changed.count(), 2);
    for (const QList<QVariant> &announced : changed)
        QCOMPARE(announced, (QList<QVariant>{0, QString("0"), QString("Alphabets")}));
    QVERIFY(!m_page->findChild<QFrame *>("frame_D")->isHidden());
    // Rows keep the profile's order above the list's spacer.
    QStringList names;
    for (DCustomLightListItem *item : m_page->customLightItems())
        names << item->findChild<QLabel *>("label_CustomItemName")->text();
    QCOMPARE(names, (QStringList{"Alphabets", "WASD+Arrows", "Custom 3", "Custom 4", "Custom 5"}));
    QVERIFY(box("0")->isChecked() && box("1")->isChecked() && !box("2")->isChecked());
}

void tst_CustomLightSets::keyboardSlotIsKept()
{
    makePage();
    QSignalSpy config(m_page.get(), &DLightsConfigPage::sigLightConfigHaveChanged);
    m_page->selectCustomLight(0, 0, 1);
    QCOMPARE(m_page->customLightSlot(), 1);
    QCOMPARE(m_page->keyboardMode(), 10);
    QVERIFY(m_page->findChild<QToolButton *>("toolButton_CustomLed")->isChecked());
    QVERIFY(row("1")->isItemSelected());
    QCOMPARE(config.count(), 1);
    QCOMPARE(config.at(0).at(0).toInt(), -2);
    // The Custom button clicked by the user starts again from slot 0.
    QTest::mouseClick(m_page->findChild<QToolButton *>("toolButton_CustomLed"), Qt::LeftButton);
    QCOMPARE(m_page->customLightSlot(), 0);
}

void tst_CustomLightSets::twoSetsInOneSlotSwapNothing()
{
    QVERIFY(CVorlanXML_ModifyProFileCustomLightNodeUsingStatus(m_path.constData(), "1", "1", "Using", 0));
    makePage();
    m_page->selectCustomLight(0, 0, 1);
    QCOMPARE(m_page->getCurrentCustomLightIndex(), -1);
    m_reports.clear();
    QTest::mouseClick(box("2"), Qt::LeftButton);
    QVERIFY(m_reports.isEmpty());
    QCOMPARE(stored("2").status, QString("UnUsing"));
    QCOMPARE(stored("0").status + stored("1").status, QString("UsingUsing"));
    // The box shows what is stored.
    QVERIFY(!box("2")->isChecked());
    QVERIFY(row("2")->isItemSelected());
}

void tst_CustomLightSets::rename()
{
    DDataManager::instance()->setCurrentProfileXmlPath(m_path.constData());
    DDataManager::instance()->setCurrentProfileIndex(1);
    makePage();
    m_page->selectCustomLight(0, 0, 0);
    QSignalSpy tips(m_page.get(), &DLightsConfigPage::sigSomeMessageTip_LightsConfigPage);
    DCustomLightListItem *item = row("2");
    auto *views = item->findChild<QStackedWidget *>("stackedWidget");
    auto *field = item->findChild<QLineEdit *>("lineEdit_CustomItemName");
    auto *name = item->findChild<QLabel *>("label_CustomItemName");
    const auto renameTo = [&](const QString &text) {
        QTest::mouseDClick(item, Qt::LeftButton);
        QCOMPARE(views->currentWidget()->objectName(), QString("page_ModifyName"));
        QCOMPARE(field->text(), item->getName());
        field->setText(text);
        QTest::mouseClick(item->findChild<QPushButton *>("pushButton_Save"), Qt::LeftButton);
    };

    renameTo("");
    QCOMPARE(tips.count(), 1);
    QCOMPARE(tips.at(0).at(0).toString(), QString("Custom light name can't be empty"));
    QCOMPARE(views->currentWidget()->objectName(), QString("page_ModifyName"));
    QTest::mouseClick(item->findChild<QPushButton *>("pushButton_Cancel"), Qt::LeftButton);
    QCOMPARE(views->currentWidget()->objectName(), QString("page_Default"));
    QCOMPARE(name->text(), QString("Custom 3"));
    QCOMPARE(stored("2").name, QString("Custom 3"));

    renameTo("   ");
    QCOMPARE(tips.last().at(0).toString(), QString("Modify custom light name successful"));
    QCOMPARE(stored("2").name, QString("   "));
    QCOMPARE(name->text(), QString("   "));

    // 23 three-byte characters and one letter: 70 bytes, cut to the 21 characters that fit.
    const QString longName = QString(23, QChar(0x706F)) + "x";
    QCOMPARE(longName.toUtf8().size(), 70);
    renameTo(longName);
    QCOMPARE(name->text(), QString(21, QChar(0x706F)));
    QCOMPARE(stored("2").name, name->text());
    QCOMPARE(item->getName(), name->text());
    QCOMPARE(DCustomLightListItem::fitName(QString(31, QChar(0xE9)) + QString::fromUtf8("\xF0\x9F\x98\x80")),
             QString(31, QChar(0xE9)));
}

QTEST_MAIN(tst_CustomLightSets)
#include "tst_CustomLightSets.moc"
