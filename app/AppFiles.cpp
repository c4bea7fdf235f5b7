#include "AppFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace zd {

QString appFile(const QString &relative)
{
    if (QFileInfo::exists(relative))
        return relative;
    const QString besideExecutable
        = QDir::cleanPath(QDir(QCoreApplication::applicationDirPath()).filePath(relative));
    return QFileInfo::exists(besideExecutable) ? besideExecutable : relative;
}

QStringList helpSearchPaths()
{
    return { QStringLiteral(".."),
             QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/..")) };
}

} // namespace zd
