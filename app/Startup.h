#pragma once

#include <QStringList>

class MainWindow;

namespace zd {

// The last steps of starting zdqt before the event loop runs: window icon,
// the start title, the start size, and showing the window.
void presentMainWindow(MainWindow &window);
// With a file named on the command line (`arguments` as QApplication left
// them, the program first), opens that file instead of the sample.
void openStartFile(MainWindow &window, const QStringList &arguments);

} // namespace zd
