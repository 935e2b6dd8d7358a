// The manifest and the journal of a backup folder (backup_folder.h), as
// text a person can read too:
//
//   backup of the data directory
//   program: Cleanslate
//   action: sales
//   title: Zero sales files
//   sequence: 12
//   started: 2026-12-09 03:43:10.250
//   checksum: xxh3
//   delete 412 9a0c55e1f0e1d2c3 12.dat
//   replace 180000 5d41402a0b1c2d3e cust.dat
//   create 0 - note.pt
//   delete 0 link old.dat
//   end of list
//
// One line per file: what the action does to it, the original's size and
// checksum ("-" for a file that did not exist, "link" for a symbolic link,
// kept as one), and its name. A journal has the same lines, with "-" where
// an original's checksum is not known yet, and after "end of list" one
// line for each file the action installs, written before it is installed:
//
//   made 82 0123456789abcdef - note.pt      size, checksum of the new
//                                           content, original's checksum
//   gone note.pt                            the action removed what it had made
//
// A name runs to the end of its line; control characters and "%" in it are
// written as "%" and two hexadecimal digits. Every name read back must be
// a plain name in the data directory (the one exception: the deletion of
// the follow-up list at the root of drive C, where there are drives);
// anything else makes the whole text unreadable. A manifest without a
// "checksum:" line is of the CRC-32 kind that older backups used.

#ifndef COMMON_JOURNAL_BACKUP_MANIFEST_H_
#define COMMON_JOURNAL_BACKUP_MANIFEST_H_

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/journal/checksum.h"
#include "common/journal/transaction_plan.h"
#include "common/platform/env.h"

namespace common {

struct BackupEntry {
  Change change = Change::kCreate;
  std::uint64_t size = 0;                 // of the original
  std::optional<std::uint64_t> checksum;  // of the original, when known
  bool link = false;                      // the original is a symbolic link
  std::string name;
};

struct BackupManifest {
  std::string program;  // "Cleanslate"
  std::string action;   // "sales": the folder's name
  std::string title;    // "Zero sales files": the action as the user knows it
  std::uint64_t sequence = 0;
  LocalTime started;
  ChecksumKind checksum_kind = ChecksumKind::kXxh3;
  std::vector<BackupEntry> entries;

  // The originals' bytes in all (at most the largest 64-bit number).
  std::uint64_t OriginalBytes() const;
};

// What an action made of one file: new content it installs, or none left.
struct MadeRecord {
  std::string name;
  bool gone = false;
  std::uint64_t size = 0;
  std::uint64_t checksum = 0;
  std::optional<std::uint64_t> original_checksum;  // taken while it was read
};

struct Journal {
  BackupManifest header;
  std::vector<MadeRecord> made;  // in the order they were written

  // The last record of `name`, or nullptr.
  const MadeRecord* LastMade(const std::string& name) const;
};

// The manifest of a complete backup. REQUIRES: every original that is not
// a link has its checksum.
std::string ManifestText(const BackupManifest& manifest);
// The opening of a journal: the plan, without checksums where unknown.
std::string JournalText(const BackupManifest& header);
// One line of a journal after its plan.
std::string MadeLine(const MadeRecord& made);

// Throw FileError naming `file` when `text` is not a complete manifest (or
// journal): a line out of place, a number too large, a checksum missing
// from a manifest, a name that is not a plain name.
BackupManifest ParseManifest(std::string_view text, const std::string& file);
// A journal's last line without its line end was being written when the
// program stopped; it is left out, as its file was never installed. A
// journal whose list itself was cut short (every line of it well formed,
// "end of list" missing) was being written before anything changed:
// nothing is returned for it.
std::optional<Journal> ParseJournal(std::string_view text, const std::string& file);

// True when a backup may name `name`: a plain name, or the follow-up list
// at the root of drive C (deleted only).
bool AllowedBackupName(std::string_view name, Change change);

}  // namespace common

#endif  // COMMON_JOURNAL_BACKUP_MANIFEST_H_
