// Name matching: MatchesPattern agrees with a plain dynamic-programming
// matcher; SameName is what a pattern without wildcards matches; and among
// case twins every spelling of a name resolves to the same file, one that
// exists, with the pattern listing agreeing on what is there.
//
// Input: a byte giving the pattern's length, the pattern, then file names
// cut at 0x00.

#include <set>

#include "common/files/file_names.h"
#include "common/platform/windows1252.h"
#include "fuzz/fuzz_support.h"

namespace {

bool Reference(std::string_view pattern, std::string_view name) {
  // matches[i][j]: pattern[i..] matches name[j..]
  std::vector<std::vector<char>> matches(pattern.size() + 1, std::vector<char>(name.size() + 1, 0));
  matches[pattern.size()][name.size()] = 1;
  for (std::size_t i = pattern.size(); i-- > 0;) {
    for (std::size_t j = name.size() + 1; j-- > 0;) {
      if (pattern[i] == '*') {
        matches[i][j] = matches[i + 1][j] || (j < name.size() && matches[i][j + 1]);
      } else if (j < name.size() && (pattern[i] == '?' || common::FoldCase1252(pattern[i]) ==
                                                              common::FoldCase1252(name[j]))) {
        matches[i][j] = matches[i + 1][j + 1];
      }
    }
  }
  return matches[0][0];
}

// `name` with its letters in the other case where they have one.
std::string OtherCase(std::string name) {
  for (char& c : name) {
    const char lower = common::FoldCase1252(c);
    if (lower != c) {
      c = lower;
      continue;
    }
    for (int b = 0; b < 256; ++b) {
      if (static_cast<char>(b) != c && common::FoldCase1252(static_cast<char>(b)) == c) {
        c = static_cast<char>(b);
        break;
      }
    }
  }
  return name;
}

std::string Lower(std::string name) {
  for (char& c : name) c = common::FoldCase1252(c);
  return name;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::string_view rest = fuzz::AsText(data + 1, size - 1);
  const std::string pattern(rest.substr(0, std::min<std::size_t>(data[0], rest.size())));
  const std::string names_part(rest.substr(pattern.size()));

  FUZZ_CHECK(common::MatchesPattern(pattern, names_part) == Reference(pattern, names_part));
  FUZZ_CHECK(common::SameName(pattern, names_part) == common::SameName(names_part, pattern));
  FUZZ_CHECK(common::SameName(names_part, OtherCase(names_part)));
  if (pattern.find_first_of("*?") == std::string::npos) {
    FUZZ_CHECK(common::MatchesPattern(pattern, names_part) ==
               common::SameName(pattern, names_part));
  }

  testing_support::MemoryEnv env;
  std::set<std::string> files;
  for (const std::string& name : fuzz::Split(names_part, '\0', 9)) {
    if (name.empty() || name == "." || name == ".." || name.find('/') != std::string::npos)
      continue;
    env.Write(name, "");
    files.insert(name);
  }
  for (const std::string& name : files) {
    const std::string resolved = common::ResolveName(env, name);
    FUZZ_CHECK(files.count(resolved) == 1 && common::SameName(resolved, name));
    FUZZ_CHECK(common::ResolveName(env, OtherCase(name)) == resolved);
    FUZZ_CHECK(common::ResolveName(env, Lower(name)) == resolved);
  }
  if (pattern.find('/') == std::string::npos) {
    std::vector<std::string> expected;
    for (const std::string& name : files) {
      if (name[0] != '.' && Reference(pattern, name)) expected.push_back(name);
    }
    FUZZ_CHECK(common::FindMatchingFiles(env, pattern) == expected);
  }
  return 0;
}
