// The backups that transactions leave (backup_folder.h): putting files back,
// recovery after a crash, listing and pruning. Backups are data from the
// disk like any other: every name read from them must be a plain name in
// the data directory, no link is followed, and one damaged backup never
// keeps the others from working.

#ifndef COMMON_JOURNAL_BACKUPS_H_
#define COMMON_JOURNAL_BACKUPS_H_

#include <cstdint>
#include <string>
#include <vector>

#include "common/journal/backup_manifest.h"
#include "common/journal/checksum.h"
#include "common/journal/work_lock.h"
#include "common/platform/env.h"

namespace common {

// Copies the ordinary file `from` to the new file `to` (which gets the
// permissions of `from`) and makes it durable. Returns the size and the
// checksum of the bytes copied. Throws FileError.
FileSum CopyFile(Env& env, const std::string& from, const std::string& to,
                 ChecksumKind kind = ChecksumKind::kXxh3);

// The whole of a small file; a file longer than `limit` bytes throws
// FileError, so a damaged backup cannot fill the memory.
std::string ReadWholeFile(Env& env, const std::string& path, std::uint64_t limit = 1 << 26);

// Removes `dir` with everything in it; links are removed, never followed.
void RemoveTree(Env& env, const std::string& dir);

// The bytes of the files under `dir`.
std::uint64_t TreeBytes(Env& env, const std::string& dir);

// Puts back every file `journal` lists that is still as the action left it
// (or still absent where it deleted one): kept originals are renamed back
// after their size (and, where known, checksum) is checked, files the
// action created are removed. A file that differs, or a new file where the
// action deleted one, is left as it is, its original stays in `folder`, and
// its name is returned. Doing it twice does no harm, so a recovery that is
// itself interrupted can start over. Throws FileError.
std::vector<std::string> PutBack(Env& env, const std::string& folder, const Journal& journal);

// Makes `folder` a complete backup of the entries of `journal` named in
// `names` (their originals are in the folder), and removes the journal.
void KeepAsBackup(Env& env, const std::string& folder, const Journal& journal,
                  const std::vector<std::string>& names);

struct Backup {
  std::string folder;  // "cleanslate-backups/0012 2026-12-09 0343 sales"
  BackupManifest manifest;
};

struct BackupList {
  std::vector<Backup> backups;        // the complete ones, newest first
  std::vector<std::string> warnings;  // one line for each damaged one, skipped
};

// The complete backups in `backups`, newest first: by sequence number,
// never by the clock.
BackupList ListBackups(Env& env, const std::string& backups);

// One line for a listing:
// "2026-12-09 03:43  Zero sales files  3 files  412 bytes  "<folder name>"".
std::string BackupLine(const Backup& backup);

// "412 bytes", "1.8 MB".
std::string SizeText(std::uint64_t bytes);

struct RecoveredAction {
  BackupManifest header;          // from the journal
  std::string folder;             // where the files left are kept
  std::vector<std::string> left;  // changed since: left as they are
};

// Puts back every action in `backups` that a crash or a kill interrupted,
// and removes leftovers of finished ones; returns the actions, oldest
// first. REQUIRES: `lock` is held. Throws FileError (naming the folder,
// which is kept, and saying what to do) when a journal cannot be read or a
// file cannot be put back.
std::vector<RecoveredAction> RecoverInterrupted(Env& env, const WorkLock& lock,
                                                const std::string& backups);

// The interrupted actions in `backups` that the next start will put back,
// read without changing anything (their journals' headers; an unreadable
// journal gives one with only its folder's name as action).
std::vector<BackupManifest> PendingRecoveries(Env& env, const std::string& backups);

// Removes the complete backups of `action` beyond the newest `keep`, never
// `spare` and never a folder without its marker. Damaged ones are skipped.
// REQUIRES: `lock` is held.
void PruneBackups(Env& env, const WorkLock& lock, const std::string& backups,
                  const std::string& action, int keep, const std::string& spare);

}  // namespace common

#endif  // COMMON_JOURNAL_BACKUPS_H_
