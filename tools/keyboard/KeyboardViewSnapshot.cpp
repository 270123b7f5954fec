// Renders the keyboard view of every catalogue model at zoom 1.0 and 1.5 into PNG files and
// prints the cap, key and LED counts of each, for checking layouts and pictures by eye.

#include "resources/VorlanResources.h"
#include "sdk/protocol/HidText.h"
#include "sdk/protocol/ModelCatalog.h"
#include "tools/keyboard/OutputFolder.h"
#include "widgets/KeyboardModelLook.h"
#include "widgets/hidDeviceJoinFrame.h"
#include "widgets/keySelectFrame.h"
#include "widgets/keyboardButCustom.h"
#include "widgets/sideLightButtonCustom.h"

#include <QApplication>
#include <QDir>
#include <QFrame>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    initVorlanResources();
    QDir folder;
    if (!outputFolderFromArguments(argc, argv, folder))
        return 2;
    int status = 0;
    for (const ModelInfo &info : ModelCatalog::models()) {
        for (const float scale : {1.0f, 1.5f}) {
            hidStu record{};
            copyHidText(record.hidName, sizeof record.hidName, info.name);
            hidDeviceJoinFrame view;
            view.setDeviceInfo(record);
            view.setKeyboardScale(scale);
            keySelectFrame *keys = view.getKeySelectFrame();
            keys->setSideLightVisible(true);
            const QSize container = view.getKeyboardContainer()->size();
            view.resize(container + QSize(40, 40));
            view.show();
            app.processEvents();

            int caps = 0, realKeys = 0, leds = 0;
            for (keyboardButCustom *cap : keys->getKeyButtonList()) {
                ++caps;
                realKeys += cap->getKeyDec() != 0;
            }
            for (sideLightButtonCustom *led : keys->getSideLightButtonList())
                leds += led->isValid();
            const QString path = folder.filePath(
                QStringLiteral("%1_%2.png").arg(QString::fromStdString(info.name)).arg(double(scale), 0, 'f', 1));
            const bool saved = view.getKeyboardContainer()->grab().save(path);
            std::printf("%s at %.1f: %d caps, %d keys, %d LEDs, container %d x %d -> %s%s\n", info.name.c_str(),
                        double(scale), caps, realKeys, leds, container.width(), container.height(), qPrintable(path),
                        saved ? "" : " (not written)");
            if (!saved || realKeys != info.keyCount)
                status = 1;
        }
    }
    return status;
}
