// zdqt: the nonogram solver's main program.

#include "MainWindow.h"
#include "Startup.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char *argv[])
{
    // The solver's pass lines go out as they happen, also into a pipe.
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    QApplication application(argc, argv);
    MainWindow window;
    zd::presentMainWindow(window);
    zd::openStartFile(window, application.arguments());
    return application.exec();
}
