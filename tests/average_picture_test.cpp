// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/average_picture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "core/game_model.h"
#include "format/number_text.h"

namespace zarandola::picture {
namespace {

const RegionalSettings spanish = RegionalSettings::spanish();

// Texts 7 pixels a character wide, as a face of about that size draws them.
struct EvenTextMeasure final : TextMeasure {
  double width(TextStyle, const std::string& text) const override {
    return 7.0 * static_cast<double>(std::ranges::count_if(text, [](char c) { return (c & 0xc0) != 0x80; }));
  }
  double height(TextStyle style) const override { return style == TextStyle::Title ? 24 : 18; }
};

TEST(AveragePicture, TheAxesHoldThePathAndTheBandAndEveryDecadeWhateverTheRun) {
  const EvenTextMeasure measure;
  const double band_top = TheoreticalValues::expected_prize + 2 * std::sqrt(TheoreticalValues::prize_variance);
  // A path that opens with the lemons' 500 pta, above the band, and one that never wins, under it.
  for (const float first_prize : {500.0f, 0.0f})
    for (const std::int32_t count : {1, 2, 9, 10, 99, 100, 1000, 20000, 100000}) {
      SCOPED_TRACE(::testing::Message() << count << " trials, the first winning " << first_prize);
      std::vector<PathPoint> points;
      for (std::int32_t trial = 1; trial < count; trial *= 2) points.push_back({trial, first_prize / trial});
      points.push_back({count, first_prize / count});
      const AveragePicture picture = average_picture(points, 960, 600, measure, spanish);
      const Scale& scale = picture.scale;
      EXPECT_EQ(scale.last_trial, std::max(10, count));
      EXPECT_TRUE(count > 1 || path_description(points, spanish).starts_with("Tras 1 tirada, ")) << "not one «tirada»";
      EXPECT_EQ(picture.legend_entries.at(1).text, "Precio justo: 61,11 pta");
      const double step = scale.top_prize > 300 ? 100 : 50, highest = std::max<double>(first_prize, band_top);
      EXPECT_TRUE(std::fmod(scale.top_prize, step) == 0 && scale.top_prize >= highest &&
                  scale.top_prize - step < highest)
          << "the prize axis ends at " << scale.top_prize;
      const auto tick_at = [&](double x, double length) {
        return std::ranges::any_of(picture.ticks, [&](const Line& tick) {
          return tick.from.x == x && tick.to.x == x && std::abs(tick.to.y - tick.from.y - length) < 1e-9;
        });
      };
      const auto labelled_at = [&](double x, const std::string& label) {
        return std::ranges::any_of(picture.texts,
                                   [&](const Text& t) { return t.text == label && t.box.left + t.box.width / 2 == x; });
      };
      for (double decade = 1; decade <= scale.last_trial; decade *= 10) {
        const double x = scale.at(decade, 0).x;
        const std::string label = format_number(static_cast<std::int32_t>(decade), {1, 0, true}, spanish);
        EXPECT_TRUE(tick_at(x, gap / 2) && labelled_at(x, label)) << "no tick or label under " << decade;
        for (int multiple = 2; multiple <= 10 && decade * multiple <= scale.last_trial; ++multiple)
          EXPECT_EQ(tick_at(scale.at(decade * multiple, 0).x, gap / 3), multiple < 10)
              << "minor tick at " << decade * multiple;
      }
      for (const Text& text : picture.texts) {  // the ink of each, as its alignment places it in its box
        const double width = text.upright ? measure.width(text.style, text.text) : text.box.width;
        const double share = text.alignment == Alignment::Left ? 0 : text.alignment == Alignment::Right ? 1 : 0.5;
        const Box ink{text.box.left + (text.box.width - width) * share, text.box.top, width, text.box.height};
        EXPECT_TRUE(
            ink.left >= 0 && ink.right() <= 960 && ink.top >= 0 && ink.bottom() <= 600 &&
            (ink.right() < scale.plot.left - gap / 2 || ink.bottom() < scale.plot.top || ink.top > scale.plot.bottom()))
            << "«" << text.text << "» is cut at the picture's edge or lies on the plot or its ticks";
      }
    }
}

}  // namespace
}  // namespace zarandola::picture
