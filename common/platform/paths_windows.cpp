// Path rules of Windows: '/' and '\' both separate folders, and a path may
// start at a drive ("c:\") or at the root of the current drive.

#include "common/platform/paths.h"

namespace common {

bool IsPathSeparator(char c) { return c == '/' || c == '\\'; }

bool ForbiddenInName(char c) {
  switch (c) {
    case '/':
    case '\\':
    case ':':
    case '*':
    case '?':
    case '"':
    case '<':
    case '>':
    case '|':
      return true;
    default:
      return false;
  }
}

bool IsAbsolutePath(std::string_view path) {
  if (!path.empty() && IsPathSeparator(path.front())) return true;
  return path.size() >= 2 && path[1] == ':' &&
         ((path[0] >= 'a' && path[0] <= 'z') || (path[0] >= 'A' && path[0] <= 'Z'));
}

std::optional<std::string> PathOnDrive(char drive, std::string_view name) {
  std::string path(1, drive);
  path += ":\\";
  path += name;
  return path;
}

}  // namespace common
