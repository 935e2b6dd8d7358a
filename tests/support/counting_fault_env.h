// CountingFaultEnv: an Env over the real file system that numbers every
// operation (of the Env and of the files it opens) and fails the N-th: once,
// from then on, or as a crash that stops the program there and then. A test
// runs an action with N = 1, 2, ... until it succeeds, and checks what is
// left on disk after each. Syncs are counted (and may fail) but not done:
// nothing here is about durability, and thousands of runs would wait for
// the disk.

#ifndef TESTS_SUPPORT_COUNTING_FAULT_ENV_H_
#define TESTS_SUPPORT_COUNTING_FAULT_ENV_H_

#include <cerrno>
#include <map>
#include <string>

#include "common/platform/default_env.h"
#include "common/platform/env.h"
#include "tests/support/hooked_files.h"

namespace testing_support {

// Thrown by a crash: no FileError, so nothing in the program catches it or
// puts anything back, as when the process is killed.
struct SimulatedCrash {};

enum class FaultMode {
  kOnce,      // the N-th operation fails, the others succeed
  kFromThen,  // the N-th and every later operation fail
  kCrash,     // the N-th operation and every later one throw SimulatedCrash
};

class CountingFaultEnv : public common::EnvWrapper, private FileHook {
 public:
  // `fail_at` 0 fails nothing and only counts.
  CountingFaultEnv(const std::string& root, FaultMode mode, int fail_at, int error = ENOSPC);

  int operations() const { return count_; }
  bool failed() const { return failed_; }

  // Counts one operation on `path`; throws when it is due to fail.
  void Step(const char* action, const std::string& path);

  std::vector<common::DirEntry> ListDirectory(const std::string& dir) override;
  common::EntryType TypeOf(const std::string& path) override;
  common::FileInfo Stat(const std::string& path) override;
  std::unique_ptr<common::SequentialFile> OpenForReading(const std::string& path) override;
  std::unique_ptr<common::RandomAccessFile> OpenForUpdate(const std::string& path) override;
  std::unique_ptr<common::RandomAccessFile> CreateFile(const std::string& path,
                                                       const std::string& permissions_of) override;
  std::pair<std::string, std::unique_ptr<common::WritableFile>> CreateTempFile(
      const std::string& beside) override;
  void RenameFile(const std::string& from, const std::string& to) override;
  void RemoveFile(const std::string& path) override;
  void SyncDirectory(const std::string& dir) override;
  bool CreateDirectory(const std::string& path) override;
  void RemoveDirectory(const std::string& path) override;
  std::uint64_t FreeSpace(const std::string& dir) override;
  std::unique_ptr<common::FileLock> TryLockFile(const std::string& path) override;

 private:
  std::optional<std::size_t> Before(FileCall call, FileOrigin origin,
                                    const std::string& path) override;
  [[noreturn]] void FailPartWrite(const std::string& path) override;
  bool DoesSync() const override { return false; }

  common::DefaultEnv real_;
  FaultMode mode_;
  int fail_at_;
  int error_;
  int count_ = 0;
  bool failed_ = false;
};

// Every file under `root` with its bytes and permissions ("<dir>" for a
// folder), the folder `skip` and the working lock's file left out.
std::map<std::string, std::string> TreeSnapshot(const std::string& root,
                                                const std::string& skip = "");

}  // namespace testing_support

#endif  // TESTS_SUPPORT_COUNTING_FAULT_ENV_H_
