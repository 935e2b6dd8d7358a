#include "tag/tag_saves.h"

#include "common/app/backup_commands.h"

namespace tag {

common::TransactionOptions TagOptions(const char* action, bool keep_backup) {
  common::TransactionOptions options;
  options.backups = common::kTagBackupFolder;
  options.program = "Tag";
  options.action = action;
  options.keep_backup = keep_backup;
  return options;
}

void SaveInTransaction(common::Env& env, const common::Plan& plan, const char* action,
                       bool keep_backup, const std::function<void(common::Env&)>& work) {
  common::RunTransaction(env, plan, TagOptions(action, keep_backup),
                         [&](common::Transaction& transaction) { work(transaction.env()); });
}

}  // namespace tag
