// SPDX-License-Identifier: GPL-3.0-or-later
// Saving the sheet: Command1_Click, and the save dialog, overwrite question and progress that
// every file output of the window goes through.
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QScopeGuard>

#include "export/print_image.h"
#include "grid_sheet/sheet_window.h"
#include "ui/background_work.h"
#include "ui/prompts.h"

namespace zige {

bool SheetWindow::runBusy(const QString& label, const std::function<bool(const Progress&)>& work) {
    busy_ = true;
    const bool finished = runWithProgress(this, label, [&](const Progress& progress) {
        // A close of the window meanwhile cancels, as 取消 does.
        return work([&](int done, int total) { return !closeWhenIdle_ && progress(done, total); });
    });
    busy_ = false;
    if (closeWhenIdle_) close();
    return finished && !closeWhenIdle_;
}

void SheetWindow::saveThroughDialog(const QString& filter, QString& name, const QString& suffix,
                                    ExportFormat format) {
    applyTypedText();
    if (!drawn_) return;
    const std::optional<QString> chosen = prompts_->saveFileName(this, filter, name);
    if (!chosen) return;
    name = *chosen;
    if (!suffix.isEmpty() && QFileInfo(name).suffix().isEmpty()) name += QLatin1Char('.') + suffix;
    const SheetDocument document = *drawn_;
    const QStringList files = exportFiles(name, format, document.pageCount);
    // Files that exist are asked about once, hidden ones too; a folder is no file to replace.
    QStringList existing;
    for (const QString& file : files)
        if (QFileInfo(file).isFile()) existing.append(QDir::toNativeSeparators(file));
    if (!existing.isEmpty()) {
        const QString question =
            files.size() == 1
                ? QStringLiteral("文件已经存在，是否覆盖？")
                : QStringLiteral("要保存的 %1 个文件中有 %2 个已经存在（“%3”%4），是否覆盖？")
                      .arg(files.size())
                      .arg(existing.size())
                      .arg(existing.first(),
                           existing.size() > 1 ? QStringLiteral(" 等") : QString());
        if (prompts_->message(this, question, QStringLiteral("提示"), Prompts::Buttons::YesNo,
                              Prompts::Icon::None) == Prompts::Answer::No)
            return;
    }
    ExportResult result;
    runBusy(QStringLiteral("正在保存 %1 个文件…").arg(files.size()), [&](const Progress& progress) {
        result = exportDocument(document, format, name, kPrintDpi, progress);
        return result.written();
    });
    // A user who asked to save must be able to tell a failure from success.
    if (result.cancelled || result.reason.isEmpty()) return;
    prompts_->message(this,
                      QStringLiteral("无法保存文件“%1”：%2")
                          .arg(QDir::toNativeSeparators(result.failedPath), result.reason),
                      QStringLiteral("提示"), Prompts::Buttons::Ok, Prompts::Icon::Warning);
}

void SheetWindow::Command1_Click() {
    // Whatever happens, the current folder ends at the program's folder; the dialog may have
    // moved it.
    const auto home = qScopeGuard([] { QDir::setCurrent(QCoreApplication::applicationDirPath()); });
    // A copybook saves every page; each is drawn at 96 dpi in print colours, as the plain sheet.
    saveThroughDialog(QStringLiteral("BMP Files(*.BMP)|*.bmp"), CommonDialog1, QString(),
                      ExportFormat::Bmp);
}

}  // namespace zige
