// How Tag changes files: every save is planned and run under the data
// directory's working lock as a transaction whose backup goes to
// "tag-backups", so that a failure or a kill never leaves a half-saved
// layout or a stray file. Only the two steps of "Set all back to default",
// which delete files, keep their backups afterwards (for --restore); the
// other saves drop theirs once committed.

#ifndef TAG_TAG_SAVES_H_
#define TAG_TAG_SAVES_H_

#include <functional>

#include "common/app/backup_commands.h"
#include "common/journal/transaction.h"
#include "common/journal/transaction_plan.h"
#include "common/platform/env.h"

namespace tag {

// One kind of save: its backup folder's action and its name for the user.
struct TagSave {
  const char* action;  // "layout"
  const char* title;   // "Save/Exit"
  bool keep_backup;
};

inline constexpr TagSave kDefaultLayoutSave{"layout", "the default tag layout", false};
inline constexpr TagSave kLayoutSave{"layout", "Save/Exit", false};
inline constexpr TagSave kMicroAdjustSave{"micro-adjust", "Micro-adjust", false};
inline constexpr TagSave kFieldLayoutSave{"department layout", "Save Change", false};
inline constexpr TagSave kDepartmentDefaultsSave{"defaults", "Set all back to default", true};
inline constexpr TagSave kDefaultFieldLayoutSave{
    "default layout", "Set all back to default: the layout supplied originally", true};

common::TransactionOptions TagOptions(const TagSave& save);

// What Tag's --list-backups and --restore work with.
common::BackupCommandOptions TagBackupOptions();

// Takes the working lock, lets `plan` list the files the save changes and
// runs `work` through the transaction's Env. Throws DirectoryBusy when
// another program holds the lock, and FileError with every file put back.
void SaveInTransaction(common::Env& env, const TagSave& save,
                       const std::function<void(common::Plan&)>& plan,
                       const std::function<void(common::Env&)>& work);

}  // namespace tag

#endif  // TAG_TAG_SAVES_H_
