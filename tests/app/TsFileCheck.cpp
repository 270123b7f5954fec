#include "tests/app/TsFileCheck.h"

#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>

namespace TsFileCheck {

namespace {

QStringList matches(const QString &text, const QRegularExpression &pattern, bool sorted)
{
    QStringList found;
    QRegularExpressionMatchIterator it = pattern.globalMatch(text);
    while (it.hasNext())
        found << it.next().captured();
    if (sorted)
        found.sort();
    return found;
}

QStringList placeholders(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("%L?\\d+"));
    return matches(text, pattern, true);
}

QStringList markup(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("</?[A-Za-z][^>]*>"));
    return matches(text, pattern, false);
}

// The letters marked as shortcuts: "&x" marks x, "&&" is a literal ampersand.
QString shortcutMarks(const QString &text)
{
    QString marked;
    for (int i = 0; i + 1 < text.size(); ++i) {
        if (text.at(i) != QLatin1Char('&'))
            continue;
        if (text.at(i + 1) == QLatin1Char('&')) {
            ++i;
            continue;
        }
        marked += text.at(i + 1);
        ++i;
    }
    return marked;
}

QString leadingBlanks(const QString &text)
{
    int n = 0;
    while (n < text.size() && text.at(n).isSpace())
        ++n;
    return text.left(n);
}

QString trailingBlanks(const QString &text)
{
    int n = 0;
    while (n < text.size() && text.at(text.size() - 1 - n).isSpace())
        ++n;
    return text.right(n);
}

QString messageFault(const Message &message, const KeptAsSource &sameAllowed)
{
    const QString &source = message.source;
    const QString &translation = message.translation;
    if (message.type == QLatin1String("unfinished"))
        return QStringLiteral("unfinished");
    if (translation.trimmed().isEmpty())
        return QStringLiteral("empty translation");
    if (placeholders(source) != placeholders(translation))
        return QStringLiteral("placeholders differ");
    const QString sourceMarks = shortcutMarks(source);
    const QString marks = shortcutMarks(translation);
    if (sourceMarks.size() != marks.size() || (!marks.isEmpty() && !marks.at(0).isLetter()))
        return QStringLiteral("shortcut letter lost, doubled or not on a letter");
    if (markup(source) != markup(translation))
        return QStringLiteral("markup differs");
    if (source.count(QLatin1Char('\n')) != translation.count(QLatin1Char('\n')))
        return QStringLiteral("line breaks differ");
    if (leadingBlanks(source) != leadingBlanks(translation) || trailingBlanks(source) != trailingBlanks(translation))
        return QStringLiteral("leading or trailing blanks differ");
    if (translation == source && !sameAllowed(message))
        return QStringLiteral("left as the source");
    return QString();
}

} // namespace

QVector<Message> read(const QString &path, QString *error)
{
    QVector<Message> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = path + QStringLiteral(": ") + file.errorString();
        return messages;
    }
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            message = Message{context, {}, {}, {}};
        } else if (xml.name() == QLatin1String("source")) {
            message.source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            message.type = xml.attributes().value(QLatin1String("type")).toString();
            message.translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            if (message.type != QLatin1String("vanished") && message.type != QLatin1String("obsolete"))
                messages.append(message);
        }
    }
    if (xml.hasError())
        *error = path + QStringLiteral(": ") + xml.errorString();
    return messages;
}

QSet<QString> keys(const QVector<Message> &messages)
{
    QSet<QString> found;
    for (const Message &message : messages)
        found.insert(message.context + QChar(0x1f) + message.source);
    return found;
}

QStringList faults(const QString &file, const QVector<Message> &messages, const KeptAsSource &sameAllowed)
{
    QStringList found;
    for (const Message &message : messages) {
        const QString fault = messageFault(message, sameAllowed);
        if (!fault.isEmpty())
            found << QStringLiteral("%1 %2: %3: %4").arg(file, message.context, message.source, fault);
    }
    return found;
}

} // namespace TsFileCheck
