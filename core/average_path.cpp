// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/average_path.h"

#include <algorithm>
#include <cmath>

namespace zarandola {
namespace {

constexpr std::int64_t points_wanted = 1000;

// The trial up to which every trial is a mark: beyond it, the marks left,
// spread evenly on a logarithmic scale up to the last trial, lie more than a
// trial apart.
std::int64_t every_trial_up_to(std::int32_t trial_count) {
  std::int64_t trial = 1;
  while (trial < trial_count && trial < points_wanted) {
    const double step = std::log(static_cast<double>(trial_count) / trial) / static_cast<double>(points_wanted - trial);
    if (step >= std::log1p(1.0 / trial)) break;
    ++trial;
  }
  return trial;
}

}  // namespace

AveragePath::AveragePath(std::int32_t trial_count) {
  if (trial_count < 1) return;
  const std::int64_t every = every_trial_up_to(trial_count);
  marks_.reserve(points_wanted + 12);
  for (std::int64_t trial = 1; trial <= every; ++trial) marks_.push_back(trial);
  const double step = std::log(static_cast<double>(trial_count) / every) / static_cast<double>(points_wanted - every);
  for (std::int64_t mark = every + 1; mark <= points_wanted; ++mark)
    marks_.push_back(std::llround(every * std::exp(static_cast<double>(mark - every) * step)));
  marks_.push_back(trial_count);
  // Every power of ten too, so that the path can be told at 10, 100, 1.000 …
  for (std::int64_t power = 10; power <= trial_count; power *= 10) marks_.push_back(power);
  std::ranges::sort(marks_);
  marks_.erase(std::ranges::unique(marks_).begin(), marks_.end());
  while (marks_.back() > trial_count) marks_.pop_back();
  points_.resize(marks_.size());
  marks_.push_back(no_mark);
}

}  // namespace zarandola
