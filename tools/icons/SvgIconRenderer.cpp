// Renders an SVG icon into PNG files of the hicolor theme's usual sizes:
//   svgIconRenderer <icon.svg> <output folder> <size>...
// writes <output folder>/<size>x<size>/apps/<icon name>.png for each size.

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 4) {
        std::fprintf(stderr, "usage: svgIconRenderer <icon.svg> <output folder> <size>...\n");
        return 2;
    }
    QSvgRenderer renderer(args.at(1));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "svgIconRenderer: cannot read %s\n", qPrintable(args.at(1)));
        return 1;
    }
    const QString name = QFileInfo(args.at(1)).completeBaseName();
    for (int i = 3; i < args.size(); ++i) {
        bool ok = false;
        const int size = args.at(i).toInt(&ok);
        if (!ok || size <= 0 || size > 1024) {
            std::fprintf(stderr, "svgIconRenderer: bad size %s\n", qPrintable(args.at(i)));
            return 2;
        }
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
        painter.end();
        const QString folder = QString("%1/%2x%2/apps").arg(args.at(2)).arg(size);
        const QString file = folder + "/" + name + ".png";
        if (!QDir().mkpath(folder) || !image.save(file)) {
            std::fprintf(stderr, "svgIconRenderer: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
