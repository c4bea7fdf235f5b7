#include "ExplanationPanel.h"

#include "JobRunner.h"
#include "PuzzleDocument.h"
#include "PuzzleView.h"
#include "zdWidget.h"

#include <QAction>
#include <QDockWidget>
#include <QKeySequence>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <algorithm>
#include <memory>

namespace zd {

namespace {

size_t cellIndex(const CellFact &fact, int columns)
{
    return static_cast<size_t>(fact.row) * static_cast<size_t>(columns)
        + static_cast<size_t>(fact.column);
}

std::vector<bool> flagsOf(const std::vector<CellFact> &facts, int rows, int columns)
{
    std::vector<bool> flags(static_cast<size_t>(rows) * static_cast<size_t>(columns));
    for (const CellFact &fact : facts)
        flags[cellIndex(fact, columns)] = true;
    return flags;
}

LineRef lineOf(const LineStep &step)
{
    return { step.isRow ? LineRef::Kind::Row : LineRef::Kind::Column, step.index };
}

bool isLineTechnique(Technique technique)
{
    return technique == Technique::Overlap || technique == Technique::Spaces
        || technique == Technique::Line;
}

} // namespace

CellGrid gridAfterSteps(const Explanation &explanation, const CellGrid &start, size_t count)
{
    CellGrid grid = start;
    for (size_t i = 0; i < std::min(count, explanation.steps.size()); ++i)
        for (const CellFact &fact : explanation.steps[i].cells)
            grid[cellIndex(fact, explanation.columns)] = fact.state;
    return grid;
}

ExplanationPanel::ExplanationPanel(QMainWindow &mainWindow, PuzzleDocument &puzzle,
                                   zdWidget &gridView)
    : QObject(&mainWindow)
    , document(puzzle)
    , view(gridView)
    , runner(new JobRunner(this))
    , explainDock(new QDockWidget(tr("Explanation"), &mainWindow))
    , explainList(new QListWidget(explainDock))
    , explainAct(new QAction(tr("E&xplain"), this))
    , hintAct(new QAction(tr("&Hint"), this))
    , stepAct(new QAction(tr("Next &step"), this))
{
    runner->setObjectName(QStringLiteral("explainRunner"));
    explainDock->setObjectName(QStringLiteral("explainDock"));
    explainList->setObjectName(QStringLiteral("explainList"));
    explainList->setWordWrap(true);
    explainDock->setWidget(explainList);
    mainWindow.addDockWidget(Qt::RightDockWidgetArea, explainDock);
    explainDock->hide();

    explainAct->setObjectName(QStringLiteral("explainAct"));
    explainAct->setStatusTip(tr("List every step that solves the puzzle, and why it follows"));
    hintAct->setObjectName(QStringLiteral("hintAct"));
    hintAct->setShortcut(QKeySequence(tr("Ctrl+H")));
    hintAct->setStatusTip(tr("Show the next step from the grid on screen"));
    stepAct->setObjectName(QStringLiteral("stepAct"));
    stepAct->setShortcut(QKeySequence(tr("Ctrl+J")));
    stepAct->setStatusTip(tr("Take the next step on the grid on screen"));
    connect(explainAct, &QAction::triggered, this, &ExplanationPanel::explain);
    connect(hintAct, &QAction::triggered, this, &ExplanationPanel::hint);
    connect(stepAct, &QAction::triggered, this, &ExplanationPanel::step);
    connect(explainList, &QListWidget::currentRowChanged, this, &ExplanationPanel::showStep);

    view.setContextMenuPolicy(Qt::CustomContextMenu);
    connect(&view, &QWidget::customContextMenuRequested, this, &ExplanationPanel::showContextMenu);
    // A trace of other clues no longer explains anything on screen.
    connect(&document, &PuzzleDocument::cluesChanged, this, [this] {
        runner->discard();
        trace.reset();
        explainList->clear();
    });
}

CellGrid ExplanationPanel::shownGrid() const
{
    if (const CellGrid *own = startGrid ? startGrid() : nullptr)
        return *own;
    const ModelPuzzleView shown(document.model(), document.shownCells());
    CellGrid grid;
    grid.reserve(static_cast<size_t>(std::max(0, shown.rows()))
                 * static_cast<size_t>(std::max(0, shown.columns())));
    for (int r = 0; r < shown.rows(); ++r)
        for (int j = 0; j < shown.columns(); ++j)
            grid.push_back(shown.cell(r, j));
    return grid;
}

void ExplanationPanel::requestTrace(const CellGrid &start, const std::function<void()> &then,
                                    int maxSteps)
{
    emit message(tr("Explaining.."));
    const PuzzleClues clues = document.clues();
    runner->request(
        [this, clues, start, then, maxSteps](SolveControl &control) -> JobRunner::Finish {
            ExplainOptions options;
            options.known = &start;
            options.cancel = &control.cancel;
            options.maxSteps = maxSteps;
            auto result = std::make_shared<Explanation>(explainPuzzle(clues, options));
            return [this, result, clues, start, then, maxSteps] {
                trace = std::move(*result);
                traceClues = clues;
                traceStart = start;
                traceIsWhole = maxSteps == 0;
                then();
            };
        });
}

QString ExplanationPanel::textOf(const ExplanationStep &step) const
{
    return QString::fromStdString(stepText(step, traceClues));
}

CellGrid ExplanationPanel::emptyGrid() const
{
    return CellGrid(static_cast<size_t>(std::max(0, document.rows()))
                        * static_cast<size_t>(std::max(0, document.columns())),
                    CellUnknown);
}

const ExplanationStep *ExplanationPanel::firstStepOrSayWhy()
{
    if (!trace->steps.empty())
        return &trace->steps.front();
    const std::string end = endText(*trace);
    emit message(end.empty() ? tr("Every cell is decided") : QString::fromStdString(end));
    return nullptr;
}

void ExplanationPanel::explain()
{
    requestTrace(emptyGrid(), [this] {
        fillList();
        explainDock->show();
        const auto steps = static_cast<qsizetype>(trace->steps.size());
        emit message(steps == 1 ? tr("1 step") : tr("%1 steps").arg(steps));
    });
}

void ExplanationPanel::fillList()
{
    const QSignalBlocker quiet(explainList);
    explainList->clear();
    for (size_t i = 0; i < trace->steps.size(); ++i)
        explainList->addItem(QStringLiteral("%1. ").arg(i + 1) + textOf(trace->steps[i]));
    if (const std::string end = endText(*trace); !end.empty()) {
        auto *item = new QListWidgetItem(QString::fromStdString(end), explainList);
        item->setFlags(Qt::ItemIsEnabled);
    }
}

void ExplanationPanel::showStep(int index)
{
    if (!trace || index < 0 || static_cast<size_t>(index) >= trace->steps.size())
        return;
    const ExplanationStep &shown = trace->steps[static_cast<size_t>(index)];
    const int rows = trace->rows;
    const int columns = trace->columns;
    document.showSolverGrid(gridAfterSteps(*trace, traceStart, static_cast<size_t>(index)));
    document.setMarks(flagsOf(shown.cells, rows, columns));
    if (isLineTechnique(shown.technique)) {
        document.setHighlight(lineOf(shown.line), flagsOf(shown.line.because, rows, columns));
    } else if (shown.technique == Technique::Contradiction && !shown.cases.empty()) {
        // The cell assumed and the line that then has no placement.
        std::vector<CellFact> premises = shown.conflict.because;
        premises.push_back(shown.cases.front().assumed);
        document.setHighlight(lineOf(shown.conflict), flagsOf(premises, rows, columns));
    } else {
        std::vector<CellFact> assumed;
        for (const Assumption &assumption : shown.cases)
            assumed.push_back(assumption.assumed);
        document.setHighlight({}, flagsOf(assumed, rows, columns));
    }
    emit message(textOf(shown));
}

void ExplanationPanel::hint()
{
    if (beforeHint && beforeHint())
        return;
    requestTrace(
        shownGrid(),
        [this] {
            const ExplanationStep *next = firstStepOrSayWhy();
            if (next == nullptr)
                return;
            // The highlight over the grid as it is: no cell changes.
            document.setMarks(flagsOf(next->cells, trace->rows, trace->columns));
            if (isLineTechnique(next->technique))
                document.setHighlight(lineOf(next->line),
                                      flagsOf(next->line.because, trace->rows, trace->columns));
            else
                document.setHighlight({});
            emit message(textOf(*next));
        },
        1);
}

void ExplanationPanel::step()
{
    requestTrace(
        shownGrid(),
        [this] {
            const ExplanationStep *next = firstStepOrSayWhy();
            if (next == nullptr)
                return;
            const CellGrid after = gridAfterSteps(*trace, traceStart, 1);
            if (applyGrid)
                applyGrid(after);
            else
                document.showSolverGrid(after);
            document.setMarks(flagsOf(next->cells, trace->rows, trace->columns));
            document.setHighlight({});
            emit message(textOf(*next));
        },
        1);
}

void ExplanationPanel::explainCell(int row, int column)
{
    const auto findStep = [this, row, column]() -> int {
        for (size_t i = 0; i < trace->steps.size(); ++i)
            for (const CellFact &fact : trace->steps[i].cells)
                if (fact.row == row && fact.column == column)
                    return static_cast<int>(i);
        return -1;
    };
    // A whole trace from the empty grid is the one Explain lists (any trace
    // of other clues went when they changed).
    const bool fromEmpty = trace && traceIsWhole
        && std::all_of(traceStart.begin(), traceStart.end(),
                       [](CellState state) { return state == CellUnknown; });
    if (fromEmpty) {
        explainDock->show();
        explainList->setCurrentRow(findStep());
        return;
    }
    requestTrace(emptyGrid(), [this, findStep] {
        fillList();
        explainDock->show();
        explainList->setCurrentRow(findStep());
    });
}

void ExplanationPanel::showContextMenu(QPoint at)
{
    const CellHit hit = view.cellAt(at);
    if (!hit.isCell() || document.colourPuzzle() != nullptr)
        return;
    const CellGrid grid = shownGrid();
    const size_t index = static_cast<size_t>(hit.row) * static_cast<size_t>(document.columns())
        + static_cast<size_t>(hit.column);
    if (index >= grid.size() || grid[index] == CellUnknown)
        return;
    auto *menu = new QMenu(&view);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    QAction *why = menu->addAction(tr("Why?"));
    why->setObjectName(QStringLiteral("whyAct"));
    connect(why, &QAction::triggered, this, [this, hit] { explainCell(hit.row, hit.column); });
    // popup() rather than exec(): the window goes on while the menu is open.
    menu->popup(view.mapToGlobal(at));
}

} // namespace zd
