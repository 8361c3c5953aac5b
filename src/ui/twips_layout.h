#pragma once

#include <QLatin1String>
#include <QWidget>

namespace zige {

// Places a control at its design position, given in twips of its parent's client area.
void placeTwips(QWidget* widget, int left, int top, int width, int height);

// Makes a named control of the given kind at its design position.
template <typename Widget>
Widget* makeControl(QWidget* parent, const char* name, int left, int top, int width, int height) {
    auto* widget = new Widget(parent);
    widget->setObjectName(QLatin1String(name));
    placeTwips(widget, left, top, width, height);
    return widget;
}

// Moves a window, keeping its size, to the centre of the whole screen (single precision, as the
// window's own sizes are).
void centreOnScreen(QWidget* window);

}  // namespace zige
