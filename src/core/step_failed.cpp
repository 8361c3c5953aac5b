// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/step_failed.h"

namespace zige {

Q_LOGGING_CATEGORY(lcSteps, "zige.steps", QtWarningMsg)

void logStepFailed(const char* policy, const StepFailed& failure) {
    qCDebug(lcSteps, "%s: %s", policy, failure.what());
}

}  // namespace zige
