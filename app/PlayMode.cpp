#include "PlayMode.h"

#include "AppFiles.h"
#include "Authoring.h"
#include "GridCommand.h"
#include "JobRunner.h"
#include "LineClueCheck.h"
#include "PuzzleDocument.h"
#include "zdWidget.h"

#include <QAction>
#include <QCryptographicHash>
#include <QIcon>
#include <QKeySequence>
#include <QSettings>
#include <QUndoStack>
#include <algorithm>
#include <cstdlib>
#include <functional>
#include <memory>

namespace zd {

namespace {

QSettings settings()
{
    return QSettings(QStringLiteral("zdqt"), QStringLiteral("zdqt"));
}

QString gridText(const CellGrid &grid)
{
    QString text;
    text.reserve(qsizetype(grid.size()));
    for (const CellState state : grid)
        text += state == CellFilled ? QLatin1Char('#')
            : state == CellEmpty    ? QLatin1Char('.')
                                    : QLatin1Char('?');
    return text;
}

CellGrid gridOfText(const QString &text)
{
    CellGrid grid;
    grid.reserve(size_t(text.size()));
    for (const QChar mark : text)
        grid.push_back(mark == QLatin1Char('#')       ? CellFilled
                           : mark == QLatin1Char('.') ? CellEmpty
                                                      : CellUnknown);
    return grid;
}

// The ink of one line's clues for the player's cells in it.
ClueInk inkOf(const std::vector<int> &clues, int length, const std::function<CellState(int)> &at,
              LineFitScratch &scratch)
{
    const bool noBlocks = clues.size() == 1 && clues[0] == 0;
    const size_t blocks = noBlocks ? 0 : clues.size();
    if (!lineCanMeetClues(
            blocks, [&clues](size_t k) { return clues[k]; }, length, at, scratch))
        return ClueInk::Broken;
    // Done when the filled cells alone show the clue (the rest counts as empty).
    const bool done = lineMatchesClues(
        clues, length, [&at](int i) { return at(i) == CellFilled ? CellFilled : CellEmpty; });
    return done ? ClueInk::Done : ClueInk::Plain;
}

QString minutesAndSeconds(qint64 seconds)
{
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

} // namespace

PlayMode::PlayMode(QObject *parent, PuzzleDocument &puzzle, zdWidget &gridView)
    : QObject(parent)
    , document(puzzle)
    , view(gridView)
    , runner(new JobRunner(this))
    , playAct(new QAction(QIcon(appFile("../images/play_by_hand.png")), tr("&Play by hand"), this))
    , checkAct(new QAction(tr("&Check"), this))
    , restartAct(new QAction(tr("&Restart"), this))
{
    runner->setObjectName(QStringLiteral("playRunner"));
    playAct->setObjectName(QStringLiteral("playAct"));
    playAct->setCheckable(true);
    playAct->setShortcut(QKeySequence(tr("Ctrl+Shift+P")));
    playAct->setStatusTip(tr("Solve the puzzle yourself: left click fills, right click crosses"));
    checkAct->setObjectName(QStringLiteral("checkAct"));
    checkAct->setShortcut(QKeySequence(tr("Ctrl+K")));
    checkAct->setStatusTip(tr("Mark the cells that no solution agrees with"));
    restartAct->setObjectName(QStringLiteral("restartAct"));
    restartAct->setStatusTip(tr("Clear your grid and your time for this puzzle"));
    checkAct->setEnabled(false);
    restartAct->setEnabled(false);
    connect(playAct, &QAction::toggled, this, &PlayMode::setOn);
    connect(checkAct, &QAction::triggered, this, &PlayMode::check);
    connect(restartAct, &QAction::triggered, this, &PlayMode::restart);
    connect(&document, &PuzzleDocument::cluesChanged, this, &PlayMode::puzzleChanged);
    connect(&view, &zdWidget::cellPressed, this, &PlayMode::pressed);
    connect(&view, &zdWidget::cellDragged, this, &PlayMode::dragged);
    connect(&view, &zdWidget::cellReleased, this, &PlayMode::released);
    connect(&view, &zdWidget::cellHovered, this, &PlayMode::hovered);
    connect(&view, &zdWidget::cellKeyPressed, this, &PlayMode::keyPressed);
}

PlayMode::~PlayMode() = default;

bool PlayMode::isOn() const
{
    return playAct->isChecked();
}

void PlayMode::setOn(bool on)
{
    checkAct->setEnabled(on);
    restartAct->setEnabled(on);
    if (on) {
        view.setCellInput(true);
        document.setLook(DocumentLook::Player);
        loadProgress();
        return;
    }
    saveProgress();
    stroke.active = false;
    runner->discard();
    document.undoStack()->clear();
    document.setClueInks({});
    document.setHoverCell(-1, -1);
    document.setCursorCell(-1, -1);
    // Drawing may have taken over the view already.
    if (document.look() == DocumentLook::Player) {
        view.setCellInput(false);
        document.setMarks({});
        document.clearSolverGrid();
        document.setLook(DocumentLook::Solved);
    }
}

void PlayMode::puzzleChanged()
{
    if (!isOn())
        return;
    // The document forgot the earlier puzzle's grids; its progress is saved.
    stroke.active = false;
    loadProgress();
}

QString PlayMode::progressKey() const
{
    const PuzzleClues clues = document.clues();
    QByteArray text = QByteArray::number(clues.rows) + ' ' + QByteArray::number(clues.columns);
    for (const auto *lines : { &clues.rowClues, &clues.columnClues })
        for (const std::vector<int> &line : *lines) {
            text += '|';
            for (const int clue : line)
                text += QByteArray::number(clue) + ',';
        }
    return QStringLiteral("play/")
        + QString::fromLatin1(QCryptographicHash::hash(text, QCryptographicHash::Sha1).toHex());
}

void PlayMode::loadProgress()
{
    const QString key = progressKey();
    QSettings stored = settings();
    CellGrid grid = gridOfText(stored.value(key + QStringLiteral("/grid")).toString());
    const size_t cells
        = size_t(std::max(0, document.rows())) * size_t(std::max(0, document.columns()));
    if (grid.size() != cells)
        grid.assign(cells, CellUnknown);
    earlierSeconds = stored.value(key + QStringLiteral("/seconds"), 0).toLongLong();
    clock.start();
    // A finished grid shows its picture: that goes with the earlier grid.
    finished = false;
    document.clearSolverGrid();
    document.setLook(DocumentLook::Player);
    solutions.reset();
    ambiguous.clear();
    checkWanted = false;
    document.undoStack()->clear();
    document.setMarks({});
    document.setCursorCell(0, 0);
    setPlayerCells(grid);
    requestSolutions();
}

qint64 PlayMode::secondsPlayed() const
{
    return earlierSeconds + (finished || !clock.isValid() ? 0 : clock.elapsed() / 1000);
}

void PlayMode::saveProgress() const
{
    if (document.rows() <= 0 || document.columns() <= 0)
        return;
    const QString key = progressKey();
    QSettings stored = settings();
    stored.setValue(key + QStringLiteral("/grid"), gridText(document.playerGrid()));
    stored.setValue(key + QStringLiteral("/seconds"), secondsPlayed());
}

void PlayMode::restart()
{
    const QString key = progressKey();
    settings().remove(key);
    loadProgress();
    emit message(tr("Restarted"));
}

void PlayMode::requestSolutions()
{
    const PuzzleClues clues = document.clues();
    runner->request([this, clues](SolveControl &control) -> JobRunner::Finish {
        SolveOptions options;
        options.cancel = &control.cancel;
        auto result = std::make_shared<SolveResult>(solveCompletely(clues, options));
        // Where solutions differ, exactly: any value there is some solution's.
        auto open = std::make_shared<std::vector<bool>>(size_t(std::max(0, clues.rows))
                                                        * size_t(std::max(0, clues.columns)));
        if (result->verdict == Verdict::Multiple) {
            AuthoringOptions authoring;
            authoring.cancel = &control.cancel;
            authoring.solved = result.get();
            for (const GridCell &cell : ambiguousCells(clues, authoring).cells)
                (*open)[size_t(cell.row) * size_t(clues.columns) + size_t(cell.column)] = true;
        }
        return [this, result, open] {
            solutions = *result;
            ambiguous = std::move(*open);
            if (checkWanted)
                showMistakes();
        };
    });
}

void PlayMode::setPlayerCells(const CellGrid &grid)
{
    document.setPlayerGrid(grid);
    gridChanged();
}

void PlayMode::gridChanged()
{
    const CellGrid &grid = document.playerGrid();
    const PuzzleClues clues = document.clues();
    const int columns = clues.columns;
    ClueInks inks;
    LineFitScratch scratch;
    for (int r = 0; r < clues.rows; ++r)
        inks.rows.push_back(inkOf(
            clues.rowClues[size_t(r)], columns,
            [&](int i) { return grid[size_t(r) * size_t(columns) + size_t(i)]; }, scratch));
    for (int c = 0; c < columns; ++c)
        inks.columns.push_back(inkOf(
            clues.columnClues[size_t(c)], clues.rows,
            [&](int i) { return grid[size_t(i) * size_t(columns) + size_t(c)]; }, scratch));
    document.setClueInks(std::move(inks));

    // Any grid whose filled cells meet every clue counts, not only the one
    // the solver found.
    CellGrid picture = grid;
    std::replace(picture.begin(), picture.end(), CellUnknown, CellEmpty);
    const bool nowFinished = clues.rows > 0 && clues.columns > 0 && clues.isSolvedBy(picture);
    if (nowFinished && !finished) {
        earlierSeconds = secondsPlayed();
        finished = true;
        document.showSolverGrid(picture);
        document.setLook(DocumentLook::Solved);
        emit message(tr("Solved in %1").arg(minutesAndSeconds(earlierSeconds)));
    } else if (!nowFinished && finished) {
        finished = false;
        clock.start();
        document.clearSolverGrid();
        document.setLook(DocumentLook::Player);
    }
    saveProgress();
}

void PlayMode::pressed(const CellHit &hit, Qt::MouseButton button)
{
    // A finished grid stays as it is until an undo reopens it.
    if (!isOn() || finished || !hit.isCell()
        || (button != Qt::LeftButton && button != Qt::RightButton))
        return;
    const CellState wanted = button == Qt::LeftButton ? CellFilled : CellEmpty;
    const CellState now
        = document.playerGrid()[size_t(hit.row) * size_t(document.columns()) + size_t(hit.column)];
    stroke = { true,
               hit.row,
               hit.column,
               hit.row,
               hit.column,
               now == wanted ? CellUnknown : wanted,
               document.playerGrid() };
    document.setMarks({});
    paintStroke();
}

void PlayMode::dragged(const CellHit &hit)
{
    if (!stroke.active || !hit.isCell())
        return;
    stroke.toRow = hit.row;
    stroke.toColumn = hit.column;
    paintStroke();
}

void PlayMode::paintStroke()
{
    // Along the row or the column, whichever the mouse went farther in.
    const bool alongRow
        = std::abs(stroke.toColumn - stroke.column) >= std::abs(stroke.toRow - stroke.row);
    const int from = alongRow ? stroke.column : stroke.row;
    const int to = alongRow ? stroke.toColumn : stroke.toRow;
    CellGrid grid = stroke.before;
    const size_t columns = size_t(document.columns());
    for (int i = std::min(from, to); i <= std::max(from, to); ++i) {
        const size_t index = alongRow ? size_t(stroke.row) * columns + size_t(i)
                                      : size_t(i) * columns + size_t(stroke.column);
        grid[index] = stroke.paint;
    }
    document.setPlayerGrid(std::move(grid));
    const int length = std::abs(to - from) + 1;
    if (length > 1)
        emit message(tr("%1 cells").arg(length));
}

void PlayMode::released()
{
    if (!stroke.active)
        return;
    stroke.active = false;
    commit(stroke.before, document.playerGrid(), tr("Mark cells"));
}

void PlayMode::commit(const CellGrid &before, const CellGrid &after, const QString &what)
{
    if (before == after) {
        gridChanged();
        return;
    }
    document.setPlayerGrid(after);
    document.undoStack()->push(new GridCommand(
        what, before, after, [this](const CellGrid &grid) { setPlayerCells(grid); }));
    gridChanged();
}

void PlayMode::applyGrid(const CellGrid &grid, const QString &what)
{
    if (isOn())
        commit(document.playerGrid(), grid, what);
}

void PlayMode::hovered(const CellHit &hit)
{
    if (!isOn())
        return;
    if (hit.isCell())
        document.setHoverCell(hit.row, hit.column);
    else
        document.setHoverCell(-1, -1);
}

void PlayMode::keyPressed(int key)
{
    if (!isOn() || document.rows() <= 0 || document.columns() <= 0)
        return;
    int row = std::max(0, document.cursorRow());
    int column = std::max(0, document.cursorColumn());
    switch (key) {
    case Qt::Key_Left:
        column = std::max(0, column - 1);
        break;
    case Qt::Key_Right:
        column = std::min(document.columns() - 1, column + 1);
        break;
    case Qt::Key_Up:
        row = std::max(0, row - 1);
        break;
    case Qt::Key_Down:
        row = std::min(document.rows() - 1, row + 1);
        break;
    case Qt::Key_Space:
        markAtCursor(CellFilled);
        return;
    case Qt::Key_X:
        markAtCursor(CellEmpty);
        return;
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
        markAtCursor(CellUnknown);
        return;
    default:
        return;
    }
    document.setCursorCell(row, column);
}

void PlayMode::markAtCursor(CellState state)
{
    if (finished)
        return;
    const size_t index = size_t(std::max(0, document.cursorRow())) * size_t(document.columns())
        + size_t(std::max(0, document.cursorColumn()));
    CellGrid grid = document.playerGrid();
    // The same key again clears, as the same click does.
    grid[index] = grid[index] == state ? CellUnknown : state;
    document.setMarks({});
    commit(document.playerGrid(), grid, tr("Mark a cell"));
}

std::optional<std::vector<bool>> PlayMode::mistakes() const
{
    if (!solutions
        || (solutions->verdict != Verdict::Unique && solutions->verdict != Verdict::Multiple))
        return std::nullopt;
    const CellGrid &grid = document.playerGrid();
    std::vector<bool> wrong(grid.size());
    for (size_t i = 0; i < grid.size() && i < solutions->solution.size(); ++i) {
        // A cell where solutions differ can go either way: both values are
        // some solution's.
        const bool open = i < ambiguous.size() && ambiguous[i];
        wrong[i] = grid[i] != CellUnknown && !open && grid[i] != solutions->solution[i];
    }
    return wrong;
}

void PlayMode::check()
{
    if (!solutions) {
        checkWanted = true;
        emit message(tr("Checking.."));
        return;
    }
    showMistakes();
}

void PlayMode::showMistakes()
{
    checkWanted = false;
    const std::optional<std::vector<bool>> wrong = mistakes();
    if (!wrong) {
        emit message(solutions && solutions->verdict == Verdict::None
                         ? tr("This puzzle has no solution")
                         : tr("The solution is not known"));
        return;
    }
    const auto count = std::count(wrong->begin(), wrong->end(), true);
    document.setMarks(*wrong);
    emit message(count == 0       ? tr("No mistakes")
                     : count == 1 ? tr("1 mistake")
                                  : tr("%1 mistakes").arg(count));
}

} // namespace zd
