#pragma once

// Pure helpers of the XML store: argument checks and bounded record fields.

#include <cstddef>
#include <cstdint>
#include <string>

namespace xmlstore {

// Longest path the callers' 256-byte buffers hold.
constexpr std::size_t kMaxPathBytes = 255;

// A usable file path: not null, not empty, at most kMaxPathBytes bytes.
bool isValidPath(const char *path);

// Length of the longest prefix of text[0..length) that does not end inside a UTF-8 sequence.
// Bytes that do not form UTF-8 (local 8-bit texts) are treated as single characters.
std::size_t utf8PrefixLength(const char *text, std::size_t length, std::size_t limit);

// Copies text into a field of fieldSize bytes, cut at a character boundary, always NUL-terminated.
// Returns the full length of text.
std::size_t copyField(char *field, std::size_t fieldSize, const char *text);

// The text of a field that may lack its NUL: at most fieldSize bytes.
std::string fieldText(const char *field, std::size_t fieldSize);

// Decimal int32 of a whole text; fallback when the text is not one.
int32_t parseInt(const char *text, int32_t fallback);

// Comma-separated decimal ints into out[0..count); missing or bad entries become 0.
void parseIntList(const char *text, int32_t *out, std::size_t count);
std::string joinIntList(const int32_t *values, std::size_t count);

} // namespace xmlstore
