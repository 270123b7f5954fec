#include "app/DDataManager.h"
#include "device/DDeviceKeyboardLink.h"
#include "resources/VorlanResources.h"
#include "sdk/store/VorlanXml.h"
#include "tests/support/FakeHostKeyActions.h"
#include "tests/support/KbdsimProcess.h"
#include "tests/support/SeenAppVersion.h"
#include "ui/mainwidget/DMainWidget.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/mainwidget/devicePage/keyFunctions/DChangProfilePage.h"
#include "ui/mainwidget/devicePage/keyFunctions/DCustomKeysPage.h"
#include "ui/mainwidget/devicePage/keyFunctions/DKeyWithAppPage.h"
#include "ui/mainwidget/devicePage/keyFunctions/DKeyWithTextPage.h"
#include "ui/mainwidget/devicePage/profileOps/ProfileDialogProvider.h"
#include "widgets/CbNotice.h"
#include "widgets/keyboardButCustom.h"

#include <QComboBox>
#include <QDir>
#include <QJsonObject>
#include <QPushButton>
#include <QTextEdit>
#include <QToolButton>
#include <QtTest>

#include <memory>

namespace {

const int Patience = 20000;

class ChosenFile : public ProfileDialogProvider
{
public:
    QString existingDirectory(QWidget *, const QString &, const QString &) override { return QString(); }
    QString openFileName(QWidget *, const QString &, const QString &, const QString &) override { return path; }
    int question(QWidget *, const QString &, const QString &, const QString &, const QString &) override { return 0; }

    QString path;
};

} // namespace

// Keys carried out by the computer: given a text, a program and a profile switch on their pages,
// downloaded, then pressed on the simulated keyboard.
class tst_MainRoadHostKeys : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void pressedHostKeysTypeLaunchAndSwitch();

private:
    void clickKey(int keyCode);
    QString layerEntry(int keyCode);

    KbdsimProcess m_sim;
    std::unique_ptr<DMainWidget> m_window;
    QString m_folder;
    int m_id = 0;
};

void tst_MainRoadHostKeys::initTestCase()
{
    initVorlanResources();
    markAppVersionSeen();
    DDataManager::instance()->loadTheme(0);
    m_folder = qEnvironmentVariable("VORLAN_TEST_TMP", QDir::tempPath());
    QVERIFY(m_sim.start(m_folder + "/sim"));
}

void tst_MainRoadHostKeys::cleanupTestCase()
{
    m_window.reset();
}

void tst_MainRoadHostKeys::clickKey(int keyCode)
{
    keyboardButCustom *keyCap = DDataManager::instance()->getKeyButtonMap().value(keyCode);
    QVERIFY(keyCap);
    QTest::mouseClick(keyCap, Qt::LeftButton);
    QCOMPARE(DDataManager::instance()->getCurrentKeyDec(), keyCode);
}

QString tst_MainRoadHostKeys::layerEntry(int keyCode)
{
    DDataManager *data = DDataManager::instance();
    const int place = data->getKeyInfoList().indexOf(data->getKeyButtonMap().value(keyCode));
    const QJsonObject onboard = m_sim.dump(m_id).value("onboard").toObject();
    return onboard.value("keyLayers").toObject().value("0").toString().mid(place * 12, 11);
}

void tst_MainRoadHostKeys::pressedHostKeysTypeLaunchAndSwitch()
{
    QVERIFY(!m_sim.plug("Aster104", &m_id).isEmpty());
    m_window = std::make_unique<DMainWidget>();
    DDevicePage *page = m_window->devicePage();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    QTRY_VERIFY_WITH_TIMEOUT(page->getCurrentDeviceItem() && page->getKeyView(), Patience);
    auto *tab = page->findChild<DCustomKeysPage *>();
    QTRY_VERIFY_WITH_TIMEOUT(!tab->profileXmlPath().isEmpty(), Patience);
    FakeHostKeyActions actions;
    page->getCurrentDeviceLink()->setHostKeyActions(&actions);
    DDataManager *data = DDataManager::instance();
    const int profileBefore = data->getCurrentProfileIndex();
    const QByteArray profilePath = tab->profileXmlPath().toLocal8Bit();
    if (!CVorlanXML_IsExistenceSelectProfileNode(profilePath.constData(), "2"))
        QVERIFY(CVorlanXML_CreateProFileXmlParentNode(profilePath.constData(), "2", "Second", 0));
    QVERIFY(profileBefore != 2);

    // A: a text of 5000 CJK characters.
    const QString text(5000, QChar(0x6587));
    clickKey(4);
    QTest::mouseClick(tab->findChild<QToolButton *>("toolButton_Text"), Qt::LeftButton);
    auto *textPage = tab->findChild<DKeyWithTextPage *>();
    textPage->findChild<QTextEdit *>("textEdit_keyText")->setPlainText(text);
    QTest::mouseClick(textPage->findChild<QPushButton *>("pushButton_OK"), Qt::LeftButton);

    // B: a program whose path has blanks and non-ASCII characters.
    const QString program = m_folder + QString::fromUtf8("/my tools/\xc3\xa9\xe5\x90\xaf\xe5\x8a\xa8 run");
    QVERIFY(QDir().mkpath(m_folder + "/my tools"));
    QFile file(program);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    ChosenFile dialog;
    dialog.path = program;
    clickKey(5);
    QTest::mouseClick(tab->findChild<QToolButton *>("toolButton_OpenApp"), Qt::LeftButton);
    auto *appPage = tab->findChild<DKeyWithAppPage *>();
    appPage->setDialogProvider(&dialog);
    QTest::mouseClick(appPage->findChild<QPushButton *>("pushButton_selectAppPath"), Qt::LeftButton);

    // C: a switch to profile 2, through the hidden function.
    clickKey(6);
    tab->onCurIndexChanged_Key(10);
    auto *profiles = tab->findChild<DChangProfilePage *>()->findChild<QComboBox *>("comboBox_Profile");
    const int second = profiles->findData("2");
    QVERIFY(second >= 0 && second != profiles->currentIndex());
    profiles->setCurrentIndex(second);

    QTest::mouseClick(tab->findChild<QPushButton *>("pushButton_Download"), Qt::LeftButton);
    QCOMPARE(page->findChild<CbNotice *>()->text(), QString("Download config successful"));
    for (int keyCode : {4, 5, 6})
        QTRY_COMPARE_WITH_TIMEOUT(layerEntry(keyCode), QString("16 00 00 %1").arg(keyCode, 2, 16, QChar('0')),
                                  Patience);

    QCOMPARE(m_sim.control(QString("hostkey %1 4 1").arg(m_id)), QString("OK"));
    QTRY_VERIFY_WITH_TIMEOUT(!actions.actions.isEmpty(), Patience);
    QCOMPARE(actions.actions.value(0), "clipboard:" + text);
    QCOMPARE(actions.actions.mid(1), QStringList({"key:11:down", "key:56:down", "key:56:up", "key:11:up"}));
    actions.actions.clear();

    QCOMPARE(m_sim.control(QString("hostkey %1 5 1").arg(m_id)), QString("OK"));
    QTRY_COMPARE_WITH_TIMEOUT(actions.actions, QStringList("launch:" + program), Patience);

    QCOMPARE(m_sim.control(QString("hostkey %1 6 1").arg(m_id)), QString("OK"));
    QTRY_COMPARE_WITH_TIMEOUT(data->getCurrentProfileIndex(), 2, Patience);
    page->getCurrentDeviceLink()->setHostKeyActions(nullptr);
}

QTEST_MAIN(tst_MainRoadHostKeys)
#include "tst_MainRoadHostKeys.moc"
