#include "AtomicFileWrite.h"

#include <QCoreApplication>
#include <QSaveFile>

namespace zd {

QString writeFileAtomically(const QString &fileName,
                            const std::function<bool(QIODevice &, QString &)> &write)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    QString error;
    if (!write(file, error)) {
        file.cancelWriting();
        return error.isEmpty() ? file.errorString() : error;
    }
    // commit() flushes and renames; a full disk shows here at the latest.
    if (!file.commit())
        return file.errorString();
    return {};
}

QString writeFileAtomically(const QString &fileName, const QByteArray &bytes)
{
    return writeFileAtomically(fileName, [&bytes](QIODevice &device, QString &) {
        return device.write(bytes) == bytes.size();
    });
}

} // namespace zd
