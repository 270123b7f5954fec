#include "app/shell/DAppllication.h"

#include "app/DDataManager.h"
#include "app/DLoginWidget.h"
#include "app/QtLinguist.h"
#include "app/StartupPaths.h"
#include "app/SystemInformation.h"
#include "ui/mainwidget/DMainWidget.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLocalServer>
#include <QLocalSocket>
#include <QMouseEvent>
#include <QSettings>
#include <QTextStream>

#include <cstdlib>

namespace {
const char *userSettingsFile = "/VorlanConfig.ini";
}

DAppllication::DAppllication(const QString &appId, int &argc, char **argv, bool isRunning)
    : QApplication(argc, argv)
    , m_isRunning(isRunning)
{
    Q_UNUSED(appId);
    std::srand(uint(QDateTime::currentMSecsSinceEpoch()));

    QFont font = QApplication::font();
    font.setFamily("Microsoft YaHei");
    font.setPixelSize(12);
    QApplication::setFont(font);

    if (!m_isRunning)
        initFirstInstance();
    checkRunningInstance();
    if (!m_isRunning)
        createStartWidget();
}

DAppllication::~DAppllication()
{
    // Windows have no parent; they must go while the application still exists.
    delete m_mainWidget.data();
    delete m_loginWidget.data();
    delete m_linguist;
}

DAppllication *DAppllication::instance()
{
    return qobject_cast<DAppllication *>(QCoreApplication::instance());
}

QtLinguist *DAppllication::getLinguist()
{
    if (!m_linguist)
        m_linguist = new QtLinguist;
    return m_linguist;
}

bool DAppllication::setLanguageIndex(int index)
{
    return getLinguist()->setLanguage(index);
}

bool DAppllication::notify(QObject *receiver, QEvent *event)
{
    if (event->type() == QEvent::MouseMove) {
        if (m_mainWidget) {
            const auto *mouse = static_cast<QMouseEvent *>(event);
            m_mainWidget->updateEdgeCursor(mouse->globalX(), mouse->globalY());
        }
    } else if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        // These keys are swallowed program-wide: no button or edit ever receives them.
        if (key == Qt::Key_Space || key == Qt::Key_Enter || key == Qt::Key_Return)
            return false;
    }
    return QApplication::notify(receiver, event);
}

bool DAppllication::startsInTray(bool isAutoStart, const QString &commandLine, bool hasTrayIcon)
{
    return hasTrayIcon && isAutoStart && commandLine.contains("AutoUp", Qt::CaseSensitive);
}

void DAppllication::initFirstInstance()
{
    setAttribute(Qt::AA_DontCreateNativeWidgetSiblings, true);
    setApplicationVersion("1.0.0.0");
    setQuitOnLastWindowClosed(true);

    DDataManager *dataManager = DDataManager::instance();
    SystemInformation::logSystemInfo(dataManager->getUserConfigDir());

    QtLinguist *linguist = getLinguist();
    const int defaultIndex = linguist->getSystemLanguage();
    int index = defaultIndex;
    const QString userConfigDir = dataManager->getUserConfigDir();
    const QString settingsPath = userConfigDir + userSettingsFile;
    if (QDir(userConfigDir).exists()) {
        const QSettings settings(settingsPath, QSettings::IniFormat);
        const int stored = settings.value("Language/selectLanguageIndex", -1).toInt();
        if (stored != -1)
            index = stored;
    }
    // A language whose file does not load leaves the source texts; not an error.
    linguist->setLanguage(index);
    QSettings(settingsPath, QSettings::IniFormat).setValue("Language/selectLanguageIndex", index);

    QSettings::setDefaultFormat(QSettings::IniFormat);
}

void DAppllication::checkRunningInstance()
{
    m_localServerName = StartupPaths::perUserName(QFileInfo(applicationFilePath()).fileName());
    connectToRunningInstance();
    // A second process whose instance does not answer must not take over the live
    // instance's name: it leaves, and main ends it.
    if (!m_isConnected && !m_isRunning)
        startLocalServer();
}

void DAppllication::connectToRunningInstance()
{
    m_isConnected = false;
    QLocalSocket socket;
    socket.connectToServer(m_localServerName, QIODevice::ReadWrite);
    if (!socket.waitForConnected(500))
        return;

    m_isConnected = true;
    const QStringList args = arguments();
    QTextStream stream(&socket);
    stream << (args.size() >= 2 ? args.last() : QString());
    stream.flush();
    socket.waitForBytesWritten(30000);
    socket.close();
}

void DAppllication::startLocalServer()
{
    m_localServer = new QLocalServer(this);
    connect(m_localServer, &QLocalServer::newConnection, this, &DAppllication::newLocalConnection);
    if (m_localServer->listen(m_localServerName))
        return;
    // A socket file left by an instance that died; nobody answered on it above.
    if (m_localServer->serverError() == QAbstractSocket::AddressInUseError) {
        QLocalServer::removeServer(m_localServerName);
        m_localServer->listen(m_localServerName);
    }
}

void DAppllication::createStartWidget()
{
    m_loginWidget = new DLoginWidget;
    connect(m_loginWidget, &DLoginWidget::sigLoginFinished, this, &DAppllication::onLoginFinished,
            Qt::DirectConnection);
    m_loginWidget->on_pushButton_Login_clicked();
}

void DAppllication::onLoginFinished(bool bok)
{
    if (!bok)
        return;
    m_loginWidget->fadeOut();

    m_mainWidget = new DMainWidget;
    m_mainWidget->activateWindow();
    m_mainWidget->show();
    m_raiseWindow = m_mainWidget;

    const QSettings settings(DDataManager::instance()->getUserConfigDir() + userSettingsFile, QSettings::IniFormat);
    const bool isAutoStart = settings.value("AutoStart/isAutoStart", false).toBool();
    if (startsInTray(isAutoStart, arguments().join(' '), m_mainWidget->hasTrayIcon()))
        m_mainWidget->hide();
}

void DAppllication::newLocalConnection()
{
    QLocalSocket *socket = m_localServer->nextPendingConnection();
    if (!socket)
        return;
    // The second process's argument has no effect; only its arrival counts.
    socket->waitForReadyRead(1000);
    delete socket;

    if (!m_raiseWindow)
        return;
    m_raiseWindow->raise();
    m_raiseWindow->activateWindow();
    m_raiseWindow->setWindowState((m_raiseWindow->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    m_raiseWindow->show();
}
