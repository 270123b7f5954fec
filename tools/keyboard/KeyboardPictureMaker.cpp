// Draws the keyboard picture of every catalogue model from its layout file, so picture and layout
// always agree: Keyboard_<model>.png and the three mode pictures Keyboard_<model>_<mode>.png.

#include "resources/VorlanResources.h"
#include "sdk/protocol/ModelCatalog.h"
#include "tools/keyboard/OutputFolder.h"
#include "widgets/KeyLayoutLoader.h"
#include "widgets/KeyboardModelLook.h"

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>

namespace {

const QColor Body(36, 38, 58);
const QColor Cap(70, 74, 100);
const QColor CapEdge(96, 100, 130);
const QColor Caption(210, 212, 225);
const QColor ModeColours[3] = {QColor(80, 200, 120), QColor(80, 150, 240), QColor(180, 110, 240)};

QPainterPath capPath(const KeyLayoutItem &key, bool lShaped, const QPoint &notch, bool pill)
{
    QPainterPath path;
    const QRectF rect(key.posX, key.posY, key.width, key.height);
    if (lShaped) {
        // Upper part over the full width, lower part right of the notch.
        QPainterPath upper, lower;
        upper.addRoundedRect(QRectF(rect.x(), rect.y(), rect.width(), notch.y()), 4, 4);
        lower.addRoundedRect(QRectF(rect.x() + notch.x(), rect.y(), rect.width() - notch.x(), rect.height()), 4, 4);
        return upper.united(lower);
    }
    const qreal radius = pill ? qMin(rect.width(), rect.height()) / 2 : 4;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

QImage drawPicture(const QString &model, const KeyLayout &layout, const QSize &size, int mode)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Body);
    painter.drawRoundedRect(QRectF(0, 0, size.width(), size.height()), 10, 10);

    const bool pill = KeyboardModelLook::hasPillCaps(model);
    const QPoint notch = KeyboardModelLook::enterNotch(model);
    QFont font(QStringLiteral("Sans"));
    font.setPixelSize(8);
    painter.setFont(font);
    for (const KeyLayout::Key &key : layout.keys) {
        if (key.item.code == 0)
            continue;
        const bool lShaped = key.item.code == 40 && layout.specialEnterKey;
        painter.setPen(QPen(CapEdge, 1));
        painter.setBrush(Cap);
        painter.drawPath(capPath(key.item, lShaped, notch, pill));
        painter.setPen(Caption);
        const QRect label(key.item.posX + (lShaped ? notch.x() : 0), key.item.posY,
                          key.item.width - (lShaped ? notch.x() : 0), lShaped ? notch.y() : key.item.height);
        painter.drawText(label, Qt::AlignCenter | Qt::TextWordWrap, key.caption);
    }
    if (mode >= 0 && mode < 3) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(ModeColours[mode]);
        painter.drawEllipse(QRectF(size.width() - 22, 3, 6, 6));
    }
    return image;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    initVorlanResources();
    QDir folder;
    if (!outputFolderFromArguments(argc, argv, folder))
        return 2;
    int status = 0;
    for (const ModelInfo &info : ModelCatalog::models()) {
        const QString model = QString::fromStdString(info.name);
        KeyLayout layout;
        const QSize size = KeyboardModelLook::pictureSize(model);
        if (!KeyLayoutLoader::load(model, layout) || size.isEmpty()) {
            std::fprintf(stderr, "%s: no layout file or picture size\n", info.name.c_str());
            status = 1;
            continue;
        }
        const QString base = folder.filePath(QStringLiteral("Keyboard_") + model);
        for (int mode = -1; mode < 3; ++mode) {
            const QString path = mode < 0 ? base + QStringLiteral(".png") : base + QStringLiteral("_%1.png").arg(mode);
            if (!drawPicture(model, layout, size, mode).save(path)) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
                status = 1;
            }
        }
    }
    return status;
}
