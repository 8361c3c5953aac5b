// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace zige {

class GlyphCache;

// The first information line: what the current character is — for a hanzi its reading, radical
// and stroke count, then its zone/position code, GB2312 code and code point, or what kind of
// character it is when it has no such code — and the grid box in millimetres. `gridWidth` and
// `gridHeight` are the grid box lists' texts, in twips.
QString characterInfo(const QString& character, const QString& gridWidth,
                      const QString& gridHeight);

// The second line: the font the character is really drawn in, with a warning when the chosen
// font lacks it and the platform substitutes another.
QString fontInfo(GlyphCache& fonts, const QString& chosenFont, const QString& sizeText,
                 const QString& character);

}  // namespace zige
