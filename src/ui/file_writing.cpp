#include "ui/file_writing.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace zige {

namespace {

// Writes every byte or says why not. A write may stop short without an error (a file size
// limit, a full disk); writing the rest then fails and names the reason.
QString writeAll(QFileDevice& file, const QByteArray& bytes) {
    for (qint64 done = 0; done < bytes.size();) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0) return file.errorString();
        done += written;
    }
    return file.flush() ? QString() : file.errorString();
}

}  // namespace

QString writeFileAtomically(const QString& path, const QByteArray& bytes) {
    const QFileInfo target(path);
    if (target.exists() && !target.isFile() && !target.isDir()) {
        // A device or a pipe: renaming a finished file over it would replace the node itself
        // (we may run as root), so it is written in place; there is no old content to keep.
        QFile device(path);
        if (!device.open(QIODevice::WriteOnly)) return device.errorString();
        return writeAll(device, bytes);
    }
    // The new file goes to a temporary one that replaces the old only when complete.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return file.errorString();
    if (const QString failure = writeAll(file, bytes); !failure.isEmpty()) {
        // Every failure must cancel, or a later commit could still replace the old file.
        file.cancelWriting();
        return failure;
    }
    return file.commit() ? QString() : file.errorString();
}

}  // namespace zige
