// What both programs do with their backups besides making them: put back
// at the start what an interrupted run left half done, list the backups
// (--list-backups) and restore one (--restore [NAME]).

#ifndef COMMON_APP_BACKUP_COMMANDS_H_
#define COMMON_APP_BACKUP_COMMANDS_H_

#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "common/app/messages.h"
#include "common/journal/backup_folder.h"
#include "common/journal/transaction.h"
#include "common/platform/env.h"

namespace common {

// How one program lists and restores its backups.
struct BackupCommandOptions {
  // The restore's own transaction; its `backups` is the folder listed.
  TransactionOptions restore;
  // Files no restore ever removes, whatever the backup says ("nozero.dat").
  std::vector<std::string> never_removed;
  // The program's own gate before a restore: false ends it quietly, the
  // gate having said why (Cleanslate's zeroing lock).
  std::function<bool(Env&, Messages&)> may_restore;
  // Every outcome is also shown as a message (the windows), not only
  // printed on the error stream.
  bool show_outcomes = false;
};

// Puts back every action of either program that was interrupted, holding
// the working lock meanwhile, and says so in one OK message each, naming
// the action by its title and when it started, and any file left as it
// was found. Throws DirectoryBusy when another Cleanslate or Tag holds the
// lock, and FileError when a file cannot be put back.
void RecoverAtStart(Env& env, Messages& messages);

// Lines on what waits in the data directory: another program at work, or
// interrupted actions that the next start puts back. Changes nothing.
std::vector<std::string> PendingNotes(Env& env);

// Prints the complete backups in `folder`, newest first, one a line, with
// what they hold in all; a damaged one is skipped with a line on `err`.
void PrintBackups(Env& env, const std::string& folder, std::ostream& out, std::ostream& err);

// Asks whether to put back the files of the backup `name` (the newest when
// none is named), listing them, No the default, and on Yes restores it
// under the working lock. Returns the exit status: 0 done or declined, 2
// with a line on `err` when there is no such backup. Throws FileError.
int RestoreCommand(Env& env, Messages& messages, const BackupCommandOptions& options,
                   const std::optional<std::string>& name, std::ostream& err);

// Runs --list-backups or --restore. Returns the exit status. Throws FileError.
int RunBackupOption(const std::string& option, const std::optional<std::string>& argument, Env& env,
                    Messages& messages, const BackupCommandOptions& options, std::ostream& out,
                    std::ostream& err);

}  // namespace common

#endif  // COMMON_APP_BACKUP_COMMANDS_H_
