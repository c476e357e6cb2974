// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/simulation.h"

#include "core/checked_math.h"

namespace zarandola {

std::int32_t total_prize(const SimulationTally& tally) {
  constexpr const char* too_much = "La suma de los premios pasa del máximo de 2.147.483.647 pesetas.";
  const std::int32_t apples = checked::multiply(tally.apple_pairs, Prizes::apple_pair, too_much);
  const std::int32_t cherries = checked::multiply(tally.cherry_pairs, Prizes::cherry_pair, too_much);
  const std::int32_t apples_and_cherries = checked::add(apples, cherries, too_much);
  const std::int32_t lemons = checked::multiply(tally.lemon_pairs, Prizes::lemon_pair, too_much);
  return checked::add(apples_and_cherries, lemons, too_much);
}

float average_prize(std::int32_t total, double divisor) {
  constexpr const char* invalid = "No se puede calcular el premio medio con ese número de veces.";
  return checked::to_single(checked::divide(static_cast<double>(total), divisor, invalid), invalid);
}

double outcome_percentage(std::int32_t count, double divisor) {
  const std::int32_t hundredfold =
      checked::multiply(count, 100, "El número de veces es demasiado grande para calcular los porcentajes.");
  return checked::divide(static_cast<double>(hundredfold), divisor,
                         "No se puede calcular el porcentaje con ese número de veces.");
}

}  // namespace zarandola
