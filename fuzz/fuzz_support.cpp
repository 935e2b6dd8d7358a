#include "fuzz/fuzz_support.h"

#include <cstdio>
#include <cstdlib>

namespace fuzz {

void Fail(const char* condition, const char* file, int line) {
  std::fprintf(stderr, "%s:%d: property failed: %s\n", file, line, condition);
  std::abort();
}

std::vector<std::string> Split(std::string_view text, char separator, std::size_t max_parts) {
  std::vector<std::string> parts;
  while (parts.size() + 1 < max_parts) {
    const auto at = text.find(separator);
    if (at == std::string_view::npos) break;
    parts.emplace_back(text.substr(0, at));
    text.remove_prefix(at + 1);
  }
  parts.emplace_back(text);
  return parts;
}

namespace {

bool InsideDataDirectory(const std::string& path) {
  const std::string data = testing_support::MemoryEnv::kDataDirectory;
  return path == data || path.compare(0, data.size() + 1, data + "/") == 0;
}

bool HiddenInData(const std::string& path) {
  const std::string prefix = std::string(testing_support::MemoryEnv::kDataDirectory) + "/.";
  return path.compare(0, prefix.size(), prefix) == 0;
}

}  // namespace

bool OutsideUnchanged(const Snapshot& before, const Snapshot& after) {
  Snapshot outside_before, outside_after;
  for (const auto& [path, bytes] : before) {
    if (!InsideDataDirectory(path)) outside_before[path] = bytes;
  }
  for (const auto& [path, bytes] : after) {
    if (!InsideDataDirectory(path)) outside_after[path] = bytes;
  }
  return outside_before == outside_after;
}

bool NoNewHiddenEntry(const Snapshot& before, const Snapshot& after) {
  for (const auto& entry : after) {
    if (HiddenInData(entry.first) && before.count(entry.first) == 0) return false;
  }
  return true;
}

common::Answer QueuedMessages::Show(const common::Message& message) {
  texts.push_back(message.text);
  if (message.buttons == common::Buttons::kOk) return common::Answer::kOk;
  if (next_ < answers.size()) return answers[next_++];
  return common::Answer::kNo;
}

}  // namespace fuzz
