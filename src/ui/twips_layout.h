// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLatin1String>
#include <QWidget>
#include <utility>

namespace zige {

// Places a control at its design position, given in twips of its parent's client area.
void placeTwips(QWidget* widget, int left, int top, int width, int height);

// Makes a named control of the given kind at its design position; `more` goes to its
// constructor after the parent.
template <typename Widget, typename... More>
Widget* makeControl(QWidget* parent, const char* name, int left, int top, int width, int height,
                    More&&... more) {
    auto* widget = new Widget(parent, std::forward<More>(more)...);
    widget->setObjectName(QLatin1String(name));
    placeTwips(widget, left, top, width, height);
    return widget;
}

// Moves a window, keeping its size, so that the whole of it, frame included, stands in the
// centre of the screen (single precision, as the window's own sizes are). The window manager
// frames a window only once it is shown: until then the frame of another framed window of the
// program stands in for it, and once its own frame is known the window is centred again if
// that estimate was wrong.
void centreOnScreen(QWidget* window);

}  // namespace zige
