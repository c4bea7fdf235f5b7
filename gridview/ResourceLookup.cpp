#include "ResourceLookup.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace zd {

QString findResource(const QString &relative)
{
    return findResource(relative, QDir::currentPath(), QCoreApplication::applicationDirPath());
}

QString findResource(const QString &relative, const QString &workingFolder,
                     const QString &programFolder)
{
    if (QFileInfo::exists(QDir(workingFolder).filePath(relative)))
        return relative;
    if (!programFolder.isEmpty()) {
        QString besideProgram = QDir::cleanPath(QDir(programFolder).filePath(relative));
        if (QFileInfo::exists(besideProgram))
            return besideProgram;
    }
    return relative;
}

} // namespace zd
