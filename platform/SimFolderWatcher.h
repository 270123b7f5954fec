#pragma once

#include <QObject>
#include <QSet>
#include <QString>

class QFileSystemWatcher;

// Follows simulated keyboards appearing and disappearing as sockets in the simulator folder.
// A folder that does not exist yet is picked up when it appears.
class SimFolderWatcher : public QObject
{
    Q_OBJECT

public:
    explicit SimFolderWatcher(const QString &folder, QObject *parent = nullptr);

signals:
    void deviceArrived(QString path);
    void deviceRemoved(QString path);

private:
    void onChanged();
    void watchFolderOrParent();
    QSet<QString> scan() const;

    QString m_folder;
    QFileSystemWatcher *m_watcher = nullptr;
    QSet<QString> m_known;
};
