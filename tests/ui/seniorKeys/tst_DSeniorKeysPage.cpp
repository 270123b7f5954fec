#include "app/DDataManager.h"
#include "resources/VorlanResources.h"
#include "sdk/store/VorlanXml.h"
#include "ui/mainwidget/DMainWidget.h"
#include "ui/seniorKeys/DAllKeysItemKey.h"
#include "ui/seniorKeys/DAllKeysShowPage.h"
#include "ui/seniorKeys/DDksShowWidget.h"
#include "ui/seniorKeys/DSeniorKeyEventListItem.h"
#include "ui/seniorKeys/DSeniorKeysPage.h"
#include "ui/seniorKeys/DStrokeConfigView.h"
#include "ui/seniorKeys/SeniorKeyRecord.h"
#include "widgets/ArrowWidget.h"
#include "widgets/CbNotice.h"
#include "widgets/MySlider.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QToolButton>
#include <QtTest>

#include <cstring>

namespace {

template <typename T>
T *child(QObject *parent, const char *name)
{
    T *found = parent->findChild<T *>(name);
    if (!found)
        qWarning("no %s", name);
    return found;
}

QString pageOf(QObject *editor, const char *stackName)
{
    return child<QStackedWidget>(editor, stackName)->currentWidget()->objectName();
}

QString plain(QLabel *label)
{
    QTextDocument document;
    document.setHtml(label->text());
    return document.toPlainText();
}

QList<ArrowWidget *> tips()
{
    QList<ArrowWidget *> found;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *tip = qobject_cast<ArrowWidget *>(widget))
            found << tip;
    }
    return found;
}

void hover(QWidget *widget, QEvent::Type type)
{
    QEvent event(type);
    QCoreApplication::sendEvent(widget, &event);
}

const char *const kSlotButtons[] = {"toolButton_SeniorKey01", "toolButton_SeniorKey02", "toolButton_SeniorKey03",
                                    "toolButton_SeniorKey04"};

} // namespace

// The advanced-key editor on a temporary advanced-key file: list, key entry, creation and
// deletion, hold time, travel points, tips and every way of closing.
class tst_DSeniorKeysPage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void emptyListThenCreatedKeysOfBothKinds();
    void keyEntry_data();
    void keyEntry();
    void rightClickClearsTheTglKey();
    void fortyKeysAndDeletions();
    void holdTimeSavedOnlyOnRelease();
    void travelPopupSavesBothPointsOrNothing();
    void everyClosePathSignalsOnce_data();
    void everyClosePathSignalsOnce();
    void windowSystemCloseLiftsTheMainWindowOverlay();
    void gridEditWithoutSelectedKeyWritesNothing();
    void tipsFollowTheButtonAndDoNotPileUp();
    void keyChoiceShowsThePanelBeneath();

private:
    DSeniorKeysPage *openEditor();
    void addRecord(int id, int type);
    QMap<int, SeniorKeyInfoStu> stored() const;
    QByteArray fileBytes() const;
    void pick(int code);
    void click(const char *name);

    QTemporaryDir m_dir;
    QByteArray m_path;
    QPointer<DSeniorKeysPage> m_editor;
};

void tst_DSeniorKeysPage::initTestCase()
{
    initVorlanResources();
    DDataManager::instance()->loadTheme(0);
    QVERIFY(m_dir.isValid());
}

void tst_DSeniorKeysPage::init()
{
    static int n = 0;
    m_path = QFile::encodeName(m_dir.filePath(QString("keys%1/SeniorKeyConfig.xml").arg(++n)));
    QDir().mkpath(QFileInfo(QString::fromLocal8Bit(m_path)).path());
    QVERIFY(CVorlanXML_SeniorKey_CreateXMLFile(m_path.constData()));
    QVERIFY(CVorlanXML_SeniorKey_CreateProFileXmlParentNode(m_path.constData()));
    DDataManager::instance()->setSeniorKeyXmlPath(m_path.constData());
}

void tst_DSeniorKeysPage::cleanup()
{
    delete m_editor;
    QTRY_VERIFY(tips().isEmpty());
}

DSeniorKeysPage *tst_DSeniorKeysPage::openEditor()
{
    m_editor = new DSeniorKeysPage;
    m_editor->show();
    if (!QTest::qWaitForWindowExposed(m_editor)
        || !QTest::qWaitFor([this] { return m_editor->findChild<DAllKeysShowPage *>() != nullptr; }, 5000))
        return nullptr;
    return m_editor;
}

void tst_DSeniorKeysPage::addRecord(int id, int type)
{
    std::list<SeniorKeyInfoStu> none;
    SeniorKeyInfoStu record = SeniorKeyRecord::newRecord(none, type);
    record.id = id;
    QVERIFY(CVorlanXML_SeniorKey_AddInfoItem(m_path.constData(), type, record));
}

QMap<int, SeniorKeyInfoStu> tst_DSeniorKeysPage::stored() const
{
    std::list<SeniorKeyInfoStu> records;
    CVorlanXML_SeniorKey_SelectAllInfoItem(m_path.constData(), &records);
    QMap<int, SeniorKeyInfoStu> byId;
    for (const SeniorKeyInfoStu &record : records)
        byId.insert(record.id, record);
    return byId;
}

QByteArray tst_DSeniorKeysPage::fileBytes() const
{
    QFile file(QString::fromLocal8Bit(m_path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void tst_DSeniorKeysPage::pick(int code)
{
    for (DAllKeysItemKey *key : m_editor->findChildren<DAllKeysItemKey *>()) {
        if (key->getKeyDec() == code) {
            QTest::mouseClick(key, Qt::LeftButton);
            return;
        }
    }
    QFAIL(qPrintable(QString("no key %1 in the picker").arg(code)));
}

void tst_DSeniorKeysPage::click(const char *name)
{
    auto *button = child<QAbstractButton>(m_editor, name);
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton);
}

void tst_DSeniorKeysPage::emptyListThenCreatedKeysOfBothKinds()
{
    QVERIFY(openEditor());
    QCOMPARE(pageOf(m_editor, "stackedWidget_Left"), QString("page_EmptyTipAll"));
    QCOMPARE(child<QLabel>(m_editor, "label_TipInfo")->text(), QString("Senior keys is empty"));
    QCOMPARE(child<QLabel>(m_editor, "label_EventTotalNum")->text(), QString("0/40"));
    QCOMPARE(m_editor->size(), QSize(930, 590));
    QCOMPARE(child<QLabel>(m_editor, "label_HoldDuration")->text(), QString("150ms"));

    click("pushButton_NewCreate");
    QCOMPARE(m_editor->findChild<CbNotice *>()->text(), QString("Create senior keys successful"));
    QCOMPARE(stored().keys(), QList<int>{1});
    QCOMPARE(pageOf(m_editor, "stackedWidget_Left"), QString("page_SeniorKesOperate"));
    QCOMPARE(pageOf(m_editor, "stackedWidget_2"), QString("page_DKS"));
    QCOMPARE(child<QLabel>(m_editor, "label_EventTotalNum")->text(), QString("1/40"));
    QCOMPARE(m_editor->seniorKeyRows().size(), 1);
    QCOMPARE(child<QLabel>(m_editor->seniorKeyRows().first(), "label_Type")->text(), QString("DKS1"));
    for (const char *name : kSlotButtons)
        QCOMPARE(child<QToolButton>(m_editor, name)->text(), QString());
    const QStringList travel{"1.5mm", "3.6mm", "3.6mm", "1.5mm"};
    const char *labels[] = {"label_Stroke01", "label_Stroke02", "label_Stroke03", "label_Stroke04"};
    for (int i = 0; i < 4; ++i) {
        QLabel *label = child<QLabel>(m_editor, labels[i]);
        QCOMPARE(plain(label), travel[i]);
        // The first and last are links that open the pop-up; the middle two plain text.
        QCOMPARE(label->text().contains("<a href="), i == 0 || i == 3);
    }

    // The kind buttons choose only the next creation.
    click("radioButton_MT");
    QCOMPARE(pageOf(m_editor, "stackedWidget_2"), QString("page_DKS"));
    click("pushButton_NewCreate");
    QCOMPARE(stored().value(2).type, 2);
    QCOMPARE(SeniorKeyRecord::fieldText(stored().value(2).name), QString("MT2"));
    QCOMPARE(pageOf(m_editor, "stackedWidget_2"), QString("page_MT"));
    QCOMPARE(child<QLabel>(m_editor, "label_EventTotalNum")->text(), QString("2/40"));
    QVERIFY(child<QToolButton>(m_editor, "toolButton_HoldKey")->isChecked());
    click("radioButton_DKS");
    click("pushButton_NewCreate");
    QTRY_VERIFY(m_editor->findChild<DDksShowWidget *>()->isVisible());
}

void tst_DSeniorKeysPage::keyEntry_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("combination");
    // Key codes picked in order; 0 clicks the second key slot.
    QTest::addColumn<QList<int>>("picks");
    QTest::addColumn<QStringList>("storedKeys");
    QTest::addColumn<QStringList>("slotTexts");
    QTest::addColumn<int>("tglSet");

    QTest::newRow("single key") << 1 << false << QList<int>{225} << QStringList{"225", ""} << QStringList{"L_Shift", ""}
                                << 0;
    QTest::newRow("two modifiers, third ignored") << 1 << true << QList<int>{224, 225, 226, 4} << QStringList{"3,4", ""}
                                                  << QStringList{"L_CTRL+L_SHIFT+A", ""} << 0;
    QTest::newRow("repeated modifier") << 1 << true << QList<int>{224, 224, 4} << QStringList{"1,4", ""}
                                       << QStringList{"L_CTRL+A", ""} << 0;
    QTest::newRow("ordinary key alone") << 1 << true << QList<int>{4} << QStringList{"", ""} << QStringList{"", ""}
                                        << 0;
    QTest::newRow("combination moves with the slot")
        << 1 << true << QList<int>{224, 0, 4} << QStringList{"", "1,4"} << QStringList{"L_CTRL", "L_CTRL+A"} << 0;
    QTest::newRow("TGL key") << 3 << false << QList<int>{4} << QStringList{"4", ""} << QStringList{"A", ""} << 1;
}

void tst_DSeniorKeysPage::keyEntry()
{
    QFETCH(int, type);
    QFETCH(bool, combination);
    QFETCH(QList<int>, picks);
    QFETCH(QStringList, storedKeys);
    QFETCH(QStringList, slotTexts);
    QFETCH(int, tglSet);

    addRecord(1, type);
    QVERIFY(openEditor());
    if (combination)
        click("radioButton_CombinationKeys");
    for (int code : picks) {
        if (code == 0)
            click("toolButton_SeniorKey02");
        else
            pick(code);
    }
    const SeniorKeyInfoStu key = stored().value(1);
    QCOMPARE(QStringList({SeniorKeyRecord::fieldText(key.key1), SeniorKeyRecord::fieldText(key.key2)}), storedKeys);
    QCOMPARE(key.tglSet, tglSet);
    const QStringList shown = type == 3 ? QStringList{child<QToolButton>(m_editor, "toolButton_TglKey")->text(), ""}
                                        : QStringList{child<QToolButton>(m_editor, kSlotButtons[0])->text(),
                                                      child<QToolButton>(m_editor, kSlotButtons[1])->text()};
    QCOMPARE(shown, slotTexts);
}

void tst_DSeniorKeysPage::rightClickClearsTheTglKey()
{
    addRecord(1, 3);
    QVERIFY(openEditor());
    pick(4);
    QCOMPARE(child<QLabel>(m_editor->seniorKeyRows().first(), "label_SeniorKey01")->text(), QString("A"));

    // A right press away from the slots does nothing.
    QTest::mousePress(m_editor, Qt::RightButton, Qt::NoModifier, QPoint(5, 5));
    QCOMPARE(stored().value(1).tglSet, 1);

    auto *tglKey = child<QToolButton>(m_editor, "toolButton_TglKey");
    hover(tglKey, QEvent::Enter);
    QTest::mousePress(tglKey, Qt::RightButton);
    QTest::mouseRelease(tglKey, Qt::RightButton);
    QCOMPARE(SeniorKeyRecord::fieldText(stored().value(1).key1), QString());
    QCOMPARE(stored().value(1).tglSet, 0);
    QCOMPARE(tglKey->text(), QString());
    QCOMPARE(child<QLabel>(m_editor->seniorKeyRows().first(), "label_SeniorKey01")->text(), QString());
}

void tst_DSeniorKeysPage::fortyKeysAndDeletions()
{
    for (int id = 1; id <= 40; ++id)
        addRecord(id, id % 3 + 1);
    QVERIFY(openEditor());
    QCOMPARE(child<QLabel>(m_editor, "label_EventTotalNum")->text(), QString("40/40"));
    const QByteArray before = fileBytes();
    click("pushButton_NewCreate");
    QCOMPARE(m_editor->findChild<CbNotice *>()->text(), QString("The number of senior keys has reached the maximum"));
    QCOMPARE(fileBytes(), before);

    // Deleting the selected key selects the smallest id left.
    QCOMPARE(child<QLabel>(m_editor->seniorKeyRows().first(), "label_Type")->text(), QString("MT1"));
    QTest::mouseClick(child<QPushButton>(m_editor->seniorKeyRows().first(), "pushButton_DeleteEvent"), Qt::LeftButton);
    QCOMPARE(m_editor->findChild<CbNotice *>()->text(), QString("Delete senior keys successful"));
    QCOMPARE(stored().size(), 39);
    QCOMPARE(child<QLabel>(m_editor, "label_EventTotalNum")->text(), QString("39/40"));
    QCOMPARE(pageOf(m_editor, "stackedWidget_2"), QString("page_TGL"));

    // Deleting another key keeps the selection, shown afresh from its first slot.
    DSeniorKeyEventListItem *dks = m_editor->seniorKeyRows().at(1);
    QTest::mouseClick(dks, Qt::LeftButton);
    QCOMPARE(pageOf(m_editor, "stackedWidget_2"), QString("page_DKS"));
    click("toolButton_SeniorKey03");
    QTest::mouseClick(child<QPushButton>(m_editor->seniorKeyRows().at(2), "pushButton_DeleteEvent"), Qt::LeftButton);
    QCOMPARE(stored().keys().mid(0, 3), QList<int>({2, 3, 5}));
    QCOMPARE(pageOf(m_editor, "stackedWidget_2"), QString("page_DKS"));
    QVERIFY(child<QToolButton>(m_editor, "toolButton_SeniorKey01")->isChecked());
    pick(4);
    QCOMPARE(SeniorKeyRecord::fieldText(stored().value(3).key1), QString("4"));
}

void tst_DSeniorKeysPage::holdTimeSavedOnlyOnRelease()
{
    addRecord(1, 2);
    QVERIFY(openEditor());
    auto *slider = child<MySlider>(m_editor, "horizontalSlider_HoldDuration");
    QCOMPARE(slider->minimum(), 15);
    QCOMPARE(slider->maximum(), 100);
    slider->setValue(37);
    QCOMPARE(child<QLabel>(m_editor, "label_HoldDuration")->text(), QString("370ms"));
    QCOMPARE(stored().value(1).holdMs, 150);
    emit slider->sliderReleased();
    QCOMPARE(stored().value(1).holdMs, 370);
    QCOMPARE(child<QLabel>(m_editor, "label_HoldDuration")->text(), QString("370ms"));
}

void tst_DSeniorKeysPage::travelPopupSavesBothPointsOrNothing()
{
    addRecord(1, 1);
    addRecord(2, 1);
    QVERIFY(openEditor());
    auto *first = child<QLabel>(m_editor, "label_Stroke01");
    auto *last = child<QLabel>(m_editor, "label_Stroke04");

    emit first->linkActivated("Company|1.5mm|");
    QPointer<DStrokeConfigView> popup = m_editor->findChild<DStrokeConfigView *>();
    QVERIFY(popup);
    QWidget *overlay = m_editor->findChild<QWidget *>("widget", Qt::FindDirectChildrenOnly);
    QVERIFY(overlay && overlay->isVisible());
    QCOMPARE(popup->size(), QSize(460, 150));
    QCOMPARE(child<QLabel>(popup, "label_StrokeView")->text(), QString("1.5mm"));
    auto *slider = child<MySlider>(popup, "horizontalSlider_StrokeView");
    slider->setValue(20);
    emit slider->sliderReleased();
    const SeniorKeyInfoStu key = stored().value(1);
    QCOMPARE(QList<int>({key.travel[0], key.travel[1], key.travel[2], key.travel[3]}), QList<int>({20, 36, 36, 20}));
    QCOMPARE(plain(first), QString("2.0mm"));
    QCOMPARE(plain(last), QString("2.0mm"));
    QTest::mouseClick(child<QPushButton>(popup, "pushButton_Close"), Qt::LeftButton);
    QTRY_VERIFY(popup.isNull());
    QVERIFY(!overlay->isVisible());

    // The second key removed behind the editor's back: the store refuses, the editor keeps its values;
    // a pop-up closed without its button still lifts the overlay.
    QTest::mouseClick(m_editor->seniorKeyRows().at(1), Qt::LeftButton);
    emit last->linkActivated("Company|1.5mm|");
    popup = m_editor->findChild<DStrokeConfigView *>();
    QVERIFY(popup && overlay->isVisible());
    QVERIFY(CVorlanXML_SeniorKey_DeleteInfoItem(m_path.constData(), 1, 2));
    slider = child<MySlider>(popup, "horizontalSlider_StrokeView");
    slider->setValue(30);
    emit slider->sliderReleased();
    QCOMPARE(plain(first), QString("1.5mm"));
    QCOMPARE(child<QLabel>(popup, "label_StrokeView")->text(), QString("3.0mm"));
    popup->close();
    QTRY_VERIFY(popup.isNull());
    QVERIFY(!overlay->isVisible());
}

void tst_DSeniorKeysPage::everyClosePathSignalsOnce_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("create");
    for (const char *how : {"button", "escape", "window"}) {
        QTest::newRow(qPrintable(QString("%1, edits only").arg(how))) << how << false;
        QTest::newRow(qPrintable(QString("%1, after a creation").arg(how))) << how << true;
    }
}

void tst_DSeniorKeysPage::everyClosePathSignalsOnce()
{
    QFETCH(QString, how);
    QFETCH(bool, create);
    addRecord(1, 1);
    QVERIFY(openEditor());
    pick(4);
    if (create)
        click("pushButton_NewCreate");
    QSignalSpy closed(m_editor.data(), &DSeniorKeysPage::sigSeniorKeysPageClose);
    QSignalSpy listChanged(DDataManager::instance(), &DDataManager::sigSeniorKeysListItemHaveChanged);
    if (how == "button") {
        click("pushButton_Close");
    } else if (how == "escape") {
        QTest::keyClick(m_editor, Qt::Key_Escape);
    } else {
        // What the window manager's close button delivers to the window.
        QCloseEvent event;
        QCoreApplication::sendEvent(m_editor->windowHandle(), &event);
    }
    QCOMPARE(closed.size(), 1);
    QCOMPARE(listChanged.size(), create ? 1 : 0);
    QTRY_VERIFY(m_editor.isNull());
}

void tst_DSeniorKeysPage::windowSystemCloseLiftsTheMainWindowOverlay()
{
    DMainWidget window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QMetaObject::invokeMethod(&window, "onShowSeniorKeysPage");
    m_editor = window.findChild<DSeniorKeysPage *>();
    QVERIFY(m_editor);
    QWidget *overlay = window.findChildren<QWidget *>("widget", Qt::FindDirectChildrenOnly).last();
    QVERIFY(overlay->isVisible());
    QCOMPARE(m_editor->windowModality(), Qt::WindowModal);
    QCloseEvent event;
    QCoreApplication::sendEvent(m_editor->windowHandle(), &event);
    QVERIFY(!overlay->isVisible());
    QTRY_VERIFY(m_editor.isNull());
}

void tst_DSeniorKeysPage::gridEditWithoutSelectedKeyWritesNothing()
{
    // The read fails: the DKS page and its grid stay on screen with nothing selected.
    QFile broken(QString::fromLocal8Bit(m_path));
    QVERIFY(broken.open(QIODevice::WriteOnly | QIODevice::Truncate));
    broken.write("<not xml");
    broken.close();
    QVERIFY(openEditor());
    QCOMPARE(child<QLabel>(m_editor, "label_EventTotalNum")->text(), QString("0/40"));
    QCOMPARE(pageOf(m_editor, "stackedWidget_Left"), QString("page_SeniorKesOperate"));

    // A file that holds a key with id 0 by now must not receive a blank record from the grid.
    QVERIFY(QFile::remove(QString::fromLocal8Bit(m_path)));
    QVERIFY(CVorlanXML_SeniorKey_CreateXMLFile(m_path.constData()));
    QVERIFY(CVorlanXML_SeniorKey_CreateProFileXmlParentNode(m_path.constData()));
    addRecord(0, 1);
    const QByteArray before = fileBytes();
    auto *grid = m_editor->findChild<DDksShowWidget *>();
    QVERIFY(grid);
    QTRY_VERIFY(grid->isVisible());
    QSignalSpy edits(grid, &DDksShowWidget::sigTheSeniorKeyInfoStuNeedUpdate_DKS);
    const QPoint node(20, 15);
    QMouseEvent move(QEvent::MouseMove, node, grid->mapToGlobal(node), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(grid, &move);
    QTest::mouseClick(grid, Qt::LeftButton, Qt::NoModifier, node);
    QCOMPARE(edits.size(), 1);
    QCOMPARE(fileBytes(), before);
    pick(4);
    QCOMPARE(fileBytes(), before);
}

void tst_DSeniorKeysPage::tipsFollowTheButtonAndDoNotPileUp()
{
    QVERIFY(openEditor());
    auto *mode = child<QToolButton>(m_editor, "toolButton_ExplainInfo");
    auto *kinds = child<QToolButton>(m_editor, "toolButton_ExplainInfo02");
    for (int i = 0; i < 25; ++i) {
        for (QToolButton *button : {kinds, mode}) {
            hover(button, QEvent::Enter);
            hover(button, QEvent::Leave);
        }
    }
    QVERIFY(tips().size() <= 1);

    hover(mode, QEvent::Enter);
    QCOMPARE(tips().size(), 1);
    ArrowWidget *tip = tips().first();
    QVERIFY(tip->isVisible());
    QCOMPARE(tip->size(), QSize(395, 320));
    QCOMPARE(tip->arrowPosition(), 353);
    const QPoint point = mode->mapToGlobal(QPoint(mode->width() / 2, mode->height()));
    QCOMPARE(tip->pos(), point - QPoint(360, mode->height() - 11));
    QCOMPARE(tip->findChild<QLabel *>("label_KeyRecordExplain")->text().count('\n'), 1);
    QVERIFY(!tip->findChild<QLabel *>("label_KeyRecordExplain")->text().contains(" \n"));
    hover(mode, QEvent::Leave);
    QVERIFY(!tip->isVisible());

    hover(kinds, QEvent::Enter);
    tip = tips().first();
    QCOMPARE(tip->arrowPosition(), 193);
    const QPoint kindsPoint = kinds->mapToGlobal(QPoint(kinds->width() / 2, kinds->height()));
    QCOMPARE(tip->pos(), kindsPoint - QPoint(200, kinds->height() - 11));
    const QStringList lines = tip->findChild<QLabel *>("label_DksMtTglExplain")->text().split('\n');
    QCOMPARE(lines.size(), 6);
    QCOMPARE(QStringList({lines[0], lines[2], lines[4]}), QStringList({"DKS:", "MT:", "TGL:"}));

    // No tip outlives the editor.
    delete m_editor;
    QVERIFY(tips().isEmpty());
}

// Below its keys, the key choice shows the window's panel: the same colour as with the list hidden.
void tst_DSeniorKeysPage::keyChoiceShowsThePanelBeneath()
{
    QVERIFY(openEditor());
    auto *list = child<QScrollArea>(m_editor, "scrollArea_3");
    const QWidget *viewport = list->viewport();
    const QPoint probe = viewport->mapTo(m_editor, QPoint(viewport->width() - 3, viewport->height() - 3));
    const QColor shown = m_editor->grab().toImage().pixelColor(probe);
    list->hide();
    const QColor beneath = m_editor->grab().toImage().pixelColor(probe);
    QCOMPARE(shown, beneath);
    QVERIFY(beneath != QColor(Qt::black));
}

QTEST_MAIN(tst_DSeniorKeysPage)
#include "tst_DSeniorKeysPage.moc"
