#pragma once

#include <QObject>
#include <QString>

class QWidget;

namespace zd {

// FileDropTarget: lets files be dropped on a window. It watches the window's
// drag and drop events and reports the first local file dropped.
class FileDropTarget : public QObject
{
    Q_OBJECT

public:
    // Makes `window` accept drops and watches it.
    explicit FileDropTarget(QWidget *window);

    bool eventFilter(QObject *watched, QEvent *event) override;

signals:
    void fileDropped(const QString &fileName);
};

} // namespace zd
