// Names in the data directory. The store product comes from a file system
// where letter case does not matter, so neither does it here: a bare name
// finds its file whatever the case, and wildcard patterns ("*" any run of
// characters, "?" one character) match without regard to case. Patterns only
// ever match ordinary files: never directories, devices or hidden files
// (what the Env reports as hidden: names starting with a dot on POSIX, the
// hidden and system attributes on Windows).

#ifndef COMMON_FILES_FILE_NAMES_H_
#define COMMON_FILES_FILE_NAMES_H_

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "common/platform/env.h"
#include "common/platform/paths.h"  // HasFolderPart, for the callers of the patterns

namespace common {

// True when `a` and `b` are the same name apart from letter case
// (Windows-1252 letters, the accented ones included).
bool SameName(std::string_view a, std::string_view b);

// True when `name` matches `pattern` (without a directory part).
bool MatchesPattern(std::string_view pattern, std::string_view name);

// The ordinary, non-hidden files matching `pattern`, in byte order of their
// names. A folder part before the last separator is listed as given.
std::vector<std::string> FindMatchingFiles(Env& env, std::string_view pattern);

// The presence test: true when at least one ordinary file matches `pattern`.
bool FileExists(Env& env, std::string_view pattern);

// Deletes every file matching `pattern`, only when at least one exists.
// Throws FileError naming the first file that cannot be deleted; the files
// deleted before it stay deleted.
void DeleteIfPresent(Env& env, std::string_view pattern);

// The same for several patterns in the data directory, in their order, with
// one listing of the directory: a file matching two patterns goes with the
// first. For long lists in large directories.
void DeleteIfPresent(Env& env, std::span<const std::string_view> patterns);
inline void DeleteIfPresent(Env& env, std::initializer_list<std::string_view> patterns) {
  DeleteIfPresent(env, std::span<const std::string_view>(patterns.begin(), patterns.size()));
}

// The path under which `name` exists, whatever its letter case. Where several
// entries differ only in case (possible on a case-sensitive disk), every
// spelling of `name` resolves to the same one: the first in byte order of
// those that patterns see (ordinary files and links), else of the others.
// So a writer replaces the very file a reader of the same name reads. A name
// that exists under no case is returned unchanged.
std::string ResolveName(Env& env, std::string_view name);

// Throws FileError when `path` exists as something other than an ordinary
// file (a directory, a FIFO, a device).
void RequireOrdinaryFileOrNothing(Env& env, const std::string& path, const char* action);

}  // namespace common

#endif  // COMMON_FILES_FILE_NAMES_H_
