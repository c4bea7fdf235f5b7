#include "AppFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace zd {

QString appFileFrom(const QString &relative, const QString &executableFolder)
{
    if (QFileInfo::exists(relative))
        return relative;
    const QString besideExecutable = QDir::cleanPath(QDir(executableFolder).filePath(relative));
    return QFileInfo::exists(besideExecutable) ? besideExecutable : relative;
}

QString appFile(const QString &relative)
{
    return appFileFrom(relative, QCoreApplication::applicationDirPath());
}

QStringList helpSearchPaths()
{
    return { QStringLiteral(".."),
             QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/..")) };
}

} // namespace zd
