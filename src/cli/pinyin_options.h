// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>

#include "cli/model_options.h"

namespace zige {

// How pinyin is written, words or characters a row, and dictation with its answers.
QList<ModelOption> pinyinOptions();

}  // namespace zige
