#include "ui/mainwidget/devicePage/lights/DLightsConfigPage.h"

#include "app/DDataManager.h"
#include "resources/VorlanResources.h"
#include "sdk/store/VorlanXml.h"
#include "widgets/ArrowWidget.h"
#include "widgets/DToolTipExplain.h"
#include "widgets/SVColorArea.h"
#include "widgets/keyboardButCustom.h"
#include "widgets/sliderCustomWidget.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <memory>

Q_DECLARE_METATYPE(colorInfoData)

namespace {

QStringList g_log;

void collectLog(QtMsgType, const QMessageLogContext &, const QString &message)
{
    g_log << message;
}

QVector<int> fields(const colorInfoData &record)
{
    const auto *begin = reinterpret_cast<const int32_t *>(&record);
    return QVector<int>(begin, begin + 14);
}

LightModeSupport support(const QList<int> &modes, int speedSteps = 4, int brightnessSteps = 4)
{
    LightModeSupport result;
    result.modes = modes;
    result.speedSteps = speedSteps;
    result.brightnessSteps = brightnessSteps;
    return result;
}

const QList<int> kEveryKeyboardMode = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 14, 15, 16, 100};
const QList<int> kEverySideMode = {0, 1, 2, 3, 4, 5};

} // namespace

class tst_DLightsConfigPage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void formStartsAsDesigned();
    void clickOnModeWithoutRecordAddsDefaultAndSendsOnce();
    void brightnessTickStoresLevelAndSendsIt();
    void reservedFieldTravelsFromProfileToReport();
    void heldColourRingStoresEmitsAndSendsNothing();
    void colourChangeInCustomModeAlsoPaintsKeys();
    void directionsOfferedPerMode_data();
    void directionsOfferedPerMode();
    void directionClickStoresAndSends();
    void supportFilterShowsListedModesOnly();
    void withoutSideLightAreaRequestsStayOnKeyboard();
    void keyboardChangeShowsSideAreaModeInUse();
    void areaToggleSendsNothing();
    void zeroStepCountKeepsSlider();
    void modeInUseWithoutButtonLoadsNothing();
    void openingTabTwiceSendsTwice();
    void customLightFramesThenModeReport();
    void withoutHidObjectReportsAreLoggedNotQueued();
    void destroyedHidObjectIsForgotten();
    void overlongProfilePathIsRefused();
    void retranslateNamesModeShown();
    void hoverShowsOneReusedTip();

private:
    void makePage(bool recordReports = true);
    QAbstractButton *button(const char *name) const { return m_page->findChild<QAbstractButton *>(name); }
    bool hidden(const char *name) const { return m_page->findChild<QWidget *>(name)->isHidden(); }
    colorInfoData stored(int area, int mode) const;
    int modeInUse(int area) const;
    QList<int> commands() const;

    std::unique_ptr<QTemporaryDir> m_folder;
    QByteArray m_path;
    std::unique_ptr<DLightsConfigPage> m_page;
    QList<QByteArray> m_reports;
    int m_reportsBeforeSleep = -1;
};

void tst_DLightsConfigPage::initTestCase()
{
    initVorlanResources();
    qRegisterMetaType<colorInfoData>();
    DDataManager::instance()->loadTheme(0);
}

void tst_DLightsConfigPage::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    m_path = (m_folder->path() + "/appProfile_Default.xml").toLocal8Bit();
    QVERIFY(CVorlanXML_CreateXMLFile(m_path.constData()));
    QVERIFY(CVorlanXML_CreateProFileXmlParentNode(m_path.constData(), "1", "Profile1", 0));
    m_reports.clear();
    m_reportsBeforeSleep = -1;
    g_log.clear();
}

void tst_DLightsConfigPage::cleanup()
{
    m_page.reset();
    DDataManager::instance()->setKeyInfoList({});
    qInstallMessageHandler(nullptr);
}

void tst_DLightsConfigPage::makePage(bool recordReports)
{
    m_page = std::make_unique<DLightsConfigPage>();
    m_page->setProfileIndex(1);
    m_page->setProfileXmlPath(m_path.constData());
    if (recordReports) {
        m_page->setReportQueue([this](const unsigned char *report) {
            m_reports.append(QByteArray(reinterpret_cast<const char *>(report), 64));
            return 0;
        });
    }
    m_page->setClock([] { return qint64(0x12C39); });
    m_page->setSleeper([this](int milliseconds) {
        QCOMPARE(milliseconds, 5);
        m_reportsBeforeSleep = m_reports.size();
    });
}

colorInfoData tst_DLightsConfigPage::stored(int area, int mode) const
{
    colorInfoData record{};
    record.area = -1;
    CVorlanXML_SelectProfileColorDataInfo(m_path.constData(), "1", area, mode, &record);
    return record;
}

int tst_DLightsConfigPage::modeInUse(int area) const
{
    return CVorlanXML_SelectProFileMouseLightTypeUsingIndex(m_path.constData(), "1", area);
}

QList<int> tst_DLightsConfigPage::commands() const
{
    QList<int> result;
    for (const QByteArray &report : m_reports)
        result << static_cast<unsigned char>(report.at(1));
    return result;
}

void tst_DLightsConfigPage::formStartsAsDesigned()
{
    makePage();
    QVERIFY(button("toolButton_Static")->isChecked());
    QVERIFY(button("toolButton_SideStatic")->isChecked());
    QVERIFY(button("pushButton_TopColor")->isChecked());
    QVERIFY(button("pushButton_Left")->isChecked());
    QVERIFY(hidden("pushButton_CW") && hidden("pushButton_UnCW"));
    QVERIFY(!hidden("toolButton_MouseDPI"));
    QCOMPARE(m_page->findChild<QLabel *>("label_LightMode")->text(), QString("Static"));
    const auto *red = m_page->findChild<QLineEdit *>("lineEdit_R");
    QCOMPARE(red->text() + m_page->findChild<QLineEdit *>("lineEdit_G")->text()
                 + m_page->findChild<QLineEdit *>("lineEdit_B")->text(),
             QString("02550"));
    QCOMPARE(m_page->findChild<QFrame *>("frame_SliderBrightness")->findChild<sliderCustomWidget *>()->size(),
             QSize(140, 40));
    QVERIFY(m_page->findChild<QFrame *>("frame_Color")->findChild<SVColorArea *>());
    QVERIFY(m_reports.isEmpty());
}

void tst_DLightsConfigPage::clickOnModeWithoutRecordAddsDefaultAndSendsOnce()
{
    makePage();
    m_page->setLightModeSupport(support(kEveryKeyboardMode), support(kEverySideMode));
    QSignalSpy selected(m_page.get(), &DLightsConfigPage::sigSelectCurrentLightTypeIndex_KB);
    QTest::mouseClick(button("toolButton_Breath"), Qt::LeftButton);

    const QVector<int> expected{0, 1, 3, 3, 255, 0, 0, 0, 0, 0, 0, 1, 0, 0};
    QCOMPARE(fields(stored(0, 1)), expected);
    QCOMPARE(modeInUse(0), 1);
    QVERIFY(!hidden("frame_Speed") && !hidden("frame_Brightness"));
    QVERIFY(!hidden("frame_23") && !hidden("frame_25"));
    QVERIFY(hidden("frame_DirectionMain"));
    QCOMPARE(selected.count(), 1);
    QCOMPARE(selected.at(0).at(0).toInt(), 1);
    QCOMPARE(fields(selected.at(0).at(1).value<colorInfoData>()), expected);
    QCOMPARE(m_reports.size(), 1);
    QCOMPARE(m_reports.at(0).left(18).toHex(' '), QByteArray("01 06 00 00 00 0e 01 02 02 ff 00 00 00 00 00 00 01 00"));
    QCOMPARE(m_page->findChild<QLabel *>("label_LightMode")->text(), QString("Breath"));
}

void tst_DLightsConfigPage::brightnessTickStoresLevelAndSendsIt()
{
    makePage();
    m_page->setLightModeSupport(support(kEveryKeyboardMode, 5, 5), support({}));
    m_page->loadProfileLightMode();
    QTest::mouseClick(button("toolButton_Neon"), Qt::LeftButton);
    m_reports.clear();
    QSignalSpy changed(m_page.get(), &DLightsConfigPage::sigLightConfigHaveChanged);

    auto *slider = m_page->findChild<QFrame *>("frame_SliderBrightness")->findChild<sliderCustomWidget *>();
    QTest::mousePress(slider, Qt::LeftButton, {}, QPoint(slider->tickPositions().at(4), slider->grooveY()));
    QCOMPARE(stored(0, 3).brightness, 5);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toInt(), 2);
    QCOMPARE(changed.at(0).at(1).value<colorInfoData>().brightness, 5);
    QCOMPARE(m_reports.size(), 1);
    QCOMPARE(int(m_reports.at(0).at(7)), 4);
}

void tst_DLightsConfigPage::reservedFieldTravelsFromProfileToReport()
{
    colorInfoData record{0, 9, 2, 4, 1, 2, 3, 4, 5, 6, 0, 1, 7, 8};
    QVERIFY(CVorlanXML_AddProFileLightInfoItem(m_path.constData(), "1", record));
    makePage();
    QTest::mouseClick(button("toolButton_Twinkle"), Qt::LeftButton);
    QCOMPARE(int(m_reports.last().at(17)), 7);
    m_page->findChild<QFrame *>("frame_SliderSpeed")->findChild<sliderCustomWidget *>()->sigBackCurrentPositionNum(0);
    record.speed = 1;
    QCOMPARE(fields(stored(0, 9)), fields(record));
    QCOMPARE(int(m_reports.last().at(17)), 7);
}

void tst_DLightsConfigPage::heldColourRingStoresEmitsAndSendsNothing()
{
    makePage();
    QTest::mouseClick(button("toolButton_Wave"), Qt::LeftButton);
    const QVector<int> before = fields(stored(0, 2));
    m_reports.clear();
    QSignalSpy changed(m_page.get(), &DLightsConfigPage::sigLightConfigHaveChanged);
    auto *ring = m_page->findChild<SVColorArea *>();
    ring->sigMouseIsPress(true);
    m_page->findChild<QCheckBox *>("checkBox_FullColorMode")->click();
    for (int kind = LIGHT_CHANGE_COLOR; kind <= LIGHT_CHANGE_DIRECTION; ++kind)
        m_page->applyLightConfig(kind);
    QCOMPARE(fields(stored(0, 2)), before);
    QCOMPARE(changed.count(), 0);
    QVERIFY(m_reports.isEmpty());

    // The release commits the whole record once, with the flag the click left in it.
    ring->sigMouseIsPress(false);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toInt(), 0);
    QCOMPARE(stored(0, 2).fullColor, 0);
    QCOMPARE(m_reports.size(), 1);
}

void tst_DLightsConfigPage::colourChangeInCustomModeAlsoPaintsKeys()
{
    makePage();
    QTest::mouseClick(button("toolButton_CustomLed"), Qt::LeftButton);
    QVERIFY(!hidden("frame_D"));
    QCOMPARE(m_page->customLightSlot(), 0);
    QSignalSpy custom(m_page.get(), &DLightsConfigPage::sigLightConfigHaveChanged_Custom);
    m_page->applyLightConfig(LIGHT_CHANGE_BRIGHTNESS);
    QCOMPARE(custom.count(), 0);
    m_page->applyLightConfig(LIGHT_CHANGE_COLOR);
    QCOMPARE(custom.count(), 1);
    QCOMPARE(custom.at(0).at(1).value<colorInfoData>().lightMode, 10);
}

void tst_DLightsConfigPage::directionsOfferedPerMode_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QStringList>("shown");
    const QStringList all = {"Left", "Right", "Up", "Down", "Gather", "Dispersion", "CW", "UnCW"};
    QTest::newRow("Wave") << "Wave" << QStringList(all.mid(0, 6));
    QTest::newRow("Radar") << "Radar" << QStringList{"CW", "UnCW"};
    QTest::newRow("Snake") << "Snack" << QStringList{"CW", "UnCW"};
    QTest::newRow("Aurora") << "Aurora" << QStringList{"Gather", "Dispersion"};
    QTest::newRow("Speed Respond") << "SpeedRespond" << QStringList{"Up", "Down"};
    QTest::newRow("Ripple") << "Ripple" << QStringList();
}

void tst_DLightsConfigPage::directionsOfferedPerMode()
{
    QFETCH(QString, mode);
    QFETCH(QStringList, shown);
    makePage();
    QTest::mouseClick(button(qPrintable("toolButton_" + mode)), Qt::LeftButton);
    QCOMPARE(hidden("frame_DirectionMain"), shown.isEmpty());
    if (shown.isEmpty())
        return;
    QStringList visible;
    for (const char *direction : {"Left", "Right", "Up", "Down", "Gather", "Dispersion", "CW", "UnCW"}) {
        if (!hidden(qPrintable(QString("pushButton_") + direction)))
            visible << direction;
    }
    QCOMPARE(visible, shown);
}

void tst_DLightsConfigPage::directionClickStoresAndSends()
{
    makePage();
    QTest::mouseClick(button("toolButton_Radar"), Qt::LeftButton);
    QVERIFY(button("pushButton_CW")->isChecked());
    m_reports.clear();
    QTest::mouseClick(button("pushButton_UnCW"), Qt::LeftButton);
    QVERIFY(button("pushButton_UnCW")->isChecked() && !button("pushButton_CW")->isChecked());
    QCOMPARE(stored(0, 4).direction, 7);
    QCOMPARE(m_reports.size(), 1);
    QCOMPARE(int(m_reports.at(0).at(15)), 7);
}

void tst_DLightsConfigPage::supportFilterShowsListedModesOnly()
{
    makePage();
    m_page->setLightModeSupport(support({0, 2, 13}), support({}));
    QStringList shown;
    for (const char *name :
         {"Static", "Neon", "Breath", "Wave", "Twinkle", "Snack", "Radar", "AutoRipple", "Striation", "Aurora",
          "Ripple", "Reactive", "Cross", "MouseDPI", "Fireworks", "SpeedRespond", "MusicalRhythm", "CustomLed"}) {
        if (!hidden(qPrintable(QString("toolButton_") + name)))
            shown << name;
    }
    QCOMPARE(shown, (QStringList{"Static", "Wave", "MusicalRhythm", "CustomLed"}));
    QVERIFY(hidden("frame_B"));

    m_page->setLightModeSupport(support({1}), support({0, 5}));
    QVERIFY(!hidden("frame_B"));
    QVERIFY(!hidden("toolButton_SideStatic") && !hidden("toolButton_SideClose"));
    QVERIFY(hidden("toolButton_SideNeon") && hidden("toolButton_Wave"));
}

void tst_DLightsConfigPage::withoutSideLightAreaRequestsStayOnKeyboard()
{
    makePage();
    m_page->setLightModeSupport(support(kEveryKeyboardMode), support({}));
    m_page->loadProfileLightMode();
    QTest::mouseClick(button("toolButton_Wave"), Qt::LeftButton);
    m_reports.clear();
    QSignalSpy changed(m_page.get(), &DLightsConfigPage::sigLightConfigHaveChanged);
    m_page->switchLightArea(1, 2);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toInt(), -1);
    const colorInfoData record = changed.at(0).at(1).value<colorInfoData>();
    QCOMPARE(record.area, 0);
    QCOMPARE(record.lightMode, 2);
    QVERIFY(m_reports.isEmpty());
    auto *stack = m_page->findChild<QStackedWidget *>("stackedWidget");
    QCOMPARE(stack->currentWidget()->objectName(), QString("page_KeyboardLightMode"));
    button("toolButton_LightSelectTypeChanged")->click();
    QCOMPARE(stack->currentWidget()->objectName(), QString("page_KeyboardLightMode"));
}

void tst_DLightsConfigPage::keyboardChangeShowsSideAreaModeInUse()
{
    QVERIFY(CVorlanXML_ModifyProFileMouseLightUsingIndex(m_path.constData(), "1", 1, 4));
    makePage();
    m_page->setLightModeSupport(support(kEveryKeyboardMode), support(kEverySideMode, 3, 2));
    m_page->loadProfileLightMode();
    m_reports.clear();
    QSignalSpy changed(m_page.get(), &DLightsConfigPage::sigLightConfigHaveChanged);
    m_page->switchLightArea(1, 4);

    QCOMPARE(m_page->findChild<QStackedWidget *>("stackedWidget")->currentWidget()->objectName(),
             QString("page_SideLightMode"));
    QCOMPARE(m_page->sideMode(), 4);
    QVERIFY(button("toolButton_SideNeon")->isChecked());
    QCOMPARE(m_page->findChild<QLabel *>("label_LightMode")->text(), QString("Neon"));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toInt(), -1);
    QCOMPARE(fields(changed.at(0).at(1).value<colorInfoData>()), fields(LightTypes::defaultRecord(1, 4)));
    QVERIFY(m_reports.isEmpty());
    // The side area's own step counts.
    QCOMPARE(
        m_page->findChild<QFrame *>("frame_SliderSpeed")->findChild<sliderCustomWidget *>()->tickPositions().size(), 4);

    // A side-mode click stores and sends the side report.
    QTest::mouseClick(button("toolButton_SideClose"), Qt::LeftButton);
    QCOMPARE(m_reports.size(), 1);
    QCOMPARE(m_reports.at(0).left(7).toHex(' '), QByteArray("01 07 00 00 00 0d 05"));
    QVERIFY(hidden("frame_Brightness") && hidden("frame_Speed") && hidden("frame_23"));
    QCOMPARE(modeInUse(1), 5);
}

void tst_DLightsConfigPage::areaToggleSendsNothing()
{
    makePage();
    m_page->setLightModeSupport(support(kEveryKeyboardMode), support(kEverySideMode));
    m_page->loadProfileLightMode();
    m_reports.clear();
    QSignalSpy changed(m_page.get(), &DLightsConfigPage::sigLightConfigHaveChanged);
    QSignalSpy keyboard(m_page.get(), &DLightsConfigPage::sigSelectCurrentLightTypeIndex_KB);
    QSignalSpy side(m_page.get(), &DLightsConfigPage::sigSelectCurrentLightTypeIndex_Side);
    QTest::mouseClick(button("toolButton_LightSelectTypeChanged"), Qt::LeftButton);
    QVERIFY(m_page->isSideLightArea());
    QTest::mouseClick(button("toolButton_LightSelectTypeChanged"), Qt::LeftButton);
    QVERIFY(!m_page->isSideLightArea());
    QVERIFY(m_reports.isEmpty());
    QCOMPARE(changed.count() + keyboard.count() + side.count(), 0);
}

void tst_DLightsConfigPage::zeroStepCountKeepsSlider()
{
    makePage();
    m_page->setLightModeSupport(support(kEveryKeyboardMode, 0, 3), support({}));
    m_page->loadProfileLightMode();
    QCOMPARE(
        m_page->findChild<QFrame *>("frame_SliderSpeed")->findChild<sliderCustomWidget *>()->tickPositions().size(), 6);
    QCOMPARE(m_page->findChild<QFrame *>("frame_SliderBrightness")
                 ->findChild<sliderCustomWidget *>()
                 ->tickPositions()
                 .size(),
             4);
}

void tst_DLightsConfigPage::modeInUseWithoutButtonLoadsNothing()
{
    for (int mode : {13, 42}) {
        QVERIFY(CVorlanXML_ModifyProFileMouseLightUsingIndex(m_path.constData(), "1", 0, mode));
        makePage();
        QSignalSpy selected(m_page.get(), &DLightsConfigPage::sigSelectCurrentLightTypeIndex_KB);
        m_page->loadProfileLightMode();
        QVERIFY(m_reports.isEmpty());
        QCOMPARE(selected.count(), 0);
        QVERIFY(!CVorlanXML_IsProFileAlreadyHaveLightInfo(m_path.constData(), "1", 0, mode));
        for (QAbstractButton *modeButton :
             m_page->findChild<QWidget *>("page_KeyboardLightMode")->findChildren<QAbstractButton *>())
            QVERIFY(!modeButton->isChecked());
    }
}

void tst_DLightsConfigPage::openingTabTwiceSendsTwice()
{
    QVERIFY(CVorlanXML_ModifyProFileMouseLightUsingIndex(m_path.constData(), "1", 0, 8));
    keyboardButCustom cap;
    cap.setLightPreviewEnabled(false);
    DDataManager::instance()->setKeyInfoList({&cap, nullptr});
    makePage();
    m_page->loadProfileLightMode();
    m_page->loadProfileLightMode();
    QCOMPARE(commands(), (QList<int>{0x06, 0x06}));
    // The Ripple record of a new profile.
    QCOMPARE(m_reports.at(0).left(18).toHex(' '), QByteArray("01 06 00 00 00 0e 08 02 02 ff 00 00 00 00 00 04 01 00"));
    QCOMPARE(m_reports.at(0).mid(62).toHex(' '), QByteArray("2c 39"));
    QVERIFY(button("toolButton_Ripple")->isChecked());
    // The preview is on again for the key caps.
    cap.setLightColor(QColor(1, 2, 3));
    QCOMPARE(cap.getLightColor(), QColor(1, 2, 3));
}

void tst_DLightsConfigPage::customLightFramesThenModeReport()
{
    QList<keyboardButCustom *> caps;
    std::vector<std::unique_ptr<keyboardButCustom>> owned;
    for (int i = 0; i < 20; ++i) {
        owned.push_back(std::make_unique<keyboardButCustom>());
        owned.back()->setLightPreviewEnabled(true);
        owned.back()->setLightColor(QColor(i, 100 + i, 200));
        caps << (i == 1 ? nullptr : owned.back().get());
    }
    DDataManager::instance()->setKeyInfoList(caps);
    makePage();
    QTest::mouseClick(button("toolButton_Static"), Qt::LeftButton);
    m_reports.clear();

    m_page->sendCustomLightFrames(1);
    QCOMPARE(commands(), (QList<int>{8, 8, 8, 8, 8, 8, 8, 8, 6}));
    QCOMPARE(m_reportsBeforeSleep, 8);
    for (int packet = 0; packet < 8; ++packet) {
        const QByteArray &frame = m_reports.at(packet);
        QCOMPARE(frame.left(6).toHex(' '),
                 QByteArray("01 08 01 00 0") + QByteArray::number(packet) + (packet < 7 ? " 36" : " 12"));
    }
    QCOMPARE(m_reports.at(0).mid(6, 9).toHex(' '), QByteArray("00 64 c8 00 00 00 02 66 c8"));
    // Cell 19 is the last in the list; cell 20 and beyond go out black.
    QCOMPARE(m_reports.at(1).mid(6, 9).toHex(' '), QByteArray("12 76 c8 13 77 c8 00 00 00"));
    QCOMPARE(m_reports.at(7).mid(6, 18), QByteArray(18, '\0'));
    // Static keeps its full-colour flag after the frames, and carries no clock.
    QCOMPARE(m_reports.at(8).left(18).toHex(' '), QByteArray("01 06 00 00 00 0e 00 02 02 ff 00 00 00 00 00 00 01 00"));
    QCOMPARE(m_reports.at(8).mid(62).toHex(' '), QByteArray("00 00"));

    // The device page's resend uses the tab's slot, and nothing while there is none.
    m_page->selectCustomLight(0, 0, -1);
    m_reports.clear();
    m_page->resendCustomLight();
    QVERIFY(m_reports.isEmpty());
    m_page->selectCustomLight(0, 0, 0);
    m_reports.clear();
    m_page->resendCustomLight();
    QCOMPARE(m_reports.size(), 9);
    QCOMPARE(int(m_reports.at(0).at(2)), 0);
}

void tst_DLightsConfigPage::withoutHidObjectReportsAreLoggedNotQueued()
{
    makePage(false);
    qInstallMessageHandler(collectLog);
    QTest::mouseClick(button("toolButton_Wave"), Qt::LeftButton);
    QVERIFY(g_log.contains("USB serial port [Write Led] Failed ..."));
    m_page->sendSideLightConfig(LightTypes::defaultRecord(1, 2));
    QVERIFY(g_log.contains("USB serial port [Write Side Led] Failed ..."));
    g_log.clear();
    m_page->sendCustomLightFrames(0);
    QCOMPARE(g_log.count("USB serial port [Write custom-Led] Failed ..."), 8);
    QCOMPARE(g_log.count("USB serial port [Write Led] Failed ..."), 1);
    // The record still changed in the profile.
    QCOMPARE(modeInUse(0), 2);
}

void tst_DLightsConfigPage::destroyedHidObjectIsForgotten()
{
    makePage(false);
    auto *hid = new MainHidInterFace(0, "Aster104");
    m_page->setHidInterface(hid);
    QCOMPARE(m_page->hidInterface(), hid);
    qInstallMessageHandler(collectLog);
    QTest::mouseClick(button("toolButton_Neon"), Qt::LeftButton);
    QVERIFY(g_log.contains("USB serial port [Write Led] Failed ..."));
    delete hid;
    QVERIFY(!m_page->hidInterface());
    g_log.clear();
    QTest::mouseClick(button("toolButton_Breath"), Qt::LeftButton);
    QVERIFY(g_log.contains("USB serial port [Write Led] Failed ..."));
}

void tst_DLightsConfigPage::overlongProfilePathIsRefused()
{
    makePage();
    qInstallMessageHandler(collectLog);
    const QByteArray longPath = m_folder->path().toLocal8Bit() + "/" + QByteArray(300, 'a') + ".xml";
    m_page->setProfileXmlPath(longPath.constData());
    QVERIFY(m_page->profileXmlPath().isEmpty());
    QVERIFY(!g_log.filter("Lighting profile path refused").isEmpty());
    const QByteArray edge(255, 'b');
    m_page->setProfileXmlPath(edge.constData());
    QCOMPARE(m_page->profileXmlPath(), QString(edge));
}

void tst_DLightsConfigPage::retranslateNamesModeShown()
{
    makePage();
    auto *name = m_page->findChild<QLabel *>("label_LightMode");
    m_page->retranslate();
    QCOMPARE(name->text(), QString("Wave"));
    QVERIFY(CVorlanXML_ModifyProFileMouseLightUsingIndex(m_path.constData(), "1", 1, 3));
    m_page->setLightModeSupport(support(kEveryKeyboardMode), support(kEverySideMode));
    m_page->switchLightArea(1, 3);
    name->clear();
    m_page->retranslate();
    QCOMPARE(name->text(), QString("Collision"));
}

void tst_DLightsConfigPage::hoverShowsOneReusedTip()
{
    makePage();
    m_page->show();
    QTest::qWait(600);
    QEvent enter(QEvent::Enter);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(button("toolButton_Neon"), &enter);
    auto *tip = m_page->findChild<ArrowWidget *>();
    QVERIFY(tip && tip->isVisible());
    QCOMPARE(tip->size(), QSize(250, 70));
    QCOMPARE(tip->arrowPosition(), 30);
    QCOMPARE(tip->findChild<DToolTipExplain *>()->findChild<QLabel *>()->text(), QString("Neon"));
    QCoreApplication::sendEvent(button("toolButton_Neon"), &leave);
    QVERIFY(!tip->isVisible());
    QCoreApplication::sendEvent(button("toolButton_LightSelectTypeChanged"), &enter);
    QCOMPARE(m_page->findChildren<ArrowWidget *>().size(), 1);
    QCOMPARE(tip->findChild<DToolTipExplain *>()->findChild<QLabel *>()->text(), QString("Keyboard/Ambient"));
    QCoreApplication::sendEvent(button("toolButton_MouseDPI"), &enter);
    QCOMPARE(tip->findChild<DToolTipExplain *>()->findChild<QLabel *>()->text(), QString("DPI"));
    QCoreApplication::sendEvent(button("toolButton_SideCollision"), &enter);
    QCOMPARE(tip->findChild<DToolTipExplain *>()->findChild<QLabel *>()->text(), QString("Collision"));
}

QTEST_MAIN(tst_DLightsConfigPage)
#include "tst_DLightsConfigPage.moc"
