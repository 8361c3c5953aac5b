// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/frame_pacer.h"

#include <QCoreApplication>
#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace zige {

namespace {

// A screen that reports no sensible rate is taken as 60 Hz; a slow one still gets 30 frames.
double frameIntervalMs(const QWidget& window) {
    const QScreen* screen = window.screen();
    const double rate = screen ? screen->refreshRate() : 0.0;
    return 1000.0 / std::clamp(rate >= 1.0 ? rate : 60.0, 30.0, 1000.0);
}

}  // namespace

FramePacer::FramePacer(QWidget* window, std::function<void()> beforeFrame)
    : window_(window), beforeFrame_(std::move(beforeFrame)), intervalMs_(frameIntervalMs(*window)) {
    due_.setSingleShot(true);
    due_.setTimerType(Qt::PreciseTimer);
    connect(&due_, &QTimer::timeout, this, &FramePacer::paintHeld);
    window->installEventFilter(this);
}

FramePacer::~FramePacer() {
    setHeldWidgetsUpdating(true);
    if (!window_) return;
    window_->removeEventFilter(this);
    // Qt posts no further request while one is outstanding, so a held one must still arrive.
    if (held_)
        QCoreApplication::postEvent(window_, new QEvent(QEvent::UpdateRequest),
                                    Qt::LowEventPriority);
}

bool FramePacer::eventFilter(QObject* watched, QEvent* event) {
    if (watched != window_ || event->type() != QEvent::UpdateRequest) return false;
    const double elapsed = sinceFrame_.isValid() ? sinceFrame_.nsecsElapsed() / 1e6 : intervalMs_;
    if (releasing_ || elapsed >= intervalMs_) {
        sinceFrame_.start();
        held_ = false;
        due_.stop();
        setHeldWidgetsUpdating(true);
        if (beforeFrame_) beforeFrame_();
        return false;
    }
    held_ = true;
    setHeldWidgetsUpdating(false);
    if (!due_.isActive()) due_.start(int(std::ceil(intervalMs_ - elapsed)));
    return true;
}

void FramePacer::holdBetweenFrames(QWidget* widget) { heldWidgets_.emplace_back(widget); }

// Updates turned back on repaint the whole widget, with the frame they are turned on for.
void FramePacer::setHeldWidgetsUpdating(bool updating) {
    for (const QPointer<QWidget>& widget : heldWidgets_)
        if (widget && widget->updatesEnabled() != updating) widget->setUpdatesEnabled(updating);
}

void FramePacer::paintHeld() {
    if (!held_ || !window_) return;
    releasing_ = true;
    QEvent request(QEvent::UpdateRequest);
    QCoreApplication::sendEvent(window_, &request);
    releasing_ = false;
}

}  // namespace zige
