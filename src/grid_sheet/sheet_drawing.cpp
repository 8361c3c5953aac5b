// SPDX-License-Identifier: GPL-3.0-or-later
// DrawSheet: the canvas size from the ten layout values, the ratio read-out and the cells.
#include <QLineEdit>
#include <algorithm>
#include <cmath>

#include "core/numbers.h"
#include "core/step_failed.h"
#include "grid_sheet/sheet_window.h"
#include "ui/picture_box.h"

namespace zige {

void SheetWindow::setCanvasSize(double width, double height) {
    Picture2->setSizeTwips(width, height);
    canvasWidth_ = width;
    canvasHeight_ = height;
}

void SheetWindow::DrawSheet() {
    // A copybook reads the main window first, so a bad list text there leaves the sheet as it was.
    const Copybook& book = copybook();
    SheetLayout layout;
    layout.across = model_.across();
    const double width = layout.across.extentTwips();
    if (!Picture2->fitsTwips(width, 0)) throw StepFailed("canvas width refused");

    // The width is set together with the height, so the image is made once; when the height
    // fails, the canvas still takes its new width, as though that had been set first.
    double height = 0;
    try {
        layout.down = model_.down();
        height = layout.down.extentTwips();
        if (!Picture2->fitsTwips(width, height) || layout.cells() > kMaxSheetCells)
            throw StepFailed("canvas refused");
    } catch (const StepFailed&) {
        if (Picture2->fitsTwips(width, canvasHeight_)) setCanvasSize(width, canvasHeight_);
        throw;
    }
    setCanvasSize(width, height);

    // The ratio of the canvas as stored, in single precision.
    const float ratio = float(canvasWidth_) / float(canvasHeight_);
    if (!std::isfinite(ratio)) throw StepFailed("division by zero");
    Text1->setText(formatZeroPointHashes(ratio).trimmed());

    copybookSheet_ = std::min(copybookSheet_, book.sheetCount(layout.down.count) - 1);
    // The screen shows the sheet in the desktop's colours; the outputs print it in the model's.
    RasterCanvas& canvas = Picture2->canvas();
    drawn_ = sheetDocument(layout, book, model_.colors);
    drawSheet(canvas, layout, kScreenColors, {}, &book, copybookSheet_);
    // Numbered as the window steps through the sheets, as the image files are.
    if (!book.isEmpty())
        drawPageFurniture(canvas, layout, layout.down.count, book, kScreenColors,
                          {copybookSheet_ + 1, book.sheetCount(layout.down.count)});
    canvas.Refresh();
    // The layout may have changed how many sheets the text takes and how it meets the paper.
    updateCopybookMenu();
    updateCopybookReport();
}

}  // namespace zige
