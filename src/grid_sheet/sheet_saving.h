// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>

namespace zige {

// Writes `image` to `path` as a BMP file. Returns why it could not, or an empty string. A
// failed write leaves an existing file exactly as it was.
QString writeBmpFile(const QImage& image, const QString& path);

}  // namespace zige
