// The sources of chance and of the date that Cleanslate's actions draw on,
// fixed for tests: a random draw that always gives one fraction (and counts
// the draws), and a day that never changes.

#ifndef TESTS_SUPPORT_FIXED_SOURCES_H_
#define TESTS_SUPPORT_FIXED_SOURCES_H_

#include <string>
#include <utility>

#include "cleanslate/clock.h"
#include "cleanslate/random_source.h"

namespace testing_support {

class FixedRandom : public cleanslate::RandomSource {
 public:
  explicit FixedRandom(double fraction = 0.5) : fraction_(fraction) {}
  double NextFraction() override {
    ++draws;
    return fraction_;
  }
  int draws = 0;

 private:
  double fraction_;
};

class FixedClock : public cleanslate::Clock {
 public:
  explicit FixedClock(std::string today = "04-30-1998") : today_(std::move(today)) {}
  std::string Today() override { return today_; }

 private:
  std::string today_;
};

}  // namespace testing_support

#endif  // TESTS_SUPPORT_FIXED_SOURCES_H_
