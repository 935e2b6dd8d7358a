#include "common/journal/backup_manifest.h"

#include <charconv>
#include <cstdio>

#include "common/journal/checksum.h"
#include "common/platform/file_error.h"

namespace common {

namespace {

constexpr std::string_view kFirstLine = "backup of the data directory";
// The last line: a list cut short by a crash while it was written lacks it.
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

bool ParseTime(std::string_view text, LocalTime& time) {
  time.millisecond = 0;
  const int read = std::sscanf(std::string(text).c_str(), "%d-%d-%d %d:%d:%d.%d", &time.year,
                               &time.month, &time.day, &time.hour, &time.minute, &time.second,
                               &time.millisecond);
  return read == 6 || read == 7;
}

bool ParseEntry(std::string_view line, BackupEntry& entry) {
  const auto first = line.find(' ');
  const auto second = first == std::string_view::npos ? first : line.find(' ', first + 1);
  const auto third = second == std::string_view::npos ? second : line.find(' ', second + 1);
  if (third == std::string_view::npos || third + 1 >= line.size()) return false;
  const std::string_view word = line.substr(0, first);
  if (word == "delete") {
    entry.change = Change::kDelete;
  } else if (word == "replace") {
    entry.change = Change::kReplace;
  } else if (word == "create") {
    entry.change = Change::kCreate;
  } else {
    return false;
  }
  const std::string_view size = line.substr(first + 1, second - first - 1);
  const auto [end, error] = std::from_chars(size.data(), size.data() + size.size(), entry.size);
  if (error != std::errc() || end != size.data() + size.size()) return false;
  const std::string_view crc = line.substr(second + 1, third - second - 1);
  if (crc == "-") {
    entry.crc.reset();
  } else {
    std::uint32_t value = 0;
    const auto [crc_end, crc_error] = std::from_chars(crc.data(), crc.data() + crc.size(), value, 16);
    if (crc_error != std::errc() || crc_end != crc.data() + crc.size()) return false;
    entry.crc = value;
  }
  return Unescape(line.substr(third + 1), entry.name) && !entry.name.empty();
}

}  // namespace

std::uint64_t BackupManifest::OriginalBytes() const {
  std::uint64_t bytes = 0;
  for (const BackupEntry& entry : entries) bytes += entry.size;
  return bytes;
}

std::string ManifestText(const BackupManifest& manifest) {
  std::string text(kFirstLine);
  char millisecond[8];
  std::snprintf(millisecond, sizeof millisecond, ".%03d", manifest.started.millisecond);
  text += "\nprogram: " + manifest.program + "\naction: " + manifest.action +
          "\nstarted: " + TimeText(manifest.started) + millisecond + "\n";
  for (const BackupEntry& entry : manifest.entries) {
    text += std::string(ChangeWord(entry.change)) + " " + std::to_string(entry.size) + " " +
            (entry.crc ? ChecksumText(*entry.crc) : "-") + " " + EscapedName(entry.name) + "\n";
  }
  text += kLastLine;
  text += "\n";
  return text;
}

BackupManifest ParseManifest(std::string_view text, const std::string& file) {
  BackupManifest manifest;
  int line_number = 0;
  bool started = false;
  bool ended = false;
  while (!text.empty()) {
    const auto end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    ++line_number;
    bool good = !ended;
    if (!good) {
    } else if (line_number == 1) {
      good = line == kFirstLine;
    } else if (line.starts_with("program: ")) {
      manifest.program = line.substr(9);
    } else if (line.starts_with("action: ")) {
      manifest.action = line.substr(8);
    } else if (line.starts_with("started: ")) {
      good = started = ParseTime(line.substr(9), manifest.started);
    } else if (line == kLastLine) {
      ended = true;
    } else if (!line.empty()) {
      BackupEntry entry;
      good = ParseEntry(line, entry);
      if (good) manifest.entries.push_back(std::move(entry));
    }
    if (!good) {
      throw FileError("read", file,
                      "line " + std::to_string(line_number) + " is not part of a backup's list");
    }
  }
  if (!ended || !started || manifest.action.empty()) {
    throw FileError("read", file, "it is not a complete backup list");
  }
  return manifest;
}

std::string TimeText(const LocalTime& time) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", time.year, time.month,
                time.day, time.hour, time.minute, time.second);
  return text;
}

std::string FolderTimeText(const LocalTime& time) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d%02d", time.year, time.month, time.day,
                time.hour, time.minute);
  return text;
}

}  // namespace common
