// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QApplication;

namespace zarandola {

// What the program sets up before its window:
// - Qt's own texts (the buttons of a message box, the text boxes' menu) in
//   Spanish, like the rest of the program, whatever the system's language;
// - the program's desktop identity, so that a dock or a task bar matches the
//   window to its launcher and its icon;
// - the faces that the window is drawn in, where the system lacks them;
// - the light colour scheme that the window was drawn for, whatever the desktop's;
// - what a screen reader says: the answer of a run as a notification, and
//   every figure of a text box whole;
// - an end with status 0 when the session asks for it (SIGTERM, or SIGINT
//   from a terminal), as "Terminar" does.
void prepare_application(QApplication& application);

// The program, as main starts it and the tests too: prepares the application,
// shows the window on the system's clock and default printer, and runs until
// the window or the session ends it. Returns the exit status.
int run_program(QApplication& application);

// main: answers --help and --version, opens the display, refuses what is left
// on the command line after Qt's own options, then runs the program.
int start_program(int& argc, char** argv);

}  // namespace zarandola
