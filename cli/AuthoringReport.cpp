#include "AuthoringReport.h"

#include "Authoring.h"
#include "JsonLine.h"

namespace zd {

namespace {

std::string rowsJson(const std::vector<std::string> &rows)
{
    std::string json = "[";
    for (size_t i = 0; i < rows.size(); ++i)
        json += (i ? ", " : "") + jsonString(rows[i]);
    return json + "]";
}

std::string gridText(const std::vector<std::string> &rows)
{
    std::string text;
    for (const std::string &row : rows)
        text += row + '\n';
    return text + '\n';
}

void addAmbiguity(const PuzzleEntry &entry, const PuzzleOutcome &outcome,
                  const AuthoringRequest &request, AuthoredPuzzle &authored)
{
    AuthoringOptions options;
    options.timeLimitSeconds = request.timeoutSeconds;
    options.cancel = request.cancel;
    options.solved = &outcome.result;
    const Ambiguity ambiguity = ambiguousCells(entry.clues, options);
    if (ambiguity.verdict == Verdict::Undecided) {
        authored.text += "ambiguous: not decided, stopped first\n";
        authored.jsonMembers += "\"ambiguous\": null";
        return;
    }
    std::vector<std::string> marked = pictureOfGrid(outcome.result.solution, entry.clues.columns);
    std::string json = "\"ambiguous\": [";
    for (size_t i = 0; i < ambiguity.cells.size(); ++i) {
        const GridCell &cell = ambiguity.cells[i];
        json += (i ? ", [" : "[") + std::to_string(cell.row) + ", " + std::to_string(cell.column)
            + "]";
        marked[static_cast<size_t>(cell.row)][static_cast<size_t>(cell.column)] = '?';
    }
    authored.jsonMembers += json + "]";
    const size_t count = ambiguity.cells.size();
    authored.text += "ambiguous: "
        + (count == 0 ? std::string("none")
                      : std::to_string(count) + (count == 1 ? " cell" : " cells"));
    authored.text += '\n';
    if (!request.brief && count > 0)
        authored.text += gridText(marked);
}

void addUniquePicture(const PuzzleEntry &entry, const PuzzleOutcome &outcome,
                      const AuthoringRequest &request, AuthoredPuzzle &authored)
{
    const std::vector<std::string> picture
        = pictureOfGrid(outcome.result.solution, entry.clues.columns);
    UniquePicture made;
    if (outcome.hasVerdict(Verdict::Unique)) {
        made.found = true;
        made.picture = picture;
    } else {
        AuthoringOptions options;
        options.timeLimitSeconds = request.timeoutSeconds;
        options.cancel = request.cancel;
        made = makeUnique(picture, options);
    }
    if (!authored.jsonMembers.empty())
        authored.jsonMembers += ", ";
    if (!made.found) {
        authored.text += "make unique: not found: " + made.problem + "\n";
        authored.jsonMembers += "\"changes\": null, \"picture\": null";
        return;
    }
    std::string json = "\"changes\": [";
    std::string listed;
    for (size_t i = 0; i < made.changes.size(); ++i) {
        const CellChange &change = made.changes[i];
        const std::string cell = std::to_string(change.row) + ", " + std::to_string(change.column);
        const char *state = change.state == CellFilled ? "#" : ".";
        json += (i ? ", [" : "[") + cell + ", \"" + state + "\"]";
        listed += (i ? ", [" : " [") + cell + "] " + state;
    }
    authored.jsonMembers += json + "], \"picture\": " + rowsJson(made.picture);
    const size_t count = made.changes.size();
    if (count == 0) {
        authored.text += "make unique: unique already, no change\n";
        return;
    }
    authored.text += "make unique: " + std::to_string(count)
        + (count == 1 ? " change:" : " changes:") + listed + "\n";
    if (!request.brief)
        authored.text += gridText(made.picture);
}

} // namespace

AuthoredPuzzle authorOutcome(const PuzzleEntry &entry, const PuzzleOutcome &outcome,
                             const AuthoringRequest &request)
{
    AuthoredPuzzle authored;
    if (outcome.skipped || outcome.lineMethod)
        return authored;
    const bool solved
        = outcome.hasVerdict(Verdict::Unique) || outcome.hasVerdict(Verdict::Multiple);
    if (!solved) {
        // The same keys as for a solved puzzle, so that every object has them.
        if (request.ambiguous)
            authored.jsonMembers = "\"ambiguous\": null";
        if (request.makeUnique)
            authored.jsonMembers += std::string(request.ambiguous ? ", " : "")
                + "\"changes\": null, \"picture\": null";
        return authored;
    }
    if (request.ambiguous)
        addAmbiguity(entry, outcome, request, authored);
    if (request.makeUnique)
        addUniquePicture(entry, outcome, request, authored);
    return authored;
}

} // namespace zd
