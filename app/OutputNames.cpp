#include "OutputNames.h"

#include <QDir>
#include <QFileInfo>

namespace zd {

QString suggestedFileName(const QString &puzzlePath, const QString &suffix)
{
    if (puzzlePath.isEmpty())
        return QStringLiteral("puzzle.") + suffix;
    const QFileInfo puzzle(puzzlePath);
    return QDir(puzzle.absolutePath()).filePath(puzzle.completeBaseName() + '.' + suffix);
}

QString withDefaultSuffix(const QString &fileName, const QString &suffix)
{
    if (fileName.isEmpty() || !QFileInfo(fileName).suffix().isEmpty())
        return fileName;
    return fileName + '.' + suffix;
}

} // namespace zd
