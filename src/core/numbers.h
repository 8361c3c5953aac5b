// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <cstdint>

namespace zige {

// Reads a list text as a number and rounds it to a 32-bit signed integer, exact halves to the
// even neighbour ("12.5" -> 12, "13.5" -> 14). Surrounding spaces are allowed. Throws StepFailed
// for a text that is not a number or does not fit.
std::int32_t toInt32(const QString& text);

// Reads a list text as a single-precision number; throws StepFailed for a non-number.
float toSingle(const QString& text);

// 32-bit arithmetic that throws StepFailed instead of overflowing.
std::int32_t checkedAdd(std::int32_t a, std::int32_t b);
std::int32_t checkedSub(std::int32_t a, std::int32_t b);
std::int32_t checkedMul(std::int32_t a, std::int32_t b);

// Rounds to a 16-bit signed integer, exact halves to even; throws StepFailed when out of range.
std::int16_t toInt16(double value);

// Formats with the pattern "0.###": at least one integer digit, at most three decimals, no
// trailing zeros, and always the decimal point ("1." for a whole number).
QString formatZeroPointHashes(double value);

}  // namespace zige
