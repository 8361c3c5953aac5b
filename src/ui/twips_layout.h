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
Widget* makeControl(QWidget* parent, const char* name, int left, int top, int width, int height, More&&... more) {
    auto* widget = new Widget(parent, std::forward<More>(more)...);
    widget->setObjectName(QLatin1String(name));
    placeTwips(widget, left, top, width, height);
    return widget;
}

// Moves a window, keeping its size, to the centre of the whole screen (single precision, as the
// window's own sizes are).
void centreOnScreen(QWidget* window);

}  // namespace zige
