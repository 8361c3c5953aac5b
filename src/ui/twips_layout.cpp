// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/twips_layout.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>

#include "core/twips.h"

namespace zige {

void placeTwips(QWidget* widget, int left, int top, int width, int height) {
    widget->setGeometry(wholePixels(left), wholePixels(top), wholePixels(width),
                        wholePixels(height));
}

namespace {

// The frame around a window as far as it is known: none before the window manager framed it.
QMargins frameOf(const QWidget& window) {
    const QRect outer = window.frameGeometry(), inner = window.geometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

// The frame a window will get: its own once known, else that of a framed window of the program.
QMargins expectedFrame(const QWidget& window) {
    if (!frameOf(window).isNull()) return frameOf(window);
    for (const QWidget* other : QApplication::topLevelWidgets())
        if (other != &window && other->isVisible() && other->windowType() == Qt::Window &&
            !frameOf(*other).isNull())
            return frameOf(*other);
    return {};
}

void moveToCentre(QWidget& window, QMargins frame) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QSize outer = window.size().grownBy(frame);
    const QRect whole = screen->geometry();
    // A window's position is that of its frame's top-left corner.
    window.move(whole.x() + int((float(whole.width()) - float(outer.width())) / 2.0f),
                whole.y() + int((float(whole.height()) - float(outer.height())) / 2.0f));
}

// Watches a window until the window manager has framed it, then centres it again if its frame
// is not the one it was centred for.
class FrameWatch : public QObject {
public:
    FrameWatch(QWidget* window, QMargins assumed) : QObject(window), assumed_(assumed) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* window = static_cast<QWidget*>(watched);
        if (event->type() == QEvent::Move || event->type() == QEvent::Show) {
            const QMargins frame = frameOf(*window);
            if (!frame.isNull()) {
                if (frame != assumed_) moveToCentre(*window, frame);
                deleteLater();
                window->removeEventFilter(this);
            }
        }
        return false;
    }

private:
    QMargins assumed_;
};

}  // namespace

void centreOnScreen(QWidget* window) {
    const QMargins frame = expectedFrame(*window);
    moveToCentre(*window, frame);
    new FrameWatch(window, frame);
}

}  // namespace zige
