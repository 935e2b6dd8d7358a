#include "common/platform/posix_env.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <random>
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

FileInfo InfoOf(const struct stat& st) {
  FileInfo info;
  info.type = TypeOfMode(st.st_mode);
  info.size = S_ISREG(st.st_mode) ? static_cast<std::uint64_t>(st.st_size) : 0;
  info.modified = static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
  info.device = static_cast<std::uint64_t>(st.st_dev);
  info.inode = static_cast<std::uint64_t>(st.st_ino);
  info.owner = static_cast<std::uint32_t>(st.st_uid);
  info.group = static_cast<std::uint32_t>(st.st_gid);
  return info;
}

// A file descriptor, closed when it goes out of scope.
class Fd {
 public:
  explicit Fd(int fd = -1) : fd_(fd) {}
  ~Fd() {
    if (fd_ >= 0) ::close(fd_);
  }
  Fd(Fd&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
  Fd& operator=(Fd&& other) noexcept {
    if (this != &other) {
      if (fd_ >= 0) ::close(fd_);
      fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
  }
  int get() const { return fd_; }
  int release() { return std::exchange(fd_, -1); }

 private:
  int fd_;
};

// Insists on an ordinary file behind `fd`; closes it otherwise.
int RequireOrdinary(int fd, const std::string& shown, const char* action) {
  struct stat st;
  if (::fstat(fd, &st) != 0) {
    const int error = errno;
    ::close(fd);
    throw FileError::FromErrno(action, shown, error);
  }
  if (!S_ISREG(st.st_mode)) {
    ::close(fd);
    throw FileError(
        action, shown,
        S_ISDIR(st.st_mode) ? "it is a directory, not a file" : "it is not an ordinary file");
  }
  return fd;
}

// Opens `base` in the folder `dir` without blocking on a FIFO or device and
// without following a symbolic link, then insists on an ordinary file.
int OpenOrdinaryFileAt(int dir, const std::string& base, const std::string& shown, int flags,
                       const char* action, mode_t mode = 0666) {
  const int fd = ::openat(dir, base.c_str(), flags | O_CLOEXEC | O_NONBLOCK | O_NOFOLLOW, mode);
  if (fd < 0) {
    if (errno == ELOOP) throw FileError(action, shown, "it is a symbolic link, not a file");
    throw FileError::FromErrno(action, shown, errno);
  }
  // O_NONBLOCK only kept a FIFO or device from blocking the open; on an
  // ordinary file it changes nothing, so it stays.
  RequireOrdinary(fd, shown, action);
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
      const ssize_t got =
          ::pread(file_.fd(), buffer + done, n - done, static_cast<off_t>(offset + done));
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

class PosixEnv::Lock : public FileLock {
 public:
  Lock(int fd, PosixEnv& env) : fd_(fd), env_(env) {}
  // Closing the descriptor releases the lock.
  ~Lock() override {
    ::close(fd_);
    env_.LockReleased();
  }

 private:
  int fd_;
  PosixEnv& env_;
};

namespace {

bool InGroups(gid_t group);

// Whether this user may write to the file `st` describes, by its permission
// bits: a backup looks at thousands of files, and asking the system for
// each (access) would double the work. Root may write to every file.
bool MayWrite(const struct stat& st) {
  const uid_t me = ::geteuid();
  if (me == 0) return true;
  if (st.st_uid == me) return (st.st_mode & S_IWUSR) != 0;
  if (InGroups(st.st_gid)) return (st.st_mode & S_IWGRP) != 0;
  return (st.st_mode & S_IWOTH) != 0;
}

bool InGroups(gid_t group) {
  if (group == ::getegid()) return true;
  const int count = ::getgroups(0, nullptr);
  if (count <= 0) return false;
  std::vector<gid_t> groups(static_cast<std::size_t>(count));
  const int got = ::getgroups(count, groups.data());
  return got > 0 && std::find(groups.begin(), groups.begin() + got, group) != groups.end();
}

}  // namespace

// The folder that holds a path and the path's last part. The folder was
// reached without following a symbolic link in any part of the way.
struct PosixEnv::Parent {
  Fd owned;           // a folder opened for this path alone
  int fd = AT_FDCWD;  // the root's, a cached folder's, or owned's
  std::string base;
};

void PosixEnv::LockReleased() {
  if (--locks_held_ == 0) ForgetFolders("");
}

PosixEnv::PosixEnv(std::string root) : root_(std::move(root)) {}

PosixEnv::~PosixEnv() {
  ForgetFolders("");
  if (root_fd_ >= 0) ::close(root_fd_);
}

void PosixEnv::ForgetFolders(const std::string& path) {
  for (auto it = folders_.begin(); it != folders_.end();) {
    if (path.empty() || it->first == path || it->first.rfind(path + "/", 0) == 0) {
      ::close(it->second);
      it = folders_.erase(it);
    } else {
      ++it;
    }
  }
}

int PosixEnv::RootFd() {
  if (root_fd_ < 0) {
    // The data directory itself is given by the user: a link to it is fine.
    root_fd_ = ::open(root_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (root_fd_ < 0) throw FileError::FromErrno("open the folder", root_, errno);
  }
  return root_fd_;
}

PosixEnv::Parent PosixEnv::ParentOf(const std::string& path, const char* action,
                                    const std::string& shown, bool* missing) {
  Parent parent;
  if (IsAbsolutePath(path)) {
    // Outside the data directory ("c:\followup.pt" where there are drives):
    // taken as the system finds it.
    parent.base = path;
    return parent;
  }
  const std::size_t last = path.rfind('/');
  parent.fd = RootFd();
  if (last == std::string::npos) {
    parent.base = path;
    return parent;
  }
  parent.base = path.substr(last + 1);
  const std::string folder = path.substr(0, last);
  const bool caching = locks_held_ > 0;
  if (folders_.size() >= 64) ForgetFolders("");
  if (const auto cached = folders_.find(folder); cached != folders_.end()) {
    parent.fd = cached->second;
    return parent;
  }
  std::size_t start = 0;
  for (;;) {
    const std::size_t slash = path.find('/', start);
    if (slash == std::string::npos || slash > last) break;
    const std::string part = path.substr(start, slash - start);
    const std::string reached = path.substr(0, slash);
    start = slash + 1;
    if (part.empty() || part == ".") continue;
    if (const auto cached = folders_.find(reached); cached != folders_.end()) {
      parent.fd = cached->second;
      continue;
    }
    const int next =
        ::openat(parent.fd, part.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (next < 0) {
      const int error = errno;
      if (error == ELOOP || error == ENOTDIR) {
        struct stat st;
        if (::fstatat(parent.fd, part.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISLNK(st.st_mode)) {
          throw FileError(action, shown, "the folder \"" + reached + "\" is a symbolic link");
        }
      }
      if (missing != nullptr && (error == ENOENT || error == ENOTDIR)) {
        *missing = true;
        return Parent();
      }
      throw FileError::FromErrno(action, shown, error);
    }
    if (caching) {
      folders_[reached] = next;
    } else {
      parent.owned = Fd(next);
    }
    parent.fd = next;
  }
  return parent;
}

int PosixEnv::OpenFolder(const std::string& dir, const char* action, const std::string& shown) {
  if (dir.empty() || dir == ".") {
    // A descriptor of its own (a dup would share the position of a listing).
    const int fd = ::openat(RootFd(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) throw FileError::FromErrno(action, shown, errno);
    return fd;
  }
  Parent parent = ParentOf(dir, action, shown);
  const int fd =
      ::openat(parent.fd, parent.base.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
  if (fd < 0) {
    if (errno == ELOOP) throw FileError(action, shown, "it is a symbolic link, not a folder");
    throw FileError::FromErrno(action, shown, errno);
  }
  return fd;
}

std::vector<DirEntry> PosixEnv::ListDirectory(const std::string& dir) {
  const std::string shown = dir.empty() ? "." : dir;
  Fd folder(OpenFolder(dir, "read the folder", shown));
  const int fd = folder.get();
  DIR* handle = ::fdopendir(fd);
  if (handle == nullptr) throw FileError::FromErrno("read the folder", shown, errno);
  folder.release();  // closedir closes it
  std::vector<DirEntry> entries;
  errno = 0;
  while (const struct dirent* entry = ::readdir(handle)) {
    const std::string name = entry->d_name;
    if (name == "." || name == "..") continue;
    EntryType type = EntryType::kOther;
    switch (entry->d_type) {
      case DT_REG:
        type = EntryType::kRegular;
        break;
      case DT_DIR:
        type = EntryType::kDirectory;
        break;
      case DT_LNK:
        type = EntryType::kLink;
        break;
      case DT_UNKNOWN: {
        struct stat st;
        type = ::fstatat(fd, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0 ? TypeOfMode(st.st_mode)
                                                                          : EntryType::kOther;
        break;
      }
      default:
        break;
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
  bool missing = false;
  Parent parent = ParentOf(path, "look at", path, &missing);
  if (missing) return {};
  struct stat st;
  if (::fstatat(parent.fd, parent.base.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
    if (errno == ENOENT || errno == ENOTDIR) return {};
    throw FileError::FromErrno("look at", path, errno);
  }
  FileInfo info = InfoOf(st);
  info.writable = MayWrite(st);
  return info;
}

std::unique_ptr<SequentialFile> PosixEnv::OpenForReading(const std::string& path) {
  Parent parent = ParentOf(path, "open", path);
  const int fd = OpenOrdinaryFileAt(parent.fd, parent.base, path, O_RDONLY, "open");
  return std::make_unique<PosixSequentialFile>(fd, path);
}

std::unique_ptr<RandomAccessFile> PosixEnv::OpenForUpdate(const std::string& path) {
  Parent parent = ParentOf(path, "open", path);
  const int fd = OpenOrdinaryFileAt(parent.fd, parent.base, path, O_RDWR | O_CREAT, "open");
  return std::make_unique<PosixRandomAccessFile>(fd, path);
}

PosixEnv::Likeness PosixEnv::LikenessOf(const std::string& like) {
  Likeness likeness;
  const mode_t mask = ::umask(0);
  ::umask(mask);
  likeness.mode = 0666 & ~mask;
  if (like.empty()) return likeness;
  try {
    Parent parent = ParentOf(like, "look at", like);
    struct stat st;
    if (::fstatat(parent.fd, parent.base.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0 &&
        S_ISREG(st.st_mode)) {
      likeness.mode = st.st_mode & 07777;
      likeness.owner = st.st_uid;
      likeness.group = st.st_gid;
      likeness.known = true;
    }
  } catch (const FileError&) {
    // Nothing to take after: a new file's usual permissions.
  }
  return likeness;
}

void PosixEnv::Apply(int fd, const Likeness& likeness, const std::string& shown) {
  // open() applies the umask; the permissions must be exactly the old ones.
  if (::fchmod(fd, likeness.mode) != 0) {
    throw FileError::FromErrno("set the permissions of", shown, errno);
  }
  if (!likeness.known) return;
  struct stat st;
  if (::fstat(fd, &st) != 0) throw FileError::FromErrno("set the owner of", shown, errno);
  if (st.st_uid == likeness.owner && st.st_gid == likeness.group) return;
  const uid_t owner = st.st_uid == likeness.owner ? static_cast<uid_t>(-1) : likeness.owner;
  const gid_t group = st.st_gid == likeness.group ? static_cast<gid_t>(-1) : likeness.group;
  if (::fchown(fd, owner, group) != 0) {
    throw FileError::FromErrno("give the owner and group of the original to", shown, errno);
  }
  // A change of owner clears the set-user-ID and set-group-ID bits.
  if ((likeness.mode & 06000) != 0) ::fchmod(fd, likeness.mode);
}

std::unique_ptr<RandomAccessFile> PosixEnv::CreateFile(const std::string& path,
                                                       const std::string& permissions_of) {
  const Likeness likeness = LikenessOf(permissions_of);
  Parent parent = ParentOf(path, "create", path);
  const int fd = OpenOrdinaryFileAt(parent.fd, parent.base, path, O_RDWR | O_CREAT | O_EXCL,
                                    "create", likeness.mode);
  auto file = std::make_unique<PosixRandomAccessFile>(fd, path);
  try {
    Apply(fd, likeness, path);
  } catch (const FileError&) {
    file.reset();
    ::unlinkat(parent.fd, parent.base.c_str(), 0);
    throw;
  }
  return file;
}

std::pair<std::string, std::unique_ptr<WritableFile>> PosixEnv::CreateTempFile(
    const std::string& beside) {
  const Likeness likeness = LikenessOf(beside);
  const std::string dir = DirectoryOf(beside);
  Parent parent = ParentOf(JoinPath(dir, "x"), "write", beside);
  static std::mt19937 random{std::random_device{}()};
  for (int attempt = 0; attempt < 100; ++attempt) {
    char suffix[8];
    std::snprintf(suffix, sizeof suffix, ".%06x", static_cast<unsigned>(random() & 0xFFFFFF));
    const std::string base = "." + BaseName(beside) + suffix;
    const int fd = ::openat(parent.fd, base.c_str(),
                            O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) {
      if (errno == EEXIST) continue;
      throw FileError::FromErrno("write", beside, errno);
    }
    const std::string path = JoinPath(dir, base);
    auto file = std::make_unique<PosixWritableFile>(fd, path);
    try {
      // The permissions, owner and group of the file it replaces, or the
      // usual ones for a new file.
      Apply(fd, likeness, beside);
    } catch (const FileError&) {
      file.reset();
      ::unlinkat(parent.fd, base.c_str(), 0);
      throw;
    }
    return {path, std::move(file)};
  }
  throw FileError("write", beside, "no free name for a temporary file beside it");
}

void PosixEnv::RenameFile(const std::string& from, const std::string& to) {
  // A folder moved away takes its cached descriptors' meaning with it.
  ForgetFolders(from);
  ForgetFolders(to);
  Parent source = ParentOf(from, "write", to);
  Parent target = ParentOf(to, "write", to);
  if (::renameat(source.fd, source.base.c_str(), target.fd, target.base.c_str()) != 0) {
    throw FileError::FromErrno("write", to, errno);
  }
}

void PosixEnv::RemoveFile(const std::string& path) {
  Parent parent = ParentOf(path, "delete", path);
  if (::unlinkat(parent.fd, parent.base.c_str(), 0) != 0) {
    throw FileError::FromErrno("delete", path, errno);
  }
}

void PosixEnv::SyncDirectory(const std::string& dir) {
  const std::string shown = dir.empty() ? "." : dir;
  Fd folder(OpenFolder(dir, "write to the folder", shown));
  const int result = ::fsync(folder.get());
  const int error = errno;
  // Some file systems cannot sync a directory; that is no reason to fail.
  if (result != 0 && error != EINVAL && error != EROFS) {
    throw FileError::FromErrno("write to the folder", shown, error);
  }
}

bool PosixEnv::CreateDirectory(const std::string& path) {
  Parent parent = ParentOf(path, "create the folder", path);
  if (::mkdirat(parent.fd, parent.base.c_str(), 0777) == 0) return true;
  if (errno == EEXIST) return false;
  throw FileError::FromErrno("create the folder", path, errno);
}

void PosixEnv::RemoveDirectory(const std::string& path) {
  ForgetFolders(path);
  Parent parent = ParentOf(path, "delete the folder", path);
  if (::unlinkat(parent.fd, parent.base.c_str(), AT_REMOVEDIR) != 0) {
    throw FileError::FromErrno("delete the folder", path, errno);
  }
}

std::uint64_t PosixEnv::FreeSpace(const std::string& dir) {
  const std::string shown = dir.empty() ? "." : dir;
  Fd folder(OpenFolder(dir, "look at", shown));
  struct statvfs fs;
  if (::fstatvfs(folder.get(), &fs) != 0) throw FileError::FromErrno("look at", shown, errno);
  return static_cast<std::uint64_t>(fs.f_bavail) * fs.f_frsize;
}

LocalTime PosixEnv::Now() {
  struct timespec now;
  ::clock_gettime(CLOCK_REALTIME, &now);
  struct tm local;
  ::localtime_r(&now.tv_sec, &local);
  return {local.tm_year + 1900,
          local.tm_mon + 1,
          local.tm_mday,
          local.tm_hour,
          local.tm_min,
          local.tm_sec,
          static_cast<int>(now.tv_nsec / 1000000)};
}

std::unique_ptr<FileLock> PosixEnv::TryLockFile(const std::string& path) {
  // Other programs may have changed the folders while the lock was free.
  ForgetFolders("");
  Parent parent = ParentOf(path, "lock", path);
  // Read access is enough for a lock, so a lock file another user of a
  // shared store made serves every user.
  const int fd = OpenOrdinaryFileAt(parent.fd, parent.base, path, O_RDONLY | O_CREAT, "lock");
  for (;;) {
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
      ++locks_held_;
      return std::make_unique<Lock>(fd, *this);
    }
    const int error = errno;
    if (error == EINTR) continue;
    ::close(fd);
    if (error == EWOULDBLOCK) return nullptr;
    throw FileError::FromErrno("lock", path, error);
  }
}

bool PosixEnv::CanGiveOwner(const FileInfo& original) {
  const uid_t me = ::geteuid();
  if (me == 0) return true;
  if (original.owner != me) return false;
  // A new file's group: that of a set-group-ID folder, else ours.
  gid_t group = ::getegid();
  struct stat st;
  if (::fstat(RootFd(), &st) == 0 && (st.st_mode & S_ISGID) != 0) group = st.st_gid;
  return original.group == group || InGroups(original.group);
}

}  // namespace common
