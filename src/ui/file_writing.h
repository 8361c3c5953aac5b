// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace zige {

// Writes `bytes` to `path`, replacing an existing file only once the new one is complete, so
// a failed save leaves the old file exactly as it was. Returns why it could not, or an empty
// string.
QString writeFileAtomically(const QString& path, const QByteArray& bytes);

}  // namespace zige
