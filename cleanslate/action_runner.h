// How every action of the reset utility changes files: planned and run
// under the data directory's working lock, inside a transaction whose
// backup goes to "cleanslate-backups", so that it happens whole or not at
// all and can be undone with --restore.

#ifndef CLEANSLATE_ACTION_RUNNER_H_
#define CLEANSLATE_ACTION_RUNNER_H_

#include <functional>
#include <string>

#include "cleanslate/action_context.h"
#include "common/app/backup_commands.h"
#include "common/journal/backup_folder.h"
#include "common/journal/transaction.h"
#include "common/journal/transaction_plan.h"

namespace cleanslate {

inline constexpr const char* kBackupFolder = common::kCleanslateBackupFolder;

// The transaction of the action `action` ("sales": names its backup
// folder), known to the user as `title` ("Zero sales files").
common::TransactionOptions ActionOptions(const char* action, const std::string& title,
                                         bool keep_backup = true);

// What Cleanslate's --list-backups and --restore work with: no restore
// removes the zeroing lock, and none runs while it is set.
common::BackupCommandOptions BackupOptions();

using PlanStep = std::function<void(common::Plan&, const ActionContext&)>;
using WorkStep = std::function<void(const ActionContext&, common::Transaction&)>;

// Takes the working lock, plans the action with `plan` (which may read
// files, such as "cust.pt") and runs `work` in a transaction over that plan,
// with a context whose Env is the transaction's. Throws DirectoryBusy when
// another program holds the lock, and FileError as common::RunTransaction
// does.
void RunAction(const ActionContext& context, const common::TransactionOptions& options,
               const PlanStep& plan, const WorkStep& work);

}  // namespace cleanslate

#endif  // CLEANSLATE_ACTION_RUNNER_H_
