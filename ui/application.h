// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QApplication;

namespace zarandola {

// What the program sets up before its window, in one place so that the tests
// start the same program:
// - Qt's own texts (the buttons of a message box, the text boxes' menu) in
//   Spanish, like the rest of the program, whatever the system's language;
// - the program's desktop identity, so that a dock or a task bar matches the
//   window to its launcher and its icon;
// - an end with status 0 when the session asks for it (SIGTERM, or SIGINT
//   from a terminal), as "Terminar" does.
void prepare_application(QApplication& application);

}  // namespace zarandola
