// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas/colors.h"

#include <QGuiApplication>
#include <QPalette>

namespace zige {

QColor resolveColor(ColorValue value) {
    if ((value & 0xFF000000u) != 0x80000000u)
        return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
    // Qt has no role for an active window caption; a classic navy prints well on sheets.
    if ((value & 0xFFu) == 0x02) return QColor(0, 0, 128);
    const QPalette palette = QGuiApplication::palette();
    switch (value & 0xFFu) {
        case 0x12:
            return palette.color(QPalette::Active, QPalette::ButtonText);
        case 0x05:
            return palette.color(QPalette::Active, QPalette::Base);
        default:
            return palette.color(QPalette::Active, QPalette::WindowText);
    }
}

}  // namespace zige
