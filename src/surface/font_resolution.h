#pragma once

#include <QString>

namespace zige {

// The family to draw with for a font name from the font list. An empty name (no font chosen)
// becomes an installed Kai face, else a Song/Ming face, else "" for the platform default, so a
// view is never empty for want of a font.
QString resolveFontFamily(const QString& name);

}  // namespace zige
