#include "app/DDataManager.h"
#include "resources/VorlanResources.h"
#include "sdk/store/VorlanXml.h"
#include "tests/support/KbdsimProcess.h"
#include "tests/support/OnboardProfileFixture.h"
#include "tests/support/SeenAppVersion.h"
#include "ui/mainwidget/DMainWidget.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/mainwidget/devicePage/keyFunctions/DCustomKeysPage.h"
#include "ui/mainwidget/devicePage/keyFunctions/DMacroCmdPage.h"
#include "ui/mainwidget/devicePage/keyFunctions/DResetDefaultPage.h"
#include "ui/mainwidget/devicePage/keyFunctions/DSeniorKeysBindingPage.h"
#include "widgets/CbNotice.h"
#include "widgets/keyboardButCustom.h"

#include <QComboBox>
#include <QDir>
#include <QJsonArray>
#include <QJsonObject>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QtTest>

#include <cstring>
#include <memory>

namespace {

const int Patience = 20000;

QString hexBytes(const QByteArray &start, int size)
{
    return QString::fromLatin1((start + QByteArray(size - start.size(), '\0')).toHex(' '));
}

} // namespace

// Keys given a macro or an advanced key on their pages, downloaded into the simulated keyboard;
// then given back their default.
class tst_MainRoadKeyPagesDownload : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void macroKeyCarriesTheBoundCopyUntilReset();
    void advancedKeyOnTheMagneticModel();

private:
    // Opens the program on a plugged model; the tab once the profile is loaded.
    DCustomKeysPage *openProgram(const QString &model);
    void clickKey(int keyCode);
    void clickFunction(const char *buttonName);
    // True when the program reports the download successful; the keyboard may still be taking it.
    bool download();
    QJsonObject onboard();
    QString layerEntry(const QJsonObject &onboard, int keyCode) const;
    QString macroImage(int slot);

    KbdsimProcess m_sim;
    std::unique_ptr<DMainWidget> m_window;
    DCustomKeysPage *m_tab = nullptr;
    int m_id = 0;
};

void tst_MainRoadKeyPagesDownload::initTestCase()
{
    initVorlanResources();
    markAppVersionSeen();
    DDataManager::instance()->loadTheme(0);
    QVERIFY(m_sim.start(qEnvironmentVariable("VORLAN_TEST_TMP", QDir::tempPath()) + "/sim"));
}

void tst_MainRoadKeyPagesDownload::cleanup()
{
    m_window.reset();
    m_sim.control(QString("unplug %1").arg(m_id));
}

DCustomKeysPage *tst_MainRoadKeyPagesDownload::openProgram(const QString &model)
{
    if (m_sim.plug(model, &m_id).isEmpty())
        return nullptr;
    m_window = std::make_unique<DMainWidget>();
    DDevicePage *page = m_window->devicePage();
    m_window->show();
    if (!QTest::qWaitForWindowExposed(m_window.get()))
        return nullptr;
    m_window->activateWindow();
    if (!QTest::qWaitFor([page] { return page->getCurrentDeviceItem() && page->getKeyView(); }, Patience))
        return nullptr;
    m_tab = page->findChild<DCustomKeysPage *>();
    if (!m_tab || !QTest::qWaitFor([this] { return !m_tab->profileXmlPath().isEmpty(); }, Patience))
        return nullptr;
    return m_tab;
}

void tst_MainRoadKeyPagesDownload::clickKey(int keyCode)
{
    keyboardButCustom *keyCap = DDataManager::instance()->getKeyButtonMap().value(keyCode);
    QVERIFY(keyCap);
    QTest::mouseClick(keyCap, Qt::LeftButton);
    QCOMPARE(DDataManager::instance()->getCurrentKeyDec(), keyCode);
}

void tst_MainRoadKeyPagesDownload::clickFunction(const char *buttonName)
{
    auto *button = m_tab->findChild<QToolButton *>(buttonName);
    QVERIFY(button && button->isVisible());
    QTest::mouseClick(button, Qt::LeftButton);
}

bool tst_MainRoadKeyPagesDownload::download()
{
    QTest::mouseClick(m_tab->findChild<QPushButton *>("pushButton_Download"), Qt::LeftButton);
    auto *toast = m_window->devicePage()->findChild<CbNotice *>();
    return toast && toast->text() == QString("Download config successful");
}

QJsonObject tst_MainRoadKeyPagesDownload::onboard()
{
    return m_sim.dump(m_id).value("onboard").toObject();
}

QString tst_MainRoadKeyPagesDownload::macroImage(int slot)
{
    return onboard().value("macroSlots").toArray().at(slot).toObject().value("image").toString();
}

QString tst_MainRoadKeyPagesDownload::layerEntry(const QJsonObject &onboard, int keyCode) const
{
    const QList<keyboardButCustom *> keyList = DDataManager::instance()->getKeyInfoList();
    const int place = keyList.indexOf(DDataManager::instance()->getKeyButtonMap().value(keyCode));
    return onboard.value("keyLayers").toObject().value("0").toString().mid(place * 12, 11);
}

void tst_MainRoadKeyPagesDownload::macroKeyCarriesTheBoundCopyUntilReset()
{
    QVERIFY(openProgram("Aster104"));
    DDataManager *data = DDataManager::instance();
    char macroPath[DDataManager::kPathBufferSize] = {};
    data->getMacroXmlPath(macroPath);
    QVERIFY(CVorlanXML_CreateMacroXmlParentNode(macroPath, "1", "Hello"));
    QVERIFY(CVorlanXML_AddKeyOrMouseEventItem(macroPath, OnboardProfileFixture::typing({4, 5}, 10), "1"));

    // Key 1 plays macro 1 once.
    clickKey(30);
    clickFunction("toolButton_Macro");
    auto *macroPage = m_tab->findChild<DMacroCmdPage *>();
    QCOMPARE(macroPage->findChild<QComboBox *>("comboBox_Macro")->currentText(), QString("Hello"));
    macroPage->findChild<QRadioButton *>("radioButton_playOne")->click();
    // The macro changes later without the program being told: the keyboard gets the profile's copy.
    QVERIFY(CVorlanXML_DeleteMacroNode(macroPath, "1"));
    QVERIFY(CVorlanXML_CreateMacroXmlParentNode(macroPath, "1", "Hello"));
    QVERIFY(CVorlanXML_AddKeyOrMouseEventItem(macroPath, OnboardProfileFixture::typing({6}, 10), "1"));

    QVERIFY(download());
    QTRY_COMPARE_WITH_TIMEOUT(layerEntry(onboard(), 30), QString("10 1e 00 00"), Patience);
    QTRY_COMPARE_WITH_TIMEOUT(macroImage(0), hexBytes(QByteArray::fromHex("0410000a 0400000a 0510000a 05000000"), 248),
                              Patience);

    // Back to its default: the key's own code again, and the slot blank.
    clickFunction("toolButton_Default");
    QTest::mouseClick(m_tab->findChild<DResetDefaultPage *>()->findChild<QPushButton *>("pushButton_OK"),
                      Qt::LeftButton);
    QVERIFY(download());
    QTRY_COMPARE_WITH_TIMEOUT(layerEntry(onboard(), 30), QString("00 1e 00 00"), Patience);
    QTRY_COMPARE_WITH_TIMEOUT(macroImage(0), hexBytes(QByteArray(), 248), Patience);
}

void tst_MainRoadKeyPagesDownload::advancedKeyOnTheMagneticModel()
{
    QVERIFY(openProgram("Quartz68HE"));
    char seniorKeyPath[DDataManager::kPathBufferSize] = {};
    DDataManager::instance()->getSeniorKeyXmlPath(seniorKeyPath);
    // An MT key: hold for right Shift, tap for A.
    SeniorKeyInfoStu key;
    std::memset(&key, 0, sizeof key);
    key.id = 2;
    key.type = 2;
    std::strcpy(key.name, "MT2");
    std::strcpy(key.key1, "225");
    std::strcpy(key.key2, "4");
    const int travel[] = {15, 36, 36, 15};
    std::copy(std::begin(travel), std::end(travel), key.travel);
    key.holdMs = 200;
    QVERIFY(CVorlanXML_SeniorKey_AddInfoItem(seniorKeyPath, key.type, key));

    clickKey(4);
    clickFunction("toolButton_SeniorKeys");
    auto *list = m_tab->findChild<DSeniorKeysBindingPage *>()->findChild<QComboBox *>("comboBox_SeniorKeys");
    QCOMPARE(list->currentText(), QString("MT2"));
    emit list->activated(0);

    QVERIFY(download());
    QTRY_COMPARE_WITH_TIMEOUT(layerEntry(onboard(), 4), QString("17 00 00 00"), Patience);
    QTRY_COMPARE_WITH_TIMEOUT(onboard().value("advancedKeys").toArray().at(0).toObject().value("data").toString(),
                              hexBytes(QByteArray::fromHex("0200e100000004000014"), 58), Patience);
}

QTEST_MAIN(tst_MainRoadKeyPagesDownload)
#include "tst_MainRoadKeyPagesDownload.moc"
