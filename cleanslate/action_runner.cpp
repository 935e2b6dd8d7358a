#include "cleanslate/action_runner.h"

namespace cleanslate {

common::TransactionOptions ActionOptions(const char* backup_name) {
  common::TransactionOptions options;
  options.backups = kBackupFolder;
  options.program = "Cleanslate";
  options.action = backup_name;
  return options;
}

void RunAction(const ActionContext& context, const common::Plan& plan, const char* backup_name,
               const std::function<void(const ActionContext&)>& work) {
  common::RunTransaction(context.env, plan, ActionOptions(backup_name),
                         [&](common::Transaction& transaction) {
                           work(ActionContext{transaction.env(), context.messages,
                                              context.random, context.clock});
                         });
}

}  // namespace cleanslate
