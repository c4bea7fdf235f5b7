#pragma once

class QScrollArea;
class zdWidget;

namespace zd {

// The puzzle the viewer shows, named relative to the working directory or,
// when it is not found there, to the program's folder (ResourceLookup.h).
inline constexpr const char *viewerPuzzlePath = "../orol.zd";

// Fills the viewer's window: a grid view in the viewer's look inside the scroll
// area, 400 x 400 pixels, cell size 8, with the viewer's puzzle loaded and
// solved before anything is shown; then shows both. A missing or unreadable
// puzzle file leaves an empty grid. Returns the view, owned by the scroll area.
zdWidget *openViewerWindow(QScrollArea &window);

} // namespace zd
