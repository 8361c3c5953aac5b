// SPDX-License-Identifier: GPL-3.0-or-later
// The menu's outputs of the sheet: PDF, PNG at 300 dpi, print preview and printing. Each draws
// the sheet as the view shows it through the one sheet drawing, onto pages or a larger image.
#include <QDir>
#include <QPrinter>

#include "core/step_failed.h"
#include "core/twips.h"
#include "export/page_painting.h"
#include "export/print_image.h"
#include "export/sheet_document.h"
#include "grid_sheet/sheet_window.h"
#include "ui/file_writing.h"
#include "ui/prompts.h"

namespace zige {

namespace {

// A4 at the printer's resolution, from the paper's corner: the sheet prints at 100 %.
void setUpPrinter(QPrinter& printer) {
    printer.setPageLayout(a4FullPage());
    printer.setFullPage(true);
    printer.setDocName(QStringLiteral("速成宝格"));
}

// Each writes `sheet` to `path` and says why it could not, or nothing.
QString writePdf(const SheetDocument& sheet, const QString& path) {
    const QByteArray bytes = pdfBytes(sheet);
    if (bytes.isEmpty()) return QStringLiteral("无法生成 PDF");
    return writeFileAtomically(path, bytes);
}

QString writePng(const SheetDocument& sheet, const QString& path, int page) {
    QImage image;
    try {
        image = sheetImage(sheet, page);
    } catch (const StepFailed&) {
        const SheetLayout layout = sheet.layout(page);
        const auto pixels = [](double twips) { return twips * kPrintDpi / kTwipsPerInch; };
        return QStringLiteral("%1 dpi 的图片太大（%2 × %3 像素），或内存不足")
            .arg(kPrintDpi)
            .arg(pixels(layout.across.extentTwips()), 0, 'f', 0)
            .arg(pixels(layout.down.extentTwips()), 0, 'f', 0);
    }
    const QByteArray bytes = pngBytes(image);
    if (bytes.isEmpty()) return QStringLiteral("无法生成 PNG 图片");
    return writeFileAtomically(path, bytes);
}

}  // namespace

std::optional<SheetDocument> SheetWindow::document() const {
    if (!drawnLayout_) return std::nullopt;
    return drawnCopybook_.isEmpty() ? plainSheet(*drawnLayout_)
                                    : copybookSheets(*drawnLayout_, drawnCopybook_);
}

void SheetWindow::exportPdf() {
    if (const std::optional<SheetDocument> sheet = document())
        saveThroughDialog(QStringLiteral("PDF 文件|*.pdf"), pdfFileName_, QStringLiteral("pdf"), 1,
                          [&](const QString& path, int) { return writePdf(*sheet, path); });
}

void SheetWindow::exportPng() {
    if (const std::optional<SheetDocument> sheet = document())
        saveThroughDialog(
            QStringLiteral("PNG 图片|*.png"), pngFileName_, QStringLiteral("png"), sheet->pageCount,
            [&](const QString& path, int page) { return writePng(*sheet, path, page); });
}

void SheetWindow::printPreview() {
    const std::optional<SheetDocument> sheet = document();
    if (!sheet) return;
    QPrinter printer(QPrinter::HighResolution);
    setUpPrinter(printer);
    // The preview paints again whenever its pages change (another paper, or printing from it).
    prompts_->printPreview(this, printer, [&](QPrinter& target) { paintDocument(*sheet, target); });
}

void SheetWindow::printSheet() {
    const std::optional<SheetDocument> sheet = document();
    if (!sheet) return;
    QPrinter printer(QPrinter::HighResolution);
    setUpPrinter(printer);
    if (!prompts_->print(this, printer) || paintDocument(*sheet, printer)) return;
    const QString target = printer.outputFileName().isEmpty()
                               ? printer.printerName()
                               : QDir::toNativeSeparators(printer.outputFileName());
    prompts_->message(this, QStringLiteral("无法打印到“%1”。").arg(target), QStringLiteral("提示"),
                      Prompts::Buttons::Ok, Prompts::Icon::Warning);
}

}  // namespace zige
