// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLoggingCategory>
#include <stdexcept>
#include <utility>

namespace zige {

// Why steps failed, for whoever asks: off by default, on with
// QT_LOGGING_RULES="zige.steps.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcSteps)

// A step that fails: a text that is no number, an integer overflow, a size the platform
// refuses. Handlers decide whether to end at the first one or to skip the statement; it must
// never cross the Qt event loop.
class StepFailed : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Notes a failure that a handler swallows.
void logStepFailed(const char* policy, const StepFailed& failure);

// Runs one statement and swallows its failure: the "skip the failing statement" policy.
template <typename Statement>
void skipOnFailure(Statement&& statement) {
    try {
        std::forward<Statement>(statement)();
    } catch (const StepFailed& failure) {
        logStepFailed("skipped", failure);
    }
}

// Runs a handler body that ends at its first failure; returns false when it ended early.
template <typename Body>
bool endOnFailure(Body&& body) {
    try {
        std::forward<Body>(body)();
        return true;
    } catch (const StepFailed& failure) {
        logStepFailed("ended", failure);
        return false;
    }
}

}  // namespace zige
