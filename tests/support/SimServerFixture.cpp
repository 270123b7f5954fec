#include "tests/support/SimServerFixture.h"

#include <QDir>
#include <QUuid>

#include <algorithm>

SimServerFixture::SimServerFixture()
{
    m_folder = qEnvironmentVariable("VORLAN_TEST_TMP", QDir::tempPath()) + QStringLiteral("/sim-")
               + QUuid::createUuid().toString(QUuid::Id128).left(8);
    qputenv("VORLAN_SIM_DIR", m_folder.toLocal8Bit());
    m_server = std::make_unique<SimServer>(m_folder.toStdString());
    std::string error;
    m_running = m_server->start(&error);
    if (!m_running) {
        qWarning("Simulator did not start: %s", error.c_str());
        return;
    }
    m_thread = std::thread([this] { m_server->run(); });
}

SimServerFixture::~SimServerFixture()
{
    if (m_running) {
        m_server->stop();
        m_thread.join();
    }
    m_server.reset();
    qunsetenv("VORLAN_SIM_DIR");
}

int SimServerFixture::plug(const QString &model, const QString &serial, bool receiver)
{
    std::string error;
    const int id = m_server->plug(model.toStdString(), serial.toStdString(), receiver, &error);
    if (id < 0)
        qWarning("Cannot plug %s: %s", qPrintable(model), error.c_str());
    return id;
}

QString SimServerFixture::devicePath(int id) const
{
    return QString::fromStdString(m_server->devicePath(id));
}

QList<QByteArray> SimServerFixture::received(int id) const
{
    QList<QByteArray> reports;
    for (const SimReport &report : m_server->receivedReports(id)) {
        if (report[1] == CMD_HANDSHAKE)
            continue;
        reports << QByteArray(reinterpret_cast<const char *>(report.data()), static_cast<int>(report.size()));
    }
    return reports;
}

QList<int> SimServerFixture::receivedCommands(int id) const
{
    QList<int> commands;
    for (const QByteArray &report : received(id))
        commands << static_cast<unsigned char>(report.at(1));
    return commands;
}

bool SimServerFixture::inject(int id, const QByteArray &report)
{
    SimReport out{};
    std::copy_n(report.constData(), std::min<int>(report.size(), 64), out.begin());
    return m_server->inject(id, out);
}
