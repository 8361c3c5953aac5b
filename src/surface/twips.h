#pragma once

#include <cmath>

namespace zige {

// 15 twips to the logical pixel (96 dots per inch); 20 twips to the point.
constexpr double kTwipsPerPixel = 15.0;

constexpr double pixelsFromTwips(double twips) { return twips / kTwipsPerPixel; }
constexpr double twipsFromPixels(double pixels) { return pixels * kTwipsPerPixel; }

// The logical pixel a twips coordinate falls on.
inline int pixelIndex(double twips) { return static_cast<int>(std::floor(twips / kTwipsPerPixel + 0.5)); }

}  // namespace zige
