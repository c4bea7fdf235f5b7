#include "Startup.h"

#include "AppFiles.h"
#include "MainWindow.h"

#include <QIcon>

namespace zd {

void presentMainWindow(MainWindow &window)
{
    window.setWindowIcon(QIcon(appFile("../images/star.png")));
    // The start title names the sample by its historical place; it stays
    // until the user opens a file.
    window.setWindowTitle("zdQt - ../orol.zd");
    window.resize(600, 600);
    window.show();
}

void openStartFile(MainWindow &window, const QStringList &arguments)
{
    if (arguments.size() > 1)
        window.openAtStart(arguments.at(1));
}

} // namespace zd
