#include "common/journal/backup_folder.h"

#include <charconv>
#include <cstdio>
#include <memory>

namespace common {

namespace {

bool IsRegular(Env& env, const std::string& path) {
  return env.Stat(path).type == EntryType::kRegular;
}

// The start of the marker file in `folder`: up to its first line's length.
std::string MarkerStart(Env& env, const std::string& folder) {
  const std::unique_ptr<SequentialFile> file = env.OpenForReading(JoinFolder(folder, kMarkerFile));
  std::string text(kMarkerText.size(), '\0');
  std::size_t got = 0;
  while (got < text.size()) {
    const std::size_t n = file->Read(text.data() + got, text.size() - got);
    if (n == 0) break;
    got += n;
  }
  text.resize(got);
  return text;
}

// A folder a start of ours left before its marker was whole: nothing in it
// but a marker cut short and an empty originals folder.
bool UnfinishedStart(Env& env, const std::string& folder) {
  if (!ParseBackupFolderName(LastPart(folder))) return false;
  for (const DirEntry& entry : env.ListDirectory(folder)) {
    const std::string path = JoinFolder(folder, entry.name);
    if (entry.name == kMarkerFile && entry.type == EntryType::kRegular &&
        kMarkerText.starts_with(MarkerStart(env, folder))) {
      continue;
    }
    if (entry.name == kOriginalsFolder && entry.type == EntryType::kDirectory &&
        env.ListDirectory(path).empty()) {
      continue;
    }
    return false;
  }
  return true;
}

// Reads `digits` decimal digits at `text[at]`.
bool Digits(std::string_view text, std::size_t at, std::size_t digits, int& value) {
  if (at + digits > text.size()) return false;
  for (std::size_t i = at; i < at + digits; ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
  }
  std::from_chars(text.data() + at, text.data() + at + digits, value);
  return true;
}

// "2026-12-09 0343 " at the start of `text`.
bool DateAndMinute(std::string_view text, LocalTime& time) {
  return text.size() > 16 && Digits(text, 0, 4, time.year) && text[4] == '-' &&
         Digits(text, 5, 2, time.month) && text[7] == '-' && Digits(text, 8, 2, time.day) &&
         text[10] == ' ' && Digits(text, 11, 2, time.hour) && Digits(text, 13, 2, time.minute) &&
         text[15] == ' ';
}

}  // namespace

FolderState StateOf(Env& env, const std::string& folder) {
  if (IsRegular(env, JoinFolder(folder, kManifestFile))) return FolderState::kComplete;
  if (IsRegular(env, JoinFolder(folder, kJournalFile))) return FolderState::kWorking;
  if (IsRegular(env, JoinFolder(folder, kMarkerFile)) && MarkerStart(env, folder) == kMarkerText) {
    return FolderState::kLeftover;
  }
  return UnfinishedStart(env, folder) ? FolderState::kLeftover : FolderState::kForeign;
}

std::string BackupFolderName(const FolderName& name) {
  char text[48];
  std::snprintf(text, sizeof text, "%04llu %04d-%02d-%02d %02d%02d ",
                static_cast<unsigned long long>(name.sequence), name.started.year,
                name.started.month, name.started.day, name.started.hour, name.started.minute);
  return text + name.action;
}

std::optional<FolderName> ParseBackupFolderName(std::string_view text) {
  FolderName name;
  const std::size_t space = text.find(' ');
  if (space != std::string_view::npos && space >= 1 && space < 20 &&
      text.substr(0, space).find_first_not_of("0123456789") == std::string_view::npos &&
      DateAndMinute(text.substr(space + 1), name.started)) {
    std::from_chars(text.data(), text.data() + space, name.sequence);
    name.action = std::string(text.substr(space + 17));
    return name;
  }
  // The older form has no sequence; a later folder of the same minute and
  // action had a number after the action.
  if (!DateAndMinute(text, name.started)) return std::nullopt;
  name.action = std::string(text.substr(16));
  return name;
}

std::string JoinFolder(const std::string& dir, const std::string& name) {
  return dir.empty() ? name : dir + "/" + name;
}

std::string LastPart(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string FlatName(const std::string& name) {
  std::string flat = name;
  for (char& c : flat) {
    if (c == '/' || c == '\\' || c == ':') c = '_';
  }
  return flat;
}

std::string OriginalPath(const std::string& folder, const std::string& name) {
  return JoinFolder(JoinFolder(folder, kOriginalsFolder), FlatName(name));
}

std::string WorkingPath(const std::string& folder, int n, const std::string& name) {
  return JoinFolder(folder, "new " + std::to_string(n) + " " + FlatName(name));
}

std::string TimeText(const LocalTime& time) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", time.year, time.month, time.day,
                time.hour, time.minute, time.second);
  return text;
}

std::string WhenText(const LocalTime& time) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d at %02d:%02d", time.year, time.month, time.day,
                time.hour, time.minute);
  return text;
}

}  // namespace common
