// Renders the main window, the device page and its key tab offscreen into PNG files, so that two
// builds can be compared picture by picture:
//   formSnapshot <folder>             writes mainwindow-empty.png (no keyboard), mainwindow.png,
//                                     devicepage.png and keytab.png (a simulated Aster104 current)
//   formSnapshot --compare <a> <b>    prints, for each PNG file of <a>, how many pixels differ in <b>
//                                     and where; exits 1 when a picture differs or is missing
// Run the first form with a private home: tests/isolated.sh formSnapshot <folder>.

#include "app/DDataManager.h"
#include "resources/VorlanResources.h"
#include "tests/support/KbdsimProcess.h"
#include "ui/mainwidget/DMainWidget.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/mainwidget/devicePage/keyFunctions/DCustomKeysPage.h"
#include "widgets/TextMoveWidget.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <cstdio>
#include <functional>

namespace {

const QSize windowSize(1280, 800);

bool waitFor(const std::function<bool()> &condition, int milliseconds)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > milliseconds)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    return true;
}

void settle(int milliseconds)
{
    waitFor([] { return false; }, milliseconds);
}

// Marquee texts move with the clock; they are stopped at their start so two runs draw alike.
void freezeMarquees(QWidget *root)
{
    for (TextMoveWidget *marquee : root->findChildren<TextMoveWidget *>()) {
        for (QTimer *timer : marquee->findChildren<QTimer *>())
            timer->stop();
        if (auto *text = marquee->findChild<QLabel *>())
            text->move(0, text->y());
    }
}

bool save(QWidget *widget, const QDir &folder, const QString &name)
{
    freezeMarquees(widget->window());
    const QString path = folder.filePath(name);
    const bool saved = widget->grab().save(path);
    std::printf("%s %s\n", saved ? "wrote" : "could not write", qPrintable(path));
    return saved;
}

int render(const QDir &folder)
{
    initVorlanResources();
    DDataManager::instance()->loadTheme(0);
    KbdsimProcess sim;
    if (!sim.start(folder.filePath("sim"))) {
        std::fprintf(stderr, "formSnapshot: the keyboard simulator did not start\n");
        return 1;
    }

    DMainWidget window;
    DDevicePage *page = window.devicePage();
    window.resize(windowSize);
    window.show();
    // The start-up listing has ended once the page looked for firmware upgrades.
    bool listed = false;
    QObject::connect(page, &DDevicePage::sigHaveCheckUpgradeFirmwareNUC, [&listed] { listed = true; });
    if (!waitFor([&listed] { return listed; }, 20000)) {
        std::fprintf(stderr, "formSnapshot: the device listing did not end\n");
        return 1;
    }
    settle(500);
    bool saved = save(&window, folder, "mainwindow-empty.png");

    // The device list opens, then a keyboard arrives and becomes current.
    if (auto *handle = window.findChild<QPushButton *>("pushButton_ListCtrl"))
        handle->click();
    int id = 0;
    auto *tab = page->findChild<DCustomKeysPage *>();
    if (sim.plug("Aster104", &id).isEmpty()
        || !waitFor(
            [page, tab] {
                return page->getCurrentDeviceItem() && page->getKeyView() && tab && !tab->profileXmlPath().isEmpty();
            },
            20000)) {
        std::fprintf(stderr, "formSnapshot: the simulated keyboard did not become current\n");
        return 1;
    }
    settle(1500);
    saved = save(&window, folder, "mainwindow.png") && saved;
    saved = save(page, folder, "devicepage.png") && saved;
    saved = save(tab, folder, "keytab.png") && saved;
    return saved ? 0 : 1;
}

int compare(const QDir &first, const QDir &second)
{
    const QStringList names = first.entryList({"*.png"}, QDir::Files, QDir::Name);
    int status = names.isEmpty() ? 1 : 0;
    for (const QString &name : names) {
        const QImage a = QImage(first.filePath(name)).convertToFormat(QImage::Format_ARGB32);
        const QImage b = QImage(second.filePath(name)).convertToFormat(QImage::Format_ARGB32);
        if (b.isNull() || a.size() != b.size()) {
            std::printf("%s: sizes %dx%d and %dx%d\n", qPrintable(name), a.width(), a.height(), b.width(), b.height());
            status = 1;
            continue;
        }
        int differing = 0;
        QRect box;
        for (int y = 0; y < a.height(); ++y) {
            const auto *lineA = reinterpret_cast<const QRgb *>(a.constScanLine(y));
            const auto *lineB = reinterpret_cast<const QRgb *>(b.constScanLine(y));
            for (int x = 0; x < a.width(); ++x) {
                if (lineA[x] != lineB[x]) {
                    ++differing;
                    box |= QRect(x, y, 1, 1);
                }
            }
        }
        if (differing == 0) {
            std::printf("%s: identical (%dx%d)\n", qPrintable(name), a.width(), a.height());
        } else {
            std::printf("%s: %d pixels differ inside %dx%d+%d+%d\n", qPrintable(name), differing, box.width(),
                        box.height(), box.x(), box.y());
            status = 1;
        }
    }
    return status;
}

} // namespace

int main(int argc, char *argv[])
{
    const QStringList arguments = [argc, argv] {
        QStringList list;
        for (int i = 1; i < argc; ++i)
            list << QString::fromLocal8Bit(argv[i]);
        return list;
    }();
    if (arguments.size() == 3 && arguments[0] == "--compare") {
        QCoreApplication app(argc, argv);
        return compare(QDir(arguments[1]), QDir(arguments[2]));
    }
    if (arguments.size() != 1) {
        std::fprintf(stderr, "usage: formSnapshot <folder> | formSnapshot --compare <folder> <folder>\n");
        return 2;
    }
    // The same pictures on any desktop: no window system, no window manager.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QDir folder(arguments[0]);
    if (!folder.mkpath(".")) {
        std::fprintf(stderr, "formSnapshot: cannot create %s\n", qPrintable(folder.path()));
        return 2;
    }
    return render(folder);
}
