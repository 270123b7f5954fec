#pragma once

#include <QJsonObject>
#include <QProcess>
#include <QString>

// The kbdsim daemon serving one folder, driven through its control socket. The SDK finds its
// keyboards through VORLAN_SIM_DIR, which start() sets for this process.
class KbdsimProcess
{
public:
    ~KbdsimProcess();

    bool start(const QString &folder);
    // One control line; the answer without its newline.
    QString control(const QString &line);
    // Plugs a model; returns the SDK's device path of it, empty on failure.
    QString plug(const QString &model, int *id);
    QJsonObject dump(int id);

private:
    QProcess m_process;
    QString m_folder;
};
