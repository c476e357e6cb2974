// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>

// The window's fifteen fields, where the window and the page meet: one typed
// member each, named after its text box, for the texts the boxes show, the
// boxes themselves, or a run's figures.
namespace zarandola {

// The fourteen result fields, in the order in which "Simular" writes them.
template <typename T>
struct ResultFields {
  T limon, manzana, cereza, nopre;      // how often each pair came up, and no prize
  T limonp, manzanap, cerezap, noprep;  // the same as percentages of the trials
  T limont, manzanat, cerezat, nopret;  // the theoretical percentages
  T premed;                             // the average prize
  T espemat;                            // the expected prize
  bool operator==(const ResultFields&) const = default;
};

template <typename T>
struct TrialCountField {
  T numexp;
  bool operator==(const TrialCountField&) const = default;
};

// All fifteen text boxes: the trial count first, then the results.
template <typename T>
struct WindowFields : TrialCountField<T>, ResultFields<T> {
  bool operator==(const WindowFields&) const = default;
};

// Calls f with the same member of each of the fields, once for each result
// field in the order in which "Simular" writes them.
template <typename F, typename... Fields>
constexpr void for_each_result_field(F&& f, Fields&&... fields) {
  f(fields.limon...);
  f(fields.manzana...);
  f(fields.cereza...);
  f(fields.nopre...);
  f(fields.limonp...);
  f(fields.manzanap...);
  f(fields.cerezap...);
  f(fields.noprep...);
  f(fields.limont...);
  f(fields.manzanat...);
  f(fields.cerezat...);
  f(fields.nopret...);
  f(fields.premed...);
  f(fields.espemat...);
}

// The same for all fifteen, the trial count first: the order in which
// "Borrar" empties them.
template <typename F, typename... Fields>
constexpr void for_each_window_field(F&& f, Fields&&... fields) {
  f(fields.numexp...);
  for_each_result_field(f, fields...);
}

// The fifteen fields by name, in the order of for_each_window_field: what
// the window's layout table says a text box is.
enum class Field {
  numexp,
  limon,
  manzana,
  cereza,
  nopre,
  limonp,
  manzanap,
  cerezap,
  noprep,
  limont,
  manzanat,
  cerezat,
  nopret,
  premed,
  espemat
};

// The member of the fields that a name stands for.
template <typename T>
constexpr T WindowFields<T>::*field_member(Field name) {
  using F = WindowFields<T>;
  constexpr T F::*members[] = {&F::numexp,   &F::limon,    &F::manzana, &F::cereza, &F::nopre,
                               &F::limonp,   &F::manzanap, &F::cerezap, &F::noprep, &F::limont,
                               &F::manzanat, &F::cerezat,  &F::nopret,  &F::premed, &F::espemat};
  return members[static_cast<std::size_t>(name)];
}

// A field added to a record but not to its visitor fails to compile here: a
// record of one-byte fields has as many bytes as its visitor makes calls, and
// each name stands for the field that the visitor reaches in its place.
consteval bool visitors_cover_every_field() {
  int result_calls = 0;
  int window_calls = 0;
  for_each_result_field([&result_calls](char) { ++result_calls; }, ResultFields<char>{});
  WindowFields<char> order{};
  for_each_window_field([&window_calls](char& place) { place = static_cast<char>(window_calls++); }, order);
  bool names_in_order = true;
  for (int place = 0; place < window_calls; ++place)
    names_in_order = names_in_order && order.*field_member<char>(static_cast<Field>(place)) == place;
  return result_calls == sizeof(ResultFields<char>) && window_calls == sizeof(WindowFields<char>) && names_in_order;
}
static_assert(visitors_cover_every_field());

}  // namespace zarandola
