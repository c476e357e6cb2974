// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QCoreApplication;

namespace zarandola {

// Qt's own texts (the buttons of a message box, the text boxes' menu) in
// Spanish, like the rest of the program, whatever the system's language.
// False when Qt's Spanish translation is not installed.
bool install_spanish_qt_texts(QCoreApplication& application);

// Ends the program with status 0 when the session asks it to (SIGTERM, or
// SIGINT from a terminal), as "Terminar" does.
void quit_on_termination_signals(QCoreApplication& application);

}  // namespace zarandola
