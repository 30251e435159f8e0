// The floor of the start-up benchmark: a bare Qt main window, built with the program's
// flags and reporting its first paint the same way.
#include "app/firstpaint.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.show();
    kastlog::reportFirstPaintWhenAsked(&window);
    return app.exec();
}
