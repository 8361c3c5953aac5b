// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/print_image.h"

#include <QImageWriter>
#include <QList>
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
    if (!(pixels >= 0 && pixels <= RasterCanvas::kMaxImageSide))
        throw StepFailed("image too large");
    return int(pixels);
}

// `image` with a palette when it has at most 256 colours (a sheet has a handful), else itself.
// The PNG is then a third of the data and encodes in half the time, losing nothing.
QImage withPalette(const QImage& image) {
    QImage indexed(image.size(), QImage::Format_Indexed8);
    if (indexed.isNull()) return image;
    QList<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        uchar* out = indexed.scanLine(y);
        qsizetype index = -1;
        for (int x = 0; x < image.width(); ++x) {
            const QRgb colour = in[x] | 0xFF000000u;
            // Runs of one colour are the rule; a new colour is looked up among the few known.
            if (index < 0 || colours[index] != colour) {
                index = colours.indexOf(colour);
                if (index < 0) {
                    if (colours.size() == 256) return image;
                    index = colours.size();
                    colours.append(colour);
                }
            }
            out[x] = uchar(index);
        }
    }
    indexed.setColorTable(colours);
    indexed.setDotsPerMeterX(image.dotsPerMeterX());
    indexed.setDotsPerMeterY(image.dotsPerMeterY());
    return indexed;
}

}  // namespace

QImage sheetImage(const SheetDocument& document, int page, double dpi) {
    const SheetLayout layout = document.layout(page);
    const QSize size(devicePixels(layout.across.extentTwips(), dpi),
                     devicePixels(layout.down.extentTwips(), dpi));
    RasterCanvas canvas;
    canvas.resize(size, dpi / (kTwipsPerInch / kTwipsPerPixel));
    const std::int32_t rows = std::max(layout.down.count, 0);
    document.draw(canvas, page, 0, rows);
    if (document.furnish) document.furnish(canvas, page, rows, {page + 1, document.pageCount});
    QImage image = canvas.Image();
    image.setDevicePixelRatio(1);
    const int dotsPerMetre = int(std::lround(dpi / 0.0254));
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    return image;
}

bool writePng(const QImage& image, QIODevice& device) {
    QImageWriter writer(&device, "png");
    return writer.write(image.format() == QImage::Format_RGB32 ? withPalette(image) : image);
}

bool writeBmp(const QImage& image, QIODevice& device) {
    QImageWriter writer(&device, "bmp");
    return writer.write(image);
}

}  // namespace zige
