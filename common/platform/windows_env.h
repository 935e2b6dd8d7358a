// WindowsEnv: the Env over the Windows file system, rooted at one data
// directory. Names are Windows-1252 text, given to the wide-character API as
// UTF-16. Entries with the hidden or system attribute are listed as hidden;
// reparse points (symbolic links, junctions) are listed as links and never
// followed, neither at the end of a path nor in a folder on its way. A file another program holds
// open without sharing, or one marked read-only, fails with a reason that says so.

#ifndef COMMON_PLATFORM_WINDOWS_ENV_H_
#define COMMON_PLATFORM_WINDOWS_ENV_H_

#include <cstdint>
#include <map>
#include <string>

#include "common/platform/env.h"

namespace common {

class WindowsEnv : public Env {
 public:
  // `root` is the data directory; relative paths are taken inside it.
  explicit WindowsEnv(std::string root = ".");

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
  // Windows keeps no POSIX owner and group on a file: nothing to give.
  bool CanGiveOwner(const FileInfo&) override { return true; }

 private:
  // The full path of `path`. A folder on the way inside the data directory
  // that is a reparse point (a link or junction) throws: none is followed.
  std::wstring Full(const std::string& path) const;

  std::string root_;
  // Temporary files are hidden while written; each gets these attributes
  // (those of the file it replaces) when it is renamed into place.
  std::map<std::string, std::uint32_t> final_attributes_;
  std::uint32_t temp_counter_ = 0;
};

}  // namespace common

#endif  // COMMON_PLATFORM_WINDOWS_ENV_H_
