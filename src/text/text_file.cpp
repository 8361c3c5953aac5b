// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/text_file.h"

#include <QStringDecoder>

namespace zige {

std::optional<QString> decodeTextFile(const QByteArray& bytes) {
    // Fresh, stateless decoders: the error flag then says whether these bytes were valid.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError()) return text;
    QStringDecoder gb18030("GB18030", QStringDecoder::Flag::Stateless);
    text = gb18030.decode(bytes);
    if (gb18030.isValid() && !gb18030.hasError()) return text;
    return std::nullopt;
}

}  // namespace zige
