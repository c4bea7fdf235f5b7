// zdqt: the nonogram solver's main program.

#include "MainWindow.h"
#include "Startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    MainWindow window;
    zd::presentMainWindow(window);
    return application.exec();
}
