#pragma once

#include <QString>
#include <functional>

class QIODevice;

namespace zd {

// The window's side of AtomicFile.h: the same writer, for Qt's devices and
// messages. `write` fills the device and returns false to give up, saying
// why in its second argument. Returns an empty string on success, or why the
// file was not written (the reason alone: the window names the file itself).
QString writeFileAtomically(const QString &fileName,
                            const std::function<bool(QIODevice &, QString &)> &write);

QString writeFileAtomically(const QString &fileName, const QByteArray &bytes);

// The same for a writer that opens the temporary file by its name (a PDF printer).
QString writeFileAtomically(const QString &fileName,
                            const std::function<bool(const QString &, QString &)> &writeNamed);

} // namespace zd
