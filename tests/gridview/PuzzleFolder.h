#pragma once

#include "PuzzleClues.h"
#include "TextPuzzleFormat.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <string>
#include <vector>

namespace zd {

// A temporary folder that tests write puzzle files into.
class PuzzleFolder
{
public:
    // Writes `clues` in the text format under `name` and returns the file's
    // path as the file system takes it (8-bit).
    QByteArray write(const QString &name, const PuzzleClues &clues)
    {
        return writeText(name, formatTextPuzzle(clues));
    }
    QByteArray write(const QString &name, const std::vector<std::string> &picture)
    {
        return write(name, PuzzleClues::fromPicture(picture));
    }
    QByteArray writeText(const QString &name, const std::string &text)
    {
        const QString path = folder.filePath(name);
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(text.data(), static_cast<qint64>(text.size()));
        return QFile::encodeName(path);
    }
    QString path() const { return folder.path(); }

private:
    QTemporaryDir folder;
};

} // namespace zd
