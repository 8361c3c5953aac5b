#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <functional>

namespace zige::test {

// Acts once in every pass over the event queue, so a test can step in between the items of a
// handler that yields once per item. Each pass runs `step` with its number (1, 2, ...). The
// next call is posted as the current one starts, and Qt delivers events posted during a pass
// only in the following pass, so every yield sees exactly one call, yields nested inside `step`
// (a handler it starts) included. Returning false stops it.
class EachYield : public QObject {
public:
    explicit EachYield(std::function<bool(int pass)> step) : step_(std::move(step)) { post(); }
    int passes() const { return passes_; }

protected:
    bool event(QEvent* event) override {
        if (event->type() != kType) return QObject::event(event);
        if (stopped_) return true;
        post();
        if (!step_(++passes_)) stopped_ = true;
        return true;
    }

private:
    static constexpr QEvent::Type kType = QEvent::Type(QEvent::User + 41);
    void post() { QCoreApplication::postEvent(this, new QEvent(kType)); }

    std::function<bool(int)> step_;
    int passes_ = 0;
    bool stopped_ = false;
};

}  // namespace zige::test
