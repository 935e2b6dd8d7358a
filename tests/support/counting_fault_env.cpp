#include "tests/support/counting_fault_env.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include "common/platform/file_error.h"

namespace testing_support {

CountingFaultEnv::CountingFaultEnv(const std::string& root, FaultMode mode, int fail_at, int error)
    : EnvWrapper(static_cast<common::Env&>(real_)),
      real_(root),
      mode_(mode),
      fail_at_(fail_at),
      error_(error) {}

void CountingFaultEnv::Step(const char* action, const std::string& path) {
  ++count_;
  if (fail_at_ == 0 || count_ < fail_at_) return;
  if (mode_ == FaultMode::kOnce && count_ != fail_at_) return;
  failed_ = true;
  if (mode_ == FaultMode::kCrash) throw SimulatedCrash{};
  throw common::FileError::FromErrno(action, path, error_);
}

std::optional<std::size_t> CountingFaultEnv::Before(FileCall call, FileOrigin,
                                                    const std::string& path) {
  Step(call == FileCall::kRead ? "read" : "write", path);
  return std::nullopt;
}

void CountingFaultEnv::FailPartWrite(const std::string& path) {
  throw common::FileError::FromErrno("write", path, error_);
}

std::unique_ptr<common::FileLock> CountingFaultEnv::TryLockFile(const std::string& path) {
  Step("lock", path);
  return EnvWrapper::TryLockFile(path);
}

std::vector<common::DirEntry> CountingFaultEnv::ListDirectory(const std::string& dir) {
  Step("read the folder", dir);
  return EnvWrapper::ListDirectory(dir);
}
common::EntryType CountingFaultEnv::TypeOf(const std::string& path) {
  Step("look at", path);
  return EnvWrapper::TypeOf(path);
}
common::FileInfo CountingFaultEnv::Stat(const std::string& path) {
  Step("look at", path);
  return EnvWrapper::Stat(path);
}
std::unique_ptr<common::SequentialFile> CountingFaultEnv::OpenForReading(const std::string& path) {
  Step("open", path);
  return Hooked(*this, path, EnvWrapper::OpenForReading(path));
}
std::unique_ptr<common::RandomAccessFile> CountingFaultEnv::OpenForUpdate(const std::string& path) {
  Step("open", path);
  return Hooked(*this, FileOrigin::kUpdated, path, EnvWrapper::OpenForUpdate(path));
}
std::unique_ptr<common::RandomAccessFile> CountingFaultEnv::CreateFile(
    const std::string& path, const std::string& permissions_of) {
  Step("create", path);
  return Hooked(*this, FileOrigin::kCreated, path, EnvWrapper::CreateFile(path, permissions_of));
}
std::pair<std::string, std::unique_ptr<common::WritableFile>> CountingFaultEnv::CreateTempFile(
    const std::string& beside) {
  Step("write", beside);
  auto [path, file] = EnvWrapper::CreateTempFile(beside);
  return {path, Hooked(*this, path, std::move(file))};
}
void CountingFaultEnv::RenameFile(const std::string& from, const std::string& to) {
  Step("write", to);
  EnvWrapper::RenameFile(from, to);
}
void CountingFaultEnv::RemoveFile(const std::string& path) {
  Step("delete", path);
  EnvWrapper::RemoveFile(path);
}
void CountingFaultEnv::SyncDirectory(const std::string& dir) { Step("write to the folder", dir); }
bool CountingFaultEnv::CreateDirectory(const std::string& path) {
  Step("create the folder", path);
  return EnvWrapper::CreateDirectory(path);
}
void CountingFaultEnv::RemoveDirectory(const std::string& path) {
  Step("delete the folder", path);
  EnvWrapper::RemoveDirectory(path);
}
std::uint64_t CountingFaultEnv::FreeSpace(const std::string& dir) {
  Step("look at", dir);
  return EnvWrapper::FreeSpace(dir);
}

std::map<std::string, std::string> TreeSnapshot(const std::string& root, const std::string& skip) {
  namespace fs = std::filesystem;
  std::map<std::string, std::string> files;
  for (auto it = fs::recursive_directory_iterator(root); it != fs::recursive_directory_iterator();
       ++it) {
    const std::string name = fs::relative(it->path(), root).generic_string();
    // The working lock's file is the programs' own, never data.
    if (name == "brillora-tools.lock") continue;
    if (!skip.empty() && (name == skip || name.rfind(skip + "/", 0) == 0)) {
      if (it->is_directory()) it.disable_recursion_pending();
      continue;
    }
    const fs::file_status status = fs::symlink_status(it->path());
    const std::string mode =
        " mode " + std::to_string(static_cast<unsigned>(status.permissions() & fs::perms::mask));
    if (fs::is_symlink(status)) {
      files[name] = "<link " + fs::read_symlink(it->path()).string() + ">";
    } else if (fs::is_directory(status)) {
      files[name] = "<dir>" + mode;
    } else if (!fs::is_regular_file(status)) {
      files[name] = "<special>" + mode;  // a FIFO is never opened: that would wait
    } else {
      std::ifstream in(it->path(), std::ios::binary);
      std::ostringstream bytes;
      bytes << in.rdbuf();
      files[name] = bytes.str() + mode;
    }
  }
  return files;
}

}  // namespace testing_support
