// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/file_writing.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstring>

namespace zige {

namespace {

// Why a write failed, in the program's language. `error` is errno as the failing call left it;
// a reason without a Chinese text here falls back to the system's own words.
QString reason(int error, const QString& systemText) {
    switch (error) {
        case EACCES:
        case EPERM:
            return QStringLiteral("没有写入权限");
        case ENOENT:
            return QStringLiteral("文件夹不存在");
        case ENOTDIR:
            return QStringLiteral("路径中有一段不是文件夹");
        case ENOSPC:
        case EDQUOT:
            return QStringLiteral("磁盘空间不足");
        case EROFS:
            return QStringLiteral("磁盘是只读的");
        case EISDIR:
            return QStringLiteral("这个名称是一个文件夹");
        case EFBIG:
            return QStringLiteral("文件超出了允许的大小");
        case ENAMETOOLONG:
            return QStringLiteral("文件名太长");
        case EIO:
            return QStringLiteral("读写磁盘时出错");
        case EMFILE:
        case ENFILE:
            return QStringLiteral("同时打开的文件太多");
        case EBUSY:
        case ETXTBSY:
            return QStringLiteral("文件正在使用中");
        case 0:
            return systemText;
        default:
            return QString::fromLocal8Bit(std::strerror(error));
    }
}

// Runs one call of the file API and, when it fails, names why from errno as that call left it.
template <typename Call>
QString failureOf(QFileDevice& file, Call call) {
    errno = 0;
    if (call()) return {};
    return reason(errno, file.errorString());
}

// The failures that show before anything is written; Qt would name some of them without an
// errno, or only by the temporary file it could not make.
QString obviousFailure(const QFileInfo& target) {
    if (target.isDir()) return reason(EISDIR, {});
    const QFileInfo folder(target.absolutePath());
    if (!folder.exists()) return reason(ENOENT, {});
    if (!folder.isDir()) return reason(ENOTDIR, {});
    if (target.exists() && !target.isWritable()) return reason(EACCES, {});
    return {};
}

// Writes every byte or says why not. A write may stop short without an error (a file size
// limit, a full disk); writing the rest then fails and names the reason.
QString writeAll(QFileDevice& file, const QByteArray& bytes) {
    for (qint64 done = 0; done < bytes.size();) {
        qint64 written = 0;
        if (const QString failure = failureOf(file,
                                              [&] {
                                                  written = file.write(bytes.constData() + done,
                                                                       bytes.size() - done);
                                                  return written > 0;
                                              });
            !failure.isEmpty())
            return failure;
        done += written;
    }
    return failureOf(file, [&] { return file.flush(); });
}

}  // namespace

QString writeFileAtomically(const QString& path, const QByteArray& bytes) {
    const QFileInfo target(path);
    if (target.exists() && !target.isFile() && !target.isDir()) {
        // A device or a pipe: renaming a finished file over it would replace the node itself
        // (we may run as root), so it is written in place; there is no old content to keep.
        QFile device(path);
        if (const QString failure =
                failureOf(device, [&] { return device.open(QIODevice::WriteOnly); });
            !failure.isEmpty())
            return failure;
        return writeAll(device, bytes);
    }
    if (const QString failure = obviousFailure(target); !failure.isEmpty()) return failure;
    // The new file goes to a temporary one that replaces the old only when complete.
    QSaveFile file(path);
    if (const QString failure = failureOf(file, [&] { return file.open(QIODevice::WriteOnly); });
        !failure.isEmpty())
        return failure;
    if (const QString failure = writeAll(file, bytes); !failure.isEmpty()) {
        // Every failure must cancel, or a later commit could still replace the old file.
        file.cancelWriting();
        return failure;
    }
    return failureOf(file, [&] { return file.commit(); });
}

}  // namespace zige
