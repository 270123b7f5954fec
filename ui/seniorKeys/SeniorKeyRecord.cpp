#include "ui/seniorKeys/SeniorKeyRecord.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace SeniorKeyRecord {

namespace {

const int32_t kDefaultTravel[4] = {15, 36, 36, 15};
const int32_t kDefaultHoldMs = 150;

} // namespace

int32_t nextId(const std::list<SeniorKeyInfoStu> &records)
{
    int32_t largest = 0;
    for (const SeniorKeyInfoStu &record : records)
        largest = std::max(largest, record.id);
    // A file holding the largest int gets that id again: the store then refuses the duplicate
    // instead of the count wrapping round.
    if (largest == std::numeric_limits<int32_t>::max())
        return largest;
    return largest + 1;
}

QString kindName(int32_t type)
{
    switch (type) {
    case SENIOR_KEY_DKS: return QStringLiteral("DKS");
    case SENIOR_KEY_MT: return QStringLiteral("MT");
    case SENIOR_KEY_TGL: return QStringLiteral("TGL");
    default: return QString();
    }
}

SeniorKeyInfoStu newRecord(const std::list<SeniorKeyInfoStu> &records, int32_t type)
{
    SeniorKeyInfoStu record;
    std::memset(&record, 0, sizeof(record));
    record.id = nextId(records);
    record.type = type;
    writeField(record.name, sizeof(record.name), (kindName(type) + QString::number(record.id)).toLatin1());
    std::copy(std::begin(kDefaultTravel), std::end(kDefaultTravel), record.travel);
    record.holdMs = kDefaultHoldMs;
    record.tglSet = 0;
    return record;
}

QByteArray keyTextForCode(int code)
{
    return QString("%1").arg(code).toLatin1();
}

QByteArray keyTextForCombination(int mask, int code)
{
    return QString("%1,%2").arg(mask).arg(code).toLatin1();
}

void writeField(char *field, std::size_t fieldSize, const QByteArray &text)
{
    if (fieldSize == 0)
        return;
    const std::size_t length = std::min<std::size_t>(std::size_t(text.size()), fieldSize - 1);
    std::memcpy(field, text.constData(), length);
    std::memset(field + length, 0, fieldSize - length);
}

QString fieldText(const char *field, std::size_t fieldSize)
{
    const void *end = std::memchr(field, '\0', fieldSize);
    const std::size_t length = end ? std::size_t(static_cast<const char *>(end) - field) : fieldSize;
    return QString::fromUtf8(field, int(length));
}

} // namespace SeniorKeyRecord
