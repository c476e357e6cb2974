// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// The rules of the fruit game: two identical wheels of six equal faces, how a
// random value becomes a fruit, which pairs win, and what they win. Inline and
// free of branches on the random values, because the simulation calls them for
// every trial and a mispredicted branch costs more than the rest of a trial.
namespace zarandola {

enum class Fruit : std::uint8_t { Cherry = 1, Apple = 2, Lemon = 3 };

// The pairs count from 0 in the order of the fruit codes; classify_trial relies on it.
enum class TrialOutcome : std::uint8_t { CherryPair = 0, ApplePair = 1, LemonPair = 2, NoPrize = 3 };

// A face number of a wheel, 1 to 6; all six faces are equally likely.
using Face = std::uint8_t;

// Faces 1 to 3 show cherries, 4 and 5 apples, 6 the lemon.
inline constexpr Fruit wheel_faces[] = {Fruit::Cherry, Fruit::Cherry, Fruit::Cherry,
                                        Fruit::Apple,  Fruit::Apple,  Fruit::Lemon};

constexpr Fruit fruit_of_face(Face face) { return wheel_faces[face - 1]; }

// One spin of one wheel; r is the random value for it, 0 <= r < 1.
constexpr Fruit draw_fruit(float r) {
  // The face is the floor of r * 6 + 1, with r widened to double first: in
  // single precision the single nearest to 5/6 would land on face 6. In double
  // r * 6 is exact (24 bits times 3), so adding 1 moves no value across a
  // whole number, and the whole part of r * 6 is already the face less one.
  return wheel_faces[static_cast<int>(static_cast<double>(r) * 6.0)];
}

// Only a pair of equal fruits wins; the order of the wheels does not matter.
constexpr TrialOutcome classify_trial(Fruit first, Fruit second) {
  // The pair of the first fruit is its code less one (0 to 2); or-ing in 3
  // when the fruits differ turns any pair into NoPrize without a branch.
  const auto pair = static_cast<std::uint8_t>(static_cast<std::uint8_t>(first) - 1);
  const auto differ = static_cast<std::uint8_t>(first != second);
  return static_cast<TrialOutcome>(pair | (differ * 3));
}

// The prize of each pair, in whole pesetas; no pair wins nothing.
struct Prizes {
  static constexpr std::int32_t cherry_pair = 100;
  static constexpr std::int32_t apple_pair = 200;
  static constexpr std::int32_t lemon_pair = 500;
};

// The theoretical counterparts of the simulated figures, each fixed to the
// last bit by the double expression that defines it.
struct TheoreticalValues {
  static constexpr double lemon_pair_percent = 100.0 / 36.0;
  static constexpr double apple_pair_percent = 100.0 / 9.0;
  static constexpr double cherry_pair_percent = 100.0 / 4.0;
  static constexpr double no_prize_percent = 1100.0 / 18.0;
  // The fair price of a game: each pair's prize times its probability.
  static constexpr double expected_prize = (100.0 / 4.0 + 200.0 / 9.0) + 500.0 / 36.0;
  // The spread of one game's prize around it: the mean of the squared prize
  // less the square of the mean.
  static constexpr double prize_variance =
      (100.0 * 100.0 / 4.0 + 200.0 * 200.0 / 9.0 + 500.0 * 500.0 / 36.0) - expected_prize * expected_prize;
};

}  // namespace zarandola
