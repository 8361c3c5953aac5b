// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

class QTextDocument;

namespace zige {

// Fills the library view's `document` from the file at `path`. Until the file is read, or when it
// cannot be, the document says in 宋体, 9 points, that the library was not loaded.
void loadLibraryDocument(QTextDocument& document, const QString& path);

// Gives the whole text a point size, a family or both, in one pass over it.
void formatLibraryDocument(QTextDocument& document, std::optional<int> pointSize,
                           const std::optional<QString>& family);

}  // namespace zige
