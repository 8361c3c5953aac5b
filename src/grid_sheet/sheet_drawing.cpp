// DrawSheet: the canvas size from the ten lists, the ratio read-out and the cells.
#include <QComboBox>
#include <QLineEdit>
#include <cmath>
#include <cstdint>

#include "grid_sheet/sheet_window.h"
#include "surface/numbers.h"
#include "surface/picture_box.h"
#include "surface/step_failed.h"
#include "surface/twips.h"
#include "views/grid_geometry.h"
#include "views/grid_styles.h"

namespace zige {

namespace {

// One sheet unit: 216 of them span an A4 page width of 11907 twips.
constexpr double kUnit = 11907.0 / 216;

// A cell for the quick-grid pattern: fractions are taken of the size in sheet units, then
// turned into twips, so thirds and cuts land where the printed sheet expects them.
struct SheetCell {
    double left, top;  // twips
    double w, h;       // sheet units
    double x(Frac f) const { return left + along(w, f) * kUnit; }
    double y(Frac f) const { return top + along(h, f) * kUnit; }
};

// A printed cell: one pen colour, 1 pixel, dotted light lines over a light-yellow band.
const QuickGridPens kCellPens{kSystemActiveCaption, rgb(255, 255, 192), 1, PictureBox::Dot};

std::int32_t parameter(const QComboBox* list) { return toInt32(list->currentText()); }

// count x size + margin + margin + (count - 1) x gap, each operation checked for overflow.
std::int32_t extent(std::int32_t count, std::int32_t size, std::int32_t margin1, std::int32_t margin2,
                    std::int32_t gap) {
    return checkedAdd(checkedAdd(checkedAdd(checkedMul(count, size), margin1), margin2),
                      checkedMul(checkedSub(count, 1), gap));
}

}  // namespace

bool SheetWindow::canvasFits(double width, double height) const {
    if (!(width >= 0) || !(height >= 0)) return false;
    // The device pixels the canvas's image would have (rounded as the surface rounds).
    const qreal dpr = Picture2->devicePixelRatioF();
    const double w = std::ceil(std::round(pixelsFromTwips(width)) * dpr);
    const double h = std::ceil(std::round(pixelsFromTwips(height)) * dpr);
    return w <= kMaxCanvasSide && h <= kMaxCanvasSide && w * h <= double(kMaxCanvasPixels);
}

void SheetWindow::setCanvasSize(double width, double height) {
    Picture2->setSizeTwips(width, height);
    canvasWidth_ = width;
    canvasHeight_ = height;
}

void SheetWindow::DrawSheet() {
    const double u = kUnit;

    const std::int32_t nc = parameter(Combo5), w = parameter(Combo1), mR = parameter(Combo8),
                       mL = parameter(Combo7), gx = parameter(Combo3);
    const double width = extent(nc, w, mR, mL, gx) * u;
    if (!canvasFits(width, 0)) throw StepFailed("canvas width refused");

    // The width is set together with the height, so the image is made once; when the height
    // fails, the canvas still takes its new width, as though that had been set first.
    double height = 0;
    std::int32_t nr = 0, h = 0, mT = 0, gy = 0;
    try {
        nr = parameter(Combo6);
        h = parameter(Combo2);
        const std::int32_t mB = parameter(Combo10);
        mT = parameter(Combo9);
        gy = parameter(Combo4);
        height = extent(nr, h, mB, mT, gy) * u;
        const std::int64_t cells = nc > 0 && nr > 0 ? std::int64_t(nc) * nr : 0;
        if (!canvasFits(width, height) || cells > kMaxSheetCells) throw StepFailed("canvas refused");
    } catch (const StepFailed&) {
        if (canvasFits(width, canvasHeight_)) setCanvasSize(width, canvasHeight_);
        throw;
    }
    setCanvasSize(width, height);

    // The ratio of the canvas as stored, in single precision.
    const float ratio = float(canvasWidth_) / float(canvasHeight_);
    if (!std::isfinite(ratio)) throw StepFailed("division by zero");
    Text1->setText(formatZeroPointHashes(ratio).trimmed());

    double x = mL * u;
    double y = mT * u;
    Picture2->Cls();
    // Column by column, each from top to bottom; no row means no cell in any column.
    const std::int32_t columns = nr > 0 ? nc : 0;
    for (std::int32_t i = 1; i <= columns; ++i) {
        for (std::int32_t j = 1; j <= nr; ++j) {
            SheetCell cell{x, y, double(w), double(h)};
            drawQuickGrid(*Picture2, cell, kCellPens);
            y = y + h * u + gy * u;
        }
        x = x + w * u + gx * u;
        y = mT * u;
    }
    Picture2->Refresh();
}

}  // namespace zige
