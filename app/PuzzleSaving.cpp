#include "PuzzleSaving.h"

#include "AtomicFileWrite.h"
#include "PuzzleDocument.h"
#include "PuzzleView.h"
#include "zdWidget.h"

#include <QCoreApplication>
#include <QFile>
#include <algorithm>

namespace zd {

PuzzleEntry puzzleEntryOf(const zdWidget &view)
{
    PuzzleEntry entry;
    entry.name = QFile::decodeName(view.model().filePath()).toStdString();
    if (const ColourPuzzle *colour = view.document().colourPuzzle()) {
        entry.colour = *colour;
        entry.isColour = true;
        if (colour->isSolvedBy(view.document().colourCells()))
            entry.goal = pictureOfColourGrid(*colour, view.document().colourCells());
        return entry;
    }
    entry.clues = PuzzleClues::fromModel(view.model());
    const ModelPuzzleView shown(view.model(), view.shownCells());
    CellGrid grid;
    grid.reserve(size_t(std::max(0, shown.rows())) * size_t(std::max(0, shown.columns())));
    for (int r = 0; r < shown.rows(); ++r)
        for (int j = 0; j < shown.columns(); ++j)
            grid.push_back(shown.cell(r, j));
    // A drawn picture leaves its blank cells undecided: its filled cells
    // meeting every clue make it the solution all the same.
    std::replace(grid.begin(), grid.end(), CellUnknown, CellEmpty);
    if (entry.clues.isSolvedBy(grid))
        entry.goal = pictureOfGrid(grid, shown.columns());
    return entry;
}

QString savePuzzle(const zdWidget &view, const QString &fileName)
{
    const std::optional<PuzzleFormat> format
        = puzzleFormatOfPath(QFile::encodeName(fileName).toStdString());
    if (!format
        || (*format != PuzzleFormat::Text && *format != PuzzleFormat::Binary
            && *format != PuzzleFormat::Non && *format != PuzzleFormat::Xml))
        return QCoreApplication::translate("PuzzleSaving",
                                           "Puzzles are saved as .zd, .zdb, .non or .xml files");
    std::string content;
    std::string error;
    if (!writePuzzleContent(puzzleEntryOf(view), *format, content, error))
        return QString::fromStdString(error);
    return writeFileAtomically(fileName, QByteArray(content.data(), qsizetype(content.size())));
}

} // namespace zd
