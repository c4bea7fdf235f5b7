// Paint times of the grid view (run by hand, never as a test):
//
//   whole:    a solved 200 x 200 puzzle at cell size 8 painted whole, as the
//             first paint of a widget that fits on screen or a print would;
//   viewport: the same puzzle, only a 600 x 600 region (a window's worth);
//   scroll:   a solved 1000 x 1000 puzzle at cell size 8 in a 600 x 600 scroll
//             area, scrolled three rows per step, with the repaint Qt does for
//             the step, and with a repaint of the whole viewport.
//
// Every cell is decided (a square or a dash), the worst case for painting.
// The grids are random pictures at density 0.5, which gives clue lists about
// as long as puzzles get.

#include "GridPainter.h"
#include "MarkedPuzzle.h"
#include "RandomPicture.h"

#include <QApplication>
#include <QImage>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QWindow>
#include <benchmark/benchmark.h>
#include <cstdlib>

using namespace zd;

namespace {

constexpr int cellSize = 8;

struct SolvedGrid
{
    MarkedPuzzle puzzle;
    GridGeometry geometry;
    QSize size;
};

// A random picture with every cell decided: '#' filled, '-' empty.
SolvedGrid solvedGrid(int side)
{
    std::mt19937 random(2026);
    std::vector<std::string> picture = randomPicture(side, side, 0.5, random);
    for (std::string &row : picture)
        for (char &cell : row)
            if (cell == '.')
                cell = '-';
    MarkedPuzzle puzzle(picture);
    int longest = 0;
    for (int16_t i = 0; i < side; ++i)
        longest = std::max<int>({ longest, puzzle.rowClueCount(i), puzzle.columnClueCount(i) });
    const int band = 2 * cellSize * longest;
    const GridGeometry geometry { cellSize, band, band, side, side };
    const QSize size(band + (side + 2) * cellSize, band + (side + 2) * cellSize);
    return { std::move(puzzle), geometry, size };
}

// Paints a grid the way zdWidget's paint event does: only the event's region.
class GridWidget : public QWidget
{
public:
    explicit GridWidget(const SolvedGrid &shown)
        : grid(shown)
    {
        resize(grid.size);
    }

    int paintedPixels = 0;

protected:
    void paintEvent(QPaintEvent *event) override
    {
        paintedPixels += event->rect().width() * event->rect().height();
        QPainter painter(this);
        paintGrid(painter, grid.puzzle, grid.geometry, GridStyle::Main, event->rect());
    }

private:
    const SolvedGrid &grid;
};

void paintInto(QImage &image, const SolvedGrid &grid, const QRect &area)
{
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setClipRect(area);
    paintGrid(painter, grid.puzzle, grid.geometry, GridStyle::Main, area);
}

void wholePuzzle200(benchmark::State &state)
{
    static const SolvedGrid grid = solvedGrid(200);
    QImage image(grid.size, QImage::Format_RGB32);
    for (auto _ : state)
        paintInto(image, grid, image.rect());
    state.counters["width"] = grid.size.width();
}
BENCHMARK(wholePuzzle200)->Unit(benchmark::kMillisecond);

void viewport200(benchmark::State &state)
{
    static const SolvedGrid grid = solvedGrid(200);
    QImage image(grid.size, QImage::Format_RGB32);
    const QRect area(grid.geometry.gridLeft - 300, grid.geometry.gridTop - 300, 600, 600);
    for (auto _ : state)
        paintInto(image, grid, area);
}
BENCHMARK(viewport200)->Unit(benchmark::kMillisecond);

// One scroll step of three rows down (back to the top at the end).
void stepDown(QScrollBar *bar)
{
    const int next = bar->value() + 3 * cellSize;
    bar->setValue(next > bar->maximum() ? 0 : next);
}

void scroll1000(benchmark::State &state)
{
    static const SolvedGrid grid = solvedGrid(1000);
    QScrollArea window;
    auto *view = new GridWidget(grid);
    window.setWidget(view);
    window.resize(600, 600);
    window.show();
    while (!window.windowHandle() || !window.windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    window.horizontalScrollBar()->setValue(grid.geometry.gridLeft - 200);
    window.verticalScrollBar()->setValue(grid.geometry.gridTop - 200);
    QCoreApplication::processEvents();
    view->paintedPixels = 0;
    const bool wholeViewport = state.range(0) != 0;
    for (auto _ : state) {
        stepDown(window.verticalScrollBar());
        if (wholeViewport)
            view->repaint(view->visibleRegion());
        QCoreApplication::processEvents();
    }
    // Shows that every step really repainted: pixels painted per step.
    state.counters["pixelsPerStep"]
        = benchmark::Counter(view->paintedPixels, benchmark::Counter::kAvgIterations);
}
BENCHMARK(scroll1000)->Arg(0)->Arg(1)->ArgName("wholeViewport")->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
