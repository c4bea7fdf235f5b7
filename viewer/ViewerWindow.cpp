#include "ViewerWindow.h"

#include "zdWidget.h"

#include <QScrollArea>

namespace zd {

zdWidget *openViewerWindow(QScrollArea &window)
{
    auto *view = new zdWidget(nullptr, zdWidget::Variant::Viewer);
    window.setWidget(view);
    window.resize(QSize(400, 400));
    view->setCellSize(8);
    // Solved at once, so that the first paint already shows the result.
    view->load(viewerPuzzlePath);
    view->solve();
    view->show();
    window.show();
    return view;
}

} // namespace zd
