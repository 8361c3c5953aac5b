// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <cstdint>
#include <optional>

#include "canvas/colors.h"
#include "sheet_drawing/school_settings.h"
#include "sheet_drawing/stroke_order.h"

namespace zige {

struct SheetModel;

// The grid in each cell of a sheet.
enum class CellGrid { Quick, Tian, Rice, NineSquare, EightTrigram, HuiGong, Square, None };

// The colour of the pale copies to trace over (描红).
enum class TraceTint { Grey, Red };

// How pinyin is written: on four lines above each row as in school (四线三格), or as a small
// label over each model.
enum class PinyinStyle { Lines, Simple };

// A choice as the command line names it and as the user reads it, in the order offered.
template <typename Value>
struct Named {
    Value value;
    QLatin1String option;
    QStringView label;
};

// The choice of `names` that the command line calls `option`, or nothing.
template <typename Value, std::size_t n>
std::optional<Value> choiceNamed(const Named<Value> (&names)[n], QStringView option) {
    for (const Named<Value>& name : names)
        if (name.option == option) return name.value;
    return std::nullopt;
}
// The name of `value` among `names`, which hold every value.
template <typename Value, std::size_t n>
const Named<Value>& nameOf(const Named<Value> (&names)[n], Value value) {
    for (const Named<Value>& name : names)
        if (name.value == value) return name;
    return names[0];
}

inline constexpr Named<CellGrid> kCellGrids[] = {
    {CellGrid::Quick, QLatin1String("quick"), u"速成宝格"},
    {CellGrid::Tian, QLatin1String("tian"), u"田字格"},
    {CellGrid::Rice, QLatin1String("mi"), u"米字格"},
    {CellGrid::NineSquare, QLatin1String("nine"), u"九宫格"},
    {CellGrid::EightTrigram, QLatin1String("bagua"), u"八卦格"},
    {CellGrid::HuiGong, QLatin1String("huigong"), u"回宫格"},
    {CellGrid::Square, QLatin1String("square"), u"方格"},
    {CellGrid::None, QLatin1String("none"), u"无"},
};
inline constexpr Named<TraceTint> kTraceTints[] = {
    {TraceTint::Grey, QLatin1String("grey"), u"浅灰"},
    {TraceTint::Red, QLatin1String("red"), u"浅红"},
};
inline constexpr Named<PinyinStyle> kPinyinStyles[] = {
    {PinyinStyle::Lines, QLatin1String("lines"), u"四线三格"},
    {PinyinStyle::Simple, QLatin1String("simple"), u"简单拼音"},
};

// How many copies of each kind a row may have, and how light the pale ones may be (percent).
inline constexpr int kMostCopies = 99;
inline constexpr int kDarkestTrace = 50;
inline constexpr int kLightestTrace = 95;

// What the user sets for a copybook (字帖). Empty text means no copybook: plain cells.
struct CopybookSettings {
    QString text;
    int models = 1;  // solid model copies at the start of each row (范字)
    int traces = 3;  // pale copies after them (描红)
    TraceTint tint = TraceTint::Grey;
    int lightness = 80;  // percent, 100 is white
    CellGrid grid = CellGrid::Quick;
    bool pinyin = false;
    SchoolSettings school;  // millimetres, paper, printed grids, tracing style, header
    PinyinStyle pinyinStyle = PinyinStyle::Lines;
    bool words = false;      // each word of the text takes a row (词), not each character (字)
    bool dictation = false;  // 看拼音写汉字: pinyin over empty cells
    bool answers = false;    // with dictation, the characters on pages after it
    StrokeSettings strokes;

    bool operator==(const CopybookSettings&) const = default;
};

// Where the main window prints its character: the font list's text, the character size in
// points and the grid box in twips. A cell is that grid box, so the glyph sits in the cell as
// it sits in the box.
struct GlyphPlacement {
    QString fontName;
    float pointSize = 120;
    QRectF gridBox{10, 10, 2400, 2400};

    bool operator==(const GlyphPlacement&) const = default;
};

// The cells a practice text gives: one per user-perceived character (a flag, an emoji with its
// skin tone, a letter with its accents), spaces and line breaks skipped.
QStringList practiceCharacters(const QString& text);
// Whether `text` holds anything but spaces and line breaks: whether it asks for a copybook.
bool hasPracticeText(const QString& text);

// What became of the practice text's characters other than being drawn in the chosen face.
struct CopybookReport {
    struct Substitute {
        QString family;  // the face that draws them instead
        QStringList characters;
    };
    QString family;                 // the face asked for
    QList<Substitute> substituted;  // drawn, in another face
    QStringList undrawable;         // no installed face has them: left out
    QStringList invisible;          // control, zero-width and direction characters: left out
    QStringList unlisted;           // typed readings that are none of the character's: "长(zǎng)"
    StrokeReport strokes;           // what stroke order could not be shown for

    // A few lines whatever the text: how many of each kind, and the first few of them, each
    // isolated so that a right-to-left character cannot turn the line around.
    QStringList lines() const;
};

// One row of a copybook: what it practises (a character, or a word's characters in adjacent
// cells) with the reading of each, in copies side by side. Copies that do not fit in one row go
// on over the next rows of the same characters.
struct CopybookRow {
    QStringList characters;
    QStringList readings;  // with tone marks; "" when unknown
    int part = 0;          // which of those rows this is, from 0
    bool answer = false;   // a dictation's answer: the characters it asked for
    // A stroke-order row instead: cell n adds stroke `*firstStroke + n` (from 0) of its one
    // character.
    std::optional<int> firstStroke = std::nullopt;
};

// A copybook ready to draw: the rows its text gives, on as many sheets as they need.
struct Copybook {
    CopybookSettings settings;
    GlyphPlacement placement;
    QList<CopybookRow> rows;
    CopybookReport report;
    // The layout the rows were laid out for: its columns, and its rows a sheet.
    std::int32_t columns = 0;
    std::int32_t rowsPerSheet = 0;

    bool isEmpty() const { return rows.isEmpty(); }
    // Sheets needed for every row, `rowsPerSheet` rows a sheet; at least one.
    int sheetCount(std::int32_t rowsPerSheet) const;
    // The colour of the pale copies, as a colour value 0x00BBGGRR.
    ColorValue traceColor() const;
};

// The copybook of `model`'s text, in `model`'s face: characters no face can draw and invisible
// ones are left out and reported, as are characters another face draws.
Copybook buildCopybook(const SheetModel& model);
// Whether `book` is what buildCopybook(model) gives.
bool isCopybookOf(const Copybook& book, const SheetModel& model);
// How a report names a few of `characters`.
QString reportSamples(const QStringList& characters);

}  // namespace zige
