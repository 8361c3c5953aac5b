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

// Moves a window, keeping its size, so that the whole of it, frame included, stands in the
// centre of the screen (single precision, as the window's own sizes are). The window manager
// frames a window only once it is shown: until then the frame of another framed window of the
// program stands in for it, and once its own frame is known the window is centred again if
// that estimate was wrong.
void centreOnScreen(QWidget* window);

}  // namespace zige
