// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <array>

#include "canvas/canvas.h"

namespace zige {

// Where every view prints its character, both ways in twips: the grid box's default corner.
inline constexpr double kPrintPosition = 10;

// What the four views show, as the main window holds it: the texts of its lists, unconverted.
// Each value is converted when a drawing step first needs it, so a bad value stops the redraw
// exactly at the first step that uses it.
struct ViewInputs {
    QString character;
    QString fontName;
    QString sizeText;
    QString leftText;
    QString topText;
    QString widthText;
    QString heightText;
    bool overlay = false;
};

// Redraws the rice, nine-square, eight-trigram and quick-grid views, in that order, each under
// the current character. Throws StepFailed at the first bad value; views already finished keep
// their new drawing, later ones their previous image.
void RefreshViews(const std::array<Canvas*, 4>& views, const ViewInputs& inputs);

// The first three of those views alone, as RefreshViews draws them.
void RefreshGridViews(const std::array<Canvas*, 3>& views, const ViewInputs& inputs);

// The quick-grid view alone, as RefreshViews draws it after the other three. Every value is read
// before the view is touched: a value that stops RefreshViews leaves this view as it was.
// `reuse` says whether the other views print the same character too.
void RefreshQuickView(Canvas& view, const ViewInputs& inputs, Canvas::TextReuse reuse);

}  // namespace zige
