#include "ui/mainwidget/MainWindowRules.h"

namespace MainWindowRules {

QSize minimumSizeForScreen(const QSize &availableSize)
{
    if (availableSize.width() > 1920 || availableSize.height() > 1080)
        return QSize(1450, 810);
    return QSize(1280, 715);
}

QRect deviceListHandleGeometry(bool listShown, int contentHeight)
{
    const int width = 10;
    const int height = 100;
    const int x = listShown ? 233 : 5;
    const int y = (contentHeight - 300) / 2 - height / 2 + 50;
    return QRect(x, y, width, height);
}

bool deviceListShownForNames(const QString &productName, const QString &likeName)
{
    return !(productName == "HID" && likeName == "RGB");
}

QString themeNameForIndex(int themeIndex)
{
    static const char *const names[] = {"Black", "Light", "Blue", "Pink", "Other"};
    if (themeIndex < 0 || themeIndex > 4)
        return QString();
    return names[themeIndex];
}

QPoint centredOn(const QPoint &windowPos, const QSize &windowSize, const QSize &screenSize)
{
    return QPoint(windowPos.x() + (windowSize.width() - screenSize.width()) / 2,
                  windowPos.y() + (windowSize.height() - screenSize.height()) / 2);
}

} // namespace MainWindowRules
