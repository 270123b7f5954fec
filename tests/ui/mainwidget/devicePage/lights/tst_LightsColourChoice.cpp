#include "app/DDataManager.h"
#include "resources/VorlanResources.h"
#include "sdk/store/VorlanXml.h"
#include "tests/support/MarkingTranslator.h"
#include "ui/mainwidget/devicePage/lights/DLightsConfigPage.h"
#include "widgets/SVColorArea.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <memory>

Q_DECLARE_METATYPE(colorInfoData)

// Colour choice of the lighting tab: fields, colour ring, brightness ring, presets and the switch
// between a mode's two colours. Every change must be stored and sent once with the colour shown.
class tst_LightsColourChoice : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void fieldEntry_data();
    void fieldEntry();
    void ringDragIsCommittedOnceOnRelease();
    void brightnessRingDimsShownColourOnly_data();
    void brightnessRingDimsShownColourOnly();
    void presetActsOnPressUndimmed();
    void colourSwitchShowsStoredColourAndStoresNothing();
    void themeReachesSwatchesAtOnceAndColourButtonsLater();
    void languageChangeRenamesModeAndKeepsColour();

private:
    void makePage(const char *modeButton);
    QLineEdit *field(QChar channel) const { return m_page->findChild<QLineEdit *>(QString("lineEdit_") + channel); }
    QString fieldTexts() const;
    QString storedColour(bool second = false) const;
    QString lastSentColour() const;

    std::unique_ptr<QTemporaryDir> m_folder;
    QByteArray m_path;
    std::unique_ptr<DLightsConfigPage> m_page;
    QList<QByteArray> m_reports;
    int m_mode = 0;
};

void tst_LightsColourChoice::initTestCase()
{
    initVorlanResources();
    qRegisterMetaType<colorInfoData>();
}

void tst_LightsColourChoice::init()
{
    DDataManager::instance()->loadTheme(0);
    m_folder = std::make_unique<QTemporaryDir>();
    m_path = (m_folder->path() + "/appProfile_Default.xml").toLocal8Bit();
    QVERIFY(CVorlanXML_CreateXMLFile(m_path.constData()));
    QVERIFY(CVorlanXML_CreateProFileXmlParentNode(m_path.constData(), "1", "Profile1", 0));
    m_reports.clear();
}

void tst_LightsColourChoice::cleanup()
{
    m_page.reset();
}

void tst_LightsColourChoice::makePage(const char *modeButton)
{
    m_page = std::make_unique<DLightsConfigPage>();
    m_page->setProfileIndex(1);
    m_page->setProfileXmlPath(m_path.constData());
    m_page->setReportQueue([this](const unsigned char *report) {
        m_reports.append(QByteArray(reinterpret_cast<const char *>(report), 64));
        return 0;
    });
    m_page->setClock([] { return qint64(0); });
    m_page->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_page.get()));
    m_page->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_page.get()));
    QTest::mouseClick(m_page->findChild<QToolButton *>(modeButton), Qt::LeftButton);
    m_mode = m_page->keyboardMode();
    QCoreApplication::processEvents();
    m_reports.clear();
}

QString tst_LightsColourChoice::fieldTexts() const
{
    return field('R')->text() + "," + field('G')->text() + "," + field('B')->text();
}

QString tst_LightsColourChoice::storedColour(bool second) const
{
    colorInfoData record{};
    CVorlanXML_SelectProfileColorDataInfo(m_path.constData(), "1", 0, m_mode, &record);
    return second ? QString("%1,%2,%3").arg(record.bgColorR).arg(record.bgColorG).arg(record.bgColorB)
                  : QString("%1,%2,%3").arg(record.colorR).arg(record.colorG).arg(record.colorB);
}

QString tst_LightsColourChoice::lastSentColour() const
{
    if (m_reports.isEmpty())
        return "nothing sent";
    const QByteArray &report = m_reports.last();
    return QString("%1,%2,%3").arg(quint8(report.at(9))).arg(quint8(report.at(10))).arg(quint8(report.at(11)));
}

void tst_LightsColourChoice::fieldEntry_data()
{
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QString>("colour");
    // "R=x": x put into the focused field R; "!R=x": into R while the focus is elsewhere.
    QTest::newRow("empty text is 0") << QStringList{"R="} << "0,0,0";
    QTest::newRow("leading zero") << QStringList{"B=012"} << "255,0,12";
    QTest::newRow("too big takes the value last accepted in any field") << QStringList{"R=200", "G=300"} << "200,200,0";
    QTest::newRow("minus sign takes the value last accepted") << QStringList{"R=200", "R=-5"} << "200,0,0";
    QTest::newRow("not focused") << QStringList{"!G=77"} << "255,0,0";
}

void tst_LightsColourChoice::fieldEntry()
{
    QFETCH(QStringList, typed);
    QFETCH(QString, colour);
    makePage("toolButton_Static");
    QCOMPARE(storedColour(), QString("255,0,0"));
    for (const QString &step : typed) {
        const bool unfocused = step.startsWith('!');
        QLineEdit *target = field(step.at(unfocused ? 1 : 0));
        if (unfocused)
            m_page->findChild<QPushButton *>("pushButton_TopColor")->setFocus();
        else
            target->setFocus();
        QCOMPARE(target->hasFocus(), !unfocused);
        target->setText(step.section('=', 1));
    }
    QCOMPARE(storedColour(), colour);
    if (typed.first().startsWith('!')) {
        QVERIFY(m_reports.isEmpty());
        QCOMPARE(fieldTexts(), QString("255,77,0"));
        return;
    }
    QCOMPARE(fieldTexts(), colour);
    QCOMPARE(lastSentColour(), colour);
}

void tst_LightsColourChoice::ringDragIsCommittedOnceOnRelease()
{
    makePage("toolButton_Static");
    QSignalSpy changed(m_page.get(), &DLightsConfigPage::sigLightConfigHaveChanged);
    auto *ring = m_page->findChild<SVColorArea *>();
    emit ring->sigMouseIsPress(true);
    emit ring->sigGetRGB(10, 20, 30);
    emit ring->sigGetRGB(40, 50, 60);
    emit ring->sigGetRGB(70, 80, 90);
    QCOMPARE(fieldTexts(), QString("70,80,90"));
    QCOMPARE(storedColour(), QString("255,0,0"));
    QVERIFY(m_reports.isEmpty());
    emit ring->sigMouseIsPress(false);
    QCOMPARE(storedColour(), QString("70,80,90"));
    QCOMPARE(m_reports.size(), 1);
    QCOMPARE(lastSentColour(), QString("70,80,90"));
    QCOMPARE(changed.count(), 1);
}

void tst_LightsColourChoice::brightnessRingDimsShownColourOnly_data()
{
    QTest::addColumn<QString>("base");
    QTest::addColumn<int>("ring");
    QTest::addColumn<QString>("shown");
    QTest::newRow("1") << "255,0,0" << 1 << "252,0,0";
    QTest::newRow("50") << "255,0,0" << 50 << "127,0,0";
    QTest::newRow("100") << "0,0,255" << 100 << "0,0,0";
    QTest::newRow("grey stays grey") << "200,200,200" << 50 << "127,127,127";
    QTest::newRow("0 leaves the colour") << "12,34,56" << 0 << "12,34,56";
}

void tst_LightsColourChoice::brightnessRingDimsShownColourOnly()
{
    QFETCH(QString, base);
    QFETCH(int, ring);
    QFETCH(QString, shown);
    makePage("toolButton_Static");
    auto *area = m_page->findChild<SVColorArea *>();
    const QStringList rgb = base.split(',');
    emit area->sigGetRGB(rgb.at(0).toInt(), rgb.at(1).toInt(), rgb.at(2).toInt());
    // Dimming always starts from the picked colour, not from what the ring showed last.
    emit area->sigMoveingStatus(70, 0);
    emit area->sigMoveingStatus(ring, 0);
    if (ring != 0)
        QCOMPARE(fieldTexts(), shown);
    QCOMPARE(storedColour(), QString("255,0,0"));
    QVERIFY(m_reports.isEmpty());
}

void tst_LightsColourChoice::presetActsOnPressUndimmed()
{
    makePage("toolButton_Static");
    QTest::qWait(600);
    // Turn the brightness ring to its bottom: the repaint dims the colour shown.
    auto *area = m_page->findChild<SVColorArea *>();
    const QPoint bottom = area->rect().center() + QPoint(0, 47);
    QTest::mousePress(area, Qt::LeftButton, {}, bottom);
    QTest::mouseRelease(area, Qt::LeftButton, {}, bottom);
    QTRY_COMPARE(fieldTexts(), QString("127,0,0"));
    m_reports.clear();

    auto *blue = m_page->findChild<QLabel *>("label_Color13");
    QTest::mousePress(blue, Qt::LeftButton);
    QCOMPARE(storedColour(), QString("0,0,255"));
    QCOMPARE(m_reports.size(), 1);
    QCOMPARE(lastSentColour(), QString("0,0,255"));
    QTest::mouseRelease(blue, Qt::LeftButton);
    QTest::qWait(100);
    QCOMPARE(m_reports.size(), 1);
    // The ring was reset, so its next repaint leaves the preset as it is.
    QCOMPARE(fieldTexts(), QString("0,0,255"));

    // Entries 5 and 6 are greens.
    QTest::mousePress(m_page->findChild<QLabel *>("label_Color05"), Qt::LeftButton);
    QCOMPARE(storedColour(), QString("170,255,170"));
    QTest::mousePress(m_page->findChild<QLabel *>("label_Color06"), Qt::LeftButton);
    QCOMPARE(storedColour(), QString("85,255,85"));
}

void tst_LightsColourChoice::colourSwitchShowsStoredColourAndStoresNothing()
{
    makePage("toolButton_Breath");
    auto *top = m_page->findChild<QPushButton *>("pushButton_TopColor");
    auto *bottom = m_page->findChild<QPushButton *>("pushButton_BottomColor");
    QTest::mouseClick(bottom, Qt::LeftButton);
    m_page->applyPresetColor("0,85,255");
    QCOMPARE(storedColour(true), QString("0,85,255"));
    QCOMPARE(storedColour(), QString("255,0,0"));
    QVERIFY(bottom->styleSheet().contains("rgb(0, 85, 255)"));
    const QString topSheet = top->styleSheet();

    // Dim the shown colour, then switch away and back.
    emit m_page->findChild<SVColorArea *>()->sigMoveingStatus(50, 0);
    m_reports.clear();
    QTest::mouseClick(top, Qt::LeftButton);
    QCOMPARE(fieldTexts(), QString("255,0,0"));
    QTest::mouseClick(bottom, Qt::LeftButton);
    QCOMPARE(fieldTexts(), QString("0,85,255"));
    QVERIFY(m_page->findChild<QLabel *>("label_ColorShow")->styleSheet().contains("rgb(0, 85, 255)"));
    QVERIFY(m_reports.isEmpty());
    QCOMPARE(storedColour(true), QString("0,85,255"));
    QCOMPARE(top->styleSheet(), topSheet);
    // The ring stands at 0: its repaint changes nothing.
    m_page->findChild<SVColorArea *>()->repaint();
    QCOMPARE(fieldTexts(), QString("0,85,255"));
}

void tst_LightsColourChoice::themeReachesSwatchesAtOnceAndColourButtonsLater()
{
    makePage("toolButton_Breath");
    DDataManager::instance()->loadTheme(1);
    const QString accent = DDataManager::instance()->getThemeInfo().TextCheckedColor;
    const QString border = DDataManager::instance()->getThemeInfo().DeviceBorderColor;
    auto *top = m_page->findChild<QPushButton *>("pushButton_TopColor");
    const QString before = top->styleSheet();
    m_page->applyTheme();
    QVERIFY(m_page->findChild<QLabel *>("label_Color07")
                ->styleSheet()
                .contains(QString("QLabel:hover{border: 2px solid rgb(%1);").arg(accent)));
    QCOMPARE(top->styleSheet(), before);
    QTest::mouseClick(m_page->findChild<QToolButton *>("toolButton_Wave"), Qt::LeftButton);
    QVERIFY(top->styleSheet().contains(QString("border: 2px solid rgb(%1)").arg(border)));
    QVERIFY(top->styleSheet().contains(QString("QPushButton::checked{border: 2px solid rgb(%1)").arg(accent)));
}

void tst_LightsColourChoice::languageChangeRenamesModeAndKeepsColour()
{
    makePage("toolButton_Static");
    m_page->applyPresetColor("0,170,255");
    field('G')->setFocus();
    m_reports.clear();
    MarkingTranslator translator;
    QCoreApplication::installTranslator(&translator);
    m_page->retranslate();
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(m_page->findChild<QLabel *>("label_LightMode")->text(), QString("[Static]"));
    QCOMPARE(m_page->findChild<QLabel *>("label_23")->text(), QString("[Custom light]"));
    // The form's own texts must not put its initial numbers back into the fields.
    QCOMPARE(fieldTexts(), QString("0,170,255"));
    QCOMPARE(storedColour(), QString("0,170,255"));
    QVERIFY(m_reports.isEmpty());
}

QTEST_MAIN(tst_LightsColourChoice)
#include "tst_LightsColourChoice.moc"
