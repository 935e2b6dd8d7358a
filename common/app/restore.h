// Restoring a backup: every file it kept put back as a transaction of its
// own, whose backup ("restore") keeps the files as they were, so that a
// restore can be undone in turn.

#ifndef COMMON_APP_RESTORE_H_
#define COMMON_APP_RESTORE_H_

#include <string>
#include <vector>

#include "common/journal/backups.h"
#include "common/journal/transaction.h"
#include "common/journal/transaction_plan.h"
#include "common/journal/work_lock.h"
#include "common/platform/env.h"

namespace common {

// What restoring `backup` changes: its originals put back under their own
// names (exactly, before any other letter case), the files it created
// deleted, except those named in `never_removed` (in any letter case).
// Links it kept are left to the recovery.
Plan RestorePlan(Env& env, const Backup& backup, const std::vector<std::string>& never_removed);

// Puts back the files of `backup` as RestorePlan says. Every kept file is
// checked first: an ordinary file of the size and checksum its manifest
// gives. Throws FileError as RunTransaction does.
void RestoreBackup(Env& env, const WorkLock& lock, const Backup& backup,
                   const TransactionOptions& options,
                   const std::vector<std::string>& never_removed);

}  // namespace common

#endif  // COMMON_APP_RESTORE_H_
