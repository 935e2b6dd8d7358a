// PosixEnv: the Env over the operating system, rooted at one data directory.

#ifndef COMMON_PLATFORM_POSIX_ENV_H_
#define COMMON_PLATFORM_POSIX_ENV_H_

#include <sys/types.h>

#include <string>

#include "common/platform/env.h"

namespace common {

class PosixEnv : public Env {
 public:
  // `root` is the data directory; relative paths are taken inside it.
  explicit PosixEnv(std::string root = ".");

  std::vector<DirEntry> ListDirectory(const std::string& dir) override;
  EntryType TypeOf(const std::string& path) override;
  FileInfo Stat(const std::string& path) override;
  std::unique_ptr<SequentialFile> OpenForReading(const std::string& path) override;
  std::unique_ptr<RandomAccessFile> OpenForUpdate(const std::string& path) override;
  std::unique_ptr<RandomAccessFile> CreateFile(const std::string& path,
                                               const std::string& permissions_of) override;
  std::pair<std::string, std::unique_ptr<WritableFile>> CreateTempFile(
      const std::string& beside) override;
  void RenameFile(const std::string& from, const std::string& to) override;
  void RemoveFile(const std::string& path) override;
  void SyncDirectory(const std::string& dir) override;
  bool CreateDirectory(const std::string& path) override;
  void RemoveDirectory(const std::string& path) override;
  std::uint64_t FreeSpace(const std::string& dir) override;
  LocalTime Now() override;

 private:
  std::string Full(const std::string& path) const;
  // The permissions a file made to replace `like` gets.
  mode_t PermissionsFor(const std::string& like) const;

  std::string root_;
};

}  // namespace common

#endif  // COMMON_PLATFORM_POSIX_ENV_H_
