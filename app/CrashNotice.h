#pragma once

#include <QString>

class QMessageBox;

// The notice shown after a crash. The crashed process cannot show it itself, so the crash
// handler starts the program again with CrashHandler::noticeSwitch() to run exec().
class CrashNotice
{
public:
    static QMessageBox *createMessageBox();
    // Needs an application object; loads the user's language of the executable's <AppData>.
    static int exec(const QString &baseName);
};
