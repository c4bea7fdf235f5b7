#include "AppFiles.h"

#include "ResourceLookup.h"

#include <QCoreApplication>
#include <QDir>

namespace zd {

QString appFile(const QString &relative)
{
    return findResource(relative);
}

QStringList helpSearchPaths()
{
    return { QStringLiteral(".."),
             QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/..")) };
}

} // namespace zd
