// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <cstdint>

namespace zige {

// Colours as the windows pass them: 0x00BBGGRR, or 0x800000nn for system colour number nn.
using ColorValue = std::uint32_t;

constexpr ColorValue rgb(int r, int g, int b) {
    return static_cast<ColorValue>(r) | (static_cast<ColorValue>(g) << 8) |
           (static_cast<ColorValue>(b) << 16);
}

constexpr ColorValue kSystemActiveCaption = 0x80000002;
constexpr ColorValue kSystemWindowBackground = 0x80000005;
constexpr ColorValue kSystemButtonText = 0x80000012;

QColor resolveColor(ColorValue value);

}  // namespace zige
