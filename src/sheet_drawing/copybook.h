// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRectF>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>

namespace zige {

// The grid in each cell of a sheet.
enum class CellGrid { Quick, Tian, Rice, NineSquare, EightTrigram, None };

// The colour of the pale copies to trace over (描红).
enum class TraceTint { Grey, Red };

// What the user sets for a copybook (字帖). Empty text means no copybook: plain cells.
struct CopybookSettings {
    QString text;
    int models = 1;  // solid model copies at the start of each row (范字)
    int traces = 3;  // pale copies after them (描红)
    TraceTint tint = TraceTint::Grey;
    int lightness = 80;  // percent, 100 is white
    CellGrid grid = CellGrid::Quick;
    bool pinyin = false;

    bool operator==(const CopybookSettings&) const = default;
};

// Where the main window prints its character: the font list's text, the character size in
// points and the grid box in twips. A cell is that grid box, so the glyph sits in the cell as
// it sits in the box.
struct GlyphPlacement {
    QString fontName;
    float pointSize = 120;
    QRectF gridBox{10, 10, 2400, 2400};
};

// The characters to practise, one per row: a surrogate pair stays one character; spaces and
// line breaks are skipped.
QStringList practiceCharacters(const QString& text);

struct Copybook {
    CopybookSettings settings;
    GlyphPlacement placement;
    QStringList characters;
    // The reading with tone marks shown over a model character, or "" when unknown.
    std::function<QString(const QString& character)> pinyinOf;

    bool isEmpty() const { return characters.isEmpty(); }
    // Sheets needed for every character, `rows` rows a sheet; at least one.
    int sheetCount(std::int32_t rows) const;
    // The colour of the pale copies, as a colour value 0x00BBGGRR.
    std::uint32_t traceColor() const;
};

}  // namespace zige
