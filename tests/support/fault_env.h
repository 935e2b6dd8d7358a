// FaultEnv: an Env over the real file system that fails one chosen operation
// on request, the way a full disk or a refused permission would, so a test
// can check what the program leaves on disk.

#ifndef TESTS_SUPPORT_FAULT_ENV_H_
#define TESTS_SUPPORT_FAULT_ENV_H_

#include <cerrno>
#include <cstddef>
#include <string>

#include "common/platform/default_env.h"
#include "common/platform/env.h"
#include "tests/support/hooked_files.h"

namespace testing_support {

enum class FaultOp {
  kOpenForReading,
  kOpenForUpdate,
  kCreateTemp,
  kAppend,   // writing a new (temporary) file
  kWriteAt,  // writing into a record file
  kSync,
  kRename,
  kRemove,
};

class FaultEnv : public common::EnvWrapper, private FileHook {
 public:
  explicit FaultEnv(const std::string& root);

  // Makes the next `op` on a path containing `path_part` ("" for any) fail
  // with `error_number`, after `skip` such operations have succeeded. A
  // failing write stores `bytes_first` bytes before it fails, as a disk that
  // fills up part-way does.
  void FailNext(FaultOp op, std::string path_part = "", int error_number = ENOSPC, int skip = 0,
                std::size_t bytes_first = 0);
  bool fault_pending() const { return armed_; }
  int failures() const { return failures_; }

  std::unique_ptr<common::SequentialFile> OpenForReading(const std::string& path) override;
  std::unique_ptr<common::RandomAccessFile> OpenForUpdate(const std::string& path) override;
  // A new file counts as a temporary one: kCreateTemp, and kAppend for its writes.
  std::unique_ptr<common::RandomAccessFile> CreateFile(const std::string& path,
                                                       const std::string& permissions_of) override;
  std::pair<std::string, std::unique_ptr<common::WritableFile>> CreateTempFile(
      const std::string& beside) override;
  void RenameFile(const std::string& from, const std::string& to) override;
  void RemoveFile(const std::string& path) override;

  // Throws the planned error when `op` on `path` is due to fail; returns
  // how many bytes may be written first.
  bool Due(FaultOp op, const std::string& path, std::size_t* bytes_first);
  [[noreturn]] void Fail(const std::string& action, const std::string& path);

 private:
  std::optional<std::size_t> Before(FileCall call, FileOrigin origin,
                                    const std::string& path) override;
  [[noreturn]] void FailPartWrite(const std::string& path) override;

  common::DefaultEnv real_;
  bool armed_ = false;
  FaultOp op_ = FaultOp::kAppend;
  std::string path_part_;
  int error_number_ = ENOSPC;
  int skip_ = 0;
  std::size_t bytes_first_ = 0;
  int failures_ = 0;
};

}  // namespace testing_support

#endif  // TESTS_SUPPORT_FAULT_ENV_H_
