#include "sdk/protocol/HidText.h"

#include <algorithm>
#include <cstring>

void copyHidText(char *field, size_t fieldSize, const std::string &text)
{
    if (fieldSize == 0)
        return;
    std::memset(field, 0, fieldSize);
    std::memcpy(field, text.data(), std::min(text.size(), fieldSize - 1));
}
