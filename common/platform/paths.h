// Paths as this platform writes them. A '/' separates folders everywhere; on
// Windows a backslash does too, and a drive ("c:\") starts an absolute path.
// Which platform's rules apply is chosen when the program is built
// (paths_posix.cpp or paths_windows.cpp), never by the callers.

#ifndef COMMON_PLATFORM_PATHS_H_
#define COMMON_PLATFORM_PATHS_H_

#include <optional>
#include <string>
#include <string_view>

namespace common {

// True when `c` separates folders on this platform.
bool IsPathSeparator(char c);

// True when `path` does not start from the data directory ("/x"; on Windows
// also "c:\x", "\x" and "\\server\x").
bool IsAbsolutePath(std::string_view path);

// `name` in the root folder of drive `drive` ("c:\followup.pt") on a system
// with drive letters; nothing on one without, where no such file can exist.
std::optional<std::string> PathOnDrive(char drive, std::string_view name);

struct PathParts {
  std::string dir;   // "" for the data directory; a root keeps its separator
  std::string base;  // the last component
};

PathParts SplitPath(std::string_view path);
// SplitPath(path).dir and SplitPath(path).base.
std::string DirectoryOf(std::string_view path);
std::string BaseName(std::string_view path);
// `base` inside `dir` ("" being the data directory).
std::string JoinPath(std::string_view dir, std::string_view base);
// True when `path` has a folder part.
bool HasFolderPart(std::string_view path);

// True when `c` may not stand in a file name on this platform ('/'; on
// Windows also '\', ':' and the other characters it refuses in names).
bool ForbiddenInName(char c);

// True when `name` names an entry of the folder it is taken in and nothing
// else: not empty, not "." or "..", no separator, no drive, no NUL or
// other control character. Names read from a backup must be such names.
bool IsPlainName(std::string_view name);

}  // namespace common

#endif  // COMMON_PLATFORM_PATHS_H_
