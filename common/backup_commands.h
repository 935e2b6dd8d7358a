// What both programs do with their backups besides making them: put back
// at the start what an interrupted run left half done, list the backups
// (--list-backups) and restore one (--restore [NAME]).

#ifndef COMMON_BACKUP_COMMANDS_H_
#define COMMON_BACKUP_COMMANDS_H_

#include <initializer_list>
#include <optional>
#include <ostream>
#include <string>

#include "common/env.h"
#include "common/messages.h"
#include "common/transaction.h"

namespace common {

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

#endif  // COMMON_BACKUP_COMMANDS_H_
