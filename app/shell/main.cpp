#include "app/CrashNotice.h"
#include "app/LogCleaner.h"
#include "app/LogWriter.h"
#include "app/StartupPaths.h"
#include "app/SystemInformation.h"
#include "app/shell/DAppllication.h"
#include "platform/CrashHandler.h"
#include "platform/InstanceLock.h"
#include "resources/VorlanResources.h"

#include <QApplication>
#include <QDebug>
#include <QFile>
#include <QFileInfo>

#include <cstring>
#include <memory>

namespace {

const char *singleInstanceKey = "OsterlinV2.0_1.2.0.1";

// The executable's name as Qt's application name (and so the data manager's folder) has it.
QString executableBaseName(const char *argv0)
{
    return QFileInfo(QFile::decodeName(argv0)).fileName();
}

} // namespace

int main(int argc, char *argv[])
{
    // Nothing here draws with OpenGL: without the GLX integration the X11 back end never loads a
    // GL driver, which with its shader compiler keeps tens of MB resident.
    if (!qEnvironmentVariableIsSet("QT_XCB_GL_INTEGRATION"))
        qputenv("QT_XCB_GL_INTEGRATION", "none");
    const QString baseName = executableBaseName(argv[0]);
    if (argc == 2 && std::strcmp(argv[1], CrashHandler::noticeSwitch()) == 0) {
        QApplication app(argc, argv);
        return CrashNotice::exec(baseName);
    }

    CrashHandler::install(StartupPaths::dumpDir(baseName), QFile::symLinkTarget("/proc/self/exe"));

    // Held until the process ends; the kernel releases it however the process ends.
    InstanceLock instanceLock;
    const bool isRunning = !instanceLock.tryLock(StartupPaths::perUserName(singleInstanceKey));
    if (isRunning)
        qDebug() << "--------------- EXE already runing -----------------";

    if (SystemInformation::getSystemVersion() != 1)
        QApplication::setAttribute(Qt::AA_EnableHighDpiScaling, true);

    cleanOldLogFiles(baseName);
    LogWriter logWriter(StartupPaths::logDir(baseName));
    LogWriter::setActive(&logWriter);
    qInstallMessageHandler(logMessageHandler);

    initVorlanResources();
    int status = 1;
    {
        DAppllication app(singleInstanceKey, argc, argv, isRunning);
        // Also a second process that got no answer: it has no window and no server.
        if (!app.isConnectedToRunningInstance() && !isRunning)
            status = app.exec();
    }

    qInstallMessageHandler(nullptr);
    LogWriter::setActive(nullptr);
    return status;
}
