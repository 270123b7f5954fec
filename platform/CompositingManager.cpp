#include "platform/CompositingManager.h"

#include <QX11Info>

bool isX11CompositingManagerRunning()
{
    return QX11Info::isPlatformX11() && QX11Info::isCompositingManagerRunning();
}
