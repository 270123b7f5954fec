#include "widgets/FramelessScreenShell.h"

#include <QFrame>
#include <QPushButton>
#include <QVBoxLayout>

QPushButton *buildFramelessScreenShell(QWidget *screen, const QSize &size, const QString &frameName,
                                       const QString &frameSheet)
{
    screen->setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    screen->setAttribute(Qt::WA_TranslucentBackground);
    screen->setAttribute(Qt::WA_DeleteOnClose);
    screen->setFixedSize(size);

    auto *frame = new QFrame(screen);
    frame->setObjectName(frameName);
    frame->setStyleSheet(frameSheet);
    auto *closeButton = new QPushButton(frame);
    closeButton->setObjectName("pushButton_Close");
    closeButton->setFixedSize(16, 16);
    closeButton->setStyleSheet("QPushButton{border-image: url(:/images/mainpage/closeWindowDef.png);}"
                               "QPushButton:hover,QPushButton:pressed"
                               "{border-image: url(:/images/mainpage/closeWindowSel.png);}");
    auto *frameLayout = new QVBoxLayout(frame);
    frameLayout->addWidget(closeButton, 0, Qt::AlignRight | Qt::AlignTop);
    frameLayout->addStretch();
    auto *layout = new QVBoxLayout(screen);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(frame);
    return closeButton;
}
