// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace zige {

// The converter name for code page 936. Not "GB2312": that converter maps some symbols (A1A4,
// A1AA) differently, and Chinese editors write the whole of code page 936 anyway.
inline constexpr char kCodePage936[] = "GBK";

QString fromCp936(const QByteArray& bytes);

// The code page 936 bytes of `text`, or nothing when a character cannot be encoded.
std::optional<QByteArray> toCp936(const QString& text);

}  // namespace zige
