#include "tests/support/memory_env.h"

#include <cerrno>
#include <cstdio>
#include <stdexcept>
#include <utility>

#include "common/platform/file_error.h"

namespace testing_support {

namespace {

using common::EntryType;
using common::FileError;
using Inode = MemoryEnv::Inode;

std::string ParentOf(const std::string& absolute) {
  const auto slash = absolute.rfind('/');
  return slash == 0 ? "/" : absolute.substr(0, slash);
}

std::string BaseOf(const std::string& path) {
  const auto slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The prefix that the entries inside directory `absolute` start with.
std::string ChildPrefix(const std::string& absolute) {
  return absolute == "/" ? "/" : absolute + "/";
}

[[noreturn]] void Throw(const char* action, const std::string& shown, int error) {
  throw FileError::FromErrno(action, shown, error);
}

class MemorySequentialFile : public common::SequentialFile {
 public:
  explicit MemorySequentialFile(std::shared_ptr<Inode> inode) : inode_(std::move(inode)) {}

  std::size_t Read(char* buffer, std::size_t n) override {
    const std::string& bytes = inode_->bytes;
    if (position_ >= bytes.size()) return 0;
    const std::size_t got = bytes.copy(buffer, n, position_);
    position_ += got;
    return got;
  }

 private:
  std::shared_ptr<Inode> inode_;
  std::size_t position_ = 0;
};

// Using a file after Close() fails as a closed descriptor does.
class MemoryRandomAccessFile : public common::RandomAccessFile {
 public:
  MemoryRandomAccessFile(std::shared_ptr<Inode> inode, std::string name)
      : inode_(std::move(inode)), name_(std::move(name)) {}

  std::uint64_t Size() override {
    Check("read");
    return inode_->bytes.size();
  }

  std::size_t ReadAt(std::uint64_t offset, char* buffer, std::size_t n) override {
    Check("read");
    const std::string& bytes = inode_->bytes;
    if (offset >= bytes.size()) return 0;
    return bytes.copy(buffer, n, static_cast<std::size_t>(offset));
  }

  void WriteAt(std::uint64_t offset, std::string_view data) override {
    Check("write");
    std::string& bytes = inode_->bytes;
    const auto at = static_cast<std::size_t>(offset);
    if (bytes.size() < at + data.size()) bytes.resize(at + data.size(), '\0');
    bytes.replace(at, data.size(), data);
    ++inode_->modified;
  }

  void Sync() override { Check("write"); }

  void Close() override { closed_ = true; }

 private:
  void Check(const char* action) const {
    if (closed_) Throw(action, name_, EBADF);
  }

  std::shared_ptr<Inode> inode_;
  std::string name_;
  bool closed_ = false;
};

class MemoryWritableFile : public common::WritableFile {
 public:
  MemoryWritableFile(std::shared_ptr<Inode> inode, std::string name)
      : inode_(std::move(inode)), name_(std::move(name)) {}

  void Append(std::string_view data) override {
    if (closed_) Throw("write", name_, EBADF);
    inode_->bytes.append(data);
    ++inode_->modified;
  }
  void Sync() override {
    if (closed_) Throw("write", name_, EBADF);
  }
  void Close() override { closed_ = true; }

 private:
  std::shared_ptr<Inode> inode_;
  std::string name_;
  bool closed_ = false;
};

}  // namespace

MemoryEnv::MemoryEnv() {
  entries_["/"] = std::make_shared<Inode>(Inode{EntryType::kDirectory, "", true});
  entries_[kDataDirectory] = std::make_shared<Inode>(Inode{EntryType::kDirectory, "", true});
}

std::string MemoryEnv::Absolute(const std::string& path) {
  std::string full =
      !path.empty() && path.front() == '/' ? path : std::string(kDataDirectory) + "/" + path;
  std::vector<std::string> parts;
  std::size_t start = 0;
  while (start <= full.size()) {
    const auto slash = std::min(full.find('/', start), full.size());
    const std::string part = full.substr(start, slash - start);
    if (part == "..") {
      if (!parts.empty()) parts.pop_back();
    } else if (!part.empty() && part != ".") {
      parts.push_back(part);
    }
    start = slash + 1;
  }
  std::string absolute;
  for (const std::string& part : parts) absolute += "/" + part;
  return absolute.empty() ? "/" : absolute;
}

std::shared_ptr<Inode> MemoryEnv::Find(const std::string& absolute) const {
  const auto found = entries_.find(absolute);
  return found == entries_.end() ? nullptr : found->second;
}

void MemoryEnv::RequireParent(const std::string& absolute, const char* action,
                              const std::string& shown) const {
  const auto parent = Find(ParentOf(absolute));
  if (parent == nullptr) Throw(action, shown, ENOENT);
  if (parent->type != EntryType::kDirectory) Throw(action, shown, ENOTDIR);
}

std::vector<common::DirEntry> MemoryEnv::ListDirectory(const std::string& dir) {
  const std::string shown = dir.empty() ? "." : dir;
  const std::string absolute = Absolute(dir);
  const auto node = Find(absolute);
  if (node == nullptr) Throw("read the folder", shown, ENOENT);
  if (node->type != EntryType::kDirectory) Throw("read the folder", shown, ENOTDIR);
  std::vector<common::DirEntry> entries;
  const std::string prefix = ChildPrefix(absolute);
  for (auto it = entries_.lower_bound(prefix);
       it != entries_.end() && it->first.compare(0, prefix.size(), prefix) == 0; ++it) {
    const std::string name = it->first.substr(prefix.size());
    if (name.empty() || name.find('/') != std::string::npos) continue;
    entries.push_back({name, it->second->type, !name.empty() && name.front() == '.'});
  }
  return entries;
}

common::EntryType MemoryEnv::TypeOf(const std::string& path) { return Stat(path).type; }

common::FileInfo MemoryEnv::Stat(const std::string& path) {
  const auto node = Find(Absolute(path));
  if (node == nullptr) return {};
  common::FileInfo info;
  info.type = node->type;
  info.size = node->type == EntryType::kRegular ? node->bytes.size() : 0;
  info.writable = node->writable;
  info.modified = node->modified;
  info.inode = reinterpret_cast<std::uintptr_t>(node.get());
  return info;
}

std::shared_ptr<Inode> MemoryEnv::OpenFile(const std::string& path, const char* action, bool create,
                                           bool write) {
  const std::string absolute = Absolute(path);
  auto node = Find(absolute);
  if (node == nullptr) {
    if (!create) Throw(action, path, ENOENT);
    RequireParent(absolute, action, path);
    node = std::make_shared<Inode>();
    entries_[absolute] = node;
    return node;
  }
  switch (node->type) {
    case EntryType::kRegular:
      break;
    case EntryType::kLink:
      throw FileError(action, path, "it is a symbolic link, not a file");
    case EntryType::kDirectory:
      if (write) Throw(action, path, EISDIR);
      throw FileError(action, path, "it is a directory, not a file");
    default:
      throw FileError(action, path, "it is not an ordinary file");
  }
  if (write && !node->writable) Throw(action, path, EACCES);
  return node;
}

std::unique_ptr<common::SequentialFile> MemoryEnv::OpenForReading(const std::string& path) {
  return std::make_unique<MemorySequentialFile>(OpenFile(path, "open", false, false));
}

std::unique_ptr<common::RandomAccessFile> MemoryEnv::OpenForUpdate(const std::string& path) {
  return std::make_unique<MemoryRandomAccessFile>(OpenFile(path, "open", true, true), path);
}

std::unique_ptr<common::RandomAccessFile> MemoryEnv::CreateFile(const std::string& path,
                                                                const std::string& permissions_of) {
  const std::string absolute = Absolute(path);
  if (Find(absolute) != nullptr) Throw("create", path, EEXIST);
  RequireParent(absolute, "create", path);
  auto node = std::make_shared<Inode>();
  if (!permissions_of.empty()) {
    const auto like = Find(Absolute(permissions_of));
    if (like != nullptr && like->type == EntryType::kRegular) node->writable = like->writable;
  }
  entries_[absolute] = node;
  return std::make_unique<MemoryRandomAccessFile>(node, path);
}

std::pair<std::string, std::unique_ptr<common::WritableFile>> MemoryEnv::CreateTempFile(
    const std::string& beside) {
  const std::string absolute_beside = Absolute(beside);
  RequireParent(absolute_beside, "write", beside);
  const auto slash = beside.rfind('/');
  const std::string dir =
      slash == std::string::npos ? "" : beside.substr(0, slash == 0 ? 1 : slash);
  std::string path;
  do {
    char suffix[16];
    std::snprintf(suffix, sizeof suffix, "%06d", ++temp_counter_ % 1000000);
    const std::string name = "." + BaseOf(beside) + "." + suffix;
    path = dir.empty() ? name : (dir == "/" ? "/" + name : dir + "/" + name);
  } while (Find(Absolute(path)) != nullptr);
  auto node = std::make_shared<Inode>();
  const auto like = Find(absolute_beside);
  if (like != nullptr && like->type == EntryType::kRegular) node->writable = like->writable;
  entries_[Absolute(path)] = node;
  return {path, std::make_unique<MemoryWritableFile>(node, path)};
}

void MemoryEnv::RenameFile(const std::string& from, const std::string& to) {
  const std::string source = Absolute(from);
  const std::string target = Absolute(to);
  const auto moved = Find(source);
  if (moved == nullptr) Throw("write", to, ENOENT);
  RequireParent(target, "write", to);
  if (source == target) return;
  const auto replaced = Find(target);
  const bool moving_directory = moved->type == EntryType::kDirectory;
  if (moving_directory) {
    if (target.compare(0, source.size() + 1, source + "/") == 0) Throw("write", to, EINVAL);
    if (replaced != nullptr) {
      if (replaced->type != EntryType::kDirectory) Throw("write", to, ENOTDIR);
      if (!Names(target).empty()) Throw("write", to, ENOTEMPTY);
    }
  } else if (replaced != nullptr && replaced->type == EntryType::kDirectory) {
    Throw("write", to, EISDIR);
  }
  entries_.erase(target);
  entries_.erase(source);
  entries_[target] = moved;
  if (!moving_directory) return;
  // Everything inside goes along.
  const std::string prefix = source + "/";
  std::vector<std::pair<std::string, std::shared_ptr<Inode>>> inside;
  for (auto it = entries_.lower_bound(prefix);
       it != entries_.end() && it->first.compare(0, prefix.size(), prefix) == 0;) {
    inside.emplace_back(target + it->first.substr(source.size()), it->second);
    it = entries_.erase(it);
  }
  for (auto& [path, node] : inside) entries_[path] = std::move(node);
}

void MemoryEnv::RemoveFile(const std::string& path) {
  const std::string absolute = Absolute(path);
  const auto node = Find(absolute);
  if (node == nullptr) Throw("delete", path, ENOENT);
  if (node->type == EntryType::kDirectory) Throw("delete", path, EISDIR);
  entries_.erase(absolute);
}

void MemoryEnv::SyncDirectory(const std::string& dir) {
  const std::string shown = dir.empty() ? "." : dir;
  const auto node = Find(Absolute(dir));
  if (node == nullptr) Throw("write to the folder", shown, ENOENT);
  if (node->type != EntryType::kDirectory) Throw("write to the folder", shown, ENOTDIR);
}

bool MemoryEnv::CreateDirectory(const std::string& path) {
  const std::string absolute = Absolute(path);
  if (Find(absolute) != nullptr) return false;
  RequireParent(absolute, "create the folder", path);
  entries_[absolute] = std::make_shared<Inode>(Inode{EntryType::kDirectory, "", true});
  return true;
}

void MemoryEnv::RemoveDirectory(const std::string& path) {
  const std::string absolute = Absolute(path);
  const auto node = Find(absolute);
  if (node == nullptr) Throw("delete the folder", path, ENOENT);
  if (node->type != EntryType::kDirectory) Throw("delete the folder", path, ENOTDIR);
  if (absolute == "/") Throw("delete the folder", path, EBUSY);
  if (!Names(path).empty()) Throw("delete the folder", path, ENOTEMPTY);
  entries_.erase(absolute);
}

std::uint64_t MemoryEnv::FreeSpace(const std::string& dir) {
  const auto node = Find(Absolute(dir));
  if (node == nullptr) Throw("look at", dir.empty() ? "." : dir, ENOENT);
  return free_space_;
}

common::LocalTime MemoryEnv::Now() { return now_; }

namespace {

class MemoryFileLock : public common::FileLock {
 public:
  MemoryFileLock(std::shared_ptr<std::map<std::string, bool>> locks, std::string path)
      : locks_(std::move(locks)), path_(std::move(path)) {}
  ~MemoryFileLock() override { locks_->erase(path_); }

 private:
  std::shared_ptr<std::map<std::string, bool>> locks_;
  std::string path_;
};

}  // namespace

std::unique_ptr<common::FileLock> MemoryEnv::TryLockFile(const std::string& path) {
  OpenFile(path, "lock", /*create=*/true, /*write=*/false);
  const std::string absolute = Absolute(path);
  if (locks_->count(absolute) != 0) return nullptr;
  (*locks_)[absolute] = true;
  return std::make_unique<MemoryFileLock>(locks_, absolute);
}

void MemoryEnv::Write(const std::string& path, const std::string& bytes) {
  const std::string absolute = Absolute(path);
  RequireParent(absolute, "write", path);
  const auto existing = Find(absolute);
  if (existing != nullptr && existing->type == EntryType::kDirectory) {
    throw std::logic_error("MemoryEnv::Write over the directory " + path);
  }
  entries_[absolute] = std::make_shared<Inode>(Inode{EntryType::kRegular, bytes, true});
}

std::optional<std::string> MemoryEnv::Read(const std::string& path) const {
  const auto node = Find(Absolute(path));
  if (node == nullptr || node->type != EntryType::kRegular) return std::nullopt;
  return node->bytes;
}

void MemoryEnv::MakeDirectory(const std::string& path) {
  if (!CreateDirectory(path)) throw std::logic_error("MemoryEnv: " + path + " exists");
}

void MemoryEnv::MakeLink(const std::string& path, const std::string& target) {
  const std::string absolute = Absolute(path);
  RequireParent(absolute, "create", path);
  if (Find(absolute) != nullptr) throw std::logic_error("MemoryEnv: " + path + " exists");
  entries_[absolute] = std::make_shared<Inode>(Inode{EntryType::kLink, target, true});
}

void MemoryEnv::MakeOther(const std::string& path) {
  const std::string absolute = Absolute(path);
  RequireParent(absolute, "create", path);
  if (Find(absolute) != nullptr) throw std::logic_error("MemoryEnv: " + path + " exists");
  entries_[absolute] = std::make_shared<Inode>(Inode{EntryType::kOther, "", true});
}

void MemoryEnv::SetWritable(const std::string& path, bool writable) {
  const auto node = Find(Absolute(path));
  if (node == nullptr) throw std::logic_error("MemoryEnv: no " + path);
  node->writable = writable;
}

std::vector<std::string> MemoryEnv::Names(const std::string& dir) const {
  const std::string absolute = Absolute(dir);
  const std::string prefix = ChildPrefix(absolute);
  std::vector<std::string> names;
  for (auto it = entries_.lower_bound(prefix);
       it != entries_.end() && it->first.compare(0, prefix.size(), prefix) == 0; ++it) {
    const std::string name = it->first.substr(prefix.size());
    if (!name.empty() && name.find('/') == std::string::npos) names.push_back(name);
  }
  return names;
}

std::map<std::string, std::string> MemoryEnv::Snapshot() const {
  std::map<std::string, std::string> snapshot;
  for (const auto& [path, node] : entries_) {
    switch (node->type) {
      case EntryType::kRegular:
        snapshot[path] = node->bytes;
        break;
      case EntryType::kDirectory:
        snapshot[path] = "<dir>";
        break;
      case EntryType::kLink:
        snapshot[path] = "<link>";
        break;
      default:
        snapshot[path] = "<other>";
        break;
    }
  }
  return snapshot;
}

}  // namespace testing_support
