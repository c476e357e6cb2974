// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace zarandola {

// The face that a face named by the window or the page is drawn in: the one
// that the layout and the page were measured with. Liberation Sans stands in
// for "MS Sans Serif", which a PC has only in a few bitmap sizes, and Comic
// Neue for "Comic Sans MS". Where the system lacks them, the program carries
// them, and loads them as it starts.
std::string drawn_face(std::string_view named_face);

}  // namespace zarandola
