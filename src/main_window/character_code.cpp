// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window/character_code.h"

#include <QByteArray>

#include "core/step_failed.h"
#include "text/cp936.h"

namespace zige {

QString CharFromZonePosition(int zone, int position) {
    const int lead = zone + 0xA0;
    const int trail = position + 0xA0;
    if (lead < 0x81 || lead > 0xFE || trail < 0x40 || trail > 0xFE)
        throw StepFailed("no such code");
    const char bytes[] = {char(lead), char(trail)};
    return fromCp936(QByteArray(bytes, 2));
}

std::optional<ZonePosition> ZonePositionFromChar(const QString& character) {
    if (character.isEmpty() || firstCharacter(character).size() != character.size())
        return std::nullopt;
    const std::optional<QByteArray> bytes = toCp936(character);
    if (!bytes || bytes->size() != 2) return std::nullopt;
    const auto lead = static_cast<unsigned char>(bytes->at(0));
    const auto trail = static_cast<unsigned char>(bytes->at(1));
    if (lead < 0x81) return std::nullopt;
    return ZonePosition{lead - 0xA0, trail - 0xA0};
}

QString firstCharacter(const QString& text) {
    if (text.isEmpty()) return {};
    const qsizetype length =
        text.size() >= 2 && text.at(0).isHighSurrogate() && text.at(1).isLowSurrogate() ? 2 : 1;
    return text.left(length);
}

}  // namespace zige
