// Times Solve completely in the real window (run by hand, never as a test):
//
//   window_solve_bench [--cancel-after MS] [--action TEXT] FILE...
//
// For every file: opens it in a MainWindow (dropped on it, as a user can),
// triggers the action (default "Solve completely") and prints the time until
// the result is shown and painted, the longest gap between two turns of the
// event loop meanwhile (a 5 ms timer), and the outcome label. With
// --cancel-after it presses Cancel that long after the start and prints how
// long the solve took to stop. Run it headless with QT_QPA_PLATFORM=offscreen.

#include "MainWindow.h"
#include "zdWidget.h"

#include <QAction>
#include <QApplication>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <algorithm>
#include <cstdio>

namespace {

QAction *actionWithText(MainWindow &window, const QString &text)
{
    for (QAction *action : window.findChildren<QAction *>())
        if (action->text() == text)
            return action;
    return nullptr;
}

void dropFile(MainWindow &window, const QString &fileName)
{
    QMimeData data;
    data.setUrls({ QUrl::fromLocalFile(QFileInfo(fileName).absoluteFilePath()) });
    // A drop goes where the drag entered.
    QDragEnterEvent enter(window.rect().center(), Qt::CopyAction, &data, Qt::LeftButton,
                          Qt::NoModifier);
    QApplication::sendEvent(&window, &enter);
    QDropEvent drop(window.rect().center(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &drop);
    // The drop opens the file from the event loop.
    QElapsedTimer waited;
    waited.start();
    while (!window.windowTitle().contains(QFileInfo(fileName).fileName())
           && waited.elapsed() < 5000)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    if (waited.elapsed() >= 5000)
        std::printf("%s was not opened\n", qPrintable(fileName));
}

void timeOne(const QString &fileName, const QString &actionText, int cancelAfterMs)
{
    MainWindow window;
    window.resize(800, 800);
    window.show();
    dropFile(window, fileName);
    QApplication::processEvents();

    QElapsedTimer clock;
    qint64 lastTick = 0;
    qint64 longestGap = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        longestGap = std::max(longestGap, clock.elapsed() - lastTick);
        lastTick = clock.elapsed();
    });
    qint64 cancelledAt = -1;
    if (cancelAfterMs >= 0)
        QTimer::singleShot(cancelAfterMs, [&] {
            cancelledAt = clock.elapsed();
            window.findChild<QAction *>(QStringLiteral("cancelSolveAct"))->trigger();
        });
    clock.start();
    ticker.start(5);
    actionWithText(window, actionText)->trigger();
    window.findChild<zdWidget *>()->repaint();
    const qint64 shownAfter = clock.elapsed();
    ticker.stop();

    const QString outcome = window.findChild<QLabel *>(QStringLiteral("outcomeLabel"))->text();
    std::printf("%s\tshown after %lld ms\tlongest event-loop gap %lld ms", qPrintable(fileName),
                shownAfter, longestGap);
    if (cancelledAt >= 0)
        std::printf("\tstopped %lld ms after Cancel", shownAfter - cancelledAt);
    std::printf("\t%s\n", qPrintable(outcome));
    std::fflush(stdout);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QStringList arguments = application.arguments().mid(1);
    int cancelAfterMs = -1;
    QString actionText = QStringLiteral("Solve &completely");
    while (arguments.size() >= 2 && arguments.first().startsWith(QStringLiteral("--"))) {
        const QString option = arguments.takeFirst();
        const QString value = arguments.takeFirst();
        if (option == QStringLiteral("--cancel-after"))
            cancelAfterMs = value.toInt();
        else if (option == QStringLiteral("--action"))
            actionText = value;
    }
    for (const QString &fileName : arguments)
        timeOne(fileName, actionText, cancelAfterMs);
    return 0;
}
