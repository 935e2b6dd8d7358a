#include "common/files/file_names.h"

#include <algorithm>
#include <utility>

#include "common/platform/file_error.h"
#include "common/platform/paths.h"
#include "common/platform/windows1252.h"

namespace common {

namespace {

// Patterns see ordinary files and symbolic links (the link itself, never
// what it points to), but no directories, devices or hidden files.
bool Matchable(const DirEntry& entry) {
  return (entry.type == EntryType::kRegular || entry.type == EntryType::kLink) && !entry.hidden;
}

}  // namespace

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (FoldCase1252(a[i]) != FoldCase1252(b[i])) return false;
  }
  return true;
}

bool MatchesPattern(std::string_view pattern, std::string_view name) {
  // Greedy match with one backtrack point: the last '*' seen.
  std::size_t p = 0, n = 0;
  std::size_t star = std::string_view::npos, star_n = 0;
  while (n < name.size()) {
    if (p < pattern.size() && pattern[p] == '*') {
      star = p++;
      star_n = n;
    } else if (p < pattern.size() &&
               (pattern[p] == '?' || FoldCase1252(pattern[p]) == FoldCase1252(name[n]))) {
      ++p;
      ++n;
    } else if (star != std::string_view::npos) {
      p = star + 1;
      n = ++star_n;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

std::vector<std::string> FindMatchingFiles(Env& env, std::string_view pattern) {
  const PathParts split = SplitPath(pattern);
  std::vector<std::string> names;
  for (const DirEntry& entry : env.ListDirectory(split.dir)) {
    if (!Matchable(entry)) continue;
    if (MatchesPattern(split.base, entry.name)) names.push_back(entry.name);
  }
  std::sort(names.begin(), names.end());
  for (std::string& name : names) name = JoinPath(split.dir, name);
  return names;
}

bool FileExists(Env& env, std::string_view pattern) {
  return !FindMatchingFiles(env, pattern).empty();
}

void DeleteIfPresent(Env& env, std::string_view pattern) {
  for (const std::string& path : FindMatchingFiles(env, pattern)) env.RemoveFile(path);
}

void DeleteIfPresent(Env& env, std::span<const std::string_view> patterns) {
  for (const std::string_view pattern : patterns) {
    if (HasFolderPart(pattern)) {
      // Patterns in other directories need listings of their own.
      for (const std::string_view each : patterns) DeleteIfPresent(env, each);
      return;
    }
  }
  std::vector<std::string> names;
  for (const DirEntry& entry : env.ListDirectory("")) {
    if (Matchable(entry)) names.push_back(entry.name);
  }
  std::sort(names.begin(), names.end());
  std::vector<bool> deleted(names.size(), false);
  for (const std::string_view pattern : patterns) {
    for (std::size_t i = 0; i < names.size(); ++i) {
      if (deleted[i] || !MatchesPattern(pattern, names[i])) continue;
      env.RemoveFile(names[i]);
      deleted[i] = true;
    }
  }
}

std::string ResolveName(Env& env, std::string_view name) {
  // The spelling asked for plays no part: the reader and the writer of one
  // file spell it differently ("Microadj.dat", "microadj.dat"), and on a
  // case-sensitive disk both spellings may exist side by side.
  const PathParts split = SplitPath(name);
  const DirEntry* best = nullptr;
  const std::vector<DirEntry> entries = env.ListDirectory(split.dir);
  for (const DirEntry& entry : entries) {
    if (!SameName(entry.name, split.base)) continue;
    if (best == nullptr ||
        std::pair(!Matchable(entry), entry.name) < std::pair(!Matchable(*best), best->name)) {
      best = &entry;
    }
  }
  return best == nullptr ? std::string(name) : JoinPath(split.dir, best->name);
}

void RequireOrdinaryFileOrNothing(Env& env, const std::string& path, const char* action) {
  switch (env.TypeOf(path)) {
    case EntryType::kMissing:
    case EntryType::kRegular:
      return;
    case EntryType::kDirectory:
      throw FileError(action, path, "it is a directory, not a file");
    case EntryType::kLink:
      throw FileError(action, path, "it is a symbolic link, not a file");
    case EntryType::kOther:
      throw FileError(action, path, "it is not an ordinary file");
  }
}

}  // namespace common
