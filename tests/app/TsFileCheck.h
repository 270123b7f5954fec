#pragma once

#include <QSet>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>

// Reads Qt Linguist translation sources and finds the faults a translation must not have.
namespace TsFileCheck {

struct Message
{
    QString context;
    QString source;
    QString translation;
    QString type;
};

// The current messages of a .ts file; entries of texts gone from the code are left out.
QVector<Message> read(const QString &path, QString *error);

QSet<QString> keys(const QVector<Message> &messages); // "context\x1fsource"

// Texts a language shows exactly as the source has them (codes, names, legends, shared words).
using KeptAsSource = std::function<bool(const Message &)>;

// One line per fault: "<file> <context>: <source>: <fault>". The translation must be finished and
// not blank, keep the placeholders, shortcut letter, markup, line breaks and outer blanks of its
// source, and differ from it unless `sameAllowed` says the text stays as it is.
QStringList faults(const QString &file, const QVector<Message> &messages, const KeptAsSource &sameAllowed);

} // namespace TsFileCheck
