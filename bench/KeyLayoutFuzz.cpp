// libFuzzer target: any bytes given to the key layout loader either fail to parse or give a layout
// the view geometry can scale, hit-test and band-select without undefined behaviour.

#include "widgets/KeyLayout.h"
#include "widgets/KeyLayoutLoader.h"
#include "widgets/KeyViewGeometry.h"

#include <QByteArray>
#include <QPoint>
#include <QSize>
#include <QVector>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    KeyLayout layout;
    const QByteArray text(reinterpret_cast<const char *>(data), static_cast<int>(size));
    if (!KeyLayoutLoader::parse(text, layout))
        return 0;
    if (layout.keys.size() != KeyLayout::KeyCount)
        std::abort();

    QVector<KeyLayoutItem> keys;
    keys.reserve(layout.keys.size());
    for (const KeyLayout::Key &key : layout.keys)
        keys.append(key.item);

    const QPoint origin(KeyViewGeometry::Margin, KeyViewGeometry::Margin);
    const QSize picture(KeyLayoutLoader::MaxExtent, KeyLayoutLoader::MaxExtent);
    for (const float scale : {0.5f, 1.0f, 1.5f}) {
        const QSize container = KeyViewGeometry::containerSize(picture, scale);
        for (const KeyLayoutItem &key : keys) {
            KeyViewGeometry::keyRect(key, scale);
            KeyViewGeometry::keyCornerInView(key, scale, origin);
        }
        for (const KeyLayout::Led &led : layout.leds)
            KeyViewGeometry::ledRect(led.item, scale, container);
        KeyViewGeometry::keysInBand(keys, scale, origin, 0, 0, container.width(), container.height());
        for (const KeyLayoutItem &key : keys) {
            const QPoint corner = KeyViewGeometry::keyCornerInView(key, scale, origin);
            KeyViewGeometry::keyAt(keys, KeyLayout::Columns, scale, origin, container.width(), corner);
        }
    }
    return 0;
}
