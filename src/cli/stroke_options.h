// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>

#include "cli/model_options.h"

namespace zige {

// The options of `zige copybook` for stroke order: its rows, numbers on the models, pale copies
// of the first strokes only.
QList<ModelOption> strokeOptions();

}  // namespace zige
