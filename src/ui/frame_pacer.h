// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <vector>

class QWidget;

namespace zige {

// While it lives, a window paints at most once per display frame (and at least 30 times a
// second while anything in it changes): a loop that changes the window at every step and yields
// after each one would otherwise paint hundreds of frames a second that no screen shows. Only the
// window's update requests are held; everything changed meanwhile is painted with the next frame,
// and a request still held when the pacer goes is posted then. Exposures paint at once as usual.
// `beforeFrame`, if given, runs just before each frame is painted: what only the screen needs can
// be drawn there, once a frame, and is painted with that frame.
class FramePacer : public QObject {
public:
    explicit FramePacer(QWidget* window, std::function<void()> beforeFrame = {});
    ~FramePacer() override;
    FramePacer(const FramePacer&) = delete;
    FramePacer& operator=(const FramePacer&) = delete;

    // The frame interval the window is held to, in milliseconds.
    double intervalMs() const { return intervalMs_; }

    // Also turns off `widget`'s updates between frames: a text box scrolled at every appended
    // line otherwise has the display move its pixels each time, though only a frame shows them.
    void holdBetweenFrames(QWidget* widget);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void paintHeld();
    void setHeldWidgetsUpdating(bool updating);

    QPointer<QWidget> window_;
    std::function<void()> beforeFrame_;
    std::vector<QPointer<QWidget>> heldWidgets_;
    double intervalMs_;
    QElapsedTimer sinceFrame_;
    QTimer due_;
    bool held_ = false;
    bool releasing_ = false;
};

}  // namespace zige
