// The working lock of a data directory, shared by both programs (not to be
// confused with the zeroing lock "nozero.dat"): whoever changes files, puts
// back an interrupted action, restores or prunes backups holds it, from the
// plan to the commit. A journal is only ever put back by a start that holds
// the lock, so a running action's files are never taken for an interrupted
// one's, and two actions never rewrite the same file at once. The lock is an
// advisory lock on the file kWorkLockFile in the data directory, which stays
// there; the system releases it when the program ends, however it ends.

#ifndef COMMON_JOURNAL_WORK_LOCK_H_
#define COMMON_JOURNAL_WORK_LOCK_H_

#include <memory>
#include <optional>

#include "common/platform/env.h"
#include "common/platform/file_error.h"

namespace common {

inline constexpr char kWorkLockFile[] = "brillora-tools.lock";

// The lock is held by another Cleanslate or Tag.
class DirectoryBusy : public FileError {
 public:
  DirectoryBusy();
};

class WorkLock {
 public:
  // Takes the lock. Throws DirectoryBusy when another program holds it, and
  // FileError when the lock file cannot be opened.
  static WorkLock Take(Env& env);

  // The lock where it can be had: nothing when the data directory does not
  // let this user make the lock file at all (nothing can change there
  // then). Throws DirectoryBusy when another program holds it.
  static std::optional<WorkLock> TakeIfPossible(Env& env);

  // True when another program holds the lock right now.
  static bool HeldElsewhere(Env& env);

  WorkLock(WorkLock&&) noexcept = default;
  WorkLock& operator=(WorkLock&&) noexcept = default;

 private:
  explicit WorkLock(std::unique_ptr<FileLock> lock) : lock_(std::move(lock)) {}
  std::unique_ptr<FileLock> lock_;
};

}  // namespace common

#endif  // COMMON_JOURNAL_WORK_LOCK_H_
