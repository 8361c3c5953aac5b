#include "export/print_image.h"

#include <QBuffer>
#include <QImageWriter>
#include <algorithm>
#include <cmath>

#include "canvas/canvas.h"
#include "core/step_failed.h"
#include "core/twips.h"
#include "export/sheet_document.h"

namespace zige {

namespace {

int devicePixels(double twips, double dpi) {
    const double pixels = std::round(twips * dpi / kTwipsPerInch);
    if (!(pixels >= 0 && pixels <= RasterCanvas::kMaxImageSide)) throw StepFailed("image too large");
    return int(pixels);
}

}  // namespace

QImage sheetImage(const SheetDocument& document, int page, double dpi) {
    const SheetLayout layout = document.layout(page);
    const QSize size(devicePixels(layout.across.extentTwips(), dpi), devicePixels(layout.down.extentTwips(), dpi));
    RasterCanvas canvas;
    canvas.BackColor = rgb(255, 255, 255);  // paper, whatever the screen's colours
    canvas.resize(size, dpi / (kTwipsPerInch / kTwipsPerPixel));
    document.draw(canvas, page, 0, std::max(layout.down.count, 0));
    QImage image = canvas.Image();
    image.setDevicePixelRatio(1);
    const int dotsPerMetre = int(std::lround(dpi / 0.0254));
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    return image;
}

QByteArray pngBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(image)) return {};
    return bytes;
}

}  // namespace zige
