#include "common/journal/transaction.h"

#include <algorithm>
#include <cstdlib>
#include <unordered_map>
#include <utility>
#include <vector>

#include "common/journal/backup_manifest.h"
#include "common/journal/backups.h"
#include "common/journal/checksum.h"
#include "common/platform/file_error.h"
#include "common/files/file_names.h"
#include "common/platform/windows1252.h"

namespace common {

namespace {

constexpr std::size_t kCopyChunk = 1 << 20;

std::string Folded(std::string_view name) {
  std::string folded(name);
  for (char& c : folded) c = FoldCase1252(c);
  return folded;
}
// Room kept free beyond the new content: directory entries, the journal.
constexpr std::uint64_t kSpareBytesPerFile = 4096;

// Runs `step`, naming `name` in any FileError it throws instead of the
// backup folder's working files.
template <typename Step>
auto Naming(const std::string& name, Step&& step) -> decltype(step()) {
  try {
    return step();
  } catch (const FileError& error) {
    if (error.file() == name) throw;
    throw FileError(error.action(), name, error.reason());
  }
}

// A WritableFile written from its start through a RandomAccessFile.
class AppendingFile : public WritableFile {
 public:
  explicit AppendingFile(std::unique_ptr<RandomAccessFile> file) : file_(std::move(file)) {}
  void Append(std::string_view data) override {
    file_->WriteAt(offset_, data);
    offset_ += data.size();
  }
  void Sync() override { file_->Sync(); }
  void Close() override { file_->Close(); }

 private:
  std::unique_ptr<RandomAccessFile> file_;
  std::uint64_t offset_ = 0;
};

}  // namespace

class Transaction::Impl {
 public:
  Impl(Env& base, const Plan& plan, TransactionOptions options);

  Env& base() { return base_; }
  const TransactionOptions& options() const { return options_; }
  const std::string& folder() const { return folder_; }
  Env& env() { return env_; }

  // The journal entry that a change of `name` belongs to; `name` becomes the
  // entry's own spelling. Throws FileError for a file outside the plan.
  std::size_t Admit(std::string& name);
  // True while the original of entry `i` still stands at its name.
  bool OriginalInPlace(std::size_t i) const {
    return journal_.entries[i].change != Change::kCreate && !moved_[i];
  }
  void MoveOriginal(std::size_t i);
  // Renames the finished copy `path` over entry `i`, its original kept;
  // `crc` is the checksum of the original, read while it was copied.
  void Install(std::size_t i, const std::string& path, std::uint32_t crc);
  // A working file's name says which file it is to become.
  std::string NewWorkingPath(const std::string& name) {
    return folder_ + "/new " + std::to_string(++working_files_) + " " + FlatName(name);
  }
  bool Inside(const std::string& path) const {
    return path.size() > folder_.size() && path.compare(0, folder_.size(), folder_) == 0 &&
           path[folder_.size()] == '/';
  }
  std::unique_ptr<RandomAccessFile> OpenCopyOnWrite(std::size_t i);
  void PutFile(const std::string& name, const std::string& source, const std::uint32_t* crc);

  void Commit();
  void Rollback();
  bool finished() const { return finished_; }

 private:
  class JournalEnv;

  void Check(const Plan& plan);
  void MakeFolder();
  void WriteFile(const std::string& path, const std::string& text);

  Env& base_;
  TransactionOptions options_;
  std::string folder_;
  BackupManifest journal_;
  std::unordered_map<std::string, std::size_t> by_name_;    // exact name -> entry
  std::unordered_map<std::string, std::size_t> by_folded_;  // name in one letter case -> entry
  std::vector<bool> moved_;    // the original is in the backup folder
  std::vector<bool> touched_;  // the action changed the file
  int working_files_ = 0;
  bool finished_ = false;

  class JournalEnv : public EnvWrapper {
   public:
    explicit JournalEnv(Impl& t) : EnvWrapper(t.base_), t_(t) {}

    std::unique_ptr<RandomAccessFile> OpenForUpdate(const std::string& path) override {
      if (t_.Inside(path)) return target().OpenForUpdate(path);
      std::string name = path;
      const std::size_t i = t_.Admit(name);
      if (t_.OriginalInPlace(i)) return t_.OpenCopyOnWrite(i);
      return target().OpenForUpdate(name);
    }

    std::unique_ptr<RandomAccessFile> CreateFile(const std::string& path,
                                                 const std::string& permissions_of) override {
      if (t_.Inside(path)) return target().CreateFile(path, permissions_of);
      std::string name = path;
      const std::size_t i = t_.Admit(name);
      if (t_.OriginalInPlace(i)) t_.MoveOriginal(i);
      return target().CreateFile(name, permissions_of);
    }

    std::pair<std::string, std::unique_ptr<WritableFile>> CreateTempFile(
        const std::string& beside) override {
      // Working files live in the backup folder, so none is ever left
      // beside the data files.
      const std::string path = t_.NewWorkingPath(beside);
      auto file = Naming(beside, [&] { return target().CreateFile(path, beside); });
      return {path, std::make_unique<AppendingFile>(std::move(file))};
    }

    void RenameFile(const std::string& from, const std::string& to) override {
      if (t_.Inside(to)) return target().RenameFile(from, to);
      std::string name = to;
      const std::size_t i = t_.Admit(name);
      if (t_.OriginalInPlace(i)) t_.MoveOriginal(i);
      target().RenameFile(from, name);
    }

    void RemoveFile(const std::string& path) override {
      if (t_.Inside(path)) return target().RemoveFile(path);
      std::string name = path;
      const std::size_t i = t_.Admit(name);
      if (t_.OriginalInPlace(i)) {
        t_.MoveOriginal(i);
      } else {
        target().RemoveFile(name);
      }
    }

    bool CreateDirectory(const std::string& path) override {
      throw FileError("create the folder", path, "no action of this program creates folders");
    }
    void RemoveDirectory(const std::string& path) override {
      throw FileError("delete the folder", path, "no action of this program deletes folders");
    }

   private:
    Impl& t_;
  };

  JournalEnv env_{*this};
};

namespace {

// The copy of a record file that an action changes: the original is copied
// ahead of every read and write, front to back, so each of its bytes is read
// once; Close() copies the rest and installs the copy in its place.
class CopyOnWriteFile : public RandomAccessFile {
 public:
  CopyOnWriteFile(Transaction::Impl& t, std::size_t index, std::string name,
                  std::unique_ptr<SequentialFile> original, std::uint64_t original_size,
                  std::unique_ptr<RandomAccessFile> copy, std::string copy_path)
      : t_(t),
        index_(index),
        name_(std::move(name)),
        original_(std::move(original)),
        original_size_(original_size),
        size_(original_size),
        copy_(std::move(copy)),
        copy_path_(std::move(copy_path)) {}

  std::uint64_t Size() override { return size_; }

  std::size_t ReadAt(std::uint64_t offset, char* buffer, std::size_t n) override {
    return Naming(name_, [&] {
      CopyUpTo(offset + n);
      return copy_->ReadAt(offset, buffer, n);
    });
  }

  void WriteAt(std::uint64_t offset, std::string_view data) override {
    Naming(name_, [&] {
      CopyUpTo(offset + data.size());
      copy_->WriteAt(offset, data);
      size_ = std::max<std::uint64_t>(size_, offset + data.size());
    });
  }

  void StartWriteback(std::uint64_t offset, std::uint64_t length) override {
    copy_->StartWriteback(offset, length);
  }

  void Sync() override {
    Naming(name_, [&] {
      CopyUpTo(original_size_);
      copy_->Sync();
    });
  }

  void Close() override {
    if (!copy_) return;
    Naming(name_, [&] {
      CopyUpTo(original_size_);
      copy_->Sync();
      copy_->Close();
    });
    copy_.reset();
    original_.reset();
    t_.Install(index_, copy_path_, crc_);
  }

 private:
  void CopyUpTo(std::uint64_t end) {
    end = std::min(end, original_size_);
    if (end <= copied_) return;
    end = std::min(original_size_, std::max<std::uint64_t>(end, copied_ + kCopyChunk));
    if (buffer_.empty()) buffer_.resize(kCopyChunk);
    while (copied_ < end) {
      const std::size_t want = static_cast<std::size_t>(std::min<std::uint64_t>(buffer_.size(), end - copied_));
      const std::size_t got = original_->Read(buffer_.data(), want);
      if (got == 0) throw FileError("read", name_, "the file got shorter while it was being read");
      const std::string_view bytes(buffer_.data(), got);
      crc_ = Crc32(crc_, bytes);
      copy_->WriteAt(copied_, bytes);
      copied_ += got;
    }
  }

  Transaction::Impl& t_;
  std::size_t index_;
  std::string name_;
  std::unique_ptr<SequentialFile> original_;
  std::uint64_t original_size_;
  std::uint64_t size_;
  std::uint64_t copied_ = 0;
  std::uint32_t crc_ = 0;  // of the original's bytes copied so far
  std::unique_ptr<RandomAccessFile> copy_;
  std::string copy_path_;
  std::string buffer_;
};

}  // namespace

Transaction::Impl::Impl(Env& base, const Plan& plan, TransactionOptions options)
    : base_(base), options_(std::move(options)) {
  journal_.program = options_.program;
  journal_.action = options_.action;
  journal_.started = base_.Now();
  Check(plan);
  MakeFolder();
}

void Transaction::Impl::Check(const Plan& plan) {
  std::uint64_t needed = 0;
  std::string first_written;
  for (const PlannedFile& file : plan.files()) {
    const FileInfo info = base_.Stat(file.name);
    BackupEntry entry;
    entry.name = file.name;
    entry.change = file.change;
    switch (info.type) {
      case EntryType::kMissing:
        // Gone since the plan was made: nothing to keep, nothing to delete.
        if (file.change == Change::kDelete) continue;
        entry.change = Change::kCreate;
        break;
      case EntryType::kRegular:
        if (file.change == Change::kCreate) entry.change = Change::kReplace;
        if (!info.writable) {
          throw FileError(entry.change == Change::kDelete ? "delete" : "write", file.name,
                          "it is read-only");
        }
        entry.size = info.size;
        // The checksum is taken as the original is copied, or read from the
        // backup at the commit: never a pass of its own before the change.
        if (info.size == 0) entry.crc = 0u;
        break;
      case EntryType::kLink:
        // A link is kept and put back as a link; nothing is written through it.
        if (file.change != Change::kDelete) {
          throw FileError("write", file.name, "it is a symbolic link, not a file");
        }
        break;
      case EntryType::kDirectory:
        throw FileError(file.change == Change::kDelete ? "delete" : "write", file.name,
                        "it is a directory, not a file");
      case EntryType::kOther:
        throw FileError(file.change == Change::kDelete ? "delete" : "write", file.name,
                        "it is not an ordinary file");
    }
    if (entry.change != Change::kDelete) {
      needed += file.new_size;
      if (first_written.empty()) first_written = file.name;
    }
    needed += kSpareBytesPerFile;
    journal_.entries.push_back(std::move(entry));
  }
  const std::uint64_t free = base_.FreeSpace("");
  if (needed > free) {
    throw FileError("write", first_written.empty() ? options_.backups : first_written,
                    "there is not enough free space on the disk (" + std::to_string(needed) +
                        " bytes needed, " + std::to_string(free) + " free)");
  }
  moved_.assign(journal_.entries.size(), false);
  touched_.assign(journal_.entries.size(), false);
  for (std::size_t i = 0; i < journal_.entries.size(); ++i) {
    by_name_.emplace(journal_.entries[i].name, i);
    by_folded_.emplace(Folded(journal_.entries[i].name), i);
  }
}

void Transaction::Impl::WriteFile(const std::string& path, const std::string& text) {
  std::unique_ptr<RandomAccessFile> file = base_.CreateFile(path, "");
  file->WriteAt(0, text);
  file->Sync();
  file->Close();
}

void Transaction::Impl::MakeFolder() {
  switch (base_.Stat(options_.backups).type) {
    case EntryType::kMissing:
      base_.CreateDirectory(options_.backups);
      base_.SyncDirectory("");
      break;
    case EntryType::kDirectory:
      break;
    default:
      throw FileError("create the folder", options_.backups,
                      "something that is not a folder has that name");
  }
  // A later backup of the same minute and action gets a higher number,
  // never a freed lower one, so the names keep their order.
  const std::string name = FolderTimeText(journal_.started) + " " + options_.action;
  int last = 0;
  for (const DirEntry& entry : base_.ListDirectory(options_.backups)) {
    if (entry.name == name) {
      last = std::max(last, 1);
    } else if (entry.name.rfind(name + " ", 0) == 0) {
      last = std::max(last, std::atoi(entry.name.c_str() + name.size() + 1));
    }
  }
  const std::string stem = options_.backups + "/" + name;
  int n = last + 1;
  folder_ = n == 1 ? stem : stem + " " + std::to_string(n);
  while (!base_.CreateDirectory(folder_)) folder_ = stem + " " + std::to_string(++n);
  try {
    base_.CreateDirectory(folder_ + "/" + kOriginalsFolder);
    WriteFile(folder_ + "/" + kJournalFile, ManifestText(journal_));
    base_.SyncDirectory(folder_);
    base_.SyncDirectory(options_.backups);
  } catch (const FileError&) {
    try {
      RemoveTree(base_, folder_);
    } catch (const FileError&) {
      // An unfinished folder without a journal is removed at the next start.
    }
    throw;
  }
}

std::size_t Transaction::Impl::Admit(std::string& name) {
  if (finished_) throw FileError("change", name, "the action has already ended");
  if (const auto it = by_name_.find(name); it != by_name_.end()) {
    touched_[it->second] = true;
    return it->second;
  }
  const auto it = by_folded_.find(Folded(name));
  if (it == by_folded_.end()) {
    throw FileError("change", name, "it is not among the files this action was to change");
  }
  // The same file under another spelling keeps the name it had.
  name = journal_.entries[it->second].name;
  touched_[it->second] = true;
  return it->second;
}

void Transaction::Impl::MoveOriginal(std::size_t i) {
  const std::string& name = journal_.entries[i].name;
  const std::string kept = OriginalPath(folder_, name);
  Naming(name, [&] {
    if (!HasFolderPart(name)) {
      base_.RenameFile(name, kept);
    } else {
      // A file outside the data directory may lie on another disk.
      CopyFile(base_, name, kept);
      base_.RemoveFile(name);
    }
  });
  moved_[i] = true;
}

void Transaction::Impl::Install(std::size_t i, const std::string& path, std::uint32_t crc) {
  if (!journal_.entries[i].crc) journal_.entries[i].crc = crc;
  if (OriginalInPlace(i)) MoveOriginal(i);
  const std::string& name = journal_.entries[i].name;
  Naming(name, [&] { base_.RenameFile(path, name); });
}

std::unique_ptr<RandomAccessFile> Transaction::Impl::OpenCopyOnWrite(std::size_t i) {
  const std::string& name = journal_.entries[i].name;
  const std::string path = NewWorkingPath(name);
  return Naming(name, [&]() -> std::unique_ptr<RandomAccessFile> {
    std::unique_ptr<SequentialFile> original = base_.OpenForReading(name);
    const std::uint64_t size = base_.Stat(name).size;
    std::unique_ptr<RandomAccessFile> copy = base_.CreateFile(path, name);
    return std::make_unique<CopyOnWriteFile>(*this, i, name, std::move(original), size,
                                             std::move(copy), path);
  });
}

void Transaction::Impl::PutFile(const std::string& name, const std::string& source,
                                const std::uint32_t* crc) {
  std::string target = name;
  const std::size_t i = Admit(target);
  const std::string path = NewWorkingPath(target);
  const std::uint32_t copied = Naming(target, [&] { return CopyFile(base_, source, path); });
  if (crc != nullptr && copied != *crc) {
    throw FileError("put back", target, "the kept copy is damaged (its checksum differs)");
  }
  if (OriginalInPlace(i)) MoveOriginal(i);
  Naming(target, [&] { base_.RenameFile(path, target); });
}

void Transaction::Impl::Commit() {
  if (finished_) return;
  // The checksums not taken on the way: the originals in the backup.
  for (std::size_t i = 0; options_.keep_backup && i < journal_.entries.size(); ++i) {
    BackupEntry& entry = journal_.entries[i];
    if (moved_[i] && !entry.crc) {
      const std::string kept = OriginalPath(folder_, entry.name);
      if (base_.Stat(kept).type == EntryType::kRegular) entry.crc = FileCrc32(base_, kept);
    }
  }
  // Everything the action changed becomes durable before the mark.
  base_.SyncDirectory("");
  base_.SyncDirectory(folder_ + "/" + kOriginalsFolder);
  const std::string journal = folder_ + "/" + kJournalFile;
  // A backup of nothing is not worth keeping.
  const bool keep = options_.keep_backup &&
                    std::find(touched_.begin(), touched_.end(), true) != touched_.end();
  if (keep) {
    BackupManifest manifest = journal_;
    manifest.entries.clear();
    for (std::size_t i = 0; i < journal_.entries.size(); ++i) {
      if (touched_[i]) manifest.entries.push_back(journal_.entries[i]);
    }
    const std::string written = folder_ + "/" + kManifestFile + ".new";
    WriteFile(written, ManifestText(manifest));
    base_.RenameFile(written, folder_ + "/" + kManifestFile);
    base_.SyncDirectory(folder_);
    // Committed: from here on nothing is put back.
    finished_ = true;
    try {
      base_.RemoveFile(journal);
    } catch (const FileError&) {
      // A journal beside a manifest is removed at the next start.
    }
  } else {
    base_.RemoveFile(journal);
    base_.SyncDirectory(folder_);
    finished_ = true;
    try {
      RemoveTree(base_, folder_);
      // No backups folder is left behind by saves that keep nothing.
      if (base_.ListDirectory(options_.backups).empty()) base_.RemoveDirectory(options_.backups);
    } catch (const FileError&) {
      // A folder without journal or manifest is removed at the next start.
    }
  }
  try {
    PruneBackups(base_, options_.backups, options_.action, options_.keep);
  } catch (const FileError&) {
    // Old backups stay until a later action; the data is committed.
  }
}

void Transaction::Impl::Rollback() {
  if (finished_) return;
  finished_ = true;
  PutBack(base_, folder_, journal_);
  RemoveTree(base_, folder_);
}

Transaction::Transaction(Env& env, const Plan& plan, TransactionOptions options)
    : impl_(std::make_unique<Impl>(env, plan, std::move(options))) {}

Transaction::~Transaction() {
  if (impl_->finished()) return;
  try {
    impl_->Rollback();
  } catch (...) {
    // The journal stays; the next start puts back what is left.
  }
}

Env& Transaction::env() { return impl_->env(); }

void Transaction::PutFile(const std::string& name, const std::string& source,
                          const std::uint32_t* crc) {
  impl_->PutFile(name, source, crc);
}

void Transaction::Commit() { impl_->Commit(); }
void Transaction::Rollback() { impl_->Rollback(); }
const std::string& Transaction::folder() const { return impl_->folder(); }

void RunTransaction(Env& env, const Plan& plan, const TransactionOptions& options,
                    const std::function<void(Transaction&)>& work) {
  Transaction transaction(env, plan, options);
  try {
    work(transaction);
    transaction.Commit();
  } catch (const FileError& error) {
    try {
      transaction.Rollback();
    } catch (const FileError& put_back) {
      throw error.WithNote("Putting the files back failed too (" + std::string(put_back.what()) +
                           "); the original files are kept in \"" + transaction.folder() + "\".");
    }
    throw error.WithNote("Every file has been put back as it was.");
  }
}

}  // namespace common
