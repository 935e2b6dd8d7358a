// Path rules of POSIX systems: one separator, one root, no drives.

#include "common/platform/paths.h"

namespace common {

bool IsPathSeparator(char c) { return c == '/'; }

bool ForbiddenInName(char c) { return c == '/'; }

bool IsAbsolutePath(std::string_view path) { return !path.empty() && path.front() == '/'; }

std::optional<std::string> PathOnDrive(char /*drive*/, std::string_view /*name*/) {
  return std::nullopt;
}

}  // namespace common
