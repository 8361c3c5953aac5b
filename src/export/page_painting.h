// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPageLayout>

#include "export/sheet_document.h"

class QIODevice;
class QPagedPaintDevice;

namespace zige {

// A4 portrait without margins, the origin on the paper's corner: the sheet's own margins are
// the page's, and it is printed at true size.
QPageLayout a4FullPage();

// Draws `document` on `device` (a PDF writer or a printer), one sheet of paper per device page
// in the paper size the device has, at true size from the paper's top-left corner, only the
// pages of the device's page ranges when it has any. A sheet wider than the paper is cut at
// its right edge. `progress` is told after each sheet of paper. Returns false when the device
// refused to paint or `progress` cancelled.
bool paintDocument(const SheetDocument& document, QPagedPaintDevice& device,
                   const Progress& progress = {});

// Writes `document` as a PDF of A4 pages into `file`, a file or buffer open for reading and
// writing, page by page. Returns false when it could not be made or `progress` cancelled.
bool writePdf(const SheetDocument& document, QIODevice& file, const Progress& progress = {});

}  // namespace zige
