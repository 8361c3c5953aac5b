// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/file_writing.h"

#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace zige {

QString fileFailureReason(int error, const QString& systemText) {
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
            return systemText.isEmpty() ? QStringLiteral("写入时出错") : systemText;
        default:
            return QString::fromLocal8Bit(std::strerror(error));
    }
}

namespace {

// Runs one call of the file API and, when it fails, names why from errno as that call left it.
template <typename Call>
QString failureOf(QFileDevice& file, Call call) {
    errno = 0;
    if (call()) return {};
    return fileFailureReason(errno, file.errorString());
}

// The failures that show before anything is written; Qt would name some of them without an
// errno, or only by the temporary file it could not make.
QString obviousFailure(const QFileInfo& target) {
    if (target.isDir()) return fileFailureReason(EISDIR, {});
    const QFileInfo folder(target.absolutePath());
    if (!folder.exists()) return fileFailureReason(ENOENT, {});
    if (!folder.isDir()) return fileFailureReason(ENOTDIR, {});
    if (target.exists() && !target.isWritable()) return fileFailureReason(EACCES, {});
    return {};
}

}  // namespace

struct StagedFiles::Staged {
    QString target;
    QString temporary;  // empty: written in place
    QFile file;
};

StagedFiles::StagedFiles() = default;

StagedFiles::~StagedFiles() {
    for (const auto& s : staged_) {
        s->file.close();
        if (!s->temporary.isEmpty()) QFile::remove(s->temporary);
    }
}

bool StagedFiles::fail(const QString& path, const QString& reason) {
    failure_ = reason;
    failedPath_ = path;
    return false;
}

QFile* StagedFiles::stage(const QString& path) {
    auto s = std::make_shared<Staged>();
    s->target = path;
    const QFileInfo target(path);
    if (target.exists() && !target.isFile() && !target.isDir()) {
        // A device or a pipe: renaming a finished file over it would replace the node itself
        // (we may run as root), so it is written in place; there is no old content to keep.
        s->file.setFileName(path);
        if (const QString failure =
                failureOf(s->file, [&] { return s->file.open(QIODevice::WriteOnly); });
            !failure.isEmpty())
            return fail(path, failure), nullptr;
        staged_.append(s);
        return &s->file;
    }
    if (const QString failure = obviousFailure(target); !failure.isEmpty())
        return fail(path, failure), nullptr;
    // A new name beside the target, so putting it in place is a rename on the same disk; a
    // new file gets the permissions the umask gives, a replacement those of the old file.
    for (int attempt = 0;; ++attempt) {
        s->temporary = target.dir().filePath(
            QStringLiteral(".%1.%2.part")
                .arg(target.fileName())
                .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0')));
        s->file.setFileName(s->temporary);
        errno = 0;
        if (s->file.open(QIODevice::ReadWrite | QIODevice::NewOnly)) break;
        if (errno != EEXIST || attempt == 9) {
            const QString failure = fileFailureReason(errno, s->file.errorString());
            s->temporary.clear();
            return fail(path, failure), nullptr;
        }
    }
    if (target.exists()) s->file.setPermissions(target.permissions());
    staged_.append(s);
    return &s->file;
}

bool StagedFiles::commit() {
    for (const auto& s : staged_) {
        const QString failure = failureOf(s->file, [&] {
            return s->file.flush() && (s->temporary.isEmpty() || ::fsync(s->file.handle()) == 0);
        });
        if (!failure.isEmpty()) return fail(s->target, failure);
    }
    for (const auto& s : staged_) {
        s->file.close();
        if (s->temporary.isEmpty()) continue;
        errno = 0;
        if (std::rename(QFile::encodeName(s->temporary).constData(),
                        QFile::encodeName(s->target).constData()) != 0)
            return fail(s->target, fileFailureReason(errno));
        s->temporary.clear();  // in place: nothing left to remove
    }
    staged_.clear();
    return true;
}

}  // namespace zige
