// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QPageLayout>

class QPagedPaintDevice;

namespace zige {

struct SheetDocument;

// A4 portrait without margins, the origin on the paper's corner: the sheet's own margins are
// the page's, and it is printed at true size.
QPageLayout a4FullPage();

// Draws `document` on `device` (a PDF writer or a printer), one sheet of paper per device page
// in the paper size the device has, at true size from the paper's top-left corner, only the
// pages of the device's page ranges when it has any. A sheet wider than the paper is cut at
// its right edge. Returns false when the device refused to paint.
bool paintDocument(const SheetDocument& document, QPagedPaintDevice& device);

// `document` as a PDF file of A4 pages, in memory; empty when it could not be made.
QByteArray pdfBytes(const SheetDocument& document);

}  // namespace zige
