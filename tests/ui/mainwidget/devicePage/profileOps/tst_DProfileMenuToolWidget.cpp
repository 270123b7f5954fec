#include "ui/mainwidget/devicePage/profileOps/DProfileMenuToolWidget.h"

#include "app/DDataManager.h"
#include "resources/VorlanResources.h"

#include <QLabel>
#include <QtTest>

class tst_DProfileMenuToolWidget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void releaseClosesFirstThenNamesEntry_data();
    void releaseClosesFirstThenNamesEntry();
    void pressAloneEmitsNothing();
    void menuTakesTheCurrentTheme();

private:
    // Names of the menu's signals in the order they were emitted.
    static void record(DProfileMenuToolWidget &menu, QStringList *emitted);
};

void tst_DProfileMenuToolWidget::initTestCase()
{
    initVorlanResources();
}

void tst_DProfileMenuToolWidget::record(DProfileMenuToolWidget &menu, QStringList *emitted)
{
    connect(&menu, &DProfileMenuToolWidget::sigCloseMenuWidow, [emitted] { *emitted << "close"; });
    connect(&menu, &DProfileMenuToolWidget::sigProfileCreate, [emitted] { *emitted << "create"; });
    connect(&menu, &DProfileMenuToolWidget::sigProfileDelete, [emitted] { *emitted << "delete"; });
    connect(&menu, &DProfileMenuToolWidget::sigProfileExport, [emitted] { *emitted << "export"; });
    connect(&menu, &DProfileMenuToolWidget::sigProfileImport, [emitted] { *emitted << "import"; });
    connect(&menu, &DProfileMenuToolWidget::sigProfileModifyName, [emitted] { *emitted << "modify"; });
}

void tst_DProfileMenuToolWidget::releaseClosesFirstThenNamesEntry_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("signal");
    QTest::newRow("create") << "label_CreateNew"
                            << "Create"
                            << "create";
    QTest::newRow("delete") << "label_Delete"
                            << "Delete"
                            << "delete";
    QTest::newRow("export") << "label_Export"
                            << "Export"
                            << "export";
    QTest::newRow("import") << "label_Import"
                            << "Import"
                            << "import";
    QTest::newRow("modify name") << "label_ModifyNanme"
                                 << "Modify Name"
                                 << "modify";
}

void tst_DProfileMenuToolWidget::releaseClosesFirstThenNamesEntry()
{
    QFETCH(QString, entry);
    QFETCH(QString, text);
    QFETCH(QString, signal);
    DProfileMenuToolWidget menu(nullptr);
    QStringList emitted;
    record(menu, &emitted);
    menu.show();
    QLabel *label = menu.findChild<QLabel *>(entry);
    QVERIFY(label);
    QCOMPARE(label->text(), text);

    QTest::mouseClick(label, Qt::LeftButton);

    QCOMPARE(emitted, (QStringList{"close", signal}));
}

void tst_DProfileMenuToolWidget::pressAloneEmitsNothing()
{
    DProfileMenuToolWidget menu(nullptr);
    QStringList emitted;
    record(menu, &emitted);
    menu.show();
    QTest::mousePress(menu.findChild<QLabel *>("label_Export"), Qt::LeftButton);
    QVERIFY(emitted.isEmpty());
}

void tst_DProfileMenuToolWidget::menuTakesTheCurrentTheme()
{
    for (int theme : {0, 1}) {
        DDataManager::instance()->loadTheme(theme);
        const ThemeColorInfo colors = DDataManager::instance()->getThemeInfo();
        DProfileMenuToolWidget menu(nullptr);
        QCOMPARE(menu.styleSheet(),
                 QStringLiteral("QLabel{color:rgb(%1);font:75 10pt \"%5\";background:rgb(%2);}"
                                "QLabel:hover{background:rgb(%3);}QLabel:pressed{background:rgb(%4);}")
                     .arg(colors.MacroListItemTextColor, colors.MacroLeftBgColor, colors.MacroListItemHoverColor,
                          colors.MacroListItemSelectedColor, colors.TextFont));
    }
    // The themes differ, so the menu shows the one loaded last.
    DDataManager::instance()->loadTheme(0);
    const QString first = DProfileMenuToolWidget(nullptr).styleSheet();
    DDataManager::instance()->loadTheme(1);
    QVERIFY(DProfileMenuToolWidget(nullptr).styleSheet() != first);
}

QTEST_MAIN(tst_DProfileMenuToolWidget)
#include "tst_DProfileMenuToolWidget.moc"
