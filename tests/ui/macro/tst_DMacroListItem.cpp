#include "ui/macro/DMacroListItem.h"

#include "app/DDataManager.h"
#include "resources/VorlanResources.h"
#include "tests/ui/macro/MacroFileFixture.h"
#include "ui/macro/macroMenuToolWidget.h"
#include "widgets/ArrowWidget.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QtTest>

class tst_DMacroListItem : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void everyButtonPressEmitsTheClick_data();
    void everyButtonPressEmitsTheClick();
    void doubleClickEmitsTheClickThenOpensTheEdit();
    void menuClosesBeforeItsEntryActs_data();
    void menuClosesBeforeItsEntryActs();
    void everyMenuClickBuildsANewBox();
    void saveStoresNonEmptyNamesTheStoreAccepts();
    void cancelKeepsTheName();

private:
    QStackedWidget *pages(DMacroListItem &row) { return row.findChild<QStackedWidget *>("stackedWidget"); }
    QByteArray m_file;
};

void tst_DMacroListItem::initTestCase()
{
    initVorlanResources();
    DDataManager::instance()->loadTheme(0);
}

void tst_DMacroListItem::init()
{
    m_file = MacroFileFixture::freshFile("rowMacro.xml");
    MacroFileFixture::addMacro(m_file, "2", "Macro2");
}

void tst_DMacroListItem::everyButtonPressEmitsTheClick_data()
{
    QTest::addColumn<int>("button");
    QTest::newRow("left") << int(Qt::LeftButton);
    QTest::newRow("right") << int(Qt::RightButton);
    QTest::newRow("middle") << int(Qt::MiddleButton);
}

void tst_DMacroListItem::everyButtonPressEmitsTheClick()
{
    QFETCH(int, button);
    DMacroListItem row;
    row.setMacroIndexAndName("2", "Macro2");
    row.show();
    QSignalSpy clicked(&row, &DMacroListItem::sigMacroItemMouseClicked);
    QTest::mousePress(row.findChild<QLabel *>("label_MacroName"), Qt::MouseButton(button));
    QCOMPARE(clicked.size(), 1);
    QCOMPARE(clicked.first(), QVariantList({"2", "Macro2"}));
}

void tst_DMacroListItem::doubleClickEmitsTheClickThenOpensTheEdit()
{
    DMacroListItem row;
    row.setMacroIndexAndName("2", "Macro2");
    row.show();
    auto *edit = row.findChild<QLineEdit *>("lineEdit_MacroName");
    bool editOpenAtClick = true;
    connect(&row, &DMacroListItem::sigMacroItemMouseClicked, this,
            [&] { editOpenAtClick = pages(row)->currentWidget()->objectName() == "page_ModifyName"; });
    QSignalSpy clicked(&row, &DMacroListItem::sigMacroItemMouseClicked);
    edit->setText("typed before");
    // A double click is a press and release, then the double-click press.
    QTest::mouseClick(row.findChild<QLabel *>("label_MacroName"), Qt::LeftButton);
    QTest::mouseDClick(row.findChild<QLabel *>("label_MacroName"), Qt::LeftButton);
    QCOMPARE(clicked.size(), 1);
    QVERIFY(!editOpenAtClick);
    QCOMPARE(pages(row)->currentWidget()->objectName(), QString("page_ModifyName"));
    QCOMPARE(edit->text(), QString("Macro2"));
}

void tst_DMacroListItem::menuClosesBeforeItsEntryActs_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("action");
    QTest::newRow("export") << "label_Export"
                            << "export";
    QTest::newRow("delete") << "label_Delete"
                            << "delete";
    QTest::newRow("modify name") << "label_ModifyNanme"
                                 << "rename";
}

void tst_DMacroListItem::menuClosesBeforeItsEntryActs()
{
    QFETCH(QString, entry);
    QFETCH(QString, action);

    DMacroListItem row;
    row.setMacroIndexAndName("2", "Macro2");
    row.show();
    QTest::mouseClick(row.findChild<QPushButton *>("pushButton_MacroOperate"), Qt::LeftButton);
    ArrowWidget *box = row.menuBox();
    QVERIFY(box && box->isVisible());
    auto *menu = box->findChild<macroMenuToolWidget *>();
    QVERIFY(menu);

    QStringList order;
    connect(menu, &macroMenuToolWidget::sigCloseMenuWidow, this, [&] { order << "close"; });
    connect(&row, &DMacroListItem::sigExportMacroChildList, this, [&](QString index, QString name) {
        order << "export";
        QCOMPARE(index + name, QString("2Macro2"));
    });
    connect(&row, &DMacroListItem::sigDeleteMacro, this, [&](QString index, QString name) {
        order << "delete";
        QVERIFY(!box->isVisible());
        QCOMPARE(index + name, QString("2Macro2"));
    });
    QTest::mouseClick(menu->findChild<QLabel *>(entry), Qt::LeftButton);
    if (action == "rename") {
        order << "rename";
        QCOMPARE(pages(row)->currentWidget()->objectName(), QString("page_ModifyName"));
    }
    QCOMPARE(order, QStringList({"close", action}));
    QVERIFY(!box->isVisible());
}

void tst_DMacroListItem::everyMenuClickBuildsANewBox()
{
    DMacroListItem row;
    row.show();
    auto *operate = row.findChild<QPushButton *>("pushButton_MacroOperate");
    QTest::mouseClick(operate, Qt::LeftButton);
    ArrowWidget *first = row.menuBox();
    QTest::mouseClick(first->findChild<macroMenuToolWidget *>()->findChild<QLabel *>("label_Export"), Qt::LeftButton);
    QTest::mouseClick(operate, Qt::LeftButton);
    QVERIFY(row.menuBox() != first);
    QCOMPARE(row.findChildren<ArrowWidget *>().size(), 2);
    QVERIFY(!first->isVisible());
    QVERIFY(row.menuBox()->isVisible());
    QCOMPARE(row.menuBox()->size(), QSize(165, 130));
    QCOMPARE(row.menuBox()->arrowPosition(), 73);
}

void tst_DMacroListItem::saveStoresNonEmptyNamesTheStoreAccepts()
{
    DMacroListItem row;
    row.setMacroXmlPath(m_file.constData());
    row.setMacroIndexAndName("2", "Macro2");
    row.show();
    auto *edit = row.findChild<QLineEdit *>("lineEdit_MacroName");
    auto *save = row.findChild<QPushButton *>("pushButton_Save");
    QSignalSpy empty(&row, &DMacroListItem::sigModifyMacroItemNameIsEmpty);
    QSignalSpy success(&row, &DMacroListItem::sigModifyMacroItemNameSuccess);
    QTest::mouseDClick(row.findChild<QLabel *>("label_MacroName"), Qt::LeftButton);

    // Empty: told, nothing written, the edit stays open.
    edit->clear();
    QTest::mouseClick(save, Qt::LeftButton);
    QCOMPARE(empty.size(), 1);
    QCOMPARE(pages(row)->currentWidget()->objectName(), QString("page_ModifyName"));

    // The unchanged name still goes to the store.
    edit->setText("Macro2");
    QTest::mouseClick(save, Qt::LeftButton);
    QCOMPARE(success.size(), 1);
    QCOMPARE(pages(row)->currentWidget()->objectName(), QString("page_Default"));

    // Spaces are a name; the store gets it as typed.
    QTest::mouseDClick(row.findChild<QLabel *>("label_MacroName"), Qt::LeftButton);
    edit->setText(QString::fromUtf8("  Gaming \xE5\xAE\x8F "));
    QTest::mouseClick(save, Qt::LeftButton);
    QCOMPARE(success.size(), 2);
    QCOMPARE(row.macroName(), QString::fromUtf8("  Gaming \xE5\xAE\x8F "));
    QCOMPARE(row.findChild<QLabel *>("label_MacroName")->text(), row.macroName());
    QCOMPARE(MacroFileFixture::macros(m_file).value(0).second, row.macroName());

    // The store refuses (the macro is gone): nothing changes, the edit stays open.
    MacroFileFixture::freshFile("rowMacro.xml");
    QTest::mouseDClick(row.findChild<QLabel *>("label_MacroName"), Qt::LeftButton);
    edit->setText("Other");
    QTest::mouseClick(save, Qt::LeftButton);
    QCOMPARE(success.size(), 2);
    QCOMPARE(empty.size(), 1);
    QCOMPARE(row.macroName(), QString::fromUtf8("  Gaming \xE5\xAE\x8F "));
    QCOMPARE(pages(row)->currentWidget()->objectName(), QString("page_ModifyName"));
}

void tst_DMacroListItem::cancelKeepsTheName()
{
    DMacroListItem row;
    row.setMacroXmlPath(m_file.constData());
    row.setMacroIndexAndName("2", "Macro2");
    row.show();
    QTest::mouseDClick(row.findChild<QLabel *>("label_MacroName"), Qt::LeftButton);
    row.findChild<QLineEdit *>("lineEdit_MacroName")->setText("Other");
    QTest::mouseClick(row.findChild<QPushButton *>("pushButton_Cancel"), Qt::LeftButton);
    QCOMPARE(pages(row)->currentWidget()->objectName(), QString("page_Default"));
    QCOMPARE(row.macroName(), QString("Macro2"));
    QCOMPARE(MacroFileFixture::macros(m_file).value(0).second, QString("Macro2"));
}

QTEST_MAIN(tst_DMacroListItem)
#include "tst_DMacroListItem.moc"
