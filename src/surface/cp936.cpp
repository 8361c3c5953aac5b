#include "surface/cp936.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace zige {

namespace {
const char* const kCodePage936 = "GBK";
}

QString fromCp936(const QByteArray& bytes) {
    static QStringDecoder decoder(kCodePage936, QStringConverter::Flag::Stateless);
    return decoder.decode(bytes);
}

std::optional<QByteArray> toCp936(const QString& text) {
    static QStringEncoder encoder(kCodePage936, QStringConverter::Flag::Stateless);
    encoder.resetState();
    QByteArray bytes = encoder.encode(text);
    if (encoder.hasError()) return std::nullopt;
    return bytes;
}

}  // namespace zige
