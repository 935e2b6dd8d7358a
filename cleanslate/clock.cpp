#include "cleanslate/clock.h"

#include <cstdio>

namespace cleanslate {

std::string SystemClock::Today() {
  const common::LocalTime now = env_.Now();
  char text[32];
  std::snprintf(text, sizeof text, "%02d-%02d-%04d", now.month, now.day, now.year);
  return text;
}

}  // namespace cleanslate
