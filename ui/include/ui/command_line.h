// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <optional>

namespace zarandola {

// --help and --version answer at once, with no display needed, and end the
// program with status 0. Anything else waits for QApplication, which takes
// out its own options (-platform, -style, …) first.
std::optional<int> answer_help_or_version(const QStringList& arguments);

// What is left once QApplication has taken its options: any option or argument
// gets a short message on stderr and status 2.
std::optional<int> refuse_unknown_arguments(const QStringList& arguments);

// While it lives, Qt's failure to open a display (otherwise an abort with
// advice in English) becomes one Spanish line on stderr and status 1.
class DisplayFailureInSpanish {
 public:
  DisplayFailureInSpanish();
  ~DisplayFailureInSpanish();
  DisplayFailureInSpanish(const DisplayFailureInSpanish&) = delete;
  DisplayFailureInSpanish& operator=(const DisplayFailureInSpanish&) = delete;
};

}  // namespace zarandola
