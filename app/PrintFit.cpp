#include "PrintFit.h"

#include "AtomicFileWrite.h"
#include "PuzzleDrawing.h"

#include <QCoreApplication>
#include <QFont>
#include <QPainter>
#include <QPrinter>
#include <algorithm>

namespace zd {

QSize drawnExtent(const PuzzleDrawing &drawing, int cellSize)
{
    const GridGeometry grid = drawing.geometryAt(cellSize);
    // One more pixel for the last grid line.
    return { grid.gridLeft + grid.columns * cellSize + 1, grid.gridTop + grid.rows * cellSize + 1 };
}

void paintFittedPage(QPainter &painter, const PuzzleDrawing &drawing, int cellSize, QSize page)
{
    const QSize extent = drawnExtent(drawing, cellSize);
    const bool fits = extent.width() <= page.width() && extent.height() <= page.height();
    if (fits || extent.isEmpty()) {
        drawing.paintAt(painter, cellSize);
        return;
    }
    // Drawn at the largest cell size that fits: everything derives from the
    // cell size, so this is the picture scaled down, on whole device units,
    // and the PDF stays as small as the drawing at full size. Below the
    // sizes that draw clues and lines, the full-size drawing is scaled.
    for (int smaller = cellSize - 1; smaller >= smallestCellWithClues; --smaller) {
        const QSize fitted = drawnExtent(drawing, smaller);
        if (fitted.width() <= page.width() && fitted.height() <= page.height()) {
            drawing.paintAt(painter, smaller);
            return;
        }
    }
    const qreal scale
        = std::min(qreal(page.width()) / extent.width(), qreal(page.height()) / extent.height());
    painter.save();
    painter.scale(scale, scale);
    drawing.paintAt(painter, cellSize);
    painter.restore();
}

PageLayout printedLayout(const PuzzleDrawing &drawing, QSize page, int dotsPerInch)
{
    PageLayout layout;
    const auto millimetres = [dotsPerInch](double mm) {
        return static_cast<int>(mm * dotsPerInch / 25.4);
    };
    const int titleHeight = drawing.title.isEmpty() ? 0 : millimetres(9);
    const QSize room(page.width(), page.height() - titleHeight);
    const auto fits = [&](int cellSize) {
        const QSize extent = drawnExtent(drawing, cellSize);
        return extent.width() <= room.width() && extent.height() <= room.height();
    };
    const int low = largestFittingCellSize(smallestCellWithClues - 1,
                                           std::max(smallestCellWithClues, millimetres(10)), fits);
    if (low < smallestCellWithClues)
        return layout;
    layout.fitted = true;
    layout.cellSize = low;
    const QSize extent = drawnExtent(drawing, low);
    layout.origin = { (page.width() - extent.width()) / 2,
                      titleHeight + (room.height() - extent.height()) / 2 };
    if (titleHeight > 0)
        layout.title = QRect(0, layout.origin.y() - titleHeight, page.width(), titleHeight);
    return layout;
}

void paintPrintedPage(QPainter &painter, const PuzzleDrawing &drawing, QSize page, int dotsPerInch)
{
    const PageLayout layout = printedLayout(drawing, page, dotsPerInch);
    if (!layout.fitted) {
        constexpr int fullCellSize = 64;
        paintFittedPage(painter, drawing, fullCellSize, page);
        return;
    }
    painter.save();
    if (!layout.title.isEmpty()) {
        QFont font(QStringLiteral("Liberation Sans"));
        font.setPixelSize(layout.title.height() / 2);
        painter.setFont(font);
        painter.drawText(layout.title, Qt::AlignHCenter | Qt::AlignTop, drawing.title);
    }
    painter.translate(layout.origin);
    drawing.paintAt(painter, layout.cellSize);
    painter.restore();
}

namespace {

// Prints one page a drawing, each fitted to its page.
QString printPages(const std::vector<PuzzleDrawing> &pages, const QString &fileName)
{
    return writeFileAtomically(fileName, [&](const QString &temporary, QString &why) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(temporary);
        QPainter painter;
        if (!painter.begin(&printer)) {
            why = QCoreApplication::translate("PrintFit", "the PDF could not be started");
            return false;
        }
        for (size_t page = 0; page < pages.size(); ++page) {
            if (page > 0 && !printer.newPage()) {
                why = QCoreApplication::translate("PrintFit", "no room for another page");
                return false;
            }
            paintPrintedPage(painter, pages[page], QSize(printer.width(), printer.height()),
                             printer.resolution());
        }
        if (!painter.end()) {
            why = QCoreApplication::translate("PrintFit", "the PDF could not be finished");
            return false;
        }
        return true;
    });
}

} // namespace

QString printToPdf(const PuzzleDrawing &drawing, const QString &fileName)
{
    return printPages({ drawing }, fileName);
}

std::vector<PuzzleDrawing> blankAndSolutionPages(const PuzzleDrawing &drawing)
{
    PuzzleDrawing blank = drawing;
    std::fill(blank.cells.begin(), blank.cells.end(), CellUnknown);
    blank.colourCells.clear();
    blank.marks.clear();
    PuzzleDrawing solution = drawing;
    solution.marks.clear();
    return { blank, solution };
}

QString printBlankToPdf(const PuzzleDrawing &drawing, const QString &fileName)
{
    return printPages(blankAndSolutionPages(drawing), fileName);
}

} // namespace zd
