#include "sdk/store/XmlFields.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

namespace xmlstore {

bool isValidPath(const char *path)
{
    if (path == nullptr)
        return false;
    const std::size_t length = strnlen(path, kMaxPathBytes + 1);
    return length > 0 && length <= kMaxPathBytes;
}

namespace {

// Length of the UTF-8 sequence a lead byte opens, 0 when it opens none.
std::size_t sequenceLength(unsigned char lead)
{
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    return 0;
}

bool isContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

} // namespace

std::size_t utf8PrefixLength(const char *text, std::size_t length, std::size_t limit)
{
    if (length <= limit)
        return length;
    // Step back over at most three continuation bytes to the lead byte before the cut; when that
    // lead opens a well-formed sequence that the cut splits, cut before it.
    std::size_t lead = limit;
    std::size_t steps = 0;
    while (lead > 0 && steps < 3 && isContinuation(static_cast<unsigned char>(text[lead]))) {
        --lead;
        ++steps;
    }
    if (lead == limit)
        return limit;
    const std::size_t need = sequenceLength(static_cast<unsigned char>(text[lead]));
    if (need <= 1 || lead + need <= limit || lead + need > length)
        return limit;
    for (std::size_t i = lead + 1; i < lead + need; ++i) {
        if (!isContinuation(static_cast<unsigned char>(text[i])))
            return limit;
    }
    return lead;
}

std::size_t copyField(char *field, std::size_t fieldSize, const char *text)
{
    if (field == nullptr || fieldSize == 0)
        return 0;
    if (text == nullptr)
        text = "";
    const std::size_t length = std::strlen(text);
    const std::size_t copied = utf8PrefixLength(text, length, fieldSize - 1);
    std::memcpy(field, text, copied);
    field[copied] = '\0';
    return length;
}

std::string fieldText(const char *field, std::size_t fieldSize)
{
    return std::string(field, strnlen(field, fieldSize));
}

int32_t parseInt(const char *text, int32_t fallback)
{
    if (text == nullptr || *text == '\0')
        return fallback;
    errno = 0;
    char *end = nullptr;
    const long value = std::strtol(text, &end, 10);
    if (errno != 0 || end == text || *end != '\0' || value < INT32_MIN || value > INT32_MAX)
        return fallback;
    return static_cast<int32_t>(value);
}

void parseIntList(const char *text, int32_t *out, std::size_t count)
{
    std::size_t i = 0;
    const char *p = text == nullptr ? "" : text;
    for (; i < count; ++i) {
        const char *comma = std::strchr(p, ',');
        const std::string item = comma ? std::string(p, comma) : std::string(p);
        out[i] = parseInt(item.c_str(), 0);
        if (comma == nullptr)
            break;
        p = comma + 1;
    }
    for (++i; i < count; ++i)
        out[i] = 0;
}

std::string joinIntList(const int32_t *values, std::size_t count)
{
    std::string text;
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0)
            text += ',';
        text += std::to_string(values[i]);
    }
    return text;
}

} // namespace xmlstore
