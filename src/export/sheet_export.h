// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "export/sheet_document.h"

namespace zige {

// The files a sheet is saved as: a vector PDF with every page in one file, or one image per
// sheet page, PNG at a chosen resolution or BMP at the screen's 96 dpi.
enum class ExportFormat { Pdf, Png, Bmp };

// The format a file name asks for by its extension, any case; nothing for another one.
std::optional<ExportFormat> exportFormatOf(const QString& path);

// The files an export of `pageCount` sheet pages to `path` writes, in page order: the PDF
// itself; or `path` for the first image and "name-2.png", "name-3.png", ... for the others.
QStringList exportFiles(const QString& path, ExportFormat format, int pageCount);

// The resolution a sheet page is drawn at as an image of `format`: `pngDpi` for a PNG, the
// screen's 96 dpi for a BMP.
double imageDpi(ExportFormat format, double pngDpi);

struct ExportResult {
    bool cancelled = false;
    QString failedPath;  // the file that could not be written, and why; empty when written
    QString reason;

    bool written() const { return !cancelled && reason.isEmpty(); }
};

// Writes `document` to the files exportFiles() names, all or none: a failure or a cancel
// part-way leaves no new file behind and every old one as it was. Pages are drawn and written
// one at a time, so memory does not grow with their number; `progress` is told after each.
// `dpi` is the PNG's resolution.
ExportResult exportDocument(const SheetDocument& document, ExportFormat format, const QString& path,
                            double dpi, const Progress& progress = {});

}  // namespace zige
