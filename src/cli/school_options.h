// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

#include "cli/model_options.h"

namespace zige {

struct SheetModel;

// The option that starts from a ready-made copybook; applied before every other option.
ModelOption presetOption();

// The options of school copybook pages: millimetres, paper, grid colour, tracing style,
// placement in the cell, header and footer.
QList<ModelOption> schoolOptions();

// Why `model`'s sheet cannot go on its paper as a PDF, naming the widest layout that can, or
// nothing when it can. Throws StepFailed for a layout text that is no number.
QString paperProblem(const SheetModel& model);

}  // namespace zige
