// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/web_page.h"

#include <emscripten.h>

// The page's own functions (web/site.js), where it has them.
EM_JS(void, page_say, (const char* sentence), {
  if (globalThis.zarandola) globalThis.zarandola.say(UTF8ToString(sentence));
});

EM_JS(void, page_program_ended, (), {
  if (globalThis.zarandola) globalThis.zarandola.ended();
});

namespace zarandola::web_page {

void say(const QString& sentence) { page_say(sentence.toUtf8().constData()); }

void program_ended() { page_program_ended(); }

}  // namespace zarandola::web_page
