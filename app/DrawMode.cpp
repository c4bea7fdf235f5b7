#include "DrawMode.h"

#include "Authoring.h"
#include "CompleteSolver.h"
#include "Explanation.h"
#include "GridCommand.h"
#include "JobRunner.h"
#include "PictureImport.h"
#include "PuzzleDocument.h"
#include "PuzzleView.h"
#include "zdWidget.h"

#include <QAction>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QImageReader>
#include <QKeySequence>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QUndoStack>
#include <memory>

namespace zd {

namespace {

// A check waits this long after the last stroke, so that a quick series of
// strokes is checked once.
constexpr int checkDelayMs = 100;
constexpr int largestNewSide = 1000;

CellGrid cellsOf(const std::vector<std::string> &picture)
{
    CellGrid cells;
    for (const std::string &row : picture)
        for (const char mark : row)
            cells.push_back(mark == '#' ? CellFilled : CellUnknown);
    return cells;
}

} // namespace

DrawMode::DrawMode(QWidget &mainWindow, PuzzleDocument &puzzle, zdWidget &gridView,
                   QScrollArea &area)
    : QObject(&mainWindow)
    , window(mainWindow)
    , document(puzzle)
    , view(gridView)
    , scrollArea(area)
    , checker(new JobRunner(this))
    , newAct(new QAction(tr("&New puzzle..."), this))
    , drawAct(new QAction(tr("&Draw"), this))
    , suggestAct(new QAction(tr("&Suggest a fix"), this))
    , importImageAct(new QAction(tr("&Import image..."), this))
{
    checker->setObjectName(QStringLiteral("drawChecker"));
    newAct->setObjectName(QStringLiteral("newAct"));
    newAct->setShortcut(QKeySequence::New);
    newAct->setStatusTip(tr("Draw a new puzzle on an empty grid"));
    drawAct->setObjectName(QStringLiteral("drawAct"));
    drawAct->setCheckable(true);
    drawAct->setStatusTip(tr("Draw the picture: the clues follow it, and it is checked for one "
                             "solution as you draw"));
    suggestAct->setObjectName(QStringLiteral("suggestAct"));
    suggestAct->setStatusTip(tr("Change as few cells as it takes for the clues to have one "
                                "solution"));
    suggestAct->setEnabled(false);
    importImageAct->setObjectName(QStringLiteral("importImageAct"));
    importImageAct->setStatusTip(tr("Make a puzzle of a picture from an image file"));
    connect(newAct, &QAction::triggered, this, &DrawMode::askForNewPuzzle);
    connect(drawAct, &QAction::toggled, this, &DrawMode::setOn);
    connect(suggestAct, &QAction::triggered, this, &DrawMode::suggestFix);
    connect(importImageAct, &QAction::triggered, this, &DrawMode::importImage);
    connect(&view, &zdWidget::cellPressed, this, &DrawMode::pressed);
    connect(&view, &zdWidget::cellDragged, this, &DrawMode::dragged);
    connect(&view, &zdWidget::cellReleased, this, &DrawMode::released);
}

bool DrawMode::isOn() const
{
    return drawAct->isChecked();
}

void DrawMode::setOn(bool on)
{
    suggestAct->setEnabled(on);
    stroke.active = false;
    if (!on) {
        checker->discard();
        // Playing may have taken over the view already.
        if (document.look() != DocumentLook::Picture)
            return;
        view.setCellInput(false);
        document.setMarks({});
        document.setLook(DocumentLook::Solved);
        // The picture is now the puzzle's solution, as line solving shows it.
        document.showSolverGrid(document.picture());
        return;
    }
    view.setCellInput(true);
    // The picture starts as the grid on screen: the solution when solved.
    const ModelPuzzleView shown(document.model(), document.shownCells());
    CellGrid cells;
    for (int r = 0; r < shown.rows(); ++r)
        for (int c = 0; c < shown.columns(); ++c)
            cells.push_back(shown.cell(r, c) == CellFilled ? CellFilled : CellUnknown);
    document.undoStack()->clear();
    document.setLook(DocumentLook::Picture);
    showPicture(cells);
    checkPicture();
}

void DrawMode::startEmpty(int rows, int columns)
{
    startPicture(std::vector<std::string>(size_t(rows), std::string(size_t(columns), '.')));
}

void DrawMode::startPicture(const std::vector<std::string> &picture)
{
    const int rows = int(picture.size());
    const int columns = picture.empty() ? 0 : int(picture[0].size());
    document.loadClues(PuzzleClues::fromPicture(picture), "");
    document.setTitle(tr("New puzzle"));
    // Drawing starts from the grid on screen; this picture then replaces it.
    drawAct->setChecked(true);
    document.undoStack()->clear();
    document.drawPicture(rows, columns, cellsOf(picture));
    checkPicture();
}

void DrawMode::askForNewPuzzle()
{
    auto *dialog = new QDialog(&window);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(tr("New puzzle"));
    auto *rows = new QSpinBox(dialog);
    rows->setObjectName(QStringLiteral("rowsSpin"));
    auto *columns = new QSpinBox(dialog);
    columns->setObjectName(QStringLiteral("columnsSpin"));
    for (QSpinBox *spin : { rows, columns }) {
        spin->setRange(1, largestNewSide);
        spin->setValue(15);
    }
    auto *form = new QFormLayout(dialog);
    form->addRow(tr("Rows:"), rows);
    form->addRow(tr("Columns:"), columns);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    connect(dialog, &QDialog::accepted, this,
            [this, rows, columns] { startEmpty(rows->value(), columns->value()); });
    // Open, not exec: the window goes on while the dialog asks.
    dialog->open();
}

void DrawMode::importImage()
{
    QStringList patterns;
    for (const QByteArray &format : QImageReader::supportedImageFormats())
        patterns << QStringLiteral("*.") + QString::fromLatin1(format);
    const QString fileName
        = QFileDialog::getOpenFileName(&window, tr("Import image"), QString(),
                                       tr("Images (%1)").arg(patterns.join(QLatin1Char(' '))));
    if (fileName.isEmpty())
        return;
    QImageReader reader(fileName);
    const QImage image = reader.read();
    if (image.isNull()) {
        emit message(tr("Could not read %1: %2").arg(fileName, reader.errorString()));
        return;
    }
    auto *dialog = new PictureImportDialog(image, &window);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog] { startPicture(dialog->picture()); });
    dialog->open();
}

void DrawMode::pressed(const CellHit &hit, Qt::MouseButton button)
{
    if (!isOn() || !hit.isCell() || (button != Qt::LeftButton && button != Qt::RightButton))
        return;
    stroke = { true, button == Qt::LeftButton ? CellFilled : CellUnknown, document.picture() };
    dragged(hit);
}

void DrawMode::dragged(const CellHit &hit)
{
    if (!stroke.active || !hit.isCell())
        return;
    CellGrid cells = document.picture();
    const size_t index = size_t(hit.row) * size_t(document.columns()) + size_t(hit.column);
    if (index >= cells.size() || cells[index] == stroke.paint)
        return;
    cells[index] = stroke.paint;
    showPicture(cells);
}

void DrawMode::released()
{
    if (!stroke.active)
        return;
    stroke.active = false;
    commit(stroke.before, document.picture(), tr("Draw"));
}

void DrawMode::commit(const CellGrid &before, const CellGrid &after, const QString &what)
{
    if (before == after)
        return;
    document.undoStack()->push(new GridCommand(what, before, after, [this](const CellGrid &g) {
        showPicture(g);
        checkPicture();
    }));
    checkPicture();
}

void DrawMode::showPicture(const CellGrid &cells)
{
    // The clue bands may grow or shrink: the cells stay where they were on
    // screen, so that the one under the mouse does not jump away.
    const GridGeometry before = view.geometryAt(view.cellSize());
    document.drawPicture(document.rows(), document.columns(), cells);
    const GridGeometry after = view.geometryAt(view.cellSize());
    QScrollBar *horizontal = scrollArea.horizontalScrollBar();
    QScrollBar *vertical = scrollArea.verticalScrollBar();
    horizontal->setValue(horizontal->value() + after.gridLeft - before.gridLeft);
    vertical->setValue(vertical->value() + after.gridTop - before.gridTop);
}

void DrawMode::checkPicture()
{
    emit message(tr("Checking.."));
    const PuzzleClues clues = document.clues();
    checker->request(
        [this, clues](SolveControl &control) -> JobRunner::Finish {
            SolveOptions options;
            options.cancel = &control.cancel;
            auto result = std::make_shared<SolveResult>(solveCompletely(clues, options));
            QString text;
            std::vector<bool> open;
            if (result->verdict == Verdict::Unique) {
                ExplainOptions explain;
                explain.solved = result.get();
                explain.cancel = &control.cancel;
                const Explanation steps = explainPuzzle(clues, explain);
                text = tr("Unique (grade %1, %2 steps)")
                           .arg(QString::fromLatin1(gradeName(steps.grade)))
                           .arg(steps.steps.size());
            } else if (result->verdict == Verdict::Multiple) {
                AuthoringOptions authoring;
                authoring.solved = result.get();
                authoring.cancel = &control.cancel;
                const Ambiguity ambiguity = ambiguousCells(clues, authoring);
                open.assign(size_t(clues.rows) * size_t(clues.columns), false);
                for (const GridCell &cell : ambiguity.cells)
                    open[size_t(cell.row) * size_t(clues.columns) + size_t(cell.column)] = true;
                text = tr("Several solutions: %1 ambiguous cells").arg(ambiguity.cells.size());
            } else if (result->verdict == Verdict::None) {
                text = tr("No solution");
            } else {
                text = tr("Not decided");
            }
            return [this, text, open] {
                document.setMarks(open);
                emit message(text);
            };
        },
        checkDelayMs);
}

void DrawMode::suggestFix()
{
    if (!isOn())
        return;
    emit message(tr("Looking for a fix.."));
    const std::vector<std::string> picture
        = pictureOfFilledCells(document.picture(), document.rows(), document.columns());
    const CellGrid before = document.picture();
    checker->request([this, picture, before](SolveControl &control) -> JobRunner::Finish {
        AuthoringOptions options;
        options.cancel = &control.cancel;
        auto fix = std::make_shared<UniquePicture>(makeUnique(picture, options));
        return [this, fix, before] {
            if (!fix->found) {
                emit message(tr("No fix found: %1").arg(QString::fromStdString(fix->problem)));
                return;
            }
            if (fix->changes.empty()) {
                emit message(tr("The picture is unique already"));
                return;
            }
            const CellGrid after = cellsOf(fix->picture);
            showPicture(after);
            document.undoStack()->push(
                new GridCommand(tr("Suggested fix"), before, after, [this](const CellGrid &g) {
                    showPicture(g);
                    checkPicture();
                }));
            const auto changed = static_cast<qsizetype>(fix->changes.size());
            document.setMarks({});
            emit message(changed == 1 ? tr("1 cell changed") : tr("%1 cells changed").arg(changed));
        };
    });
}

} // namespace zd
