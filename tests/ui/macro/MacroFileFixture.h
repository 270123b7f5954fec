#pragma once

#include "sdk/store/VorlanXmlRecords.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPair>
#include <QString>

#include <list>

// Macro files written and read through the store, as the editor sees them.
namespace MacroFileFixture {

// A new, empty macro file in the test's temporary folder.
QByteArray freshFile(const QString &name);
void addMacro(const QByteArray &path, const QString &index, const QString &name);
// One press (a "down" and an "up" of the same mark) per delay pair.
void addPress(const QByteArray &path, const QString &index, const QString &mark, int downDelay, int upDelay,
              const QString &keyName = "A");
// (index, name) of every macro, in the store's order.
QList<QPair<QString, QString>> macros(const QByteArray &path);
std::list<MacroEvent> events(const QByteArray &path, const QString &index);

} // namespace MacroFileFixture

// Answers the data manager's hook requests as the key tab does, and counts them.
class HookRequestRecorder : public QObject
{
    Q_OBJECT

public:
    HookRequestRecorder();

    int starts = 0;
    int stops = 0;
    // Starts fail while set, as when the hooks cannot be installed.
    bool refuse = false;
};
