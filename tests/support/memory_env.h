// MemoryEnv: an Env whose files live in memory, for tests and fuzz targets
// that run thousands of cases without touching a disk. It behaves as a
// case-sensitive POSIX disk does: names keep their letter case and two names
// differing only in case are two files; a file is an inode that an open
// handle keeps (a rename or delete under an open file leaves it readable);
// links are never followed. Errors are FileErrors built from the errno the
// system would give, so they read as PosixEnv's do.
//
// The data directory is "/data"; relative paths are taken inside it, and
// ".." can leave it, as on a disk, so a test can see what lands outside.

#ifndef TESTS_SUPPORT_MEMORY_ENV_H_
#define TESTS_SUPPORT_MEMORY_ENV_H_

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "common/platform/env.h"

namespace testing_support {

class MemoryEnv : public common::Env {
 public:
  static constexpr char kDataDirectory[] = "/data";

  MemoryEnv();

  // Env
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
  common::LocalTime Now() override;
  // A lock is held until its FileLock goes; a second one on the same file
  // from this Env is refused, as from another process.
  std::unique_ptr<common::FileLock> TryLockFile(const std::string& path) override;
  bool CanGiveOwner(const common::FileInfo&) override { return true; }

  // Setting up and looking at the disk; paths as above. The parent
  // directory must exist.
  void Write(const std::string& path, const std::string& bytes);
  // The bytes of the ordinary file `path`, or nothing when there is none.
  std::optional<std::string> Read(const std::string& path) const;
  void MakeDirectory(const std::string& path);
  void MakeLink(const std::string& path, const std::string& target);
  // Something that is neither file, directory nor link (a FIFO, a device).
  void MakeOther(const std::string& path);
  // A read-only file cannot be opened for writing; replacing it by rename
  // (which needs only the directory) still works, as on a disk.
  void SetWritable(const std::string& path, bool writable);

  // The names in directory `dir` ("" is the data directory), sorted.
  std::vector<std::string> Names(const std::string& dir = "") const;
  // Every entry of the disk by absolute path, with a file's bytes ("<dir>",
  // "<link>" or "<other>" for the rest), for comparing before and after.
  std::map<std::string, std::string> Snapshot() const;

  // FreeSpace reports this (2^40 unless set); nothing is counted against it.
  void SetFreeSpace(std::uint64_t bytes) { free_space_ = bytes; }
  // Now() gives this (30 April 1998, 12:00:00 unless set).
  void SetNow(const common::LocalTime& now) { now_ = now; }

  struct Inode {
    common::EntryType type = common::EntryType::kRegular;
    std::string bytes;  // a file's contents, or a link's target
    bool writable = true;
    std::int64_t modified = 0;  // counts the writes, for Stat
  };

 private:
  // The absolute path `path` names, "." and ".." taken out.
  static std::string Absolute(const std::string& path);
  std::shared_ptr<Inode> Find(const std::string& absolute) const;
  // Throws, naming `shown`, unless the parent of `absolute` is a directory.
  void RequireParent(const std::string& absolute, const char* action,
                     const std::string& shown) const;
  std::shared_ptr<Inode> OpenFile(const std::string& path, const char* action, bool create,
                                  bool write);

  std::map<std::string, std::shared_ptr<Inode>> entries_;  // by absolute path
  std::uint64_t free_space_ = std::uint64_t{1} << 40;
  common::LocalTime now_{1998, 4, 30, 12, 0, 0};
  int temp_counter_ = 0;
  std::shared_ptr<std::map<std::string, bool>> locks_ =
      std::make_shared<std::map<std::string, bool>>();
};

}  // namespace testing_support

#endif  // TESTS_SUPPORT_MEMORY_ENV_H_
