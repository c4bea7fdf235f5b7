#pragma once

#include "ColourPuzzle.h"
#include "PuzzleClues.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <utility>

class QWidget;

namespace zd {

// PuzzleOpener: reads a puzzle file of any format the readers know for the
// window, and lets the user pick the puzzle of a tournament batch by number.
class PuzzleOpener
{
public:
    // The open dialog's filters: "All puzzles", one per format, "All files".
    static QStringList nameFilters();
    // Files the window reads as text puzzles: ".zd" and every name without a
    // known extension (any file chosen under "All files" is tried as text).
    static bool readsAsText(const QString &fileName);

    // "FILE#N" names puzzle N of the batch FILE, when no file has that whole
    // name and FILE exists: gives FILE and N; any other name comes back as it
    // is, with 0.
    static std::pair<QString, int> splitPuzzleNumber(const QString &name);

    // Reads `fileName` (not a text puzzle; "FILE#N" reads puzzle N of FILE);
    // any other batch asks, over `parent`, which puzzle to take. False when nothing was read:
    // error() says why, or the user cancelled the choice (error() empty).
    bool read(const QString &fileName, QWidget *parent);

    const PuzzleClues &clues() const { return puzzleClues; }
    // A puzzle of several colours, read instead of clues(); null otherwise.
    const ColourPuzzle *colourPuzzle() const { return colour ? &*colour : nullptr; }
    // The file's name, with "#N" for puzzle N of a batch.
    const QString &name() const { return puzzleName; }
    const QString &error() const { return readError; }

private:
    PuzzleClues puzzleClues;
    std::optional<ColourPuzzle> colour;
    QString puzzleName;
    QString readError;
};

} // namespace zd
