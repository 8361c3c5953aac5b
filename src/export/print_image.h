// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

class QIODevice;

namespace zige {

struct SheetDocument;

inline constexpr double kPrintDpi = 300;

// Sheet page `page` of `document`, whole, as an image at `dpi` with its resolution recorded.
// It is drawn with the screen's whole-pixel rules at a device pixel ratio of dpi / 96, so a
// 1-pixel line is a crisp band as wide as 1/96 inch. Throws StepFailed when the image would
// be larger than a canvas may be.
QImage sheetImage(const SheetDocument& document, int page, double dpi = kPrintDpi);

// Writes `image` into `device` as a PNG file, with a palette when it has no more than 256
// colours, or as a BMP file; false when it could not be encoded or written.
bool writePng(const QImage& image, QIODevice& device);
bool writeBmp(const QImage& image, QIODevice& device);

}  // namespace zige
