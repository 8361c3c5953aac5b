#include "ui/twips_layout.h"

#include <QGuiApplication>
#include <QScreen>

#include "core/twips.h"

namespace zige {

void placeTwips(QWidget* widget, int left, int top, int width, int height) {
    widget->setGeometry(wholePixels(left), wholePixels(top), wholePixels(width), wholePixels(height));
}

void centreOnScreen(QWidget* window) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QSize outer = window->frameGeometry().size();
    const QRect whole = screen->geometry();
    window->move(whole.x() + int((float(whole.width()) - float(outer.width())) / 2.0f),
                 whole.y() + int((float(whole.height()) - float(outer.height())) / 2.0f));
}

}  // namespace zige
