#include "tests/support/KbdsimProcess.h"

#include "sdk/hid/VorlanHidSdk.h"
#include "sdk/protocol/SimSocketName.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QLocalSocket>
#include <QThread>

#include <list>
#include <string>

KbdsimProcess::~KbdsimProcess()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.terminate();
        if (!m_process.waitForFinished(5000))
            m_process.kill();
        m_process.waitForFinished(5000);
    }
}

bool KbdsimProcess::start(const QString &folder)
{
    m_folder = folder;
    qputenv("VORLAN_SIM_DIR", folder.toLocal8Bit());
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.start(QCoreApplication::applicationDirPath() + "/kbdsim", {"--dir", folder});
    if (!m_process.waitForStarted(10000))
        return false;
    // Ready once its control socket answers.
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 10000) {
        if (control("list").startsWith("OK"))
            return true;
        QThread::msleep(20);
    }
    return false;
}

QString KbdsimProcess::control(const QString &line)
{
    QLocalSocket socket;
    socket.connectToServer(m_folder + "/" + SimSocketName::controlName);
    if (!socket.waitForConnected(2000))
        return QString();
    socket.write(line.toUtf8() + "\n");
    QByteArray answer;
    while (!answer.contains('\n') && socket.waitForReadyRead(10000))
        answer += socket.readAll();
    return QString::fromUtf8(answer).trimmed();
}

QString KbdsimProcess::plug(const QString &model, int *id)
{
    const QStringList answer = control("plug " + model).split(' ');
    if (answer.size() < 3 || answer[0] != "OK")
        return QString();
    *id = answer[1].toInt();
    std::list<std::string> paths;
    CVorlanHid_GetHidInfoList(&paths);
    for (const std::string &path : paths) {
        const QString text = QString::fromStdString(path);
        if (text.endsWith(":" + answer[2]))
            return text;
    }
    return QString();
}

QJsonObject KbdsimProcess::dump(int id)
{
    const QString answer = control("dump " + QString::number(id));
    if (!answer.startsWith("OK "))
        return QJsonObject();
    return QJsonDocument::fromJson(answer.mid(3).toUtf8()).object();
}
