#include "app/KeyOperateValue.h"

#include "sdk/store/VorlanXml.h"

#include <climits>
#include <cstring>

int KeyOperateValue::leadingNumber(const QByteArray &text)
{
    int at = 0;
    while (at < text.size()
           && (text[at] == ' ' || text[at] == '\t' || text[at] == '\n' || text[at] == '\r' || text[at] == '\v'
               || text[at] == '\f'))
        ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-'))
        negative = text[at++] == '-';
    long long number = 0;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
        // Saturate instead of overflowing on absurdly long digit runs.
        if (number <= INT_MAX)
            number = number * 10 + (text[at] - '0');
    }
    if (negative)
        number = -number;
    if (number > INT_MAX)
        return INT_MAX;
    if (number < INT_MIN)
        return INT_MIN;
    return static_cast<int>(number);
}

QByteArray KeyOperateValue::readWhole(const char *path, int profileIndex, int keyDec)
{
    const QByteArray index = QByteArray::number(profileIndex);
    const QByteArray key = QByteArray::number(keyDec);
    const long length = CVorlanXML_SelectProFileKeyOperateValue(path, index.constData(), key.constData(), nullptr, 0);
    if (length < 0)
        return QByteArray();
    QByteArray value(static_cast<int>(length) + 1, '\0');
    if (CVorlanXML_SelectProFileKeyOperateValue(path, index.constData(), key.constData(), value.data(),
                                                static_cast<std::size_t>(value.size()))
        < 0)
        return QByteArray();
    value.truncate(static_cast<int>(std::strlen(value.constData())));
    return value;
}
