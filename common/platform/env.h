// Env: the one seam between the programs and the file system. Every file
// operation of both programs goes through an Env; only posix_env.cpp and
// windows_env.cpp talk to the operating system (default_env.h gives the one
// of the platform built for). Paths are relative to the data directory unless
// they are absolute. Every failure throws common::FileError naming the path.
//
// EnvWrapper forwards every call to another Env, so a test can override just
// the one operation it wants to fail.

#ifndef COMMON_PLATFORM_ENV_H_
#define COMMON_PLATFORM_ENV_H_

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace common {

// What a directory entry is. A symbolic link is never followed: it is kLink
// whatever it points to.
enum class EntryType { kMissing, kRegular, kDirectory, kLink, kOther };

struct DirEntry {
  std::string name;
  EntryType type;
  // Hidden from the user: a name starting with a dot on POSIX, the hidden or
  // system attribute on Windows. Name patterns never match hidden entries.
  bool hidden = false;
};

// What Stat tells of one entry, without following a link.
struct FileInfo {
  EntryType type = EntryType::kMissing;
  std::uint64_t size = 0;  // bytes, for an ordinary file
  bool writable = false;   // the user may write to it (not read-only)
  // When the content last changed, in nanoseconds of the system's clock, and
  // which file the name stands for (device and inode; 0 where the system
  // cannot tell cheaply): a file changed or replaced by another program
  // differs in one of them or in its size.
  std::int64_t modified = 0;
  std::uint64_t device = 0;
  std::uint64_t inode = 0;
  // Owner and group (POSIX; 0 elsewhere).
  std::uint32_t owner = 0;
  std::uint32_t group = 0;
};

// True when `a` and `b` describe the same file with the same content as far
// as size, modification time and identity tell.
inline bool SameFileState(const FileInfo& a, const FileInfo& b) {
  return a.type == b.type && a.size == b.size && a.modified == b.modified && a.device == b.device &&
         a.inode == b.inode;
}

// A lock on a file, held until it is destroyed (or the process ends).
class FileLock {
 public:
  virtual ~FileLock() = default;
};

// The local date and time, to the millisecond.
struct LocalTime {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
  int millisecond = 0;
};

// A file read from its start to its end.
class SequentialFile {
 public:
  virtual ~SequentialFile() = default;
  // Reads up to `n` bytes into `buffer`; returns how many, 0 at the end.
  virtual std::size_t Read(char* buffer, std::size_t n) = 0;
};

// A file opened for reading and writing at any offset. It is never shortened.
class RandomAccessFile {
 public:
  virtual ~RandomAccessFile() = default;
  virtual std::uint64_t Size() = 0;
  // Reads up to `n` bytes at `offset`; fewer only where the file ends.
  virtual std::size_t ReadAt(std::uint64_t offset, char* buffer, std::size_t n) = 0;
  // Writes all of `data` at `offset`, extending the file when needed.
  virtual void WriteAt(std::uint64_t offset, std::string_view data) = 0;
  // A hint that the bytes just written at [offset, offset + length) may go to
  // the disk now, so that a later Sync() has less to wait for.
  virtual void StartWriteback(std::uint64_t /*offset*/, std::uint64_t /*length*/) {}
  virtual void Sync() = 0;
  virtual void Close() = 0;
};

// A new file written from its start.
class WritableFile {
 public:
  virtual ~WritableFile() = default;
  virtual void Append(std::string_view data) = 0;
  virtual void Sync() = 0;
  virtual void Close() = 0;
};

class Env {
 public:
  virtual ~Env() = default;

  // The entries of directory `dir` ("" is the data directory), "." and ".."
  // left out, in no particular order. Hidden entries are listed too.
  virtual std::vector<DirEntry> ListDirectory(const std::string& dir) = 0;
  // The type of `path`; kMissing when nothing is there.
  virtual EntryType TypeOf(const std::string& path) = 0;
  // Type, size and writability of `path`; type kMissing when nothing is there.
  virtual FileInfo Stat(const std::string& path) = 0;

  // REQUIRES for the opening calls: `path` names an ordinary file (or, for
  // OpenForUpdate, nothing yet); a directory, device, FIFO or symbolic link
  // throws. No call ever follows a symbolic link, neither at the end of a
  // path nor in a folder on its way.
  virtual std::unique_ptr<SequentialFile> OpenForReading(const std::string& path) = 0;
  // Opens `path` for reading and writing, creating it empty when missing.
  virtual std::unique_ptr<RandomAccessFile> OpenForUpdate(const std::string& path) = 0;
  // Creates `path`, which must not exist yet, for reading and writing. It
  // gets the permissions, owner and group of `permissions_of` when that
  // names an ordinary file, else those of a new file; failing to set them
  // throws (see CanGiveOwner).
  virtual std::unique_ptr<RandomAccessFile> CreateFile(const std::string& path,
                                                       const std::string& permissions_of) = 0;
  // Creates a new hidden file in the directory of `beside`, with the
  // permissions of `beside` when that exists (failing to set them throws).
  // Returns its path and the file.
  virtual std::pair<std::string, std::unique_ptr<WritableFile>> CreateTempFile(
      const std::string& beside) = 0;

  // Replaces `to` with `from` in one step (a link at `to` is replaced, never
  // followed).
  virtual void RenameFile(const std::string& from, const std::string& to) = 0;
  virtual void RemoveFile(const std::string& path) = 0;
  // Makes the directory's entries (a rename, a new file) durable.
  virtual void SyncDirectory(const std::string& dir) = 0;

  // Creates the directory `path`; returns false when something of that name
  // already exists.
  virtual bool CreateDirectory(const std::string& path) = 0;
  // Removes the empty directory `path`.
  virtual void RemoveDirectory(const std::string& path) = 0;
  // The bytes that the user may still write on the disk holding `dir`.
  virtual std::uint64_t FreeSpace(const std::string& dir) = 0;

  virtual LocalTime Now() = 0;

  // Takes the lock of the file `path` (created empty when missing) for this
  // process alone; nullptr when another holder has it. Locks are advisory:
  // they keep out only those who ask for the same lock. Throws FileError
  // when the file cannot be opened.
  virtual std::unique_ptr<FileLock> TryLockFile(const std::string& path) = 0;

  // Whether a file this program creates can be given the owner and group of
  // the file `original` describes (CreateFile's permissions_of).
  virtual bool CanGiveOwner(const FileInfo& original) = 0;
};

// Forwards every call to `target`.
class EnvWrapper : public Env {
 public:
  explicit EnvWrapper(Env& target) : target_(target) {}
  // Copying would share the target by accident; wrapping another wrapper
  // must say so: EnvWrapper(static_cast<Env&>(other)).
  EnvWrapper(const EnvWrapper&) = delete;
  EnvWrapper& operator=(const EnvWrapper&) = delete;

  std::vector<DirEntry> ListDirectory(const std::string& dir) override {
    return target_.ListDirectory(dir);
  }
  EntryType TypeOf(const std::string& path) override { return target_.TypeOf(path); }
  FileInfo Stat(const std::string& path) override { return target_.Stat(path); }
  std::unique_ptr<SequentialFile> OpenForReading(const std::string& path) override {
    return target_.OpenForReading(path);
  }
  std::unique_ptr<RandomAccessFile> OpenForUpdate(const std::string& path) override {
    return target_.OpenForUpdate(path);
  }
  std::unique_ptr<RandomAccessFile> CreateFile(const std::string& path,
                                               const std::string& permissions_of) override {
    return target_.CreateFile(path, permissions_of);
  }
  std::pair<std::string, std::unique_ptr<WritableFile>> CreateTempFile(
      const std::string& beside) override {
    return target_.CreateTempFile(beside);
  }
  void RenameFile(const std::string& from, const std::string& to) override {
    target_.RenameFile(from, to);
  }
  void RemoveFile(const std::string& path) override { target_.RemoveFile(path); }
  void SyncDirectory(const std::string& dir) override { target_.SyncDirectory(dir); }
  bool CreateDirectory(const std::string& path) override { return target_.CreateDirectory(path); }
  void RemoveDirectory(const std::string& path) override { target_.RemoveDirectory(path); }
  std::uint64_t FreeSpace(const std::string& dir) override { return target_.FreeSpace(dir); }
  LocalTime Now() override { return target_.Now(); }
  std::unique_ptr<FileLock> TryLockFile(const std::string& path) override {
    return target_.TryLockFile(path);
  }
  bool CanGiveOwner(const FileInfo& original) override { return target_.CanGiveOwner(original); }

  Env& target() { return target_; }

 private:
  Env& target_;
};

}  // namespace common

#endif  // COMMON_PLATFORM_ENV_H_
