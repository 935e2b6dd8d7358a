#include "common/journal/work_lock.h"

namespace common {

namespace {

constexpr char kBusy[] =
    "Another Cleanslate or Tag is working on this data directory. Nothing has been changed; "
    "start again once it has finished.";

}  // namespace

DirectoryBusy::DirectoryBusy() : FileError(AsWritten{}, kBusy, kWorkLockFile, kBusy) {}

WorkLock WorkLock::Take(Env& env) {
  std::unique_ptr<FileLock> lock = env.TryLockFile(kWorkLockFile);
  if (!lock) throw DirectoryBusy();
  return WorkLock(std::move(lock));
}

std::optional<WorkLock> WorkLock::TakeIfPossible(Env& env) {
  std::unique_ptr<FileLock> lock;
  try {
    lock = env.TryLockFile(kWorkLockFile);
  } catch (const FileError&) {
    if (env.Stat(kWorkLockFile).type != EntryType::kMissing) throw;
    // A folder this user may not write in: no lock file, and no change.
    return std::nullopt;
  }
  if (!lock) throw DirectoryBusy();
  return WorkLock(std::move(lock));
}

bool WorkLock::HeldElsewhere(Env& env) {
  try {
    return env.TryLockFile(kWorkLockFile) == nullptr;
  } catch (const FileError&) {
    return false;
  }
}

}  // namespace common
