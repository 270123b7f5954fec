#pragma once

#include "app/LanguageInstaller.h"

#include <QApplication>
#include <QPointer>

class DLoginWidget;
class DMainWidget;
class QLocalServer;
class QtLinguist;

// The application object: first-instance start-up, the local-socket hand-over between a
// second process and the running instance, and the application-wide event filter.
class DAppllication : public QApplication, public LanguageInstaller
{
    Q_OBJECT

public:
    // appId: the single-instance key; the segment in main already decides on it, so the
    // object keeps nothing of it. isRunning: the segment was already taken.
    DAppllication(const QString &appId, int &argc, char **argv, bool isRunning);
    ~DAppllication() override;

    static DAppllication *instance();

    bool isConnectedToRunningInstance() const { return m_isConnected; }
    QtLinguist *getLinguist();
    bool setLanguageIndex(int index) override;

    bool notify(QObject *receiver, QEvent *event) override;

    // Whether the main window goes to the tray at once after it was created; never without a tray.
    static bool startsInTray(bool isAutoStart, const QString &commandLine, bool hasTrayIcon);

public slots:
    void onLoginFinished(bool bok);
    void newLocalConnection();

private:
    void initFirstInstance();
    void checkRunningInstance();
    void connectToRunningInstance();
    void startLocalServer();
    void createStartWidget();

    QPointer<DLoginWidget> m_loginWidget;
    QPointer<DMainWidget> m_mainWidget;
    QtLinguist *m_linguist = nullptr;
    bool m_isConnected = false;
    QLocalServer *m_localServer = nullptr;
    QString m_localServerName;
    QPointer<QWidget> m_raiseWindow;
    bool m_isRunning = false;
};
