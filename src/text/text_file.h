// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace zige {

// The text of a practice-text file from its bytes: UTF-8, with or without a byte order mark,
// when the bytes are valid UTF-8; else GB18030 (which holds GBK and GB2312) when they are valid
// GB18030. Chinese text in one is almost never valid in the other, so the first that fits is
// right. Nothing when neither fits: the file is in another encoding, or no text.
std::optional<QString> decodeTextFile(const QByteArray& bytes);

}  // namespace zige
