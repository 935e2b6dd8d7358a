// The Windows API's CreateFile, CreateDirectory and RemoveDirectory macros
// would rename the Env's operations of the same names: the API is called by
// its wide-character names only.
#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#include <windows.h>
#undef CreateFile
#undef CreateDirectory
#undef RemoveDirectory

#include "common/platform/windows_env.h"

#include <algorithm>
#include <cstdio>
#include <utility>

#include "common/platform/file_error.h"
#include "common/platform/paths.h"
#include "common/platform/windows1252.h"

namespace common {

namespace {

constexpr DWORD kKeptAttributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                  FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

std::wstring Wide(const std::string& path) {
  std::wstring wide = Windows1252ToWide(path);
  std::replace(wide.begin(), wide.end(), L'/', L'\\');
  return wide;
}

DWORD AttributesOf(const std::wstring& full) { return ::GetFileAttributesW(full.c_str()); }

bool ReadOnly(const std::wstring& full) {
  const DWORD attributes = AttributesOf(full);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0 &&
         (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

// True when another program holds `full` open without letting others delete
// or rename it: what makes replacing or deleting a file fail with "access
// denied" although it is not read-only.
bool HeldOpen(const std::wstring& full) {
  if (full.empty()) return false;
  const HANDLE probe = ::CreateFileW(
      full.c_str(), DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
      OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (probe == INVALID_HANDLE_VALUE) return ::GetLastError() == ERROR_SHARING_VIOLATION;
  ::CloseHandle(probe);
  return false;
}

// A read-only file is never changed, replaced or deleted, whatever rights
// the user has: Windows refuses even administrators.
void RequireWritable(const std::wstring& full, const std::string& shown, const char* action) {
  if (ReadOnly(full)) throw FileError(action, shown, "it is read-only");
}

// The reason for a failed call, in the words the POSIX build uses where there
// is one.
std::string Reason(DWORD error, const std::wstring& full) {
  switch (error) {
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_USER_MAPPED_FILE:
      return "it is in use by another program";
    case ERROR_ACCESS_DENIED:
      if (ReadOnly(full)) return "it is read-only";
      return HeldOpen(full) ? "it is in use by another program" : "Permission denied";
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
      return "No such file or directory";
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return "No space left on device";
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
      return "File exists";
    case ERROR_DIR_NOT_EMPTY:
      return "Directory not empty";
    case ERROR_WRITE_PROTECT:
      return "Read-only file system";
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_DIRECTORY:
      return "the name is not valid here";
    case ERROR_NOT_READY:
      return "the drive is not ready";
    default: {
      char text[64];
      std::snprintf(text, sizeof text, "Windows error %lu", static_cast<unsigned long>(error));
      return text;
    }
  }
}

[[noreturn]] void Fail(const std::string& action, const std::string& shown,
                       const std::wstring& full, DWORD error = ::GetLastError()) {
  throw FileError(action, shown, Reason(error, full));
}

EntryType TypeOfAttributes(DWORD attributes) {
  if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) return EntryType::kLink;
  if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return EntryType::kDirectory;
  if ((attributes & FILE_ATTRIBUTE_DEVICE) != 0) return EntryType::kOther;
  return EntryType::kRegular;
}

// A file handle and the name its errors carry; closed once, on Close()
// (which reports a failure) or at destruction.
class Handle {
 public:
  Handle(HANDLE handle, std::string name) : handle_(handle), name_(std::move(name)) {}
  ~Handle() {
    if (handle_ != INVALID_HANDLE_VALUE) ::CloseHandle(handle_);
  }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;

  HANDLE get() const { return handle_; }
  const std::string& name() const { return name_; }

  [[noreturn]] void Fail(const char* action) const {
    throw FileError(action, name_, Reason(::GetLastError(), L""));
  }

  void Close() {
    if (handle_ == INVALID_HANDLE_VALUE) return;
    const HANDLE handle = handle_;
    handle_ = INVALID_HANDLE_VALUE;
    if (!::CloseHandle(handle)) Fail("write");
  }

 private:
  HANDLE handle_;
  std::string name_;
};

// The most one ReadFile or WriteFile call moves.
constexpr std::size_t kMaxTransfer = 1u << 30;

OVERLAPPED At(std::uint64_t offset) {
  OVERLAPPED overlapped{};
  overlapped.Offset = static_cast<DWORD>(offset);
  overlapped.OffsetHigh = static_cast<DWORD>(offset >> 32);
  return overlapped;
}

class WindowsSequentialFile : public SequentialFile {
 public:
  WindowsSequentialFile(HANDLE handle, std::string name) : file_(handle, std::move(name)) {}

  std::size_t Read(char* buffer, std::size_t n) override {
    DWORD got = 0;
    if (!::ReadFile(file_.get(), buffer, static_cast<DWORD>(std::min(n, kMaxTransfer)), &got,
                    nullptr)) {
      file_.Fail("read");
    }
    return got;
  }

 private:
  Handle file_;
};

class WindowsRandomAccessFile : public RandomAccessFile {
 public:
  WindowsRandomAccessFile(HANDLE handle, std::string name) : file_(handle, std::move(name)) {}

  std::uint64_t Size() override {
    LARGE_INTEGER size;
    if (!::GetFileSizeEx(file_.get(), &size)) file_.Fail("read");
    return static_cast<std::uint64_t>(size.QuadPart);
  }

  std::size_t ReadAt(std::uint64_t offset, char* buffer, std::size_t n) override {
    std::size_t done = 0;
    while (done < n) {
      OVERLAPPED overlapped = At(offset + done);
      DWORD got = 0;
      if (!::ReadFile(file_.get(), buffer + done,
                      static_cast<DWORD>(std::min(n - done, kMaxTransfer)), &got, &overlapped)) {
        if (::GetLastError() == ERROR_HANDLE_EOF) break;
        file_.Fail("read");
      }
      if (got == 0) break;
      done += got;
    }
    return done;
  }

  void WriteAt(std::uint64_t offset, std::string_view data) override {
    std::size_t done = 0;
    while (done < data.size()) {
      OVERLAPPED overlapped = At(offset + done);
      DWORD put = 0;
      if (!::WriteFile(file_.get(), data.data() + done,
                       static_cast<DWORD>(std::min(data.size() - done, kMaxTransfer)), &put,
                       &overlapped)) {
        file_.Fail("write");
      }
      done += put;
    }
  }

  void Sync() override {
    if (!::FlushFileBuffers(file_.get())) file_.Fail("write");
  }

  void Close() override { file_.Close(); }

 private:
  Handle file_;
};

class WindowsWritableFile : public WritableFile {
 public:
  WindowsWritableFile(HANDLE handle, std::string name) : file_(handle, std::move(name)) {}

  void Append(std::string_view data) override {
    std::size_t done = 0;
    while (done < data.size()) {
      DWORD put = 0;
      if (!::WriteFile(file_.get(), data.data() + done,
                       static_cast<DWORD>(std::min(data.size() - done, kMaxTransfer)), &put,
                       nullptr)) {
        file_.Fail("write");
      }
      done += put;
    }
  }

  void Sync() override {
    if (!::FlushFileBuffers(file_.get())) file_.Fail("write");
  }

  void Close() override { file_.Close(); }

 private:
  Handle file_;
};

// Opens `full` without following a reparse point, then insists on an
// ordinary file on a disk. Others may read the file meanwhile, not change it.
HANDLE OpenOrdinaryFile(const std::wstring& full, const std::string& shown, DWORD access,
                        DWORD disposition, const char* action,
                        DWORD attributes = FILE_ATTRIBUTE_NORMAL) {
  const DWORD existing = AttributesOf(full);
  if (existing != INVALID_FILE_ATTRIBUTES) {
    switch (TypeOfAttributes(existing)) {
      case EntryType::kLink:
        throw FileError(action, shown, "it is a symbolic link, not a file");
      case EntryType::kDirectory:
        throw FileError(action, shown, "it is a directory, not a file");
      case EntryType::kOther:
        throw FileError(action, shown, "it is not an ordinary file");
      default:
        break;
    }
  }
  const HANDLE handle = ::CreateFileW(full.c_str(), access, FILE_SHARE_READ, nullptr, disposition,
                                      attributes | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
  if (handle == INVALID_HANDLE_VALUE) Fail(action, shown, full);
  // Names such as "con" or "nul" open devices, whatever their extension.
  BY_HANDLE_FILE_INFORMATION info;
  if (::GetFileType(handle) != FILE_TYPE_DISK || !::GetFileInformationByHandle(handle, &info) ||
      TypeOfAttributes(info.dwFileAttributes) != EntryType::kRegular) {
    ::CloseHandle(handle);
    throw FileError(action, shown, "it is not an ordinary file");
  }
  return handle;
}

}  // namespace

WindowsEnv::WindowsEnv(std::string root) : root_(std::move(root)) {}

std::wstring WindowsEnv::Full(const std::string& path) const {
  if (path.empty()) return Wide(root_);
  if (IsAbsolutePath(path)) return Wide(path);
  // Each folder on the way must be a folder, not a reparse point.
  for (std::size_t i = 0; i < path.size(); ++i) {
    if (!IsPathSeparator(path[i]) || i == 0) continue;
    const std::string folder = path.substr(0, i);
    const std::wstring full = root_ == "." ? Wide(folder) : Wide(JoinPath(root_, folder));
    const DWORD attributes = AttributesOf(full);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
      throw FileError("reach", path, "the folder \"" + folder + "\" is a symbolic link");
    }
  }
  if (root_ == ".") return Wide(path);
  return Wide(JoinPath(root_, path));
}

std::vector<DirEntry> WindowsEnv::ListDirectory(const std::string& dir) {
  const std::string shown = dir.empty() ? "." : dir;
  std::wstring pattern = Full(dir);
  if (!pattern.empty() && pattern.back() != L'\\' && pattern.back() != L':') pattern += L'\\';
  pattern += L'*';
  WIN32_FIND_DATAW data;
  const HANDLE find = ::FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &data,
                                         FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH);
  std::vector<DirEntry> entries;
  if (find == INVALID_HANDLE_VALUE) {
    // A drive's root folder has no "." entry, so it may be empty.
    if (::GetLastError() == ERROR_FILE_NOT_FOUND) return entries;
    Fail("read the folder", shown, Full(dir));
  }
  do {
    const std::wstring_view wide = data.cFileName;
    if (wide == L"." || wide == L"..") continue;
    DirEntry entry;
    const bool exact = WideToWindows1252(wide, entry.name);
    entry.type = TypeOfAttributes(data.dwFileAttributes);
    // A name that Windows-1252 cannot spell is no data file: it is listed,
    // but as nothing any pattern or lookup can take for one.
    if (!exact) entry.type = EntryType::kOther;
    entry.hidden = (data.dwFileAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) != 0;
    entries.push_back(std::move(entry));
  } while (::FindNextFileW(find, &data));
  const DWORD error = ::GetLastError();
  ::FindClose(find);
  if (error != ERROR_NO_MORE_FILES) Fail("read the folder", shown, Full(dir), error);
  return entries;
}

EntryType WindowsEnv::TypeOf(const std::string& path) { return Stat(path).type; }

FileInfo WindowsEnv::Stat(const std::string& path) {
  const std::wstring full = Full(path);
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!::GetFileAttributesExW(full.c_str(), GetFileExInfoStandard, &data)) {
    const DWORD error = ::GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ||
        error == ERROR_INVALID_NAME) {
      return {};
    }
    Fail("look at", path, full, error);
  }
  FileInfo info;
  info.type = TypeOfAttributes(data.dwFileAttributes);
  if (info.type == EntryType::kRegular) {
    info.size = (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
  }
  info.writable = (data.dwFileAttributes & FILE_ATTRIBUTE_READONLY) == 0;
  info.modified = static_cast<std::int64_t>(
      (static_cast<std::uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) |
      data.ftLastWriteTime.dwLowDateTime);
  return info;
}

std::unique_ptr<SequentialFile> WindowsEnv::OpenForReading(const std::string& path) {
  const HANDLE handle = OpenOrdinaryFile(Full(path), path, GENERIC_READ, OPEN_EXISTING, "open");
  return std::make_unique<WindowsSequentialFile>(handle, path);
}

std::unique_ptr<RandomAccessFile> WindowsEnv::OpenForUpdate(const std::string& path) {
  RequireWritable(Full(path), path, "open");
  const HANDLE handle =
      OpenOrdinaryFile(Full(path), path, GENERIC_READ | GENERIC_WRITE, OPEN_ALWAYS, "open");
  return std::make_unique<WindowsRandomAccessFile>(handle, path);
}

std::unique_ptr<RandomAccessFile> WindowsEnv::CreateFile(const std::string& path,
                                                         const std::string& permissions_of) {
  // A file's permissions here are its attributes; read-only is left out, as
  // the new file is opened to be written.
  DWORD attributes = FILE_ATTRIBUTE_NORMAL;
  if (!permissions_of.empty()) {
    const DWORD like = AttributesOf(Full(permissions_of));
    if (like != INVALID_FILE_ATTRIBUTES && TypeOfAttributes(like) == EntryType::kRegular &&
        (like & kKeptAttributes) != 0) {
      attributes = like & kKeptAttributes;
    }
  }
  const HANDLE handle = OpenOrdinaryFile(Full(path), path, GENERIC_READ | GENERIC_WRITE, CREATE_NEW,
                                         "create", attributes);
  return std::make_unique<WindowsRandomAccessFile>(handle, path);
}

std::pair<std::string, std::unique_ptr<WritableFile>> WindowsEnv::CreateTempFile(
    const std::string& beside) {
  DWORD final_attributes = FILE_ATTRIBUTE_ARCHIVE;
  const DWORD like = AttributesOf(Full(beside));
  if (like != INVALID_FILE_ATTRIBUTES && TypeOfAttributes(like) == EntryType::kRegular) {
    final_attributes = like & kKeptAttributes;
    if (final_attributes == 0) final_attributes = FILE_ATTRIBUTE_NORMAL;
  }
  const std::string dir = DirectoryOf(beside);
  const std::string base = BaseName(beside);
  const DWORD seed = ::GetCurrentProcessId() ^ ::GetTickCount();
  for (int attempt = 0; attempt < 100; ++attempt) {
    char suffix[16];
    std::snprintf(suffix, sizeof suffix, ".%06lx",
                  static_cast<unsigned long>((seed + ++temp_counter_ * 7919u) & 0xFFFFFF));
    const std::string path = JoinPath(dir, "." + base + suffix);
    const std::wstring full = Full(path);
    const HANDLE handle =
        ::CreateFileW(full.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr,
                      CREATE_NEW, FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
      const DWORD error = ::GetLastError();
      if (error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS) continue;
      Fail("write", beside, Full(beside), error);
    }
    final_attributes_[path] = final_attributes;
    return {path, std::make_unique<WindowsWritableFile>(handle, path)};
  }
  throw FileError("write", beside, "no free name for a temporary file beside it");
}

void WindowsEnv::RenameFile(const std::string& from, const std::string& to) {
  const std::wstring full_from = Full(from);
  const std::wstring full_to = Full(to);
  RequireWritable(full_to, to, "write");
  const auto pending = final_attributes_.find(from);
  if (pending != final_attributes_.end()) {
    // The temporary file stops being hidden as it takes the place of `to`.
    if (!::SetFileAttributesW(full_from.c_str(), pending->second)) {
      Fail("write", to, full_from);
    }
    final_attributes_.erase(pending);
  }
  if (!::MoveFileExW(full_from.c_str(), full_to.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    Fail("write", to, full_to);
  }
}

void WindowsEnv::RemoveFile(const std::string& path) {
  const std::wstring full = Full(path);
  RequireWritable(full, path, "delete");
  if (!::DeleteFileW(full.c_str())) Fail("delete", path, full);
  final_attributes_.erase(path);
}

void WindowsEnv::SyncDirectory(const std::string& /*dir*/) {
  // Renames are written through (MOVEFILE_WRITE_THROUGH) and new files are
  // flushed by their own handles: a folder has nothing more to flush.
}

bool WindowsEnv::CreateDirectory(const std::string& path) {
  const std::wstring full = Full(path);
  if (::CreateDirectoryW(full.c_str(), nullptr)) return true;
  const DWORD error = ::GetLastError();
  if (error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS) return false;
  Fail("create the folder", path, full, error);
}

void WindowsEnv::RemoveDirectory(const std::string& path) {
  const std::wstring full = Full(path);
  if (!::RemoveDirectoryW(full.c_str())) Fail("delete the folder", path, full);
}

std::uint64_t WindowsEnv::FreeSpace(const std::string& dir) {
  const std::wstring full = Full(dir);
  ULARGE_INTEGER available;
  if (!::GetDiskFreeSpaceExW(full.c_str(), &available, nullptr, nullptr)) {
    Fail("look at", dir.empty() ? "." : dir, full);
  }
  return available.QuadPart;
}

namespace {

class WindowsFileLock : public FileLock {
 public:
  explicit WindowsFileLock(HANDLE handle) : handle_(handle) {}
  // Closing the handle releases the lock.
  ~WindowsFileLock() override { ::CloseHandle(handle_); }

 private:
  HANDLE handle_;
};

}  // namespace

std::unique_ptr<FileLock> WindowsEnv::TryLockFile(const std::string& path) {
  const std::wstring full = Full(path);
  const HANDLE handle = OpenOrdinaryFile(full, path, GENERIC_READ, OPEN_ALWAYS, "lock");
  OVERLAPPED whole{};
  if (::LockFileEx(handle, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, MAXDWORD,
                   MAXDWORD, &whole)) {
    return std::make_unique<WindowsFileLock>(handle);
  }
  const DWORD error = ::GetLastError();
  ::CloseHandle(handle);
  if (error == ERROR_LOCK_VIOLATION || error == ERROR_IO_PENDING) return nullptr;
  Fail("lock", path, full, error);
}

LocalTime WindowsEnv::Now() {
  SYSTEMTIME local;
  ::GetLocalTime(&local);
  return {local.wYear,   local.wMonth,  local.wDay,         local.wHour,
          local.wMinute, local.wSecond, local.wMilliseconds};
}

}  // namespace common
