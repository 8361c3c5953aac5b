// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/sheet_export.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <cerrno>
#include <future>
#include <optional>
#include <vector>

#include "core/file_writing.h"
#include "core/step_failed.h"
#include "core/twips.h"
#include "export/page_painting.h"
#include "export/print_image.h"

namespace zige {

namespace {

constexpr double kScreenDpi = 96;

// The name of page `page` (from 0) of an image set saved as `path`.
QString pageFileName(const QString& path, int page) {
    if (page == 0) return path;
    const QFileInfo info(path);
    const QString numbered = info.completeBaseName() + QStringLiteral("-%1").arg(page + 1);
    const QString file =
        info.suffix().isEmpty() ? numbered : numbered + QLatin1Char('.') + info.suffix();
    return info.dir().filePath(file);
}

QString tooLarge(const SheetDocument& document, int page, double dpi) {
    const SheetLayout layout = document.layout(page);
    const auto pixels = [dpi](double twips) { return twips * dpi / kTwipsPerInch; };
    return QStringLiteral("%1 dpi 的图片太大（%2 × %3 像素），或内存不足")
        .arg(dpi)
        .arg(pixels(layout.across.extentTwips()), 0, 'f', 0)
        .arg(pixels(layout.down.extentTwips()), 0, 'f', 0);
}

}  // namespace

std::optional<ExportFormat> exportFormatOf(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("pdf")) return ExportFormat::Pdf;
    if (suffix == QLatin1String("png")) return ExportFormat::Png;
    if (suffix == QLatin1String("bmp")) return ExportFormat::Bmp;
    return std::nullopt;
}

double imageDpi(ExportFormat format, double pngDpi) {
    return format == ExportFormat::Bmp ? kScreenDpi : pngDpi;
}

QStringList exportFiles(const QString& path, ExportFormat format, int pageCount) {
    QStringList files;
    const int count = format == ExportFormat::Pdf ? 1 : std::max(pageCount, 1);
    for (int page = 0; page < count; ++page) files.append(pageFileName(path, page));
    return files;
}

ExportResult exportDocument(const SheetDocument& document, ExportFormat format, const QString& path,
                            double dpi, const Progress& progress) {
    ExportResult result;
    StagedFiles staged;
    const auto failed = [&](const QString& file, const QString& reason) {
        result.failedPath = file;
        result.reason = reason;
        return result;
    };
    // Why writing into `file` failed: the disk's reason, or the encoder's.
    const auto writeFailure = [&](const QFile& file) {
        return file.error() != QFileDevice::NoError
                   ? fileFailureReason(errno, file.errorString())
                   : QStringLiteral("无法生成%1文件")
                         .arg(format == ExportFormat::Pdf ? QStringLiteral(" PDF ")
                                                          : QStringLiteral("图片"));
    };
    const QStringList files = exportFiles(path, format, document.pageCount);
    if (format == ExportFormat::Pdf) {
        QFile* file = staged.stage(path);
        if (!file) return failed(staged.failedPath(), staged.failure());
        bool cancelled = false;
        const bool written = writePdf(document, *file, [&](int done, int total) {
            cancelled = progress && !progress(done, total);
            return !cancelled;
        });
        if (cancelled) return result.cancelled = true, result;
        if (!written) return failed(path, writeFailure(*file));
    } else {
        // Pages are drawn and encoded a few at a time, one on each core: each is independent,
        // and at most that many are ever in memory.
        const double pageDpi = imageDpi(format, dpi);
        const int inFlight = std::max(1, QThread::idealThreadCount());
        for (int first = 0; first < files.size(); first += inFlight) {
            const int last = std::min<int>(first + inFlight, int(files.size()));
            QList<QFile*> targets;
            for (int page = first; page < last; ++page) {
                targets.append(staged.stage(files[page]));
                if (!targets.last()) return failed(staged.failedPath(), staged.failure());
            }
            // Each page says why it could not be written, on its own thread, where errno is.
            std::vector<std::future<std::optional<QString>>> pages;
            for (int page = first; page < last; ++page)
                pages.push_back(
                    std::async(std::launch::async, [&, page]() -> std::optional<QString> {
                        QImage image;
                        try {
                            image = sheetImage(document, page, pageDpi);
                        } catch (const StepFailed&) {
                            return tooLarge(document, page, pageDpi);
                        }
                        QFile& file = *targets[page - first];
                        // Flushed here, so a disk's failure shows with its errno.
                        const bool written =
                            (format == ExportFormat::Png ? writePng(image, file)
                                                         : writeBmp(image, file)) &&
                            file.flush();
                        return written ? std::nullopt : std::optional(writeFailure(file));
                    }));
            for (int page = first; page < last; ++page) {
                const std::optional<QString> failure = pages[page - first].get();
                if (failure) return failed(files[page], *failure);
                if (progress && !progress(page + 1, int(files.size())))
                    return result.cancelled = true, result;
            }
        }
    }
    if (!staged.commit()) return failed(staged.failedPath(), staged.failure());
    return result;
}

}  // namespace zige
