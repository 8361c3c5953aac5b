// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

namespace zige {

// The GB2312 character at a zone/position code: code page 936 bytes zone + 0xA0, position + 0xA0.
// Throws StepFailed when either byte is out of range.
QString CharFromZonePosition(int zone, int position);

struct ZonePosition {
    int zone;
    int position;
};

// The zone and position of a character with a two-byte code page 936 code (lead byte 0x81 or
// above); beyond GB2312 they may be 0 or negative. Nothing for a one-byte or unencodable
// character, or for a text that is not exactly one character.
std::optional<ZonePosition> ZonePositionFromChar(const QString& character);

// The first character of `text`, a surrogate pair kept whole.
QString firstCharacter(const QString& text);

}  // namespace zige
