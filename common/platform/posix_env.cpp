#include "common/platform/posix_env.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <ctime>

#include <cerrno>
#include <cstring>
#include <utility>

#include "common/platform/file_error.h"
#include "common/platform/paths.h"

namespace common {

namespace {

EntryType TypeOfMode(mode_t mode) {
  if (S_ISREG(mode)) return EntryType::kRegular;
  if (S_ISDIR(mode)) return EntryType::kDirectory;
  if (S_ISLNK(mode)) return EntryType::kLink;
  return EntryType::kOther;
}

// Opens without blocking on a FIFO or device and without following a
// symbolic link, then insists on an ordinary file.
int OpenOrdinaryFile(const std::string& full, const std::string& shown, int flags,
                     const char* action, mode_t mode = 0666) {
  const int fd = ::open(full.c_str(), flags | O_CLOEXEC | O_NONBLOCK | O_NOFOLLOW, mode);
  if (fd < 0) {
    if (errno == ELOOP) throw FileError(action, shown, "it is a symbolic link, not a file");
    throw FileError::FromErrno(action, shown, errno);
  }
  struct stat st;
  if (::fstat(fd, &st) != 0) {
    const int error = errno;
    ::close(fd);
    throw FileError::FromErrno(action, shown, error);
  }
  if (!S_ISREG(st.st_mode)) {
    ::close(fd);
    throw FileError(action, shown,
                    S_ISDIR(st.st_mode) ? "it is a directory, not a file"
                                        : "it is not an ordinary file");
  }
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  return fd;
}

// A file descriptor and the name its errors carry; closed once, on Close()
// (which reports a failure) or at destruction.
class Descriptor {
 public:
  Descriptor(int fd, std::string name) : fd_(fd), name_(std::move(name)) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;

  int fd() const { return fd_; }
  const std::string& name() const { return name_; }

  void Close() {
    if (fd_ < 0) return;
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) throw FileError::FromErrno("write", name_, errno);
  }

 private:
  int fd_;
  std::string name_;
};

class PosixSequentialFile : public SequentialFile {
 public:
  PosixSequentialFile(int fd, std::string name) : file_(fd, std::move(name)) {}

  std::size_t Read(char* buffer, std::size_t n) override {
    for (;;) {
      const ssize_t got = ::read(file_.fd(), buffer, n);
      if (got >= 0) return static_cast<std::size_t>(got);
      if (errno != EINTR) throw FileError::FromErrno("read", file_.name(), errno);
    }
  }

 private:
  Descriptor file_;
};

class PosixRandomAccessFile : public RandomAccessFile {
 public:
  PosixRandomAccessFile(int fd, std::string name) : file_(fd, std::move(name)) {}

  std::uint64_t Size() override {
    struct stat st;
    if (::fstat(file_.fd(), &st) != 0) throw FileError::FromErrno("read", file_.name(), errno);
    return static_cast<std::uint64_t>(st.st_size);
  }

  std::size_t ReadAt(std::uint64_t offset, char* buffer, std::size_t n) override {
    std::size_t done = 0;
    while (done < n) {
      const ssize_t got = ::pread(file_.fd(), buffer + done, n - done,
                                  static_cast<off_t>(offset + done));
      if (got == 0) break;
      if (got < 0) {
        if (errno == EINTR) continue;
        throw FileError::FromErrno("read", file_.name(), errno);
      }
      done += static_cast<std::size_t>(got);
    }
    return done;
  }

  void WriteAt(std::uint64_t offset, std::string_view data) override {
    std::size_t done = 0;
    while (done < data.size()) {
      const ssize_t put = ::pwrite(file_.fd(), data.data() + done, data.size() - done,
                                   static_cast<off_t>(offset + done));
      if (put < 0) {
        if (errno == EINTR) continue;
        throw FileError::FromErrno("write", file_.name(), errno);
      }
      done += static_cast<std::size_t>(put);
    }
  }

  void StartWriteback(std::uint64_t offset, std::uint64_t length) override {
#ifdef __linux__
    // Only a hint: an error here shows again, and is reported, at Sync().
    ::sync_file_range(file_.fd(), static_cast<off_t>(offset), static_cast<off_t>(length),
                      SYNC_FILE_RANGE_WRITE);
#else
    (void)offset;
    (void)length;
#endif
  }

  void Sync() override {
    if (::fdatasync(file_.fd()) != 0) throw FileError::FromErrno("write", file_.name(), errno);
  }

  void Close() override { file_.Close(); }

 private:
  Descriptor file_;
};

class PosixWritableFile : public WritableFile {
 public:
  PosixWritableFile(int fd, std::string name) : file_(fd, std::move(name)) {}

  void Append(std::string_view data) override {
    std::size_t done = 0;
    while (done < data.size()) {
      const ssize_t put = ::write(file_.fd(), data.data() + done, data.size() - done);
      if (put < 0) {
        if (errno == EINTR) continue;
        throw FileError::FromErrno("write", file_.name(), errno);
      }
      done += static_cast<std::size_t>(put);
    }
  }

  void Sync() override {
    if (::fsync(file_.fd()) != 0) throw FileError::FromErrno("write", file_.name(), errno);
  }

  void Close() override { file_.Close(); }

 private:
  Descriptor file_;
};

}  // namespace

PosixEnv::PosixEnv(std::string root) : root_(std::move(root)) {}

std::string PosixEnv::Full(const std::string& path) const {
  if (path.empty()) return root_;
  if (IsAbsolutePath(path) || root_ == ".") return path;
  return JoinPath(root_, path);
}

std::vector<DirEntry> PosixEnv::ListDirectory(const std::string& dir) {
  const std::string full = Full(dir);
  const std::string shown = dir.empty() ? "." : dir;
  DIR* handle = ::opendir(full.c_str());
  if (handle == nullptr) throw FileError::FromErrno("read the folder", shown, errno);
  std::vector<DirEntry> entries;
  errno = 0;
  while (const struct dirent* entry = ::readdir(handle)) {
    const std::string name = entry->d_name;
    if (name == "." || name == "..") continue;
    EntryType type = EntryType::kOther;
    switch (entry->d_type) {
      case DT_REG: type = EntryType::kRegular; break;
      case DT_DIR: type = EntryType::kDirectory; break;
      case DT_LNK: type = EntryType::kLink; break;
      case DT_UNKNOWN: {
        struct stat st;
        const std::string path = full == "." ? name : JoinPath(full, name);
        type = ::lstat(path.c_str(), &st) == 0 ? TypeOfMode(st.st_mode) : EntryType::kOther;
        break;
      }
      default: break;
    }
    entries.push_back({name, type, name.front() == '.'});
    errno = 0;
  }
  const int error = errno;
  ::closedir(handle);
  if (error != 0) throw FileError::FromErrno("read the folder", shown, error);
  return entries;
}

EntryType PosixEnv::TypeOf(const std::string& path) { return Stat(path).type; }

FileInfo PosixEnv::Stat(const std::string& path) {
  struct stat st;
  const std::string full = Full(path);
  if (::lstat(full.c_str(), &st) != 0) {
    if (errno == ENOENT || errno == ENOTDIR) return {};
    throw FileError::FromErrno("look at", path, errno);
  }
  FileInfo info;
  info.type = TypeOfMode(st.st_mode);
  info.size = S_ISREG(st.st_mode) ? static_cast<std::uint64_t>(st.st_size) : 0;
  info.writable = ::faccessat(AT_FDCWD, full.c_str(), W_OK, AT_EACCESS) == 0;
  return info;
}

std::unique_ptr<SequentialFile> PosixEnv::OpenForReading(const std::string& path) {
  const int fd = OpenOrdinaryFile(Full(path), path, O_RDONLY, "open");
  return std::make_unique<PosixSequentialFile>(fd, path);
}

std::unique_ptr<RandomAccessFile> PosixEnv::OpenForUpdate(const std::string& path) {
  const int fd = OpenOrdinaryFile(Full(path), path, O_RDWR | O_CREAT, "open");
  return std::make_unique<PosixRandomAccessFile>(fd, path);
}

mode_t PosixEnv::PermissionsFor(const std::string& like) const {
  struct stat st;
  if (!like.empty() && ::lstat(Full(like).c_str(), &st) == 0 && S_ISREG(st.st_mode)) {
    return st.st_mode & 07777;
  }
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

std::unique_ptr<RandomAccessFile> PosixEnv::CreateFile(const std::string& path,
                                                       const std::string& permissions_of) {
  const mode_t mode = PermissionsFor(permissions_of);
  const int fd = OpenOrdinaryFile(Full(path), path, O_RDWR | O_CREAT | O_EXCL, "create", mode);
  auto file = std::make_unique<PosixRandomAccessFile>(fd, path);
  // open() applies the umask; the permissions must be exactly the old ones.
  if (::fchmod(fd, mode) != 0) throw FileError::FromErrno("set the permissions of", path, errno);
  return file;
}

std::pair<std::string, std::unique_ptr<WritableFile>> PosixEnv::CreateTempFile(
    const std::string& beside) {
  const std::string dir = DirectoryOf(beside);
  const std::string name = JoinPath(dir, "." + BaseName(beside) + ".XXXXXX");
  std::string full = Full(name);
  const int fd = ::mkostemp(full.data(), O_CLOEXEC);
  if (fd < 0) throw FileError::FromErrno("write", beside, errno);
  std::string path = full.substr(full.size() - name.size());
  auto file = std::make_unique<PosixWritableFile>(fd, path);
  // mkostemp creates the file readable by its owner only; give it the
  // permissions the file it replaces had, or the usual ones for a new file.
  if (::fchmod(fd, PermissionsFor(beside)) != 0) {
    const int error = errno;
    file.reset();
    ::unlink(full.c_str());
    throw FileError::FromErrno("set the permissions of", beside, error);
  }
  return {path, std::move(file)};
}

void PosixEnv::RenameFile(const std::string& from, const std::string& to) {
  if (::rename(Full(from).c_str(), Full(to).c_str()) != 0) {
    throw FileError::FromErrno("write", to, errno);
  }
}

void PosixEnv::RemoveFile(const std::string& path) {
  if (::unlink(Full(path).c_str()) != 0) throw FileError::FromErrno("delete", path, errno);
}

void PosixEnv::SyncDirectory(const std::string& dir) {
  const std::string shown = dir.empty() ? "." : dir;
  const int fd = ::open(Full(dir).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) throw FileError::FromErrno("write to the folder", shown, errno);
  const int result = ::fsync(fd);
  const int error = errno;
  ::close(fd);
  // Some file systems cannot sync a directory; that is no reason to fail.
  if (result != 0 && error != EINVAL && error != EROFS) {
    throw FileError::FromErrno("write to the folder", shown, error);
  }
}

bool PosixEnv::CreateDirectory(const std::string& path) {
  if (::mkdir(Full(path).c_str(), 0777) == 0) return true;
  if (errno == EEXIST) return false;
  throw FileError::FromErrno("create the folder", path, errno);
}

void PosixEnv::RemoveDirectory(const std::string& path) {
  if (::rmdir(Full(path).c_str()) != 0) throw FileError::FromErrno("delete the folder", path, errno);
}

std::uint64_t PosixEnv::FreeSpace(const std::string& dir) {
  struct statvfs fs;
  if (::statvfs(Full(dir).c_str(), &fs) != 0) {
    throw FileError::FromErrno("look at", dir.empty() ? "." : dir, errno);
  }
  return static_cast<std::uint64_t>(fs.f_bavail) * fs.f_frsize;
}

LocalTime PosixEnv::Now() {
  struct timespec now;
  ::clock_gettime(CLOCK_REALTIME, &now);
  struct tm local;
  ::localtime_r(&now.tv_sec, &local);
  return {local.tm_year + 1900, local.tm_mon + 1,  local.tm_mday,
          local.tm_hour,        local.tm_min,      local.tm_sec,
          static_cast<int>(now.tv_nsec / 1000000)};
}

}  // namespace common
