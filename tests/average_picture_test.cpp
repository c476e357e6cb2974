// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/average_picture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "core/game_model.h"
#include "format/number_text.h"

namespace zarandola::picture {
namespace {

const RegionalSettings spanish = RegionalSettings::spanish();

// Texts 7 pixels a character wide, as a face of about that size would draw them.
class EvenTextMeasure final : public TextMeasure {
 public:
  double width(TextStyle style, const std::string& text) const override {
    const auto characters = std::ranges::count_if(text, [](char c) { return (c & 0xc0) != 0x80; });
    return (style == TextStyle::Title ? 10 : 7) * static_cast<double>(characters);
  }
  double height(TextStyle style) const override { return style == TextStyle::Title ? 24 : 18; }
};

bool finite(Point point) { return std::isfinite(point.x) && std::isfinite(point.y); }

// Where a text's ink lies across the picture, as its alignment places it in its box.
std::pair<double, double> ink_across(const Text& text, const TextMeasure& measure) {
  if (!text.upright) return {text.box.left, text.box.right()};
  const double width = measure.width(text.style, text.text);
  if (text.alignment == Alignment::Right) return {text.box.right() - width, text.box.right()};
  if (text.alignment == Alignment::Left) return {text.box.left, text.box.left + width};
  const double centre = text.box.left + text.box.width / 2;
  return {centre - width / 2, centre + width / 2};
}

TEST(AveragePicture, TheAxesHoldThePathAndTheBandAndEveryDecadeWhateverTheRun) {
  const EvenTextMeasure measure;
  // A path that opens with the lemons' 500 pta, above the band, and one that never wins, under it.
  for (const float first_prize : {500.0f, 0.0f})
    for (const std::int32_t count : {1, 2, 9, 10, 99, 100, 1000, 20000, 100000}) {
      SCOPED_TRACE(::testing::Message() << count << " trials, the first winning " << first_prize);
      std::vector<PathPoint> points;
      for (std::int32_t trial : {1, 2, 5, 10, 20, 50, 100, 1000, 10000, 20000, 100000})
        if (trial <= count) points.push_back({trial, first_prize / static_cast<float>(trial)});
      if (points.back().trial != count) points.push_back({count, 0.0f});
      const AveragePicture picture = average_picture(points, 960, 600, measure, spanish);
      const Scale& scale = picture.scale;

      EXPECT_EQ(scale.last_trial, std::max(10, count));
      const double step = scale.top_prize > 300 ? 100 : 50;
      const double band_top = TheoreticalValues::expected_prize + 2 * std::sqrt(TheoreticalValues::prize_variance);
      const double highest = std::max<double>(first_prize, band_top);
      EXPECT_EQ(std::fmod(scale.top_prize, step), 0) << scale.top_prize;
      EXPECT_GE(scale.top_prize, highest);
      EXPECT_LT(scale.top_prize - step, highest) << "the prize axis reaches a step too far";

      EXPECT_TRUE(std::ranges::all_of(picture.band, finite) && std::ranges::all_of(picture.path, finite));
      EXPECT_TRUE(finite(picture.fair_price.from) && finite(picture.fair_price.to));
      const auto tick_at = [&](double x, double length) {
        return std::ranges::any_of(picture.ticks, [&](const Line& tick) {
          return tick.from.x == x && tick.to.x == x && std::abs(tick.to.y - tick.from.y - length) < 1e-9;
        });
      };
      for (double decade = 1; decade <= scale.last_trial; decade *= 10) {
        const double x = scale.at(decade, 0).x;
        EXPECT_TRUE(tick_at(x, gap / 2)) << "no tick under " << decade;
        const std::string label = format_number(static_cast<std::int32_t>(decade), {1, 0, true}, spanish);
        EXPECT_TRUE(std::ranges::any_of(picture.texts,
                                        [&](const Text& text) {
                                          return text.text == label &&
                                                 std::abs(ink_across(text, measure).first +
                                                          ink_across(text, measure).second - 2 * x) < 1e-9;
                                        }))
            << "no label under " << decade;
        for (int multiple = 2; multiple <= 9 && decade * multiple <= scale.last_trial; ++multiple)
          EXPECT_TRUE(tick_at(scale.at(decade * multiple, 0).x, gap / 3)) << "no tick under " << decade * multiple;
      }
      for (const Text& text : picture.texts) {
        const auto [left, right] = ink_across(text, measure);
        EXPECT_TRUE(left >= 0 && right <= 960 && text.box.top >= 0 && text.box.bottom() <= 600)
            << "«" << text.text << "» is cut at the picture's edge";
      }
    }
}

TEST(AveragePicture, SaysOneTrialInTheSingularAndTheFairPriceWithItsDecimals) {
  const PathPoint one_lemon_pair[] = {{1, 500.0f}};
  EXPECT_EQ(path_description(one_lemon_pair, spanish), "Tras 1 tirada, 500,00 pta; precio justo 61,11 pta.");
  const AveragePicture picture = average_picture(one_lemon_pair, 960, 600, EvenTextMeasure(), spanish);
  EXPECT_TRUE(std::ranges::any_of(picture.legend_entries,
                                  [](const LegendEntry& entry) { return entry.text == "Precio justo: 61,11 pta"; }));
}

}  // namespace
}  // namespace zarandola::picture
