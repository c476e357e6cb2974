// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/page_markup.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace zarandola::web {
namespace {

std::size_t count_of(const std::string& text, const std::string& part) {
  std::size_t count = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
  return count;
}

TEST(PageMarkup, EveryControlIsOneElementInsideItsFrameAndTheTagsClose) {
  const std::string page = filled_page("<title>@TITLE@</title>@WINDOW@<h2>@TITLE@</h2>");
  EXPECT_EQ(count_of(page, "Zarandola</"), 2u) << page.substr(0, 200);
  for (const char* tag : {"div", "button", "main"})
    EXPECT_EQ(count_of(page, std::string("<") + tag), count_of(page, std::string("</") + tag + ">")) << tag;
  for (const layout::ControlRow& row : layout::controls()) {
    SCOPED_TRACE(row.name);
    const std::size_t at = page.find(std::string(" id=\"") + row.name + '"');
    ASSERT_NE(at, std::string::npos);
    EXPECT_EQ(page.find(std::string(" id=\"") + row.name + '"', at + 1), std::string::npos);
    if (row.parent) {
      EXPECT_LT(page.find(std::string(" id=\"") + row.parent + '"'), at);
    }
  }
  // What a user of the keyboard and of a phone meets first, and the title's face.
  for (const char* part : {"aria-keyshortcuts=\"Alt+S\" data-key=\"S\"><u>S</u>imular</button>",
                           "tabindex=\"1\" aria-label=\"Indica el número", "inputmode=\"decimal\" autofocus",
                           "class=\"dibujo\" tabindex=\"2\"",
                           "font:bold 18pt &quot;Liberation Sans&quot;;color:#ff0000;text-align:center\">LAS RULETAS"})
    EXPECT_NE(page.find(part), std::string::npos) << part;
  EXPECT_EQ(count_of(page, "autofocus"), 1u);
  EXPECT_EQ(count_of(page, "data-command=\""), 4u);
  EXPECT_EQ(count_of(page, "text-align:right"), 2u) << "the average and the expected prize";
}

TEST(PageMarkup, AControlInAFrameLiesWhereItsFrameAndItsOwnPlaceAddUp) {
  const auto numexp =
      std::ranges::find_if(layout::controls(), [](const auto& row) { return row.field == Field::numexp; });
  EXPECT_EQ(window_box(*numexp), (Box{48 + 416, 280 + 16, 81, 22}));
}

TEST(PageMarkup, TheReportsLinesKeepTheirIndentFaceAndSizeAndTextsAreEscaped) {
  const Page page{"Comic Sans MS", {{12, 0, {}}, {9.75f, 5, {"A & <B>", "\"c\""}}}};
  EXPECT_EQ(print_markup(page),
            "<div style=\"font:12pt &quot;Comic Neue&quot;\"> </div>"
            "<div style=\"font:9.75pt &quot;Comic Neue&quot;\">     A &amp; &lt;B&gt;&quot;c&quot;</div>");
}

TEST(PageMarkup, ThePictureDrawsItsPathItsTextsUprightOrUpwardsAndItsLegend) {
  picture::AveragePicture drawn;
  drawn.path = {{1, 2}, {3.5, -0.004}};
  drawn.texts = {{"Premio <pta>", picture::TextStyle::Label, {10, 20, 30, 100}, Alignment::Centre, false}};
  drawn.legend_entries = {{"Precio", Rgb{1, 2, 3}, {1, 1, 5, 5}, {8, 1, 40, 10}}};
  const std::string svg = picture_svg(drawn, 640, 422.4);
  for (const char* part : {"viewBox=\"0 0 640 422.4\"", "<polyline points=\"1,2 3.5,0 \"",
                           "x=\"50\" y=\"0\" dominant-baseline=\"text-before-edge\" text-anchor=\"middle\"",
                           "transform=\"translate(10 120) rotate(-90)\">Premio &lt;pta&gt;</text>", "fill=\"#010203\"",
                           "text-anchor=\"start\" style=\"font:12pt &quot;Liberation Sans&quot;\">Precio</text>"})
    EXPECT_NE(svg.find(part), std::string::npos) << part << " in " << svg;
}

}  // namespace
}  // namespace zarandola::web
