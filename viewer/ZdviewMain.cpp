// zdview: shows one puzzle, solved, in a scrollable window.

#include "ViewerWindow.h"

#include <QApplication>
#include <QScrollArea>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    int exitCode = 0;
    {
        // The window and its view go before the application does.
        QScrollArea window;
        zd::openViewerWindow(window);
        exitCode = QApplication::exec();
    }
    return exitCode;
}
