#pragma once

#include "sim/SimServer.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <memory>
#include <thread>

// A keyboard simulator served in-process on a thread of its own, in a folder under the test's
// temporary folder that VORLAN_SIM_DIR names while the fixture lives.
class SimServerFixture
{
public:
    SimServerFixture();
    ~SimServerFixture();
    SimServerFixture(const SimServerFixture &) = delete;
    SimServerFixture &operator=(const SimServerFixture &) = delete;

    bool isRunning() const { return m_running; }
    SimServer &server() { return *m_server; }

    static constexpr const char *DefaultSerial = "0123456789abcdef0123456789abcdef";

    // Plugs a model; returns the keyboard id (-1 on failure).
    int plug(const QString &model, const QString &serial = QLatin1String(DefaultSerial), bool receiver = false);
    QString devicePath(int id) const;
    // Reports the keyboard received, without handshakes.
    QList<QByteArray> received(int id) const;
    // Command bytes of received(), in order.
    QList<int> receivedCommands(int id) const;
    bool inject(int id, const QByteArray &report);

private:
    QString m_folder;
    std::unique_ptr<SimServer> m_server;
    std::thread m_thread;
    bool m_running = false;
};
