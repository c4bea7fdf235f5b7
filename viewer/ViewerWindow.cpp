#include "ViewerWindow.h"

#include "ResourceLookup.h"
#include "zdWidget.h"

#include <QFile>
#include <QScrollArea>

namespace zd {

zdWidget *openViewerWindow(QScrollArea &window)
{
    auto *view = new zdWidget(nullptr, zdWidget::Variant::Viewer);
    window.setWidget(view);
    window.resize(QSize(400, 400));
    view->setCellSize(8);
    // Solved at once, so that the first paint already shows the result.
    view->load(QFile::encodeName(findResource(QString::fromLatin1(viewerPuzzlePath))).constData());
    view->solve();
    view->show();
    window.show();
    return view;
}

} // namespace zd
