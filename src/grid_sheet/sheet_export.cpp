// SPDX-License-Identifier: GPL-3.0-or-later
// The menu's outputs of the sheet: PDF, PNG at 300 dpi, print preview and printing. Each prints
// the sheet as drawn last, in print colours, onto pages or a larger image.
#include <QDir>
#include <QFileInfo>
#include <QPrinter>

#include "export/page_painting.h"
#include "grid_sheet/sheet_window.h"
#include "ui/prompts.h"

namespace zige {

namespace {

// The sheet's paper at the printer's resolution, from the paper's corner: the sheet prints at
// 100 %, and the print dialog offers that paper.
void setUpPrinter(QPrinter& printer, const SheetDocument& document) {
    printer.setPageLayout(document.paper);
    printer.setFullPage(true);
    printer.setDocName(QStringLiteral("速成宝格"));
}

}  // namespace

void SheetWindow::exportPdf() {
    saveThroughDialog(QStringLiteral("PDF 文件|*.pdf"), pdfFileName_, QStringLiteral("pdf"),
                      ExportFormat::Pdf);
}

void SheetWindow::exportPng() {
    saveThroughDialog(QStringLiteral("PNG 图片|*.png"), pngFileName_, QStringLiteral("png"),
                      ExportFormat::Png);
}

void SheetWindow::printPreview() {
    applyTypedText();
    if (!drawn_) return;
    const SheetDocument document = *drawn_;
    QPrinter printer(QPrinter::HighResolution);
    setUpPrinter(printer, document);
    // The preview paints again whenever its pages change (another paper, or printing from it).
    prompts_->printPreview(this, printer,
                           [&](QPrinter& target) { paintDocument(document, target); });
}

void SheetWindow::printSheet() {
    applyTypedText();
    if (!drawn_) return;
    const SheetDocument document = *drawn_;
    QPrinter printer(QPrinter::HighResolution);
    setUpPrinter(printer, document);
    if (!prompts_->print(this, printer)) return;
    const QString file = printer.outputFileName();
    const bool fileExisted = !file.isEmpty() && QFileInfo::exists(file);
    bool cancelled = false;
    const bool printed = runBusy(QStringLiteral("正在打印…"), [&](const Progress& progress) {
        return paintDocument(document, printer, [&](int done, int total) {
            cancelled = !progress(done, total);
            return !cancelled;
        });
    });
    if (cancelled) {
        // Nothing half-printed: the printer drops the job, a file printed to is removed again.
        printer.abort();
        if (!file.isEmpty() && !fileExisted) QFile::remove(file);
        return;
    }
    if (printed) return;
    const QString target = file.isEmpty() ? printer.printerName() : QDir::toNativeSeparators(file);
    prompts_->message(this, QStringLiteral("无法打印到“%1”。").arg(target), QStringLiteral("提示"),
                      Prompts::Buttons::Ok, Prompts::Icon::Warning);
}

}  // namespace zige
