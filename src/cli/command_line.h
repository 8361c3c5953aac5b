// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace zige {

// Whether the arguments ask for the command line rather than the windows: a command
// (`copybook`), or the program's help or version.
bool wantsCommandLine(int argc, char* argv[]);

// Runs the command line without a window (and without a display: Qt's offscreen platform is
// used unless QT_QPA_PLATFORM names another). Returns the exit status: 0 done, 1 failed (a file
// that cannot be read or written, no Chinese font), 2 a usage error; nothing is written unless
// it is 0.
int runCommandLine(int argc, char* argv[]);

}  // namespace zige
