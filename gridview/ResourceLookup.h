#pragma once

#include <QString>

namespace zd {

// Finds a file the programs name by a fixed relative path such as
// "../orol.zd": first, as always, from the working directory; when it is not
// there, from the folder of the program's executable, so that a program
// started from anywhere finds the files beside its build folder. Returns the
// path that names an existing file or folder, or `relative` unchanged when
// neither does (the caller then reports or shows nothing, as before).
QString findResource(const QString &relative);

// The same lookup from the given working and program folders.
QString findResource(const QString &relative, const QString &workingFolder,
                     const QString &programFolder);

} // namespace zd
