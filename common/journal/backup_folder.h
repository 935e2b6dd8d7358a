// The backup folder: what a transaction leaves in the data directory, and
// the one place that names its files and tells its states.
//
// Each program keeps its backups in a folder of the data directory
// (kBackupFolders: "cleanslate-backups", "tag-backups"), one subfolder per
// action, named "<sequence> <date> <HHMM> <action>":
//
//   cleanslate-backups/0012 2026-12-09 0343 sales/
//       marker        says that Cleanslate or Tag made this folder; no
//                     folder without it is ever removed by them
//       journal       while the action runs: the plan, then one line for
//                     each file the action has made (what it will install)
//       manifest      once the action is complete: every file it changed,
//                     the original's size and checksum
//       originals/    the files as they were, moved there (or copied)
//       new <n> <name> working files: new content, renamed into place
//
// The sequence number orders the backups (never the clock, which may be
// set wrong); each new folder takes one more than the highest there.
//
// States of a subfolder, by the files it holds:
//   working      marker and journal, no manifest: an action is running, or
//                was stopped (a crash, a kill). Under the working lock it
//                is running; without the lock it was interrupted, and the
//                next start puts back what is still as it left it.
//   complete     manifest: the action finished; --restore can put its
//                originals back. A journal beside it is a leftover.
//   leftover     marker alone: the action had not changed anything yet,
//                or finished without keeping its backup (also a folder
//                whose marker was being written). Removed at start.
//   foreign      none of these: somebody else's folder, never touched.
//
// The commit point is one rename: "manifest.new" to "manifest" (for a
// backup that is kept), or the removal of the journal (for one that is not).
// Before it, every change is durable; after it, nothing is put back.

#ifndef COMMON_JOURNAL_BACKUP_FOLDER_H_
#define COMMON_JOURNAL_BACKUP_FOLDER_H_

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "common/platform/env.h"

namespace common {

// The backup folders of both programs, in the data directory. A start of
// either program puts back what an interrupted run of either left.
inline constexpr char kCleanslateBackupFolder[] = "cleanslate-backups";
inline constexpr char kTagBackupFolder[] = "tag-backups";
inline constexpr std::array<const char*, 2> kBackupFolders = {kCleanslateBackupFolder,
                                                              kTagBackupFolder};

inline constexpr char kMarkerFile[] = "marker";
inline constexpr char kJournalFile[] = "journal";
inline constexpr char kManifestFile[] = "manifest";
inline constexpr char kNewManifestFile[] = "manifest.new";
inline constexpr char kOriginalsFolder[] = "originals";

// The first line of a marker file.
inline constexpr std::string_view kMarkerText =
    "A backup of the data directory, made by Cleanslate or Tag.";

enum class FolderState { kWorking, kComplete, kLeftover, kForeign };

// The state of the subfolder `folder` (a path from the data directory).
// Throws FileError when it cannot be looked at.
FolderState StateOf(Env& env, const std::string& folder);

// What a subfolder's name says.
struct FolderName {
  std::uint64_t sequence = 0;  // 0 for a folder named before sequences
  LocalTime started;           // to the minute
  std::string action;          // "sales"
};

// "0012 2026-12-09 0343 sales".
std::string BackupFolderName(const FolderName& name);
// The parts of a subfolder's name, also of the older form without a
// sequence ("2026-12-09 0343 sales", "2026-12-09 0343 sales 2"); nothing
// for a name of neither form.
std::optional<FolderName> ParseBackupFolderName(std::string_view name);

// "<backups>/<name>" and the last part of such a path.
std::string JoinFolder(const std::string& dir, const std::string& name);
std::string LastPart(const std::string& path);

// `name` made into one file name: the separators of a path outside the
// data directory ("c:\followup.pt") become "_".
std::string FlatName(const std::string& name);

// Where the backup `folder` keeps the original of `name`.
std::string OriginalPath(const std::string& folder, const std::string& name);

// The n-th working file of `folder`, to become `name`.
std::string WorkingPath(const std::string& folder, int n, const std::string& name);

// "2026-12-09 03:43:10".
std::string TimeText(const LocalTime& time);
// "2026-12-09 at 03:43", as messages say it.
std::string WhenText(const LocalTime& time);

}  // namespace common

#endif  // COMMON_JOURNAL_BACKUP_FOLDER_H_
