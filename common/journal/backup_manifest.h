// The manifest of a backup: which program and action made it, when it
// started, and for every file the action touched what it did to it, the
// original's size and checksum. One file of text, one line per file, so a
// person can read it too:
//
//   backup of the data directory
//   program: Cleanslate
//   action: sales
//   started: 2026-12-09 03:43:10.250
//   delete 412 9a0c55e1 12.dat
//   replace 180000 5d41402a cust.dat
//   create 0 - note.pt
//   end of list
//
// A name runs to the end of its line; control characters and "%" in it are
// written as "%" and two hexadecimal digits.

#ifndef COMMON_JOURNAL_BACKUP_MANIFEST_H_
#define COMMON_JOURNAL_BACKUP_MANIFEST_H_

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/platform/env.h"
#include "common/journal/transaction_plan.h"

namespace common {

struct BackupEntry {
  Change change = Change::kCreate;
  std::uint64_t size = 0;              // of the original
  std::optional<std::uint32_t> crc;    // of the original; none for a created file or a link
  std::string name;
};

struct BackupManifest {
  std::string program;  // "Cleanslate"
  std::string action;   // "sales"
  LocalTime started;
  std::vector<BackupEntry> entries;

  // The originals' bytes in all.
  std::uint64_t OriginalBytes() const;
};

std::string ManifestText(const BackupManifest& manifest);
// Throws FileError naming `file` when `text` is not a manifest.
BackupManifest ParseManifest(std::string_view text, const std::string& file);

// "2026-12-09 03:43:10".
std::string TimeText(const LocalTime& time);
// "2026-12-09 0343": how a backup folder's name starts.
std::string FolderTimeText(const LocalTime& time);

}  // namespace common

#endif  // COMMON_JOURNAL_BACKUP_MANIFEST_H_
