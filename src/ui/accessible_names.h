// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QLabel;
class QWidget;

namespace zige {

// What a screen reader says on a control. None of it changes what the windows show.

// `label` names `control`: its caption is announced on the control, and its tooltip describes the
// control unless the control has a tooltip of its own. The caption keeps its text: a label
// without a mnemonic still tells assistive technology which control it names.
void nameByLabel(QLabel& label, QWidget& control);

// Names a control that no label names, with one line on what it shows.
void nameControl(QWidget& control, const QString& name, const QString& description);

}  // namespace zige
