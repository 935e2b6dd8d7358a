#include "cleanslate/clock.h"

#include <ctime>

namespace cleanslate {

std::string SystemClock::Today() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char text[32];
  const std::size_t length = std::strftime(text, sizeof text, "%m-%d-%Y", &local);
  return std::string(text, length);
}

}  // namespace cleanslate
