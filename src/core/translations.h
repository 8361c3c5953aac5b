// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace zige {

// Makes Qt's own texts (standard buttons, the file dialog, the text boxes' context menus, file
// sizes and dates) Chinese, whatever the system's locale: the program speaks only Chinese.
// Call once the application object exists.
void installChineseQtTexts();

}  // namespace zige
