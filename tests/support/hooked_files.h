// Files whose every call first asks a hook: the one file wrapper of the
// fault-injecting Envs. The hook may throw to fail the call, or let a write
// store only its first bytes before it fails, as a disk filling up does.

#ifndef TESTS_SUPPORT_HOOKED_FILES_H_
#define TESTS_SUPPORT_HOOKED_FILES_H_

#include <cstddef>
#include <memory>
#include <optional>
#include <string>

#include "common/platform/env.h"

namespace testing_support {

enum class FileCall { kRead, kWrite, kSync, kClose };

// How a file was made: opened to update, created new, or a temporary file.
enum class FileOrigin { kUpdated, kCreated, kTemporary };

class FileHook {
 public:
  virtual ~FileHook() = default;
  // Before `call` on the file `path` of `origin`: throws to fail it. For a
  // write, a number is how many of its bytes go to the disk before it
  // fails (FailPartWrite is then called); nothing lets it through whole.
  virtual std::optional<std::size_t> Before(FileCall call, FileOrigin origin,
                                            const std::string& path) = 0;
  [[noreturn]] virtual void FailPartWrite(const std::string& path) = 0;
  // Whether syncs are really done (counting thousands of runs, they are not).
  virtual bool DoesSync() const { return true; }
};

std::unique_ptr<common::SequentialFile> Hooked(FileHook& hook, const std::string& path,
                                               std::unique_ptr<common::SequentialFile> file);
std::unique_ptr<common::RandomAccessFile> Hooked(FileHook& hook, FileOrigin origin,
                                                 const std::string& path,
                                                 std::unique_ptr<common::RandomAccessFile> file);
std::unique_ptr<common::WritableFile> Hooked(FileHook& hook, const std::string& path,
                                             std::unique_ptr<common::WritableFile> file);

}  // namespace testing_support

#endif  // TESTS_SUPPORT_HOOKED_FILES_H_
