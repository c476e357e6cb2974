// SPDX-License-Identifier: GPL-3.0-or-later
// The site's builder runs this under node: a page's text from standard input
// comes out with the window's title and the window in their places.
#include <cstdio>
#include <iostream>
#include <iterator>
#include <string>

#include "web/page_markup.h"

int main() {
  const std::string page_template{std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>()};
  const std::string page = zarandola::web::filled_page(page_template);
  return std::fwrite(page.data(), 1, page.size(), stdout) == page.size() && std::fflush(stdout) == 0 ? 0 : 1;
}
