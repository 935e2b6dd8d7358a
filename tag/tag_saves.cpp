#include "tag/tag_saves.h"

#include "common/journal/backup_folder.h"
#include "common/journal/work_lock.h"

namespace tag {

common::TransactionOptions TagOptions(const TagSave& save) {
  common::TransactionOptions options;
  options.backups = common::kTagBackupFolder;
  options.program = "Tag";
  options.action = save.action;
  options.title = save.title;
  options.keep_backup = save.keep_backup;
  return options;
}

common::BackupCommandOptions TagBackupOptions() {
  common::BackupCommandOptions options;
  options.restore = TagOptions({"restore", "Put back a backup", true});
  return options;
}

void SaveInTransaction(common::Env& env, const TagSave& save,
                       const std::function<void(common::Plan&)>& plan,
                       const std::function<void(common::Env&)>& work) {
  const common::WorkLock lock = common::WorkLock::Take(env);
  common::Plan planned(env);
  plan(planned);
  common::RunTransaction(env, lock, planned, TagOptions(save),
                         [&](common::Transaction& transaction) { work(transaction.env()); });
}

}  // namespace tag
