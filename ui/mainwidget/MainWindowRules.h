#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

// Sizes and placements of the main window, free of widgets.
namespace MainWindowRules {

// Larger screens than full HD get the larger minimum window.
QSize minimumSizeForScreen(const QSize &availableSize);

// The device-list handle beside the list (shown) or at the left edge (collapsed).
QRect deviceListHandleGeometry(bool listShown, int contentHeight);

// The placeholder pair "HID"/"RGB" means no real keyboard: the list collapses.
bool deviceListShownForNames(const QString &productName, const QString &likeName);

// "Black", "Light", "Blue", "Pink", "Other" for 0 to 4, empty otherwise.
QString themeNameForIndex(int themeIndex);

// Top-left corner that centres a screen of screenSize over the window.
QPoint centredOn(const QPoint &windowPos, const QSize &windowSize, const QSize &screenSize);

} // namespace MainWindowRules
