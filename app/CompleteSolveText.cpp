#include "CompleteSolveText.h"

#include <QCoreApplication>
#include <algorithm>

namespace zd {

namespace {

// The texts belong to the main window's translation context.
QString tr(const char *text)
{
    return QCoreApplication::translate("MainWindow", text);
}

} // namespace

QString stoppedText(long long undecidedCells)
{
    return undecidedCells == 1 ? tr("Stopped: 1 cell undecided")
                               : tr("Stopped: %1 cells undecided").arg(undecidedCells);
}

long long undecidedCellsOf(const CellGrid &grid)
{
    return std::count(grid.begin(), grid.end(), CellUnknown);
}

QString completeSolveText(const SolveResult &result)
{
    switch (result.verdict) {
    case Verdict::Unique:
        return tr("Unique solution (grade: %1)").arg(QString::fromLatin1(gradeName(result.grade)));
    case Verdict::Multiple:
        return tr("Several solutions");
    case Verdict::None:
        return tr("No solution: ")
            + (result.problem.empty() ? tr("the clues contradict each other")
                                      : QString::fromStdString(result.problem));
    case Verdict::Undecided:
        break;
    }
    const long long cells = static_cast<long long>(result.rows) * result.columns;
    const bool knownShown = result.known.size() == static_cast<size_t>(cells);
    return stoppedText(knownShown ? undecidedCellsOf(result.known) : cells);
}

} // namespace zd
