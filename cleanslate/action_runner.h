// How every action of the reset utility changes files: inside a
// transaction whose backup goes to "cleanslate-backups", so that it happens
// whole or not at all and can be undone with --restore.

#ifndef CLEANSLATE_ACTION_RUNNER_H_
#define CLEANSLATE_ACTION_RUNNER_H_

#include <functional>

#include "cleanslate/action_context.h"
#include "common/app/backup_commands.h"
#include "common/journal/transaction.h"
#include "common/journal/transaction_plan.h"

namespace cleanslate {

inline constexpr const char* kBackupFolder = common::kCleanslateBackupFolder;

// The transaction of the action `backup_name` ("sales", "everything").
common::TransactionOptions ActionOptions(const char* backup_name);

// Runs `work` in a transaction over `plan`, with a context whose Env is the
// transaction's. Throws FileError as common::RunTransaction does.
void RunAction(const ActionContext& context, const common::Plan& plan, const char* backup_name,
               const std::function<void(const ActionContext&)>& work);

}  // namespace cleanslate

#endif  // CLEANSLATE_ACTION_RUNNER_H_
