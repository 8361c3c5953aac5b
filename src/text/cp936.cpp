// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/cp936.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace zige {

// Fresh converters each time: an ICU-backed converter keeps its error flag across resetState().
QString fromCp936(const QByteArray& bytes) {
    QStringDecoder decoder(kCodePage936, QStringConverter::Flag::Stateless);
    return decoder.decode(bytes);
}

std::optional<QByteArray> toCp936(const QString& text) {
    QStringEncoder encoder(kCodePage936, QStringConverter::Flag::Stateless);
    QByteArray bytes = encoder.encode(text);
    if (encoder.hasError()) return std::nullopt;
    return bytes;
}

}  // namespace zige
