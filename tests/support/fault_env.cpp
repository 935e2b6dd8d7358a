#include "tests/support/fault_env.h"

#include "common/platform/file_error.h"

namespace testing_support {

// real_ is not constructed yet: only its address is taken here.
FaultEnv::FaultEnv(const std::string& root)
    : EnvWrapper(static_cast<common::Env&>(real_)), real_(root) {}

void FaultEnv::FailNext(FaultOp op, std::string path_part, int error_number, int skip,
                        std::size_t bytes_first) {
  armed_ = true;
  op_ = op;
  path_part_ = std::move(path_part);
  error_number_ = error_number;
  skip_ = skip;
  bytes_first_ = bytes_first;
}

bool FaultEnv::Due(FaultOp op, const std::string& path, std::size_t* bytes_first) {
  if (!armed_ || op != op_ || path.find(path_part_) == std::string::npos) return false;
  if (skip_ > 0) {
    --skip_;
    return false;
  }
  armed_ = false;
  ++failures_;
  if (bytes_first != nullptr) *bytes_first = bytes_first_;
  return true;
}

void FaultEnv::Fail(const std::string& action, const std::string& path) {
  throw common::FileError::FromErrno(action, path, error_number_);
}

std::optional<std::size_t> FaultEnv::Before(FileCall call, FileOrigin origin,
                                            const std::string& path) {
  std::size_t first = 0;
  switch (call) {
    case FileCall::kWrite:
      if (Due(origin == FileOrigin::kUpdated ? FaultOp::kWriteAt : FaultOp::kAppend, path,
              &first)) {
        return first;
      }
      return std::nullopt;
    case FileCall::kSync:
      if (Due(FaultOp::kSync, path, nullptr)) Fail("write", path);
      return std::nullopt;
    default:
      return std::nullopt;
  }
}

void FaultEnv::FailPartWrite(const std::string& path) { Fail("write", path); }

std::unique_ptr<common::SequentialFile> FaultEnv::OpenForReading(const std::string& path) {
  if (Due(FaultOp::kOpenForReading, path, nullptr)) Fail("open", path);
  return EnvWrapper::OpenForReading(path);
}

std::unique_ptr<common::RandomAccessFile> FaultEnv::OpenForUpdate(const std::string& path) {
  if (Due(FaultOp::kOpenForUpdate, path, nullptr)) Fail("open", path);
  return Hooked(*this, FileOrigin::kUpdated, path, EnvWrapper::OpenForUpdate(path));
}

std::unique_ptr<common::RandomAccessFile> FaultEnv::CreateFile(const std::string& path,
                                                               const std::string& permissions_of) {
  if (Due(FaultOp::kCreateTemp, path, nullptr)) Fail("write", path);
  return Hooked(*this, FileOrigin::kCreated, path, EnvWrapper::CreateFile(path, permissions_of));
}

std::pair<std::string, std::unique_ptr<common::WritableFile>> FaultEnv::CreateTempFile(
    const std::string& beside) {
  if (Due(FaultOp::kCreateTemp, beside, nullptr)) Fail("write", beside);
  auto [path, file] = EnvWrapper::CreateTempFile(beside);
  return {path, Hooked(*this, path, std::move(file))};
}

void FaultEnv::RenameFile(const std::string& from, const std::string& to) {
  if (Due(FaultOp::kRename, to, nullptr)) Fail("write", to);
  EnvWrapper::RenameFile(from, to);
}

void FaultEnv::RemoveFile(const std::string& path) {
  if (Due(FaultOp::kRemove, path, nullptr)) Fail("delete", path);
  EnvWrapper::RemoveFile(path);
}

}  // namespace testing_support
