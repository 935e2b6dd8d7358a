#include "common/journal/backup_manifest.h"

#include <charconv>
#include <cstdio>

#include "common/journal/backup_folder.h"
#include "common/platform/file_error.h"
#include "common/platform/paths.h"

namespace common {

namespace {

constexpr std::string_view kFirstLine = "backup of the data directory";
// The last line of the list: a list cut short by a crash lacks it.
constexpr std::string_view kLastLine = "end of list";

std::string EscapedName(std::string_view name) {
  std::string text;
  for (const char c : name) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || c == '%' || byte == 0x7f) {
      char code[4];
      std::snprintf(code, sizeof code, "%%%02X", byte);
      text += code;
    } else {
      text += c;
    }
  }
  return text;
}

bool Unescape(std::string_view text, std::string& name) {
  name.clear();
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '%') {
      name += text[i];
      continue;
    }
    unsigned value = 0;
    if (i + 2 >= text.size()) return false;
    const auto [end, error] = std::from_chars(text.data() + i + 1, text.data() + i + 3, value, 16);
    if (error != std::errc() || end != text.data() + i + 3) return false;
    name += static_cast<char>(value);
    i += 2;
  }
  return true;
}

template <typename Number>
bool ParseNumber(std::string_view text, Number& value) {
  if (text.empty() || text.size() > 20) return false;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size();
}

bool ParseTime(std::string_view text, LocalTime& time) {
  time.millisecond = 0;
  char rest = 0;
  const int read = std::sscanf(std::string(text).c_str(), "%4d-%2d-%2d %2d:%2d:%2d.%3d%c",
                               &time.year, &time.month, &time.day, &time.hour, &time.minute,
                               &time.second, &time.millisecond, &rest);
  return read == 6 || read == 7;
}

// Splits `line` at its first `count` spaces; the last part is the rest.
bool SplitWords(std::string_view line, std::size_t count, std::string_view* parts) {
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t space = line.find(' ');
    if (space == std::string_view::npos) return false;
    parts[i] = line.substr(0, space);
    line.remove_prefix(space + 1);
  }
  parts[count] = line;
  return !line.empty();
}

bool ParseName(std::string_view text, std::string& name) {
  return Unescape(text, name) && !name.empty();
}

// "<change> <size> <checksum> <name>"; a manifest needs every checksum.
bool ParseEntry(std::string_view line, ChecksumKind kind, bool journal, BackupEntry& entry) {
  std::string_view words[4];
  if (!SplitWords(line, 3, words)) return false;
  if (words[0] == "delete") {
    entry.change = Change::kDelete;
  } else if (words[0] == "replace") {
    entry.change = Change::kReplace;
  } else if (words[0] == "create") {
    entry.change = Change::kCreate;
  } else {
    return false;
  }
  if (!ParseNumber(words[1], entry.size)) return false;
  if (words[2] == "link") {
    // A link is only ever deleted, and kept as a link.
    if (entry.change != Change::kDelete) return false;
    entry.link = true;
  } else if (words[2] == "-") {
    if (!journal && entry.change != Change::kCreate) return false;
  } else {
    entry.checksum = ParseChecksum(words[2], kind);
    if (!entry.checksum || entry.change == Change::kCreate) return false;
  }
  if (entry.change == Change::kCreate && entry.size != 0) return false;
  return ParseName(words[3], entry.name) && AllowedBackupName(entry.name, entry.change);
}

bool ParseMade(std::string_view line, ChecksumKind kind, MadeRecord& made) {
  if (line.starts_with("gone ")) {
    made.gone = true;
    return ParseName(line.substr(5), made.name) && AllowedBackupName(made.name, Change::kCreate);
  }
  std::string_view words[5];
  if (!SplitWords(line, 4, words) || words[0] != "made") return false;
  if (!ParseNumber(words[1], made.size)) return false;
  const auto checksum = ParseChecksum(words[2], kind);
  if (!checksum) return false;
  made.checksum = *checksum;
  if (words[3] != "-") {
    made.original_checksum = ParseChecksum(words[3], kind);
    if (!made.original_checksum) return false;
  }
  return ParseName(words[4], made.name) && AllowedBackupName(made.name, Change::kCreate);
}

std::string Header(const BackupManifest& manifest) {
  char millisecond[8];
  std::snprintf(millisecond, sizeof millisecond, ".%03d", manifest.started.millisecond);
  std::string text(kFirstLine);
  text += "\nprogram: " + EscapedName(manifest.program) +
          "\naction: " + EscapedName(manifest.action) + "\ntitle: " + EscapedName(manifest.title) +
          "\nsequence: " + std::to_string(manifest.sequence) +
          "\nstarted: " + TimeText(manifest.started) + millisecond +
          "\nchecksum: " + ChecksumKindName(manifest.checksum_kind) + "\n";
  return text;
}

std::string EntryLine(const BackupEntry& entry, ChecksumKind kind) {
  std::string checksum = "-";
  if (entry.link) {
    checksum = "link";
  } else if (entry.checksum) {
    checksum = ChecksumText(*entry.checksum, kind);
  }
  return std::string(ChangeWord(entry.change)) + " " + std::to_string(entry.size) + " " + checksum +
         " " + EscapedName(entry.name) + "\n";
}

[[noreturn]] void Unreadable(const std::string& file, int line_number) {
  throw FileError("read", file,
                  "line " + std::to_string(line_number) + " is not part of a backup's list");
}

// Reads the header and the list; returns the text after "end of list".
// Throws when a line is out of place; nothing when the list was cut short.
std::optional<std::string_view> ParseList(std::string_view text, const std::string& file,
                                          bool journal, BackupManifest& manifest,
                                          int& line_number) {
  bool has_kind = false;
  bool started = false;
  bool title = false;
  manifest.checksum_kind = ChecksumKind::kCrc32;
  while (!text.empty()) {
    const auto end = text.find('\n');
    if (end == std::string_view::npos) break;  // cut short
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    ++line_number;
    std::string value;
    bool good = true;
    if (line_number == 1) {
      good = line == kFirstLine;
    } else if (line.starts_with("program: ")) {
      good = Unescape(line.substr(9), manifest.program);
    } else if (line.starts_with("action: ")) {
      good = Unescape(line.substr(8), manifest.action);
    } else if (line.starts_with("title: ")) {
      good = title = Unescape(line.substr(7), manifest.title);
    } else if (line.starts_with("sequence: ")) {
      good = ParseNumber(line.substr(10), manifest.sequence);
    } else if (line.starts_with("started: ")) {
      good = started = ParseTime(line.substr(9), manifest.started);
    } else if (line.starts_with("checksum: ")) {
      const auto kind = ChecksumKindNamed(line.substr(10));
      good = has_kind = kind.has_value() && manifest.entries.empty();
      if (kind) manifest.checksum_kind = *kind;
    } else if (line == kLastLine) {
      if (!started || manifest.action.empty()) Unreadable(file, line_number);
      if (!title) manifest.title = manifest.action;
      return text;
    } else if (!line.empty()) {
      BackupEntry entry;
      good = ParseEntry(line, manifest.checksum_kind, journal, entry);
      if (good) manifest.entries.push_back(std::move(entry));
    }
    if (!good) Unreadable(file, line_number);
  }
  return std::nullopt;
}

}  // namespace

bool AllowedBackupName(std::string_view name, Change change) {
  if (IsPlainName(name)) return true;
  const auto follow_up = PathOnDrive('c', "followup.pt");
  return change == Change::kDelete && follow_up && name == *follow_up;
}

std::uint64_t BackupManifest::OriginalBytes() const {
  std::uint64_t bytes = 0;
  for (const BackupEntry& entry : entries) {
    bytes = entry.size > UINT64_MAX - bytes ? UINT64_MAX : bytes + entry.size;
  }
  return bytes;
}

const MadeRecord* Journal::LastMade(const std::string& name) const {
  for (auto it = made.rbegin(); it != made.rend(); ++it) {
    if (it->name == name) return &*it;
  }
  return nullptr;
}

std::string ManifestText(const BackupManifest& manifest) {
  std::string text = Header(manifest);
  for (const BackupEntry& entry : manifest.entries) {
    text += EntryLine(entry, manifest.checksum_kind);
  }
  text += kLastLine;
  text += "\n";
  return text;
}

std::string JournalText(const BackupManifest& header) { return ManifestText(header); }

std::string MadeLine(const MadeRecord& made) {
  if (made.gone) return "gone " + EscapedName(made.name) + "\n";
  return "made " + std::to_string(made.size) + " " + ChecksumText(made.checksum) + " " +
         (made.original_checksum ? ChecksumText(*made.original_checksum) : "-") + " " +
         EscapedName(made.name) + "\n";
}

BackupManifest ParseManifest(std::string_view text, const std::string& file) {
  BackupManifest manifest;
  int line_number = 0;
  const std::optional<std::string_view> rest = ParseList(text, file, false, manifest, line_number);
  if (!rest) throw FileError("read", file, "it is not a complete backup list");
  for (const char c : *rest) {
    if (c != '\n' && c != '\r') Unreadable(file, line_number + 1);
  }
  return manifest;
}

std::optional<Journal> ParseJournal(std::string_view text, const std::string& file) {
  Journal journal;
  int line_number = 0;
  const std::optional<std::string_view> list =
      ParseList(text, file, true, journal.header, line_number);
  if (!list) return std::nullopt;
  std::string_view rest = *list;
  while (!rest.empty()) {
    const auto end = rest.find('\n');
    if (end == std::string_view::npos) break;  // being written when the run stopped
    std::string_view line = rest.substr(0, end);
    rest.remove_prefix(end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    ++line_number;
    if (line.empty()) continue;
    MadeRecord made;
    if (!ParseMade(line, journal.header.checksum_kind, made)) Unreadable(file, line_number);
    journal.made.push_back(std::move(made));
  }
  return journal;
}

}  // namespace common
