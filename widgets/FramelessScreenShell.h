#pragma once

#include <QSize>
#include <QString>

class QPushButton;
class QWidget;

// Shapes a secondary screen as a frameless, translucent dialog of a fixed size that deletes
// itself when it closes: one framed background (frameName, frameSheet) with a close button
// "pushButton_Close" in its top-right corner, which is returned.
QPushButton *buildFramelessScreenShell(QWidget *screen, const QSize &size, const QString &frameName,
                                       const QString &frameSheet);
