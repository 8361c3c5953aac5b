#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace zige {

// Code page 936 conversion. It goes through the converter named "GBK": the one named "GB2312"
// maps some symbols (A1A4, A1AA) differently from code page 936.
QString fromCp936(const QByteArray& bytes);

// The code page 936 bytes of `text`, or nothing when a character cannot be encoded.
std::optional<QByteArray> toCp936(const QString& text);

}  // namespace zige
