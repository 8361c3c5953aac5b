// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

namespace zige {

// Told after each of `total` steps of a long piece of work; answers false to cancel it.
using Progress = std::function<bool(int done, int total)>;

}  // namespace zige
