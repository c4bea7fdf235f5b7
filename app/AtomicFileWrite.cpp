#include "AtomicFileWrite.h"

#include "AtomicFile.h"

#include <QFile>

namespace zd {

namespace {

// The shared writer says "PATH: cannot write: REASON"; the window's messages
// name the file already.
QString reasonOf(const std::string &path, const std::string &error)
{
    const std::string prefix = path + ": cannot write: ";
    return QString::fromLocal8Bit(error.rfind(prefix, 0) == 0 ? error.substr(prefix.size())
                                                              : error);
}

} // namespace

QString writeFileAtomically(const QString &fileName,
                            const std::function<bool(const QString &, QString &)> &writeNamed)
{
    const std::string path = QFile::encodeName(fileName).toStdString();
    std::string error;
    const bool written = writeFileAtomically(
        path,
        [&writeNamed](const std::string &temporary, std::string &why) {
            QString reason;
            if (writeNamed(QFile::decodeName(QByteArray::fromStdString(temporary)), reason))
                return true;
            why = reason.toLocal8Bit().toStdString();
            return false;
        },
        error);
    return written ? QString() : reasonOf(path, error);
}

QString writeFileAtomically(const QString &fileName,
                            const std::function<bool(QIODevice &, QString &)> &write)
{
    return writeFileAtomically(fileName, [&write](const QString &temporary, QString &why) {
        QFile file(temporary);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            why = file.errorString();
            return false;
        }
        if (!write(file, why)) {
            if (why.isEmpty())
                why = file.errorString();
            return false;
        }
        // A full disk shows when the last bytes go out, at the latest.
        if (!file.flush() || file.error() != QFileDevice::NoError) {
            why = file.errorString();
            return false;
        }
        file.close();
        return true;
    });
}

QString writeFileAtomically(const QString &fileName, const QByteArray &bytes)
{
    return writeFileAtomically(fileName, [&bytes](QIODevice &device, QString &) {
        return device.write(bytes) == bytes.size();
    });
}

} // namespace zd
