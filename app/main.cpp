#include "VorlanResources.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    initVorlanResources();
    QApplication app(argc, argv);
    QWidget window;
    window.show();
    return app.exec();
}
