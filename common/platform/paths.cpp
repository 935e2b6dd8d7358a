#include "common/platform/paths.h"

namespace common {

namespace {

std::size_t LastSeparator(std::string_view path) {
  for (std::size_t i = path.size(); i > 0; --i) {
    if (IsPathSeparator(path[i - 1])) return i - 1;
  }
  return std::string_view::npos;
}

}  // namespace

PathParts SplitPath(std::string_view path) {
  const std::size_t slash = LastSeparator(path);
  if (slash == std::string_view::npos) return {"", std::string(path)};
  // A root ("/", or "c:\" on Windows) keeps its separator.
  const bool root = slash == 0 || path[slash - 1] == ':';
  return {std::string(path.substr(0, root ? slash + 1 : slash)),
          std::string(path.substr(slash + 1))};
}

std::string DirectoryOf(std::string_view path) { return SplitPath(path).dir; }

std::string BaseName(std::string_view path) {
  const std::size_t slash = LastSeparator(path);
  return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string JoinPath(std::string_view dir, std::string_view base) {
  std::string joined(dir);
  if (!joined.empty() && !IsPathSeparator(joined.back())) joined += '/';
  joined += base;
  return joined;
}

bool HasFolderPart(std::string_view path) { return LastSeparator(path) != std::string_view::npos; }

bool IsPlainName(std::string_view name) {
  if (name.empty() || name == "." || name == "..") return false;
  for (const char c : name) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7f || IsPathSeparator(c) || ForbiddenInName(c)) return false;
  }
  return !IsAbsolutePath(name);
}

}  // namespace common
