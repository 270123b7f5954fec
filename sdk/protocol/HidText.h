#pragma once

#include <cstddef>
#include <cstring>
#include <string>

// Copies text into a fixed field, cut to fit and always NUL-terminated; the rest is zeroed.
void copyHidText(char *field, size_t fieldSize, const std::string &text);

// The same from another fixed field, which may lack its NUL.
template <size_t N, size_t M>
void copyHidText(char (&field)[N], const char (&source)[M])
{
    copyHidText(field, N, std::string(source, strnlen(source, M)));
}
