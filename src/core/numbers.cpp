// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/numbers.h"

#include <cmath>
#include <limits>

#include "core/step_failed.h"

namespace zige {

namespace {

double toDouble(const QString& text) {
    bool ok = false;
    // The C locale: list entries are written with '.', whatever the user's locale says.
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value)) throw StepFailed("not a number");
    return value;
}

std::int64_t roundHalfEven(double value) {
    // nearbyint honours the default rounding mode, which is round-half-to-even.
    return static_cast<std::int64_t>(std::nearbyint(value));
}

}  // namespace

std::int32_t toInt32(const QString& text) {
    const double value = toDouble(text);
    if (value < -2147483648.5 || value > 2147483647.5) throw StepFailed("integer overflow");
    const std::int64_t rounded = roundHalfEven(value);
    if (rounded < std::numeric_limits<std::int32_t>::min() ||
        rounded > std::numeric_limits<std::int32_t>::max())
        throw StepFailed("integer overflow");
    return static_cast<std::int32_t>(rounded);
}

float toSingle(const QString& text) {
    const double value = toDouble(text);
    if (std::fabs(value) > std::numeric_limits<float>::max()) throw StepFailed("overflow");
    return static_cast<float>(value);
}

std::int32_t checkedAdd(std::int32_t a, std::int32_t b) {
    std::int32_t result;
    if (__builtin_add_overflow(a, b, &result)) throw StepFailed("integer overflow");
    return result;
}

std::int32_t checkedSub(std::int32_t a, std::int32_t b) {
    std::int32_t result;
    if (__builtin_sub_overflow(a, b, &result)) throw StepFailed("integer overflow");
    return result;
}

std::int32_t checkedMul(std::int32_t a, std::int32_t b) {
    std::int32_t result;
    if (__builtin_mul_overflow(a, b, &result)) throw StepFailed("integer overflow");
    return result;
}

std::int16_t toInt16(double value) {
    if (!std::isfinite(value) || value < -32768.5 || value > 32767.5)
        throw StepFailed("16-bit overflow");
    const std::int64_t rounded = roundHalfEven(value);
    if (rounded < -32768 || rounded > 32767) throw StepFailed("16-bit overflow");
    return static_cast<std::int16_t>(rounded);
}

QString formatZeroPointHashes(double value) {
    QString text = QString::number(value, 'f', 3);
    while (text.endsWith(QLatin1Char('0'))) text.chop(1);
    if (text == QLatin1String("-0.")) text = QStringLiteral("0.");
    return text;
}

}  // namespace zige
