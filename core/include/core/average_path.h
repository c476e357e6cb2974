// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <span>
#include <vector>

namespace zarandola {

// The running average prize after a given trial of a run, rounded to single
// as the window shows the average of a whole run.
struct PathPoint {
  std::int32_t trial = 0;
  float average_prize = 0.0f;
};

// How the average prize of a run settled: its value at about a thousand
// trials, every one of the first few and then evenly spread on a logarithmic
// scale, with every power of ten and the run's last trial among them. Made
// before the run, with room for every point, so that recording during the run
// allocates nothing.
class AveragePath {
 public:
  // A path with nothing to record: a run that fills it records no point.
  AveragePath() = default;
  explicit AveragePath(std::int32_t trial_count);

  std::span<const PathPoint> points() const { return std::span(points_).first(recorded_); }

  // The trials to record, in ascending order, ended by one that no trial
  // reaches: a run compares each trial with the next of them only.
  const std::int64_t* marks() const { return marks_.empty() ? &no_mark : marks_.data(); }

  // Called at each mark, with the prize money won up to that trial. It
  // neither allocates nor throws, so that the run keeps its state in registers.
  void record(std::int64_t trial, std::int64_t prize_so_far) noexcept {
    points_[recorded_++] = {static_cast<std::int32_t>(trial),
                            static_cast<float>(static_cast<double>(prize_so_far) / static_cast<double>(trial))};
  }

 private:
  static constexpr std::int64_t no_mark = std::numeric_limits<std::int64_t>::max();
  std::vector<std::int64_t> marks_;
  std::vector<PathPoint> points_;  // one for each mark
  std::size_t recorded_ = 0;
};

}  // namespace zarandola
