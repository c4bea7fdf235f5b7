#include "PuzzleOpener.h"

#include "PuzzleFormats.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QInputDialog>

namespace zd {

namespace {

constexpr PuzzleFormat allFormats[]
    = { PuzzleFormat::Text, PuzzleFormat::Binary, PuzzleFormat::Non,
        PuzzleFormat::Nin,  PuzzleFormat::Xml,    PuzzleFormat::Tournament };

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

std::pair<QString, int> PuzzleOpener::splitPuzzleNumber(const QString &name)
{
    const qsizetype hash = name.lastIndexOf(QLatin1Char('#'));
    if (hash <= 0 || QFileInfo::exists(name))
        return { name, 0 };
    bool isNumber = false;
    const int number = name.mid(hash + 1).toInt(&isNumber);
    const QString file = name.left(hash);
    if (!isNumber || number < 1 || !QFileInfo(file).isFile())
        return { name, 0 };
    return { file, number };
}

bool PuzzleOpener::read(const QString &name, QWidget *parent)
{
    const auto [fileName, number] = splitPuzzleNumber(name);
    const std::string path = QFile::encodeName(fileName).toStdString();
    const PuzzleFormat format = puzzleFormatOfPath(path).value_or(PuzzleFormat::Text);
    const std::vector<PuzzleEntry> entries = readPuzzleFile(path, format, ColourPuzzles::Read);
    readError.clear();
    size_t chosen = 0;
    if (number > 0) {
        if (size_t(number) > entries.size()) {
            readError = tr("%1: there is no puzzle %2, the file holds %3")
                            .arg(fileName)
                            .arg(number)
                            .arg(entries.size());
            return false;
        }
        chosen = size_t(number - 1);
    } else if (entries.size() > 1) {
        bool ok = false;
        const int picked = QInputDialog::getInt(
            parent, tr("Choose a puzzle"),
            tr("The file holds %1 puzzles. Open puzzle number:").arg(entries.size()), 1, 1,
            static_cast<int>(entries.size()), 1, &ok);
        if (!ok)
            return false;
        chosen = static_cast<size_t>(picked - 1);
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
    colour.reset();
    if (entry.isColour)
        colour = entry.colour;
    puzzleName = entries.size() > 1 ? fileName + QStringLiteral("#%1").arg(chosen + 1) : fileName;
    return true;
}

} // namespace zd
