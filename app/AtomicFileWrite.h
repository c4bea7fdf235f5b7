#pragma once

#include <QString>
#include <functional>

class QIODevice;

namespace zd {

// Writes a file through a temporary file in the same folder that takes the
// file's name only once everything was written: a failure (full disk, no
// permission, a writer that gives up) leaves no partial file behind and an
// earlier file of that name as it was. `write` returns false to give up,
// saying why in its second argument. Returns an empty string on success, or
// why the file was not written.
QString writeFileAtomically(const QString &fileName,
                            const std::function<bool(QIODevice &, QString &)> &write);

QString writeFileAtomically(const QString &fileName, const QByteArray &bytes);

} // namespace zd
