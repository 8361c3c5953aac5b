// SPDX-License-Identifier: GPL-3.0-or-later
// Saving the sheet: Command1_Click and the BMP writer behind it.
#include "grid_sheet/sheet_saving.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QScopeGuard>
#include <optional>

#include "core/step_failed.h"
#include "export/print_image.h"
#include "export/sheet_document.h"
#include "grid_sheet/sheet_window.h"
#include "ui/file_writing.h"
#include "ui/picture_box.h"
#include "ui/prompts.h"

namespace zige {

QString writeBmpFile(const QImage& image, const QString& path) {
    // Encoded in memory first, so what can fail when writing is the file alone.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "bmp");
    if (!writer.write(image)) return writer.errorString();

    return writeFileAtomically(path, bytes);
}

QImage SheetWindow::sheetImageAt96Dpi() {
    QImage image = Picture2->Image();
    // On a high-density screen the canvas holds more pixels than the sheet has; it is scaled
    // back to its 96 dpi size without smoothing, so lines keep their pure colours.
    if (image.devicePixelRatio() != 1.0) {
        image = image.scaled(Picture2->size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
        image.setDevicePixelRatio(1.0);
    }
    // 3780 pixels per metre is 96 dpi, so the default sheet prints exactly A4 wide.
    if (image.dotsPerMeterX() != 3780) image.setDotsPerMeterX(3780);
    if (image.dotsPerMeterY() != 3780) image.setDotsPerMeterY(3780);
    return image;
}

namespace {

// The file for page `page` (from 0) of a save to `name`: "字帖.bmp", "字帖-2.bmp", ...
QString pageFileName(const QString& name, int page) {
    if (page == 0) return name;
    const QFileInfo info(name);
    const QString numbered = info.completeBaseName() + QStringLiteral("-%1").arg(page + 1);
    const QString file =
        info.suffix().isEmpty() ? numbered : numbered + QLatin1Char('.') + info.suffix();
    return info.dir().filePath(file);
}

}  // namespace

void SheetWindow::saveThroughDialog(
    const QString& filter, QString& name, const QString& suffix, int pages,
    const std::function<QString(const QString& path, int page)>& write) {
    const std::optional<QString> chosen = prompts_->saveFileName(this, filter, name);
    if (!chosen) return;
    name = *chosen;
    if (!suffix.isEmpty() && QFileInfo(name).suffix().isEmpty()) name += QLatin1Char('.') + suffix;
    // Every existing file is asked about, hidden ones too; a folder is no file to replace.
    for (int page = 0; page < pages; ++page) {
        const QFileInfo target(pageFileName(name, page));
        if (!target.exists() || !target.isFile()) continue;
        const QString question = page == 0 ? QStringLiteral("文件已经存在，是否覆盖？")
                                           : QStringLiteral("文件“%1”已经存在，是否覆盖？")
                                                 .arg(QDir::toNativeSeparators(target.filePath()));
        if (prompts_->message(this, question, QStringLiteral("提示"), Prompts::Buttons::YesNo,
                              Prompts::Icon::None) == Prompts::Answer::No)
            return;
    }
    for (int page = 0; page < pages; ++page) {
        const QString path = pageFileName(name, page);
        const QString failure = write(path, page);
        // A user who asked to save must be able to tell a failure from success.
        if (failure.isEmpty()) continue;
        prompts_->message(
            this,
            QStringLiteral("无法保存文件“%1”：%2").arg(QDir::toNativeSeparators(path), failure),
            QStringLiteral("提示"), Prompts::Buttons::Ok, Prompts::Icon::Warning);
        return;
    }
}

void SheetWindow::Command1_Click() {
    // Whatever happens, the current folder ends at the program's folder; the dialog may have
    // moved it.
    const auto home = qScopeGuard([] { QDir::setCurrent(QCoreApplication::applicationDirPath()); });
    try {
        // A copybook saves every page, drawn at 96 dpi; the plain sheet is the canvas itself.
        const std::optional<SheetDocument> sheets = document();
        const bool copybook = sheets && sheets->pageCount > 1;
        saveThroughDialog(QStringLiteral("BMP Files(*.BMP)|*.bmp"), CommonDialog1, QString(),
                          copybook ? sheets->pageCount : 1, [&](const QString& path, int page) {
                              return writeBmpFile(
                                  copybook ? sheetImage(*sheets, page, 96) : sheetImageAt96Dpi(),
                                  path);
                          });
    } catch (const StepFailed&) {
    }
}

}  // namespace zige
