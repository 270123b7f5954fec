#include "app/DDataManager.h"

#include <QSignalSpy>
#include <QtTest>

#include <cstring>

namespace {

using PathSetter = void (DDataManager::*)(const char *);
using PathGetter = void (DDataManager::*)(char *) const;

} // namespace

Q_DECLARE_METATYPE(PathSetter)
Q_DECLARE_METATYPE(PathGetter)

// The shared device state and the relays of the data manager (one process-wide instance).
class tst_DDataManagerDeviceState : public QObject
{
    Q_OBJECT

private slots:
    void initialValues();
    void pathsAreCopiedBounded_data();
    void pathsAreCopiedBounded();
    void currentKeyIsStoredThenAnnounced();
    void clearCurrentKeyEmitsNothing();
    void sensitivityInfoFollowsQueryMode_data();
    void sensitivityInfoFollowsQueryMode();
    void relaysPassArgumentsUnchanged();
    void macroMouseRecordIsReadableDuringEmission();

private:
    DDataManager *m_manager = DDataManager::instance();
};

void tst_DDataManagerDeviceState::initialValues()
{
    char buffer[DDataManager::kPathBufferSize];
    std::memset(buffer, 'x', sizeof(buffer));
    m_manager->getCurrentProfileXmlPath(buffer);
    QCOMPARE(buffer[0], '\0');
    QCOMPARE(m_manager->getCurrentProfileIndex(), 1);
    QCOMPARE(m_manager->getCurrentKeyDec(), -1);
    QVERIFY(m_manager->getCurrentKeyName().isEmpty());
    QVERIFY(m_manager->getKeyNameMap().isEmpty());
    QVERIFY(m_manager->getKeyInfoList().isEmpty());
    QCOMPARE(m_manager->getKeySelectFrame(), nullptr);
    QCOMPARE(m_manager->getHidDeviceType(), 1);
    QCOMPARE(m_manager->getAssignedKeyColor(), QColor(30, 200, 35, 255));
    QCOMPARE(m_manager->getSoftKeyboardLayoutIndex(QStringLiteral("any model")), 31);
    QCOMPARE(m_manager->getKeyOperateValueText(), QStringLiteral("Unknow"));
}

void tst_DDataManagerDeviceState::pathsAreCopiedBounded_data()
{
    QTest::addColumn<PathSetter>("setter");
    QTest::addColumn<PathGetter>("getter");
    QTest::newRow("current profile") << &DDataManager::setCurrentProfileXmlPath
                                     << &DDataManager::getCurrentProfileXmlPath;
    QTest::newRow("magnetic profile") << &DDataManager::setMagneticProfileXmlPath
                                      << &DDataManager::getMagneticProfileXmlPath;
    QTest::newRow("macro") << &DDataManager::setMacroXmlPath << &DDataManager::getMacroXmlPath;
    QTest::newRow("advanced keys") << &DDataManager::setSeniorKeyXmlPath << &DDataManager::getSeniorKeyXmlPath;
}

void tst_DDataManagerDeviceState::pathsAreCopiedBounded()
{
    QFETCH(PathSetter, setter);
    QFETCH(PathGetter, getter);
    char buffer[DDataManager::kPathBufferSize];

    (m_manager->*setter)("/home/user/UserConfig/Model/SN1/appProfile_Default.xml");
    (m_manager->*getter)(buffer);
    QCOMPARE(QByteArray(buffer), QByteArray("/home/user/UserConfig/Model/SN1/appProfile_Default.xml"));

    // 255 bytes are stored whole and come back NUL-terminated.
    const QByteArray longest = "/" + QByteArray(254, 'p');
    (m_manager->*setter)(longest.constData());
    std::memset(buffer, 'x', sizeof(buffer));
    (m_manager->*getter)(buffer);
    QCOMPARE(QByteArray(buffer), longest);

    // A longer path would be cut into another file's name: it is refused and logged, and the
    // previous path is not kept either.
    const QByteArray tooLong = "/" + QByteArray(255, 'q');
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("path refused, longer than 255 bytes")));
    (m_manager->*setter)(tooLong.constData());
    std::memset(buffer, 'x', sizeof(buffer));
    (m_manager->*getter)(buffer);
    QCOMPARE(QByteArray(buffer), QByteArray());
}

void tst_DDataManagerDeviceState::currentKeyIsStoredThenAnnounced()
{
    int seenCode = 0;
    QString seenName;
    auto connection = connect(m_manager, &DDataManager::sigKeyButtonClickedReturnKeyCodeAndKeyChar, this,
                              [&](int keyCode, const QString &name) {
                                  // Receivers read the data manager during the emission.
                                  seenCode = m_manager->getCurrentKeyDec();
                                  seenName = m_manager->getCurrentKeyName();
                                  QCOMPARE(keyCode, 4);
                                  QCOMPARE(name, QStringLiteral("A"));
                              });
    m_manager->setCurrentKey(4, QStringLiteral("A"));
    disconnect(connection);
    QCOMPARE(seenCode, 4);
    QCOMPARE(seenName, QStringLiteral("A"));
}

void tst_DDataManagerDeviceState::clearCurrentKeyEmitsNothing()
{
    m_manager->setCurrentKey(41, QStringLiteral("Esc"));
    QSignalSpy spy(m_manager, &DDataManager::sigKeyButtonClickedReturnKeyCodeAndKeyChar);
    m_manager->clearCurrentKey();
    QCOMPARE(spy.count(), 0);
    QCOMPARE(m_manager->getCurrentKeyDec(), -1);
    QVERIFY(m_manager->getCurrentKeyName().isEmpty());
}

void tst_DDataManagerDeviceState::sensitivityInfoFollowsQueryMode_data()
{
    QTest::addColumn<bool>("query");
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("clicked");
    // Must stay the first row: before any query the reply counts as a click.
    QTest::newRow("no query yet") << false << -1 << true;
    QTest::newRow("hover query") << true << 0 << false;
    QTest::newRow("click query") << true << 1 << true;
    QTest::newRow("other query mode") << true << 7 << true;
}

void tst_DDataManagerDeviceState::sensitivityInfoFollowsQueryMode()
{
    QFETCH(bool, query);
    QFETCH(int, mode);
    QFETCH(bool, clicked);
    QSignalSpy querySpy(m_manager, &DDataManager::sigQueryDynamicDisplaySensitivityNum);
    QSignalSpy enter(m_manager, &DDataManager::sigQueryDynamicDisplaySensitivityNum_MouseEnter_BackInfo);
    QSignalSpy click(m_manager, &DDataManager::sigQueryDynamicDisplaySensitivityNum_MouseClicked_BackInfo);
    if (query) {
        m_manager->queryDynamicSensitivityNum(mode, 3, 2);
        QCOMPARE(querySpy.count(), 1);
        QCOMPARE(querySpy.at(0), (QVariantList{3, 2}));
    }
    m_manager->relayDynamicSensitivityInfo(12, 15, 20, 3, 4);
    if (clicked) {
        QCOMPARE(enter.count(), 0);
        QCOMPARE(click.count(), 1);
        QCOMPARE(click.at(0), (QVariantList{12, 15, 20, 3, 4}));
    } else {
        QCOMPARE(click.count(), 0);
        QCOMPARE(enter.count(), 1);
        QCOMPARE(enter.at(0), (QVariantList{12, 15, 20}));
    }
}

void tst_DDataManagerDeviceState::relaysPassArgumentsUnchanged()
{
    QSignalSpy keyboard(m_manager, &DDataManager::sigRecviveStreamEX_MacroKeyboard);
    QSignalSpy travel(m_manager, &DDataManager::sigBackDynamicDisplaySensitivityNum);
    QSignalSpy point(m_manager, &DDataManager::sigTheMagneticKeyboardCalibrationPoint);
    QSignalSpy status(m_manager, &DDataManager::sigTheMagneticKeyboardCalibrationStatusBack);
    QSignalSpy allStatus(m_manager, &DDataManager::sigMagneticKeyboardAllKeysCalibrationStatusBack);
    QSignalSpy seniorKeys(m_manager, &DDataManager::sigSeniorKeysListItemHaveChanged);

    m_manager->relayMacroKeyboardEvent(0x41, 0x1E, 1, 0x20);
    m_manager->relayDynamicSensitivityNum(21, 5, 40);
    m_manager->relayCalibrationPoint(7, 3);
    m_manager->relayCalibrationStatus(2);
    m_manager->relayAllKeysCalibrationStatus(1);
    m_manager->notifySeniorKeysListChanged();

    QCOMPARE(keyboard.at(0), (QVariantList{0x41, 0x1E, 1, 0x20}));
    QCOMPARE(travel.at(0), (QVariantList{21, 5, 40}));
    QCOMPARE(point.at(0), (QVariantList{7, 3}));
    QCOMPARE(status.at(0), (QVariantList{2}));
    QCOMPARE(allStatus.at(0), (QVariantList{1}));
    QCOMPARE(seniorKeys.count(), 1);
}

void tst_DDataManagerDeviceState::macroMouseRecordIsReadableDuringEmission()
{
    MSLLHOOKSTRUCT record{};
    record.pt = {640, 480};
    record.mouseData = 0x00780000;
    QVector<int> seen;
    auto connection = connect(m_manager, &DDataManager::sigRecviveStreamEX_MacroMouse, this,
                              [&seen](int nCode, WPARAM wParam, LPARAM lParam) {
                                  const auto *event = reinterpret_cast<const MSLLHOOKSTRUCT *>(lParam);
                                  seen = {nCode, int(wParam), event->pt.x, event->pt.y, int(event->mouseData >> 16)};
                              });
    m_manager->relayMacroMouseEvent(0, WM_MOUSEWHEEL, reinterpret_cast<LPARAM>(&record));
    disconnect(connection);
    QCOMPARE(seen, (QVector<int>{0, WM_MOUSEWHEEL, 640, 480, 120}));
}

QTEST_MAIN(tst_DDataManagerDeviceState)
#include "tst_DDataManagerDeviceState.moc"
