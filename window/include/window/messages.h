// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "errors/run_time_error.h"
#include "report/printer_service.h"

namespace zarandola {

// What the user can do about an error of this kind, in a sentence.
std::string advice_for(ErrorKind kind);

// What the window says of a page that waits in a stopped queue, or nothing
// when the page went to print.
std::string waiting_page_message(const SentPage& sent);

}  // namespace zarandola
