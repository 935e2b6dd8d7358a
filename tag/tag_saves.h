// How Tag changes files: every save runs as a transaction whose backup goes
// to "tag-backups", so that a failure or a kill never leaves a half-saved
// layout or a stray file. Only "Set all back to default", which deletes many
// files, keeps its backup afterwards (for --restore); the other saves drop
// theirs once committed.

#ifndef TAG_TAG_SAVES_H_
#define TAG_TAG_SAVES_H_

#include <functional>

#include "common/platform/env.h"
#include "common/journal/transaction.h"
#include "common/journal/transaction_plan.h"

namespace tag {

// The transaction of Tag's action `action` ("layout", "defaults").
common::TransactionOptions TagOptions(const char* action, bool keep_backup);

// Runs `work` through the transaction's Env. Throws FileError with every
// file put back.
void SaveInTransaction(common::Env& env, const common::Plan& plan, const char* action,
                       bool keep_backup, const std::function<void(common::Env&)>& work);

// An upper bound of the size of Tag's small line files.
inline constexpr std::uint64_t kTagLineFileBytes = 4096;

}  // namespace tag

#endif  // TAG_TAG_SAVES_H_
