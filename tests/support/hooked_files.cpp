#include "tests/support/hooked_files.h"

#include <algorithm>

namespace testing_support {

namespace {

class HookedSequentialFile : public common::SequentialFile {
 public:
  HookedSequentialFile(FileHook& hook, std::string path,
                       std::unique_ptr<common::SequentialFile> file)
      : hook_(hook), path_(std::move(path)), file_(std::move(file)) {}
  std::size_t Read(char* buffer, std::size_t n) override {
    hook_.Before(FileCall::kRead, FileOrigin::kUpdated, path_);
    return file_->Read(buffer, n);
  }

 private:
  FileHook& hook_;
  std::string path_;
  std::unique_ptr<common::SequentialFile> file_;
};

class HookedRandomAccessFile : public common::RandomAccessFile {
 public:
  HookedRandomAccessFile(FileHook& hook, FileOrigin origin, std::string path,
                         std::unique_ptr<common::RandomAccessFile> file)
      : hook_(hook), origin_(origin), path_(std::move(path)), file_(std::move(file)) {}
  std::uint64_t Size() override {
    hook_.Before(FileCall::kRead, origin_, path_);
    return file_->Size();
  }
  std::size_t ReadAt(std::uint64_t offset, char* buffer, std::size_t n) override {
    hook_.Before(FileCall::kRead, origin_, path_);
    return file_->ReadAt(offset, buffer, n);
  }
  void WriteAt(std::uint64_t offset, std::string_view data) override {
    if (const auto first = hook_.Before(FileCall::kWrite, origin_, path_)) {
      file_->WriteAt(offset, data.substr(0, std::min(*first, data.size())));
      hook_.FailPartWrite(path_);
    }
    file_->WriteAt(offset, data);
  }
  void Sync() override {
    hook_.Before(FileCall::kSync, origin_, path_);
    if (hook_.DoesSync()) file_->Sync();
  }
  void Close() override {
    hook_.Before(FileCall::kClose, origin_, path_);
    file_->Close();
  }

 private:
  FileHook& hook_;
  FileOrigin origin_;
  std::string path_;
  std::unique_ptr<common::RandomAccessFile> file_;
};

class HookedWritableFile : public common::WritableFile {
 public:
  HookedWritableFile(FileHook& hook, std::string path, std::unique_ptr<common::WritableFile> file)
      : hook_(hook), path_(std::move(path)), file_(std::move(file)) {}
  void Append(std::string_view data) override {
    if (const auto first = hook_.Before(FileCall::kWrite, FileOrigin::kTemporary, path_)) {
      file_->Append(data.substr(0, std::min(*first, data.size())));
      hook_.FailPartWrite(path_);
    }
    file_->Append(data);
  }
  void Sync() override {
    hook_.Before(FileCall::kSync, FileOrigin::kTemporary, path_);
    if (hook_.DoesSync()) file_->Sync();
  }
  void Close() override {
    hook_.Before(FileCall::kClose, FileOrigin::kTemporary, path_);
    file_->Close();
  }

 private:
  FileHook& hook_;
  std::string path_;
  std::unique_ptr<common::WritableFile> file_;
};

}  // namespace

std::unique_ptr<common::SequentialFile> Hooked(FileHook& hook, const std::string& path,
                                               std::unique_ptr<common::SequentialFile> file) {
  return std::make_unique<HookedSequentialFile>(hook, path, std::move(file));
}

std::unique_ptr<common::RandomAccessFile> Hooked(FileHook& hook, FileOrigin origin,
                                                 const std::string& path,
                                                 std::unique_ptr<common::RandomAccessFile> file) {
  return std::make_unique<HookedRandomAccessFile>(hook, origin, path, std::move(file));
}

std::unique_ptr<common::WritableFile> Hooked(FileHook& hook, const std::string& path,
                                             std::unique_ptr<common::WritableFile> file) {
  return std::make_unique<HookedWritableFile>(hook, path, std::move(file));
}

}  // namespace testing_support
