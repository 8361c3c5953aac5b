// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QComboBox>

namespace zige {

// A drop-down list whose `picked` is the list's Click: a pick from the popup, an arrow or page
// key, or the wheel. QComboBox also sends `activated` when editing ends (Return, Tab, a click
// elsewhere) on a text equal to an entry; in a list that takes typed text that text is only a
// value for the next redraw, so that `activated` is no pick.
//
// Its closed form draws a narrower arrow and smaller margins than the platform's style, so the
// entries of a narrow list show whole; a text wider still ends in "…" instead of being cut.
class PickList : public QComboBox {
    Q_OBJECT

public:
    explicit PickList(QWidget* parent = nullptr);

    // Lets the user type any text into the list's edit field.
    void acceptTyping();

signals:
    void picked(int index);

private:
    bool editingEnds_ = false;
};

}  // namespace zige
