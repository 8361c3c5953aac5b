// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <memory>

class QFile;
class QIODevice;

namespace zige {

// Files written all or none: each is written beside its target under a temporary name, and
// only when every one is complete are they put in place, each replacing its target in one
// step. Whatever is not committed is removed again, so a failure or a cancel part-way leaves
// no new file behind and every old one exactly as it was. Failures are named in Chinese.
class StagedFiles {
public:
    StagedFiles();
    ~StagedFiles();
    StagedFiles(const StagedFiles&) = delete;
    StagedFiles& operator=(const StagedFiles&) = delete;

    // A device to write the file `path` into, or nullptr when it cannot be made (failure() says
    // why). It may be read back and rewritten until commit().
    QFile* stage(const QString& path);
    // Puts every staged file in place; false, with failure() set, when one could not be.
    bool commit();

    // Why the last step failed and which file it was for; empty when nothing failed.
    QString failure() const { return failure_; }
    QString failedPath() const { return failedPath_; }

private:
    struct Staged;
    bool fail(const QString& path, const QString& reason);

    QList<std::shared_ptr<Staged>> staged_;
    QString failure_;
    QString failedPath_;
};

// Why a file operation failed, in the program's language: `error` is errno as the failing call
// left it; a reason without a Chinese text falls back to `systemText` or the system's words.
QString fileFailureReason(int error, const QString& systemText = {});

}  // namespace zige
