// Env: the one seam between the programs and the file system. Every file
// operation of both programs goes through an Env; only posix_env.cpp talks to
// the operating system. Paths are relative to the data directory unless they
// are absolute. Every failure throws common::FileError naming the path.
//
// EnvWrapper forwards every call to another Env, so a test can override just
// the one operation it wants to fail.

#ifndef COMMON_ENV_H_
#define COMMON_ENV_H_

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace common {

enum class EntryType { kMissing, kRegular, kDirectory, kOther };

struct DirEntry {
  std::string name;
  EntryType type;
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
  // left out, in no particular order. Symbolic links report their target's type.
  virtual std::vector<DirEntry> ListDirectory(const std::string& dir) = 0;
  virtual EntryType TypeOf(const std::string& path) = 0;

  // REQUIRES for the opening calls: `path` names an ordinary file (or, for
  // OpenForUpdate, nothing yet); anything else throws.
  virtual std::unique_ptr<SequentialFile> OpenForReading(const std::string& path) = 0;
  // Opens `path` for reading and writing, creating it empty when missing.
  virtual std::unique_ptr<RandomAccessFile> OpenForUpdate(const std::string& path) = 0;
  // Creates a new hidden file in the directory of `beside`, with the
  // permissions of `beside` when that exists. Returns its path and the file.
  virtual std::pair<std::string, std::unique_ptr<WritableFile>> CreateTempFile(
      const std::string& beside) = 0;

  // Replaces `to` with `from` in one step.
  virtual void RenameFile(const std::string& from, const std::string& to) = 0;
  virtual void RemoveFile(const std::string& path) = 0;
  // Makes the directory's entries (a rename, a new file) durable.
  virtual void SyncDirectory(const std::string& dir) = 0;
};

// Forwards every call to `target`.
class EnvWrapper : public Env {
 public:
  explicit EnvWrapper(Env& target) : target_(target) {}

  std::vector<DirEntry> ListDirectory(const std::string& dir) override {
    return target_.ListDirectory(dir);
  }
  EntryType TypeOf(const std::string& path) override { return target_.TypeOf(path); }
  std::unique_ptr<SequentialFile> OpenForReading(const std::string& path) override {
    return target_.OpenForReading(path);
  }
  std::unique_ptr<RandomAccessFile> OpenForUpdate(const std::string& path) override {
    return target_.OpenForUpdate(path);
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

  Env& target() { return target_; }

 private:
  Env& target_;
};

}  // namespace common

#endif  // COMMON_ENV_H_
