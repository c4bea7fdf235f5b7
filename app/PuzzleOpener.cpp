#include "PuzzleOpener.h"

#include "PuzzleFormats.h"

#include <QCoreApplication>
#include <QFile>
#include <QInputDialog>

namespace zd {

namespace {

constexpr PuzzleFormat allFormats[] = { PuzzleFormat::Text, PuzzleFormat::Binary, PuzzleFormat::Non,
                                        PuzzleFormat::Nin, PuzzleFormat::Tournament };

QString tr(const char *text)
{
    return QCoreApplication::translate("MainWindow", text);
}

QString formatTitle(PuzzleFormat format)
{
    switch (format) {
    case PuzzleFormat::Text:
        return tr("Text puzzles");
    case PuzzleFormat::Binary:
        return tr("Binary puzzles");
    case PuzzleFormat::Non:
        return tr("NON puzzles");
    case PuzzleFormat::Nin:
        return tr("NIN puzzles");
    case PuzzleFormat::Xml:
        return tr("XML puzzles");
    case PuzzleFormat::Tournament:
        break;
    }
    return tr("Tournament batches");
}

QString pattern(PuzzleFormat format)
{
    return QStringLiteral("*.") + QString::fromLatin1(puzzleFormatName(format));
}

} // namespace

QStringList PuzzleOpener::nameFilters()
{
    QStringList patterns;
    QStringList filters;
    for (PuzzleFormat format : allFormats) {
        patterns << pattern(format);
        filters << QStringLiteral("%1 (%2)").arg(formatTitle(format), pattern(format));
    }
    filters.prepend(QStringLiteral("%1 (%2)").arg(tr("All puzzles"), patterns.join(' ')));
    filters << tr("All files (*)");
    return filters;
}

bool PuzzleOpener::readsAsText(const QString &fileName)
{
    const std::optional<PuzzleFormat> format
        = puzzleFormatOfPath(QFile::encodeName(fileName).toStdString());
    return !format || *format == PuzzleFormat::Text;
}

bool PuzzleOpener::read(const QString &fileName, QWidget *parent)
{
    const std::string path = QFile::encodeName(fileName).toStdString();
    const PuzzleFormat format = puzzleFormatOfPath(path).value_or(PuzzleFormat::Text);
    const std::vector<PuzzleEntry> entries = readPuzzleFile(path, format);
    readError.clear();
    size_t chosen = 0;
    if (entries.size() > 1) {
        bool ok = false;
        const int number = QInputDialog::getInt(
            parent, tr("Choose a puzzle"),
            tr("The file holds %1 puzzles. Open puzzle number:").arg(entries.size()), 1, 1,
            static_cast<int>(entries.size()), 1, &ok);
        if (!ok)
            return false;
        chosen = static_cast<size_t>(number - 1);
    }
    if (entries.empty()) {
        readError = fileName + tr(": no puzzle in the file");
        return false;
    }
    const PuzzleEntry &entry = entries[chosen];
    if (entry.failed()) {
        readError = QFile::decodeName(QByteArray::fromStdString(entry.error));
        return false;
    }
    puzzleClues = entry.clues;
    puzzleName = entries.size() > 1 ? fileName + QStringLiteral("#%1").arg(chosen + 1) : fileName;
    return true;
}

} // namespace zd
