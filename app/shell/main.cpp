#include "app/CrashNotice.h"
#include "app/LogCleaner.h"
#include "app/LogWriter.h"
#include "app/StartupPaths.h"
#include "app/SystemInformation.h"
#include "app/shell/DAppllication.h"
#include "platform/CrashHandler.h"
#include "resources/VorlanResources.h"

#include <QApplication>
#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QSharedMemory>

#include <cstring>
#include <memory>

namespace {

const char *singleInstanceKey = "OsterlinV2.0_1.2.0.1";

// The executable's name as Qt's application name (and so the data manager's folder) has it.
QString executableBaseName(const char *argv0)
{
    return QFileInfo(QFile::decodeName(argv0)).fileName();
}

// Creates the one-byte segment; false when a live instance holds it.
bool createInstanceSegment(QSharedMemory &segment)
{
    const QString name = StartupPaths::perUserName(singleInstanceKey);
    if (name.startsWith('/')) {
        // The segment's key is derived from this file's identity. Without the file, attach() cannot
        // find a stale segment, and a new file may derive the key of one left by an earlier run:
        // create() would then fail as if another instance ran. So the file must exist first.
        QFile keyFile(name);
        if (!keyFile.exists() && keyFile.open(QIODevice::WriteOnly))
            keyFile.close();
        segment.setNativeKey(name);
    } else {
        segment.setKey(name);
    }
    // A segment outlives a crash, a kill or the immediate exit. Attaching and detaching removes one
    // that nobody else is attached to and leaves a live instance's segment alone.
    if (segment.attach())
        segment.detach();
    return segment.create(1, QSharedMemory::ReadWrite);
}

}

int main(int argc, char *argv[])
{
    const QString baseName = executableBaseName(argv[0]);
    if (argc == 2 && std::strcmp(argv[1], CrashHandler::noticeSwitch()) == 0) {
        QApplication app(argc, argv);
        return CrashNotice::exec(baseName);
    }

    CrashHandler::install(StartupPaths::dumpDir(baseName), QFile::symLinkTarget("/proc/self/exe"));

    QSharedMemory segment;
    const bool isRunning = !createInstanceSegment(segment);
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
