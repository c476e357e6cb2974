// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// What the program tells the web page around it, in a browser (web/site.js);
// nothing elsewhere.
namespace zarandola::web_page {

#ifdef __EMSCRIPTEN__
// Into the page's polite live region, for a screen reader to say once; an
// empty sentence clears it.
void say(const QString& sentence);
// The page then says that the program has ended and the tab may be closed.
void program_ended();
#else
inline void say(const QString&) {}
inline void program_ended() {}
#endif

}  // namespace zarandola::web_page
