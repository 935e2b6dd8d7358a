#include "tests/support/fault_env.h"

#include "common/platform/file_error.h"

namespace testing_support {

namespace {

class FaultWritableFile : public common::WritableFile {
 public:
  FaultWritableFile(FaultEnv& env, std::string path, std::unique_ptr<common::WritableFile> base)
      : env_(env), path_(std::move(path)), base_(std::move(base)) {}

  void Append(std::string_view data) override {
    std::size_t first = 0;
    if (env_.Due(FaultOp::kAppend, path_, &first)) {
      base_->Append(data.substr(0, std::min(first, data.size())));
      env_.Fail("write", path_);
    }
    base_->Append(data);
  }
  void Sync() override {
    if (env_.Due(FaultOp::kSync, path_, nullptr)) env_.Fail("write", path_);
    base_->Sync();
  }
  void Close() override { base_->Close(); }

 private:
  FaultEnv& env_;
  std::string path_;
  std::unique_ptr<common::WritableFile> base_;
};

class FaultRandomAccessFile : public common::RandomAccessFile {
 public:
  FaultRandomAccessFile(FaultEnv& env, std::string path,
                        std::unique_ptr<common::RandomAccessFile> base,
                        FaultOp write_op = FaultOp::kWriteAt)
      : env_(env), path_(std::move(path)), base_(std::move(base)), write_op_(write_op) {}

  std::uint64_t Size() override { return base_->Size(); }
  std::size_t ReadAt(std::uint64_t offset, char* buffer, std::size_t n) override {
    return base_->ReadAt(offset, buffer, n);
  }
  void WriteAt(std::uint64_t offset, std::string_view data) override {
    std::size_t first = 0;
    if (env_.Due(write_op_, path_, &first)) {
      base_->WriteAt(offset, data.substr(0, std::min(first, data.size())));
      env_.Fail("write", path_);
    }
    base_->WriteAt(offset, data);
  }
  void Sync() override {
    if (env_.Due(FaultOp::kSync, path_, nullptr)) env_.Fail("write", path_);
    base_->Sync();
  }
  void Close() override { base_->Close(); }

 private:
  FaultEnv& env_;
  std::string path_;
  std::unique_ptr<common::RandomAccessFile> base_;
  FaultOp write_op_;
};

}  // namespace

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

std::unique_ptr<common::SequentialFile> FaultEnv::OpenForReading(const std::string& path) {
  if (Due(FaultOp::kOpenForReading, path, nullptr)) Fail("open", path);
  return EnvWrapper::OpenForReading(path);
}

std::unique_ptr<common::RandomAccessFile> FaultEnv::OpenForUpdate(const std::string& path) {
  if (Due(FaultOp::kOpenForUpdate, path, nullptr)) Fail("open", path);
  return std::make_unique<FaultRandomAccessFile>(*this, path, EnvWrapper::OpenForUpdate(path));
}

std::unique_ptr<common::RandomAccessFile> FaultEnv::CreateFile(const std::string& path,
                                                               const std::string& permissions_of) {
  if (Due(FaultOp::kCreateTemp, path, nullptr)) Fail("write", path);
  return std::make_unique<FaultRandomAccessFile>(
      *this, path, EnvWrapper::CreateFile(path, permissions_of), FaultOp::kAppend);
}

std::pair<std::string, std::unique_ptr<common::WritableFile>> FaultEnv::CreateTempFile(
    const std::string& beside) {
  if (Due(FaultOp::kCreateTemp, beside, nullptr)) Fail("write", beside);
  auto [path, file] = EnvWrapper::CreateTempFile(beside);
  return {path, std::make_unique<FaultWritableFile>(*this, path, std::move(file))};
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
