// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>

#include "core/progress.h"

class QWidget;

namespace zige {

// Runs `work` on a thread of its own while `window` stays responsive, and returns when it has
// ended: what `work` returned, or false when the user cancelled it. Work that takes more than
// half a second shows a progress dialog with 取消, modal to `window`, and a busy cursor. `work`
// is told to stop at its next step when the user cancels or the program quits meanwhile.
bool runWithProgress(QWidget* window, const QString& label,
                     const std::function<bool(const Progress&)>& work);

}  // namespace zige
