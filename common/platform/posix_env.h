// PosixEnv: the Env over the operating system, rooted at one data directory.
// Every path inside it is walked one folder at a time (openat), so a
// symbolic link is never followed, wherever it stands on the way.

#ifndef COMMON_PLATFORM_POSIX_ENV_H_
#define COMMON_PLATFORM_POSIX_ENV_H_

#include <sys/types.h>

#include <map>
#include <string>

#include "common/platform/env.h"

namespace common {

class PosixEnv : public Env {
 public:
  // `root` is the data directory; relative paths are taken inside it.
  explicit PosixEnv(std::string root = ".");
  ~PosixEnv() override;
  PosixEnv(const PosixEnv&) = delete;
  PosixEnv& operator=(const PosixEnv&) = delete;

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
  std::unique_ptr<FileLock> TryLockFile(const std::string& path) override;
  bool CanGiveOwner(const FileInfo& original) override;

 private:
  struct Parent;
  class Lock;
  // What a file made to replace another takes over from it.
  struct Likeness {
    mode_t mode = 0;
    bool known = false;  // owner and group are those of a file
    uid_t owner = 0;
    gid_t group = 0;
  };

  int RootFd();
  // The folder holding `path`, reached without following a link. With
  // `missing`, a folder on the way that does not exist sets it instead of
  // throwing.
  Parent ParentOf(const std::string& path, const char* action, const std::string& shown,
                  bool* missing = nullptr);
  // A descriptor of the folder `dir`, for the caller to close.
  int OpenFolder(const std::string& dir, const char* action, const std::string& shown);
  Likeness LikenessOf(const std::string& like);
  static void Apply(int fd, const Likeness& likeness, const std::string& shown);

  // Drops the folders cached at `path` and below it ("" drops all).
  void ForgetFolders(const std::string& path);
  // A lock taken through this Env is released.
  void LockReleased();

  std::string root_;
  int root_fd_ = -1;
  // Descriptors of folders inside the data directory, by path, reached
  // without a link: a backup touches thousands of files in a few folders.
  // Whoever changes those folders holds the working lock, so folders are
  // kept only while this Env holds a lock, and forgotten when it removes or
  // renames them.
  std::map<std::string, int> folders_;
  int locks_held_ = 0;
};

}  // namespace common

#endif  // COMMON_PLATFORM_POSIX_ENV_H_
