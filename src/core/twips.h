// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cmath>

namespace zige {

// Every length the windows compute is in twips: 1/1440 inch, 20 to the point, 15 to the
// logical pixel (96 dots per inch).
constexpr double kTwipsPerPixel = 15.0;
constexpr double kTwipsPerInch = 1440.0;
constexpr double kTwipsPerMillimetre = kTwipsPerInch / 25.4;

constexpr double pixelsFromTwips(double twips) { return twips / kTwipsPerPixel; }
constexpr double twipsFromPixels(double pixels) { return pixels * kTwipsPerPixel; }

// A size or position in whole logical pixels, as controls and canvases take them.
inline int wholePixels(double twips) { return int(std::lround(pixelsFromTwips(twips))); }

// The logical pixel a drawing coordinate falls on.
inline int pixelIndex(double twips) {
    return static_cast<int>(std::floor(twips / kTwipsPerPixel + 0.5));
}

}  // namespace zige
