// Clock: today's date, as the note records carry it. Tests give a fixed day.

#ifndef CLEANSLATE_CLOCK_H_
#define CLEANSLATE_CLOCK_H_

#include <string>

#include "common/platform/env.h"

namespace cleanslate {

class Clock {
 public:
  virtual ~Clock() = default;
  // Today as "mm-dd-yyyy": two-digit month and day with leading zeros, the
  // four-digit year, hyphens ("04-30-1998").
  virtual std::string Today() = 0;
};

// The computer's local date, as the Env tells it.
class SystemClock : public Clock {
 public:
  explicit SystemClock(common::Env& env) : env_(env) {}
  std::string Today() override;

 private:
  common::Env& env_;
};

}  // namespace cleanslate

#endif  // CLEANSLATE_CLOCK_H_
