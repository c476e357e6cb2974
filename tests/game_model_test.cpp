// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/game_model.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>

namespace zarandola {
namespace {

struct DrawCase {
  float r;
  Fruit expected;
};

TEST(DrawFruit, MapsTheEdgesOfEachFaceToItsFruit) {
  const DrawCase cases[] = {
      {0.0f, Fruit::Cherry},
      {0.49999997f, Fruit::Cherry},         // last single of face 3
      {0.5f, Fruit::Apple},                 // face 4
      {0.6666667f, Fruit::Apple},           // nearest to 2/3, just above: face 5
      {0.8333333134651184f, Fruit::Apple},  // nearest to 5/6, just below: face 5, not 6
      {0.99999994f, Fruit::Lemon},          // largest single below 1: face 6, never a seventh
  };
  for (const auto& c : cases) EXPECT_EQ(draw_fruit(c.r), c.expected) << "r = " << c.r;
  EXPECT_EQ(std::nextafter(0.5f, 0.0f), 0.49999997f);
  EXPECT_EQ(std::nextafter(1.0f, 0.0f), 0.99999994f);
}

TEST(DrawFruit, GivesTheFaceOfRTimesSixPlusOneForEverySingleBelowOne) {
  // The bit patterns of the non-negative singles run in the order of their values.
  std::uint32_t mismatches = 0;
  for (std::uint32_t bits = 0; bits < std::bit_cast<std::uint32_t>(1.0f); ++bits) {
    const auto r = std::bit_cast<float>(bits);
    const auto face = static_cast<Face>(static_cast<double>(r) * 6.0 + 1.0);  // truncation is the floor here
    mismatches += draw_fruit(r) != fruit_of_face(face);
  }
  EXPECT_EQ(mismatches, 0u);
}

TEST(FruitOfFace, ThreeCherriesTwoApplesOneLemon) {
  const Fruit expected[] = {Fruit::Cherry, Fruit::Cherry, Fruit::Cherry, Fruit::Apple, Fruit::Apple, Fruit::Lemon};
  for (Face face = 1; face <= 6; ++face) EXPECT_EQ(fruit_of_face(face), expected[face - 1]) << "face " << int(face);
}

TEST(ClassifyTrial, OnlyEqualFruitsWinWhicheverWheelShowsWhich) {
  const Fruit fruits[] = {Fruit::Cherry, Fruit::Apple, Fruit::Lemon};
  const TrialOutcome pairs[] = {TrialOutcome::CherryPair, TrialOutcome::ApplePair, TrialOutcome::LemonPair};
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) {
      const TrialOutcome expected = i == j ? pairs[i] : TrialOutcome::NoPrize;
      EXPECT_EQ(classify_trial(fruits[i], fruits[j]), expected) << i << "," << j;
    }
}

TEST(TheoreticalValues, EqualTheirDoublesToTheLastBit) {
  EXPECT_EQ(TheoreticalValues::lemon_pair_percent, 2.7777777777777777);
  EXPECT_EQ(TheoreticalValues::apple_pair_percent, 11.11111111111111);
  EXPECT_EQ(TheoreticalValues::cherry_pair_percent, 25.0);
  EXPECT_EQ(TheoreticalValues::no_prize_percent, 61.111111111111114);
  EXPECT_EQ(TheoreticalValues::expected_prize, 61.111111111111114);
  EXPECT_EQ(TheoreticalValues::no_prize_percent, 2200.0 / 36.0);
  EXPECT_NEAR(std::sqrt(TheoreticalValues::prize_variance), 100.77, 0.005) << "the spread of one game's prize";
}

}  // namespace
}  // namespace zarandola
