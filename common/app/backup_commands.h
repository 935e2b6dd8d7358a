// What both programs do with their backups besides making them: put back
// at the start what an interrupted run left half done, list the backups
// (--list-backups) and restore one (--restore [NAME]).

#ifndef COMMON_APP_BACKUP_COMMANDS_H_
#define COMMON_APP_BACKUP_COMMANDS_H_

#include <initializer_list>
#include <optional>
#include <ostream>
#include <string>

#include "common/platform/env.h"
#include "common/app/messages.h"
#include "common/journal/transaction.h"

namespace common {

// Where each program keeps its backups, in the data directory. A start of
// either program puts back what an interrupted run of either left.
inline constexpr char kCleanslateBackupFolder[] = "cleanslate-backups";
inline constexpr char kTagBackupFolder[] = "tag-backups";

// The Env calls of --list-backups and --restore, for either program: the
// backups of options.backups, and `messages` for the questions of a restore.
// Returns the exit status. Throws FileError.
int RunBackupOption(const std::string& option, const std::optional<std::string>& argument,
                    Env& env, Messages& messages, const TransactionOptions& options,
                    std::ostream& out, std::ostream& err);

// Puts back every action in `folders` that was interrupted, and says so in
// one OK message each, naming the action and when it started. Throws
// FileError when a file cannot be put back.
void RecoverAtStart(Env& env, Messages& messages, std::initializer_list<const char*> folders);

// Prints the complete backups in `folder`, newest first, one a line, or
// that there is none.
void PrintBackups(Env& env, const std::string& folder, std::ostream& out);

// Asks whether to put back the files of the backup `name` in
// options.backups (the newest when none is named), No the default, and on
// Yes does so as a transaction of its own (`options` names it). Returns the
// exit status: 0 done or declined, 2 with a line on `err` when there is no
// such backup. Throws FileError.
int RestoreCommand(Env& env, Messages& messages, const TransactionOptions& options,
                   const std::optional<std::string>& name, std::ostream& err);

}  // namespace common

#endif  // COMMON_APP_BACKUP_COMMANDS_H_
