#pragma once

class MainWindow;

namespace zd {

// The last steps of starting zdqt before the event loop runs: window icon,
// the start title, the start size, and showing the window.
void presentMainWindow(MainWindow &window);

} // namespace zd
