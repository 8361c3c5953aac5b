// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <array>

#include "sheet_drawing/copybook.h"
#include "sheet_drawing/sheet_colors.h"
#include "sheet_drawing/sheet_layout.h"

namespace zige {

// The sheet's ten layout values, in the order of the sheet window's lists.
enum class LayoutValue {
    CellWidth,
    CellHeight,
    ColumnGap,
    RowGap,
    Columns,
    Rows,
    LeftMargin,
    RightMargin,
    TopMargin,
    BottomMargin
};
inline constexpr int kLayoutValues = 10;

// Everything that decides a printed sheet: its layout, the copybook on it, where the glyphs sit
// and the colours. The sheet window holds one and shows it in its controls; the exports and
// the command draw from one.
struct SheetModel {
    // The layout values as typed: a value is read when the sheet is drawn, so a text that is no
    // number stops that drawing, as it would from the list itself.
    std::array<QString, kLayoutValues> layoutTexts{
        QStringLiteral("12"), QStringLiteral("12"), QStringLiteral("1"),  QStringLiteral("1"),
        QStringLiteral("14"), QStringLiteral("21"), QStringLiteral("20"), QStringLiteral("15"),
        QStringLiteral("18"), QStringLiteral("15")};
    CopybookSettings copybook;  // empty text: plain cells
    GlyphPlacement placement;
    SheetColors colors = kPrintColors;

    QString& text(LayoutValue v) { return layoutTexts[std::size_t(v)]; }
    const QString& text(LayoutValue v) const { return layoutTexts[std::size_t(v)]; }
    // One direction of the layout from its texts; throws StepFailed for a text that is no number.
    // A copybook laid out in millimetres takes its own layout on its paper instead.
    SheetAxis across() const;
    SheetAxis down() const;
    SheetLayout layout() const { return {across(), down()}; }

    bool operator==(const SheetModel&) const = default;
};

}  // namespace zige
