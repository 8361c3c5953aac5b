// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPageLayout>

namespace zige {

struct Copybook;

// The paper `book` is printed on, without margins, the origin on the paper's corner: the size
// and orientation its settings choose, A4 portrait for the plain sheet.
QPageLayout paperLayout(const Copybook& book);

}  // namespace zige
