// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

namespace zige {

// `zige copybook [options] [TEXT] -o FILE`: `arguments` from the command's name on. Writes the
// copybook and returns the exit status (0 written, 1 failed, 2 a usage error).
int runCopybookCommand(const QStringList& arguments);

}  // namespace zige
