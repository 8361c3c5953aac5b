// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/accessible_names.h"

#include <QLabel>

namespace zige {

void nameByLabel(QLabel& label, QWidget& control) {
    label.setBuddy(&control);
    // Qt relates a label to its control only among siblings; a caption from elsewhere (one
    // standing on a frame's edge) becomes the control's own name.
    if (label.parentWidget() != control.parentWidget()) control.setAccessibleName(label.text());
    if (control.toolTip().isEmpty() && control.accessibleDescription().isEmpty())
        control.setAccessibleDescription(label.toolTip());
}

void nameControl(QWidget& control, const QString& name, const QString& description) {
    control.setAccessibleName(name);
    control.setAccessibleDescription(description);
}

}  // namespace zige
