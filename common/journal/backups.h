// The backups that transactions leave in a folder of the data directory
// ("cleanslate-backups", "tag-backups"): one subfolder each, holding the
// originals under "originals/" and either a journal (the action has not
// finished: its files are to be put back) or a manifest (the backup is
// complete). Here: putting files back, recovery after a crash, listing,
// pruning and restoring.

#ifndef COMMON_JOURNAL_BACKUPS_H_
#define COMMON_JOURNAL_BACKUPS_H_

#include <cstdint>
#include <string>
#include <vector>

#include "common/journal/backup_manifest.h"
#include "common/platform/env.h"
#include "common/journal/transaction.h"

namespace common {

inline constexpr char kJournalFile[] = "journal";
inline constexpr char kManifestFile[] = "manifest";
inline constexpr char kOriginalsFolder[] = "originals";

// `name` made into one file name: the separators of a path outside the
// data directory become "_".
std::string FlatName(const std::string& name);

// Where the backup `folder` keeps the original of `name`.
std::string OriginalPath(const std::string& folder, const std::string& name);

// Copies the ordinary file `from` to the new file `to` (which gets the
// permissions of `from`) and makes it durable. Returns the CRC-32 of the
// bytes. Throws FileError.
std::uint32_t CopyFile(Env& env, const std::string& from, const std::string& to);

// The whole of a small file. Throws FileError.
std::string ReadWholeFile(Env& env, const std::string& path);

// Removes `dir` with everything in it; links are removed, never followed.
void RemoveTree(Env& env, const std::string& dir);

// Puts every file that `journal` lists back as the backup `folder` keeps it:
// files that did not exist before are removed, kept originals renamed back.
// A file whose original never left its place stays. Doing it twice does no
// harm, so a recovery that is itself interrupted can start over.
void PutBack(Env& env, const std::string& folder, const BackupManifest& journal);

struct Backup {
  std::string folder;  // "cleanslate-backups/2026-12-09 0343 sales"
  BackupManifest manifest;
};

// The complete backups in `backups`, newest first.
std::vector<Backup> ListBackups(Env& env, const std::string& backups);

// One line for a listing: "2026-12-09 03:43  sales  3 files  412 bytes  <folder name>".
std::string BackupLine(const Backup& backup);

// Finds every action in `backups` that a crash or a kill interrupted, puts
// its files back and removes its folder; returns their journals, oldest
// first. Leftovers of finished actions are tidied away. Throws FileError
// (naming the folder, which is kept) when a file cannot be put back.
std::vector<BackupManifest> RecoverInterrupted(Env& env, const std::string& backups);

// Removes the complete backups of `action` beyond the newest `keep`.
void PruneBackups(Env& env, const std::string& backups, const std::string& action, int keep);

// Puts back every file of `backup` as a transaction of its own, so that a
// restore can be undone in turn. Throws FileError as RunTransaction does.
void RestoreBackup(Env& env, const Backup& backup, const TransactionOptions& options);

// What RestoreBackup would change.
Plan RestorePlan(Env& env, const Backup& backup);

}  // namespace common

#endif  // COMMON_JOURNAL_BACKUPS_H_
