#include "app/DDataManager.h"
#include "resources/VorlanResources.h"
#include "tests/support/KbdsimProcess.h"
#include "tests/support/SeenAppVersion.h"
#include "ui/mainwidget/DMainWidget.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/mainwidget/devicePage/keyFunctions/DCustomKeysPage.h"
#include "widgets/CbNotice.h"
#include "widgets/keyboardButCustom.h"

#include <QAbstractButton>
#include <QDir>
#include <QJsonObject>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QStackedWidget>
#include <QtTest>

#include <memory>

namespace {

const int Patience = 20000;

QString onboardEntry(const QJsonObject &memory, const QString &layer, int place)
{
    const QString bytes = memory.value("onboard").toObject().value("keyLayers").toObject().value(layer).toString();
    return bytes.mid(place * 12, 11);
}

struct Assignment
{
    int keyCode;
    const char *functionButton;
    const char *pageName;
    const char *control;
    const char *onboard;
};

// One key per choice; the on-board entries the download makes of what the pages stored.
const Assignment assignments[] = {
    {4, "toolButton_Multimedia", "page_Multimedia", "radioButton_volAdd", "07 10 00 00"},
    {5, "toolButton_Multimedia", "page_Multimedia", "radioButton_wwwSearch", "07 21 00 00"},
    {6, "toolButton_Mouse", "page_Mouse", "radioButton_mouseScrollDown", "12 01 ff 00"},
    {7, "toolButton_Shortcuts", "page_Shortcuts", "radioButton_Copy", "13 e0 06 00"},
    {8, "toolButton_Disable", "page_Disable", "pushButton_OK", "00 00 00 00"},
    {9, "toolButton_KeyConfigFunction", "page_KeyConfigFunctionAbout", "radioButton_USB", "11 0b 02 00"},
    {10, "toolButton_KeyConfigFunction", "page_KeyConfigFunctionAbout", "radioButton_Pattern3", "11 0b 00 02"},
    {11, "toolButton_KeyConfigFunction", "page_KeyConfigFunctionAbout", "radioButton_SwitchLoopWin", "11 02 00 00"},
    {12, "toolButton_KBLightAbout", "page_KeyboardLightAbout", "radioButton_BrightnessDown", "03 01 00 00"},
    {13, "toolButton_KBLightAbout", "page_KeyboardLightAbout", "radioButton_CloseBackLight", "11 04 01 00"},
    {14, "toolButton_KBLightAbout", "page_KeyboardLightAbout", "radioButton_StopBackLight", "11 05 00 00"},
    {15, "toolButton_KBLightAbout", "page_KeyboardLightAbout", "radioButton_IntoCustomLight02", "08 01 00 00"},
    {16, "toolButton_KBLightAbout", "page_KeyboardLightAbout", "radioButton_LightRecording", "09 00 00 00"},
    {17, "toolButton_SideLightAbout", "page_SideLightAbout", "radioButton_BottomColor", "0d 02 00 00"},
    {18, "toolButton_SideLightAbout", "page_SideLightAbout", "radioButton_CloseSideLight", "11 04 02 00"},
    {19, "toolButton_SideLightAbout", "page_SideLightAbout", "radioButton_StopSideLight", "11 06 00 00"},
};

} // namespace

// The fixed-choice pages against the simulated keyboard: pick keys on the picture, give each a
// choice by clicking it, download, and find each choice's entry in the keyboard's default layer.
class tst_MainRoadFixedChoiceDownload : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void assignChoicesAndDownload();
    void cleanupTestCase();

private:
    KbdsimProcess m_sim;
    std::unique_ptr<DMainWidget> m_window;
};

void tst_MainRoadFixedChoiceDownload::initTestCase()
{
    initVorlanResources();
    markAppVersionSeen();
    DDataManager::instance()->loadTheme(0);
    QVERIFY(m_sim.start(qEnvironmentVariable("VORLAN_TEST_TMP", QDir::tempPath()) + "/sim"));
}

void tst_MainRoadFixedChoiceDownload::cleanupTestCase()
{
    m_window.reset();
}

void tst_MainRoadFixedChoiceDownload::assignChoicesAndDownload()
{
    int id = 0;
    // The model with a side light and the connection switches.
    QVERIFY(!m_sim.plug("Aster104", &id).isEmpty());
    m_window = std::make_unique<DMainWidget>();
    DDevicePage *devicePage = m_window->devicePage();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    QTRY_VERIFY_WITH_TIMEOUT(devicePage->getCurrentDeviceItem() && devicePage->getKeyView(), Patience);
    auto *tab = devicePage->findChild<DCustomKeysPage *>();
    QVERIFY(tab);
    QTRY_VERIFY_WITH_TIMEOUT(!tab->profileXmlPath().isEmpty(), Patience);
    auto *toast = devicePage->findChild<CbNotice *>();
    QVERIFY(toast);

    DDataManager *data = DDataManager::instance();
    const QList<keyboardButCustom *> keyList = data->getKeyInfoList();
    for (const Assignment &assignment : assignments) {
        const QString row = QString("key %1, %2").arg(assignment.keyCode).arg(assignment.control);
        keyboardButCustom *keyCap = data->getKeyButtonMap().value(assignment.keyCode);
        QVERIFY2(keyCap, qPrintable(row));
        QTest::mouseClick(keyCap, Qt::LeftButton);
        QCOMPARE(data->getCurrentKeyDec(), assignment.keyCode);
        auto *functionButton = tab->findChild<QAbstractButton *>(assignment.functionButton);
        QVERIFY2(functionButton && functionButton->isVisible(), qPrintable(row));
        QTest::mouseClick(functionButton, Qt::LeftButton);
        auto *page = tab->findChild<QWidget *>(assignment.pageName);
        QCOMPARE(tab->findChild<QStackedWidget *>("stackedWidget_Customize")->currentWidget(), page);
        auto *control = page->findChild<QAbstractButton *>(assignment.control);
        QVERIFY2(control, qPrintable(row));
        if (auto *scroll = page->findChild<QScrollArea *>())
            scroll->ensureWidgetVisible(control);
        QTRY_VERIFY2(control->isVisible(), qPrintable(row));
        QTest::mouseClick(control, Qt::LeftButton);
        QVERIFY2(keyCap->isMarked(), qPrintable(row));
        QCOMPARE(toast->text(), QString("Operate successful"));
    }

    // Clicked again, a key opens its page with its choice checked.
    QTest::mouseClick(data->getKeyButtonMap().value(13), Qt::LeftButton);
    auto *closeBackLight =
        tab->findChild<QWidget *>("page_KeyboardLightAbout")->findChild<QRadioButton *>("radioButton_CloseBackLight");
    QTRY_VERIFY(closeBackLight->isVisible());
    QVERIFY(closeBackLight->isChecked());

    QTest::mouseClick(tab->findChild<QPushButton *>("pushButton_Download"), Qt::LeftButton);
    QCOMPARE(toast->text(), QString("Download config successful"));
    QJsonObject memory;
    const int lastPlace = keyList.indexOf(data->getKeyButtonMap().value(19));
    QTRY_COMPARE_WITH_TIMEOUT((memory = m_sim.dump(id), onboardEntry(memory, "0", lastPlace)), QString("11 06 00 00"),
                              Patience);
    for (const Assignment &assignment : assignments) {
        const int place = keyList.indexOf(data->getKeyButtonMap().value(assignment.keyCode));
        QCOMPARE(QString("%1: %2").arg(assignment.control, onboardEntry(memory, "0", place)),
                 QString("%1: %2").arg(assignment.control, assignment.onboard));
    }
    // A key left alone keeps its own function.
    const int escPlace = keyList.indexOf(data->getKeyButtonMap().value(41));
    QCOMPARE(onboardEntry(memory, "0", escPlace), QString("00 29 00 00"));
}

QTEST_MAIN(tst_MainRoadFixedChoiceDownload)
#include "tst_MainRoadFixedChoiceDownload.moc"
