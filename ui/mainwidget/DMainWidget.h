#pragma once

#include <QWidget>

// The program's only top-level window: frameless, it draws its own frame and follows the
// pointer's position over its resize band.
class DMainWidget : public QWidget
{
    Q_OBJECT

public:
    explicit DMainWidget(QWidget *parent = nullptr);

    // Called by the application object for every mouse move anywhere in the program.
    void updateEdgeCursor(int x, int y);
};
