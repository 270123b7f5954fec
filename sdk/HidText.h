#pragma once

#include <cstddef>
#include <string>

// Copies text into a fixed field, cut to fit and always NUL-terminated; the rest is zeroed.
void copyHidText(char* field, size_t fieldSize, const std::string& text);
