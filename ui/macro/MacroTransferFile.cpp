#include "ui/macro/MacroTransferFile.h"

#include "ui/mainwidget/devicePage/download/OnboardMacroImage.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSet>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace MacroTransferFile {

namespace {

constexpr int WideField = 63;
constexpr int NarrowField = 15;

bool isDecimal(const QString &text, qint64 low, qint64 high)
{
    bool ok = false;
    const qint64 value = text.toLongLong(&ok);
    return ok && !text.contains(QLatin1Char('+')) && !text.trimmed().isEmpty() && text == text.trimmed() && value >= low
           && value <= high;
}

bool isMouseCode(int code)
{
    return code == 513 || code == 514 || code == 516 || code == 517 || code == 519 || code == 520;
}

// The reason an event cannot be stored, or empty.
QString eventFault(const MacroEventFields &event)
{
    const auto fits = [](const QString &text, int bytes) { return text.toUtf8().size() <= bytes; };
    if (!fits(event.mark, WideField) || !fits(event.codeName, WideField) || !fits(event.operateExplain, WideField)
        || !fits(event.delay, NarrowField) || !fits(event.type, NarrowField) || !fits(event.keyCode, NarrowField))
        return QStringLiteral("a value longer than its field");
    if (!isDecimal(event.mark, 0, 0x7FFFFFFF))
        return QStringLiteral("mark \"%1\" is not a number").arg(event.mark);
    if (!isDecimal(event.delay, 0, 65535))
        return QStringLiteral("delay \"%1\" is not 0 to 65535").arg(event.delay);
    if (event.type != QLatin1String("key") && event.type != QLatin1String("mouse"))
        return QStringLiteral("type \"%1\" is neither key nor mouse").arg(event.type);
    if (event.operateExplain != QLatin1String("down") && event.operateExplain != QLatin1String("up"))
        return QStringLiteral("direction \"%1\" is neither down nor up").arg(event.operateExplain);
    if (!isDecimal(event.keyCode, -0x80000000LL, 0x7FFFFFFF))
        return QStringLiteral("key code \"%1\" is not a number").arg(event.keyCode);
    if (event.type == QLatin1String("mouse") && !isMouseCode(event.keyCode.toInt()))
        return QStringLiteral("mouse code %1 is no button").arg(event.keyCode);
    return QString();
}

// Each mark is one down followed later by one up.
QString pairingFault(const QList<MacroEventFields> &events)
{
    QSet<QString> open;
    QSet<QString> closed;
    for (const MacroEventFields &event : events) {
        if (event.operateExplain == QLatin1String("down")) {
            if (open.contains(event.mark) || closed.contains(event.mark))
                return QStringLiteral("mark %1 pressed twice").arg(event.mark);
            open.insert(event.mark);
        } else {
            if (!open.remove(event.mark))
                return QStringLiteral("mark %1 released without a press").arg(event.mark);
            closed.insert(event.mark);
        }
    }
    if (!open.isEmpty())
        return QStringLiteral("mark %1 never released").arg(*open.cbegin());
    return QString();
}

QString safeFileName(QString name)
{
    for (QChar &c : name) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c == QChar(0))
            c = QLatin1Char('_');
    }
    name.replace(QLatin1String(".."), QLatin1String("__"));
    return name;
}

} // namespace

QString exportPath(const QString &folder, const QString &macroName)
{
    return QString("%1/%2.xml").arg(folder, safeFileName(macroName));
}

bool write(const QString &path, const QString &macroIndex, const QString &macroName,
           const std::list<MacroEvent> &events, QString *error)
{
    QByteArray text;
    QXmlStreamWriter writer(&text);
    writer.setCodec("utf-8");
    writer.setAutoFormatting(true);
    writer.writeStartDocument();
    writer.writeStartElement("Parameters");
    writer.writeAttribute("profileIndex", "1");
    writer.writeStartElement("macro");
    writer.writeAttribute("index", macroIndex);
    writer.writeAttribute("name", macroName);
    for (const MacroEvent &event : events) {
        const MacroEventFields fields = MacroRecords::eventFields(event);
        writer.writeEmptyElement("item");
        writer.writeAttribute("mark", fields.mark);
        writer.writeAttribute("delay", fields.delay);
        writer.writeAttribute("type", fields.type);
        writer.writeAttribute("keyCode", fields.keyCode);
        writer.writeAttribute("codeName", fields.codeName);
        writer.writeAttribute("operateExplain", fields.operateExplain);
    }
    writer.writeEndDocument();
    if (writer.hasError()) {
        *error = QStringLiteral("cannot write the XML text");
        return false;
    }

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.errorString();
        return false;
    }
    // A write cut short (a full disk, a size limit) may still be taken as done: the size tells.
    if (file.write(text) != text.size() || !file.flush() || file.size() != text.size()) {
        *error = file.error() != QFileDevice::NoError ? file.errorString() : QStringLiteral("the file was cut short");
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

ReadResult read(const QString &path)
{
    ReadResult result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        result.error = QStringLiteral("cannot open file: %1").arg(file.errorString());
        return result;
    }
    QXmlStreamReader reader(&file);
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QXmlStreamAttributes attributes = reader.attributes();
        if (!attributes.hasAttribute("mark") || !attributes.hasAttribute("type"))
            continue;
        MacroEventFields event;
        event.mark = attributes.value("mark").toString();
        event.delay = attributes.value("delay").toString();
        event.type = attributes.value("type").toString();
        event.keyCode = attributes.value("keyCode").toString();
        event.codeName = attributes.value("codeName").toString();
        event.operateExplain = attributes.value("operateExplain").toString();
        const QString fault = eventFault(event);
        if (!fault.isEmpty()) {
            result.error = QStringLiteral("event %1: %2").arg(result.events.size() + 1).arg(fault);
            return result;
        }
        result.events.append(event);
        if (result.events.size() > OnboardMacroImage::maxEvents) {
            result.error = QStringLiteral("more than %1 events").arg(OnboardMacroImage::maxEvents);
            return result;
        }
    }
    if (reader.hasError()) {
        result.error = QStringLiteral("error: %1").arg(reader.errorString());
        return result;
    }
    result.error = pairingFault(result.events);
    result.ok = result.error.isEmpty();
    return result;
}

QString macroNameOf(const QString &filePath)
{
    const QString fileName = QFileInfo(filePath).fileName();
    const int dot = fileName.indexOf(QLatin1Char('.'));
    return dot < 0 ? fileName : fileName.left(dot);
}

int importIndex(const MacroNode &nodes)
{
    if (nodes.empty())
        return 1;
    QSet<int> used;
    for (const auto &node : nodes)
        used.insert(QString::fromStdString(node.first).toInt());
    int index = QString::fromStdString(nodes.back().first).toInt() + 1;
    while (used.contains(index))
        ++index;
    return index;
}

} // namespace MacroTransferFile
