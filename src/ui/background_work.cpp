// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/background_work.h"

#include <QEventLoop>
#include <QGuiApplication>
#include <QProgressDialog>
#include <QThread>
#include <QTimer>
#include <atomic>
#include <memory>

namespace zige {

bool runWithProgress(QWidget* window, const QString& label,
                     const std::function<bool(const Progress&)>& work) {
    std::atomic<int> done{0}, total{0};
    std::atomic<bool> cancelled{false};
    bool result = false;
    const std::unique_ptr<QThread> thread(QThread::create([&] {
        result = work([&](int d, int t) {
            done = d;
            total = t;
            return !cancelled;
        });
    }));

    QProgressDialog dialog(label, QStringLiteral("取消"), 0, 0, window);
    dialog.setWindowTitle(window ? window->windowTitle() : QString());
    dialog.setWindowModality(Qt::WindowModal);
    dialog.setMinimumDuration(500);
    dialog.setAutoReset(false);
    dialog.setAutoClose(false);
    QObject::connect(&dialog, &QProgressDialog::canceled, [&] { cancelled = true; });
    // The dialog shows itself once a value set after half a second says the work goes on.
    QTimer poll;
    poll.setInterval(50);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        dialog.setMaximum(total);
        dialog.setValue(done);
    });
    QEventLoop loop;
    // Queued across the threads, so an end before exec() still ends the loop.
    QObject::connect(thread.get(), &QThread::finished, &loop, &QEventLoop::quit);
    QGuiApplication::setOverrideCursor(Qt::BusyCursor);
    thread->start();
    poll.start();
    dialog.setValue(0);
    loop.exec();
    // The loop also ends when the program quits: the work stops at its next step.
    if (!thread->isFinished()) cancelled = true;
    thread->wait();
    QGuiApplication::restoreOverrideCursor();
    return result && !cancelled;
}

}  // namespace zige
