// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "canvas/colors.h"

namespace zige {

// The colours a sheet is drawn in. Saved and printed sheets use fixed print colours, whatever
// the desktop's; only the screen's canvas follows the system colours.
struct SheetColors {
    ColorValue paper;
    ColorValue ink;   // model characters and pinyin
    ColorValue line;  // the cells' grid lines
    ColorValue band;  // the quick grid's centre band

    bool operator==(const SheetColors&) const = default;
};

// White paper and black ink; the grid lines in the navy the light desktop gives the screen.
inline constexpr SheetColors kPrintColors{rgb(255, 255, 255), rgb(0, 0, 0), rgb(0, 0, 128),
                                          rgb(255, 255, 192)};
// On the screen: the window background, button text and active caption system colours.
inline constexpr SheetColors kScreenColors{kSystemWindowBackground, kSystemButtonText,
                                           kSystemActiveCaption, rgb(255, 255, 192)};

}  // namespace zige
