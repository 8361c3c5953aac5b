// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QPlainTextEdit;

namespace zige {

enum class LineBreak { UnlessEmpty, Always };

// Adds `line` at the end of the listing box without rebuilding its text, so a listing costs
// amortised constant time per line. With UnlessEmpty an empty box takes `line` as its whole text.
void appendListingLine(QPlainTextEdit& box, const QString& line,
                       LineBreak lineBreak = LineBreak::UnlessEmpty);

// Puts the caret after the last line and scrolls the box to it at once.
void showListingEnd(QPlainTextEdit& box);

// The box's text with its lines joined by CR LF.
QString listingText(const QPlainTextEdit& box);

}  // namespace zige
