#pragma once

#include <QString>
#include <QStringList>

namespace zd {

// Where zdqt finds the files it names by relative paths ("../images/...",
// "../zd/orol.zd", the help page through ".."): from the working directory as
// always, or else from the executable's folder, so that build/zdqt started
// from the project root finds them too.

// `relative` when it exists from the working directory, else the same path
// from the program's folder when it exists there, else `relative` unchanged
// (the viewer's lookup, findResource, shared).
QString appFile(const QString &relative);
// The help browser's search paths: ".." and the folder above the executable.
QStringList helpSearchPaths();

} // namespace zd
