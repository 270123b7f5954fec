#pragma once

#include <QHash>
#include <QString>

// Device paths of hidraw nodes in the form the SDK's callers match on. A removed node's parents
// are gone by the time its event arrives, so the path given at arrival is kept per node.
class HidrawPathCache
{
public:
    // hidId is the parent HID device's HID_ID ("BUS:VENDOR:PRODUCT", hexadecimal). Returns the
    // path and remembers it; empty when the ids cannot be read.
    QString arrive(const QString &devnode, const QString &hidId, int interfaceNumber);
    // The path the node arrived with, forgotten from now on; empty for a node never seen.
    QString remove(const QString &devnode);
    int size() const { return m_paths.size(); }

    static QString devicePath(const QString &hidId, int interfaceNumber, const QString &devnode);

private:
    QHash<QString, QString> m_paths;
};
