#include "ui/macro/MacroRecords.h"

#include "sdk/store/XmlFields.h"

#include <QDebug>
#include <QSet>

#include <cstring>

namespace {

void copyLatin1(char *field, std::size_t fieldSize, const QString &text)
{
    const QByteArray bytes = text.toLatin1();
    const std::size_t length = qMin<std::size_t>(std::size_t(bytes.size()), fieldSize - 1);
    std::memset(field, 0, fieldSize);
    std::memcpy(field, bytes.constData(), length);
    if (std::size_t(bytes.size()) > length)
        qWarning().noquote() << "Macro event text cut to fit its field:" << text;
}

void copyUtf8(char *field, std::size_t fieldSize, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    const std::size_t length = xmlstore::utf8PrefixLength(bytes.constData(), std::size_t(bytes.size()), fieldSize - 1);
    std::memset(field, 0, fieldSize);
    std::memcpy(field, bytes.constData(), length);
    if (std::size_t(bytes.size()) > length)
        qWarning().noquote() << "Macro event name cut to fit its field:" << text;
}

QString latin1Field(const char *field, std::size_t fieldSize)
{
    return QString::fromLatin1(xmlstore::fieldText(field, fieldSize).c_str());
}

} // namespace

namespace MacroRecords {

MacroEvent fillEvent(const MacroEventFields &fields)
{
    MacroEvent event;
    copyLatin1(event.mark, sizeof event.mark, fields.mark);
    copyLatin1(event.delay, sizeof event.delay, fields.delay);
    copyLatin1(event.type, sizeof event.type, fields.type);
    copyLatin1(event.keyCode, sizeof event.keyCode, fields.keyCode);
    copyUtf8(event.codeName, sizeof event.codeName, fields.codeName);
    copyLatin1(event.operateExplain, sizeof event.operateExplain, fields.operateExplain);
    return event;
}

QString fittedCodeName(const QString &codeName)
{
    const QByteArray bytes = codeName.toUtf8();
    const std::size_t length =
        xmlstore::utf8PrefixLength(bytes.constData(), std::size_t(bytes.size()), sizeof(MacroEvent::codeName) - 1);
    return QString::fromUtf8(bytes.constData(), int(length));
}

MacroEventFields eventFields(const MacroEvent &event)
{
    MacroEventFields fields;
    fields.mark = latin1Field(event.mark, sizeof event.mark);
    fields.delay = latin1Field(event.delay, sizeof event.delay);
    fields.type = latin1Field(event.type, sizeof event.type);
    fields.keyCode = latin1Field(event.keyCode, sizeof event.keyCode);
    fields.codeName = QString::fromStdString(xmlstore::fieldText(event.codeName, sizeof event.codeName));
    fields.operateExplain = latin1Field(event.operateExplain, sizeof event.operateExplain);
    return fields;
}

int firstFreeIndex(const MacroNode &nodes)
{
    QSet<int> used;
    for (const auto &node : nodes) {
        bool ok = false;
        const int index = QString::fromStdString(node.first).toInt(&ok);
        if (ok)
            used.insert(index);
    }
    int candidate = 1;
    while (used.contains(candidate))
        ++candidate;
    return candidate;
}

bool storePath(char *buffer, std::size_t bufferSize, const char *path, const char *owner)
{
    std::memset(buffer, 0, bufferSize);
    if (!path)
        return false;
    const std::size_t length = std::strlen(path);
    if (length >= bufferSize) {
        qWarning().noquote()
            << QString("[%1] macro file path refused: %2 bytes, at most %3").arg(owner).arg(length).arg(bufferSize - 1);
        return false;
    }
    std::memcpy(buffer, path, length);
    return true;
}

} // namespace MacroRecords
