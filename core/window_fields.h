// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The window's fifteen fields, one typed member each, named after its text
// box: a run's figures, the texts that the boxes show, the boxes themselves.
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

// All fifteen text boxes: the trial count and the results.
template <typename T>
struct WindowFields : ResultFields<T> {
  T numexp;
  bool operator==(const WindowFields&) const = default;
};

// Calls f with the same member of each of the fields, once for each result
// field in the order in which "Simular" writes them.
template <typename F, typename... Fields>
void for_each_result_field(F&& f, Fields&&... fields) {
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
void for_each_window_field(F&& f, Fields&&... fields) {
  f(fields.numexp...);
  for_each_result_field(f, fields...);
}

}  // namespace zarandola
