#include "ui/mainwidget/devicePage/download/OnboardMacroImage.h"

#include "ui/mainwidget/devicePage/download/OnboardKeyEncoder.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

bool fieldContains(const char *field, std::size_t size, const char *word)
{
    return OnboardKeyEncoder::fieldText(field, size).contains(QLatin1String(word));
}

int mouseButton(int message)
{
    switch (message) {
    case 513:
    case 514: return 1;
    case 516:
    case 517: return 2;
    case 519:
    case 520: return 4;
    default: return 0;
    }
}

} // namespace

OnboardMacroImage::OnboardMacroImage()
    : m_bytes(imageSize, '\0')
{
}

OnboardMacroImage OnboardMacroImage::build(const std::list<MacroEvent> &events)
{
    OnboardMacroImage image;
    const std::vector<MacroEvent> list(events.begin(), events.end());
    image.m_eventCount = std::min<int>(static_cast<int>(list.size()), maxEvents);
    image.m_complete = static_cast<int>(list.size()) <= maxEvents;

    for (int i = 0; i < image.m_eventCount; ++i) {
        const MacroEvent &event = list[static_cast<size_t>(i)];
        const bool isKey = fieldContains(event.type, sizeof(event.type), "key");
        const bool isMouse = !isKey && fieldContains(event.type, sizeof(event.type), "mouse");
        const int keyCode = OnboardKeyEncoder::fieldInt(event.keyCode);
        const int code = isKey ? keyCode : isMouse ? mouseButton(keyCode) : 0;
        const bool down = std::strncmp(event.operateExplain, "down", sizeof(event.operateExplain)) == 0;
        // Each entry carries the delay the keyboard waits after it, which is stored with the next event.
        const size_t next = static_cast<size_t>(i) + 1;
        const int delay = next < static_cast<size_t>(image.m_eventCount)
                              ? std::clamp(OnboardKeyEncoder::fieldInt(list[next].delay), 0, 65535)
                              : 0;

        char *entry = image.m_bytes.data() + 4 * i;
        entry[0] = static_cast<char>(code & 0xFF);
        entry[1] = static_cast<char>((down ? 0x10 : 0) | (isMouse ? 0x01 : 0));
        entry[2] = static_cast<char>(delay > 255 ? (delay >> 8) & 0xFF : 0);
        entry[3] = static_cast<char>(delay & 0xFF);
    }
    return image;
}
