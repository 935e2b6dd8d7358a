#include "cleanslate/action_runner.h"

#include "cleanslate/confirmations.h"
#include "cleanslate/lock_marker.h"
#include "common/journal/work_lock.h"

namespace cleanslate {

common::TransactionOptions ActionOptions(const char* action, const std::string& title,
                                         bool keep_backup) {
  common::TransactionOptions options;
  options.backups = kBackupFolder;
  options.program = "Cleanslate";
  options.action = action;
  options.title = title;
  options.keep_backup = keep_backup;
  return options;
}

common::BackupCommandOptions BackupOptions() {
  common::BackupCommandOptions options;
  options.restore = ActionOptions("restore", "Put back a backup");
  // The zeroing lock is for good: no restore takes it away.
  options.never_removed = {kLockMarker};
  options.may_restore = [](common::Env& env, common::Messages& messages) {
    return PassZeroingLock(env, messages);
  };
  return options;
}

void RunAction(const ActionContext& context, const common::TransactionOptions& options,
               const PlanStep& plan, const WorkStep& work) {
  const common::WorkLock lock = common::WorkLock::Take(context.env);
  common::Plan planned(context.env);
  plan(planned, context);
  common::RunTransaction(
      context.env, lock, planned, options, [&](common::Transaction& transaction) {
        work(ActionContext{transaction.env(), context.messages, context.random, context.clock},
             transaction);
      });
}

}  // namespace cleanslate
