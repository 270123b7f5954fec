#pragma once

#include <QString>

// The user's runtime folder for locks and local sockets: $XDG_RUNTIME_DIR, or without it a
// folder of this user's own (0700, not a link, owned by the user), never a name others share.
class PrivateRuntimeDir
{
public:
    static QString path();
    // Creates folder 0700 if missing; true when it is a real folder owned by this user that no
    // one else may enter. A refused folder is logged.
    static bool ensurePrivate(const QString &folder);
};
