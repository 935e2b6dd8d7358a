#include "common/journal/transaction.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <unordered_map>
#include <utility>
#include <vector>

#include "common/journal/backup_folder.h"
#include "common/journal/backup_manifest.h"
#include "common/journal/backups.h"
#include "common/platform/file_error.h"
#include "common/platform/interrupts.h"
#include "common/platform/paths.h"
#include "common/platform/windows1252.h"

namespace common {

namespace {

// A rewrite reads and writes in pieces of this size, and keeps at most
// kMaxStage bytes of the file in memory.
constexpr std::size_t kChunk = 256 << 10;
constexpr std::size_t kMaxStage = 1 << 20;
// Room kept free beyond the new content: directory entries, lines of the
// journal and the manifest, the marker.
constexpr std::uint64_t kSpareBytesPerFile = 4096;
constexpr std::uint64_t kSpareBytes = 64 * 1024;

std::uint64_t Add(std::uint64_t a, std::uint64_t b) {
  return b > UINT64_MAX - a ? UINT64_MAX : a + b;
}

std::string Folded(std::string_view name) {
  std::string folded(name);
  for (char& c : folded) c = FoldCase1252(c);
  return folded;
}

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

struct NewContent {
  std::uint64_t size = 0;
  std::uint64_t checksum = 0;
  std::optional<std::uint64_t> original_checksum;
};

}  // namespace

class Transaction::Impl {
 public:
  Impl(Env& base, const WorkLock& lock, const Plan& plan, TransactionOptions options);

  const TransactionOptions& options() const { return options_; }
  const std::string& folder() const { return folder_; }
  Env& env() { return env_; }
  bool finished() const { return finished_; }

  // Throws when the program has been asked to stop: the change goes no
  // further, and everything is put back.
  void CheckStop() const {
    if (const char* what = InterruptRequested()) {
      throw FileError("finish", options_.title,
                      std::string("the program was asked to stop (") + what + ")");
    }
  }

  // The journal entry that a change of `name` belongs to; `name` becomes the
  // entry's own spelling. Throws FileError for a file outside the plan.
  std::size_t Admit(std::string& name);
  bool Inside(const std::string& path) const {
    return path.size() > folder_.size() && path.compare(0, folder_.size(), folder_) == 0 &&
           path[folder_.size()] == '/';
  }
  std::string NewWorkingPath(const std::string& name) {
    return WorkingPath(folder_, ++working_files_, name);
  }
  // Where a new file for entry `i` takes its permissions, owner and group.
  std::string LikenessOf(std::size_t i) const;

  std::unique_ptr<RandomAccessFile> OpenRewrite(std::size_t i, bool from_empty);
  std::pair<std::string, std::unique_ptr<WritableFile>> CreateWorkingFile(std::size_t i);
  void InstallWorkingFile(std::size_t i, const std::string& path);
  void Remove(std::size_t i);
  // Installs the finished working file `path` as entry `i`.
  void Install(std::size_t i, const std::string& path, const NewContent& content,
               const std::optional<FileInfo>& original_state);
  void PutFile(const std::string& name, const std::string& source, std::uint64_t size,
               std::uint64_t checksum, ChecksumKind kind);
  void KeepAsItIs(const std::string& name);

  void Commit();
  std::vector<std::string> Rollback();

  // Working files written through CreateTempFile, once closed.
  std::unordered_map<std::string, NewContent> written_;

 private:
  class JournalEnv;

  void Check(const Plan& plan);
  // The bytes the new content of `file` needs; nothing when the file is
  // not to be changed after all (deleted since the plan was made).
  std::optional<std::uint64_t> CheckEntry(const PlannedFile& file, BackupEntry& entry);
  void MakeFolder();
  void WriteFile(const std::string& path, const std::string& text);
  void AppendJournal(const std::string& line);
  // True while the original of entry `i` stands at its name.
  bool OriginalInPlace(std::size_t i) const {
    return journal_.header.entries[i].change != Change::kCreate && !moved_[i];
  }
  void MoveOriginal(std::size_t i);
  void WriteManifest();
  void DropBackup();

  Env& base_;
  const WorkLock& lock_;
  TransactionOptions options_;
  std::string folder_;
  Journal journal_;
  std::unique_ptr<RandomAccessFile> journal_file_;
  std::uint64_t journal_size_ = 0;
  std::unordered_map<std::string, std::size_t> by_name_;    // exact name -> entry
  std::unordered_map<std::string, std::size_t> by_folded_;  // name in one letter case -> entry
  std::vector<bool> moved_;                                 // the original is in the backup folder
  std::vector<bool> touched_;                               // the action changed the file
  std::vector<bool> ours_;  // what stands at the name is the action's new content
  int working_files_ = 0;
  bool finished_ = false;

  class JournalEnv : public EnvWrapper {
   public:
    explicit JournalEnv(Impl& t) : EnvWrapper(t.base_), t_(t) {}

    std::vector<DirEntry> ListDirectory(const std::string& dir) override {
      t_.CheckStop();
      return target().ListDirectory(dir);
    }
    FileInfo Stat(const std::string& path) override {
      t_.CheckStop();
      return target().Stat(path);
    }
    std::unique_ptr<SequentialFile> OpenForReading(const std::string& path) override {
      t_.CheckStop();
      return target().OpenForReading(path);
    }

    std::unique_ptr<RandomAccessFile> OpenForUpdate(const std::string& path) override {
      t_.CheckStop();
      if (t_.Inside(path)) return target().OpenForUpdate(path);
      std::string name = path;
      return t_.OpenRewrite(t_.Admit(name), false);
    }

    std::unique_ptr<RandomAccessFile> CreateFile(const std::string& path,
                                                 const std::string& permissions_of) override {
      t_.CheckStop();
      if (t_.Inside(path)) return target().CreateFile(path, permissions_of);
      std::string name = path;
      return t_.OpenRewrite(t_.Admit(name), true);
    }

    std::pair<std::string, std::unique_ptr<WritableFile>> CreateTempFile(
        const std::string& beside) override {
      t_.CheckStop();
      // Working files live in the backup folder, so none is ever left
      // beside the data files.
      std::string name = beside;
      return t_.CreateWorkingFile(t_.Admit(name));
    }

    void RenameFile(const std::string& from, const std::string& to) override {
      t_.CheckStop();
      if (t_.Inside(to)) return target().RenameFile(from, to);
      if (!t_.Inside(from) || t_.written_.count(from) == 0) {
        throw FileError("write", to, "no action of this program renames data files");
      }
      std::string name = to;
      t_.InstallWorkingFile(t_.Admit(name), from);
    }

    void RemoveFile(const std::string& path) override {
      t_.CheckStop();
      if (t_.Inside(path)) return target().RemoveFile(path);
      std::string name = path;
      t_.Remove(t_.Admit(name));
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

// A file a transaction writes from its start, with the size and checksum
// of what was written.
class ChecksummedFile : public WritableFile {
 public:
  ChecksummedFile(Transaction::Impl& t, std::string path, std::unique_ptr<RandomAccessFile> file)
      : t_(t), path_(std::move(path)), file_(std::move(file)) {}
  void Append(std::string_view data) override {
    t_.CheckStop();
    file_->WriteAt(size_, data);
    sum_.Update(data);
    size_ += data.size();
  }
  void Sync() override { file_->Sync(); }
  void Close() override {
    file_->Close();
    t_.written_[path_] = {size_, sum_.Digest(), std::nullopt};
  }

 private:
  Transaction::Impl& t_;
  std::string path_;
  std::unique_ptr<RandomAccessFile> file_;
  Checksummer sum_;
  std::uint64_t size_ = 0;
};

// A record file rewritten in one pass. The source (the original, or what
// the action made of it before) is read front to back as the action's reads
// and writes move through it; the bytes pass through a stage in memory,
// where the action's changes are made, and are written to the new file once
// the action has moved past them. The checksums of the source and of the new
// content are taken on the way. Close() finishes the copy and installs the
// new file. An access behind the part already written goes to the new file
// directly, and the new content's checksum is then taken anew at the end.
class RewriteFile : public RandomAccessFile {
 public:
  RewriteFile(Transaction::Impl& t, std::size_t index, std::string name,
              std::unique_ptr<SequentialFile> source, std::uint64_t source_size,
              std::optional<FileInfo> source_state, std::unique_ptr<RandomAccessFile> out,
              std::string out_path)
      : t_(t),
        index_(index),
        name_(std::move(name)),
        source_(std::move(source)),
        source_size_(source_size),
        source_state_(std::move(source_state)),
        size_(source_size),
        out_(std::move(out)),
        out_path_(std::move(out_path)) {}

  std::uint64_t Size() override { return size_; }

  std::size_t ReadAt(std::uint64_t offset, char* buffer, std::size_t n) override {
    return Naming(name_, [&]() -> std::size_t {
      t_.CheckStop();
      if (offset >= size_) return 0;
      n = static_cast<std::size_t>(std::min<std::uint64_t>(n, size_ - offset));
      std::size_t done = 0;
      if (offset < start_) {
        const std::size_t behind =
            static_cast<std::size_t>(std::min<std::uint64_t>(n, start_ - offset));
        out_->ReadAt(offset, buffer, behind);
        done = behind;
      }
      if (done < n) {
        Reach(offset + done, n - done);
        std::memcpy(buffer + done, stage_.data() + (offset + done - start_), n - done);
      }
      return n;
    });
  }

  void WriteAt(std::uint64_t offset, std::string_view data) override {
    Naming(name_, [&] {
      t_.CheckStop();
      if (offset < start_) {
        const std::size_t behind =
            static_cast<std::size_t>(std::min<std::uint64_t>(data.size(), start_ - offset));
        out_->WriteAt(offset, data.substr(0, behind));
        new_sum_valid_ = false;
        offset += behind;
        data.remove_prefix(behind);
      }
      if (data.empty()) return;
      size_ = std::max<std::uint64_t>(size_, offset + data.size());
      Reach(offset, data.size());
      std::memcpy(stage_.data() + (offset - start_), data.data(), data.size());
    });
  }

  // The new file is made durable once, when it is closed.
  void Sync() override { t_.CheckStop(); }

  void Close() override {
    if (!out_) return;
    NewContent content;
    Naming(name_, [&] {
      Advance(size_);
      content.size = size_;
      if (source_) content.original_checksum = old_sum_.Digest();
      out_->Sync();
      out_->Close();
      out_.reset();
      source_.reset();
    });
    content.checksum =
        new_sum_valid_ ? new_sum_.Digest() : FileChecksum(t_.env(), out_path_).checksum;
    t_.Install(index_, out_path_, content, source_state_);
  }

 private:
  // Makes the stage hold [offset, offset + n), moving on first when the
  // stage would grow too large or the access lies past it.
  void Reach(std::uint64_t offset, std::size_t n) {
    const std::uint64_t end = offset + n;
    if (offset > start_ + stage_.size() || end - start_ > kMaxStage) Advance(offset);
    Fill(end);
  }

  // Writes out everything before `offset` (stage, then source, then zeros
  // for a gap past the source's end), so the stage starts there.
  void Advance(std::uint64_t offset) {
    if (offset <= start_) return;
    if (offset < start_ + stage_.size()) {
      const std::size_t done = static_cast<std::size_t>(offset - start_);
      Emit(std::string_view(stage_.data(), done));
      stage_.erase(0, done);
      return;
    }
    Emit(stage_);
    stage_.clear();
    while (start_ < offset) {
      // The stage's own memory carries the bytes the action never reached.
      const std::size_t want =
          static_cast<std::size_t>(std::min<std::uint64_t>(kMaxStage, offset - start_));
      stage_.resize(want);
      const std::size_t got = ReadSource(stage_.data(), want, start_);
      std::fill(stage_.begin() + static_cast<std::ptrdiff_t>(got), stage_.end(), '\0');
      Emit(stage_);
      stage_.clear();
    }
  }

  // Extends the stage to `end` with the source's bytes (a whole piece at a
  // time), and zeros past the source's end.
  void Fill(std::uint64_t end) {
    while (start_ + stage_.size() < end) {
      const std::uint64_t at = start_ + stage_.size();
      std::size_t want = static_cast<std::size_t>(end - at);
      if (at < source_size_) {
        want = static_cast<std::size_t>(
            std::min<std::uint64_t>(std::max(want, kChunk), source_size_ - at));
      }
      const std::size_t old = stage_.size();
      stage_.resize(old + want);
      const std::size_t got = ReadSource(stage_.data() + old, want, at);
      std::fill(stage_.begin() + static_cast<std::ptrdiff_t>(old + got), stage_.end(), '\0');
    }
  }

  // Reads the source's bytes at `at` (the next ones: it is read in order);
  // past its end there are none.
  std::size_t ReadSource(char* buffer, std::size_t n, std::uint64_t at) {
    if (!source_ || at >= source_size_) return 0;
    n = static_cast<std::size_t>(std::min<std::uint64_t>(n, source_size_ - at));
    std::size_t done = 0;
    while (done < n) {
      const std::size_t got = source_->Read(buffer + done, n - done);
      if (got == 0) throw FileError("read", name_, "the file got shorter while it was being read");
      done += got;
    }
    old_sum_.Update(std::string_view(buffer, n));
    return n;
  }

  void Emit(std::string_view bytes) {
    if (bytes.empty()) return;
    out_->WriteAt(start_, bytes);
    new_sum_.Update(bytes);
    start_ += bytes.size();
    // Let the disk start on what is written, so the final sync waits less.
    if (start_ - written_back_ >= 8 * kChunk) {
      out_->StartWriteback(written_back_, start_ - written_back_);
      written_back_ = start_;
    }
  }

  Transaction::Impl& t_;
  std::size_t index_;
  std::string name_;
  std::unique_ptr<SequentialFile> source_;
  std::uint64_t source_size_;
  std::optional<FileInfo> source_state_;
  std::uint64_t size_;
  std::unique_ptr<RandomAccessFile> out_;
  std::string out_path_;
  std::uint64_t start_ = 0;  // bytes before this are in the new file
  std::string stage_;        // the bytes from start_ on, as the action left them
  std::uint64_t written_back_ = 0;
  Checksummer old_sum_;
  Checksummer new_sum_;
  bool new_sum_valid_ = true;
};

}  // namespace

Transaction::Impl::Impl(Env& base, const WorkLock& lock, const Plan& plan,
                        TransactionOptions options)
    : base_(base), lock_(lock), options_(std::move(options)) {
  if (options_.title.empty()) options_.title = options_.action;
  BackupManifest& header = journal_.header;
  header.program = options_.program;
  header.action = options_.action;
  header.title = options_.title;
  header.started = base_.Now();
  header.checksum_kind = ChecksumKind::kXxh3;
  Check(plan);
  MakeFolder();
}

std::optional<std::uint64_t> Transaction::Impl::CheckEntry(const PlannedFile& file,
                                                           BackupEntry& entry) {
  // The plan was made under the same lock, just before: what it found holds.
  const FileInfo& info = file.info;
  const char* verb = file.change == Change::kDelete ? "delete" : "write";
  entry.name = file.name;
  entry.change = file.change;
  switch (info.type) {
    case EntryType::kMissing:
      // Gone since the plan was made: nothing to keep, nothing to delete.
      if (file.change == Change::kDelete) return std::nullopt;
      entry.change = Change::kCreate;
      return file.new_size;
    case EntryType::kRegular:
      if (file.change == Change::kCreate) entry.change = Change::kReplace;
      if (!info.writable) throw FileError(verb, file.name, "it is read-only");
      entry.size = info.size;
      if (entry.change == Change::kReplace && !base_.CanGiveOwner(info)) {
        throw FileError("write", file.name,
                        "it belongs to another user or group (" + std::to_string(info.owner) + ":" +
                            std::to_string(info.group) +
                            "), and a new file written by this user could not keep them, so "
                            "the store would lose access to it; run the program as that user "
                            "or as root");
      }
      return entry.change == Change::kDelete ? 0 : file.new_size;
    case EntryType::kLink:
      // A link is kept and put back as a link; nothing is written through it.
      if (file.change != Change::kDelete) {
        throw FileError("write", file.name, "it is a symbolic link, not a file");
      }
      entry.link = true;
      return 0;
    case EntryType::kDirectory:
      throw FileError(verb, file.name, "it is a directory, not a file");
    case EntryType::kOther:
      throw FileError(verb, file.name, "it is not an ordinary file");
  }
  return 0;
}

void Transaction::Impl::Check(const Plan& plan) {
  std::uint64_t needed = kSpareBytes;
  std::string first_written;
  std::vector<BackupEntry>& entries = journal_.header.entries;
  for (const PlannedFile& file : plan.files()) {
    BackupEntry entry;
    const std::optional<std::uint64_t> bytes = CheckEntry(file, entry);
    if (!bytes) continue;
    if (entry.change != Change::kDelete && first_written.empty()) first_written = file.name;
    // The new content, its directory entry, and its lines in the journal
    // and the manifest.
    needed = Add(Add(needed, *bytes), Add(kSpareBytesPerFile, 4 * entry.name.size()));
    entries.push_back(std::move(entry));
  }
  const std::uint64_t free = base_.FreeSpace("");
  if (needed > free) {
    const std::uint64_t held = TreeBytes(base_, options_.backups);
    std::string reason = "there is not enough free space on the disk (" + SizeText(needed) +
                         " needed, " + SizeText(free) + " free";
    if (held > 0) {
      reason += "; the backups in \"" + options_.backups + "\" hold " + SizeText(held) +
                ", and --list-backups lists them";
    }
    throw FileError("write", first_written.empty() ? options_.backups : first_written,
                    reason + ")");
  }
  moved_.assign(entries.size(), false);
  touched_.assign(entries.size(), false);
  ours_.assign(entries.size(), false);
  for (std::size_t i = 0; i < entries.size(); ++i) {
    by_name_.emplace(entries[i].name, i);
    by_folded_.emplace(Folded(entries[i].name), i);
  }
}

void Transaction::Impl::WriteFile(const std::string& path, const std::string& text) {
  std::unique_ptr<RandomAccessFile> file = base_.CreateFile(path, "");
  file->WriteAt(0, text);
  file->Sync();
  file->Close();
}

void Transaction::Impl::MakeFolder() {
  const std::string& backups = options_.backups;
  switch (base_.Stat(backups).type) {
    case EntryType::kMissing:
      base_.CreateDirectory(backups);
      base_.SyncDirectory("");
      break;
    case EntryType::kDirectory:
      break;
    default:
      throw FileError("create the folder", backups,
                      "something that is not a folder (a file or a link) has that name");
  }
  // One more than the highest sequence there orders the new backup last,
  // whatever the clock says.
  std::uint64_t last = 0;
  for (const DirEntry& entry : base_.ListDirectory(backups)) {
    if (const auto name = ParseBackupFolderName(entry.name)) last = std::max(last, name->sequence);
  }
  FolderName name{last + 1, journal_.header.started, options_.action};
  folder_ = JoinFolder(backups, BackupFolderName(name));
  while (!base_.CreateDirectory(folder_)) {
    ++name.sequence;
    folder_ = JoinFolder(backups, BackupFolderName(name));
  }
  journal_.header.sequence = name.sequence;
  try {
    WriteFile(
        JoinFolder(folder_, kMarkerFile),
        std::string(kMarkerText) + "\nCleanslate and Tag remove it when it is no longer needed.\n");
    base_.CreateDirectory(JoinFolder(folder_, kOriginalsFolder));
    const std::string text = JournalText(journal_.header);
    journal_file_ = base_.CreateFile(JoinFolder(folder_, kJournalFile), "");
    journal_file_->WriteAt(0, text);
    journal_file_->Sync();
    journal_size_ = text.size();
    base_.SyncDirectory(folder_);
    base_.SyncDirectory(backups);
  } catch (const FileError& error) {
    journal_file_.reset();
    try {
      RemoveTree(base_, folder_);
    } catch (const FileError&) {
      // A folder with only its marker is removed at the next start.
    }
    if (error.file().rfind(folder_, 0) == 0)
      throw FileError(error.action(), folder_, error.reason());
    throw;
  }
}

void Transaction::Impl::AppendJournal(const std::string& line) {
  Naming(folder_, [&] {
    journal_file_->WriteAt(journal_size_, line);
    journal_file_->Sync();
  });
  journal_size_ += line.size();
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
  name = journal_.header.entries[it->second].name;
  touched_[it->second] = true;
  return it->second;
}

std::string Transaction::Impl::LikenessOf(std::size_t i) const {
  const BackupEntry& entry = journal_.header.entries[i];
  if (entry.change == Change::kCreate || entry.link) return "";
  return OriginalInPlace(i) ? entry.name : OriginalPath(folder_, entry.name);
}

void Transaction::Impl::MoveOriginal(std::size_t i) {
  BackupEntry& entry = journal_.header.entries[i];
  const std::string kept = OriginalPath(folder_, entry.name);
  Naming(entry.name, [&] {
    if (!HasFolderPart(entry.name)) {
      base_.RenameFile(entry.name, kept);
    } else {
      // A file outside the data directory may lie on another disk.
      CopyFile(base_, entry.name, kept);
      base_.RemoveFile(entry.name);
    }
  });
  moved_[i] = true;
  // What is kept is what counts, whatever the plan found before.
  if (!entry.link) entry.size = base_.Stat(kept).size;
}

std::unique_ptr<RandomAccessFile> Transaction::Impl::OpenRewrite(std::size_t i, bool from_empty) {
  const std::string& name = journal_.header.entries[i].name;
  const std::string path = NewWorkingPath(name);
  return Naming(name, [&]() -> std::unique_ptr<RandomAccessFile> {
    std::unique_ptr<SequentialFile> source;
    std::uint64_t size = 0;
    std::optional<FileInfo> state;
    const bool original = OriginalInPlace(i);
    if (!from_empty && (original || ours_[i])) {
      source = base_.OpenForReading(name);
      const FileInfo info = base_.Stat(name);
      size = info.size;
      // A changed original is never installed over; the action's own
      // content may change under it.
      if (original) state = info;
    }
    std::unique_ptr<RandomAccessFile> out = base_.CreateFile(path, LikenessOf(i));
    return std::make_unique<RewriteFile>(*this, i, name, std::move(source), size, std::move(state),
                                         std::move(out), path);
  });
}

std::pair<std::string, std::unique_ptr<WritableFile>> Transaction::Impl::CreateWorkingFile(
    std::size_t i) {
  const std::string& name = journal_.header.entries[i].name;
  const std::string path = NewWorkingPath(name);
  auto file = Naming(name, [&] { return base_.CreateFile(path, LikenessOf(i)); });
  return {path, std::make_unique<ChecksummedFile>(*this, path, std::move(file))};
}

void Transaction::Impl::InstallWorkingFile(std::size_t i, const std::string& path) {
  const NewContent content = written_.at(path);
  written_.erase(path);
  Install(i, path, content, std::nullopt);
}

void Transaction::Impl::Install(std::size_t i, const std::string& path, const NewContent& content,
                                const std::optional<FileInfo>& original_state) {
  CheckStop();
  const std::string& name = journal_.header.entries[i].name;
  if (original_state && OriginalInPlace(i) && !SameFileState(*original_state, base_.Stat(name))) {
    throw FileError("write", name,
                    "another program changed it while it was being rewritten; it has been left "
                    "as that program left it");
  }
  // Recorded before it is installed, so that a recovery can tell the
  // action's content from any later one.
  MadeRecord made;
  made.name = name;
  made.size = content.size;
  made.checksum = content.checksum;
  made.original_checksum = content.original_checksum;
  AppendJournal(MadeLine(made));
  journal_.made.push_back(made);
  BackupEntry& entry = journal_.header.entries[i];
  if (OriginalInPlace(i)) {
    if (!entry.checksum && content.original_checksum && original_state) {
      entry.checksum = content.original_checksum;
    }
    MoveOriginal(i);
  }
  Naming(name, [&] { base_.RenameFile(path, name); });
  ours_[i] = true;
}

void Transaction::Impl::Remove(std::size_t i) {
  const std::string& name = journal_.header.entries[i].name;
  if (OriginalInPlace(i)) {
    MoveOriginal(i);
    return;
  }
  if (!ours_[i]) throw FileError("delete", name, "it does not exist");
  MadeRecord made;
  made.name = name;
  made.gone = true;
  AppendJournal(MadeLine(made));
  journal_.made.push_back(made);
  base_.RemoveFile(name);
  ours_[i] = false;
}

void Transaction::Impl::PutFile(const std::string& name, const std::string& source,
                                std::uint64_t size, std::uint64_t checksum, ChecksumKind kind) {
  CheckStop();
  std::string target = name;
  const std::size_t i = Admit(target);
  const std::string path = NewWorkingPath(target);
  const FileSum kept = Naming(target, [&] { return CopyFile(base_, source, path, kind); });
  if (kept.size != size || kept.checksum != checksum) {
    throw FileError("put back", target,
                    "the kept copy in \"" + source + "\" is damaged (its " +
                        (kept.size != size ? "size" : "checksum") + " differs)");
  }
  const FileSum sum = kind == ChecksumKind::kXxh3 ? kept : FileChecksum(base_, path);
  Install(i, path, {sum.size, sum.checksum, std::nullopt}, std::nullopt);
}

void Transaction::Impl::KeepAsItIs(const std::string& name) {
  std::string target = name;
  const std::size_t i = Admit(target);
  BackupEntry& entry = journal_.header.entries[i];
  MadeRecord made;
  made.name = target;
  if (OriginalInPlace(i) && !entry.link) {
    const FileSum sum =
        Naming(target, [&] { return CopyFile(base_, target, OriginalPath(folder_, target)); });
    entry.size = sum.size;
    entry.checksum = sum.checksum;
    made.size = sum.size;
    made.checksum = sum.checksum;
    made.original_checksum = sum.checksum;
    moved_[i] = true;
    ours_[i] = true;
  } else {
    made.gone = true;
  }
  AppendJournal(MadeLine(made));
  journal_.made.push_back(made);
}

void Transaction::Impl::WriteManifest() {
  BackupManifest manifest = journal_.header;
  manifest.entries.clear();
  for (std::size_t i = 0; i < journal_.header.entries.size(); ++i) {
    if (!touched_[i]) continue;
    BackupEntry entry = journal_.header.entries[i];
    if (moved_[i] && !entry.link && !entry.checksum) {
      // Originals moved whole (no pass over them during the action).
      const FileSum sum = FileChecksum(base_, OriginalPath(folder_, entry.name));
      entry.size = sum.size;
      entry.checksum = sum.checksum;
    }
    if (entry.change != Change::kCreate && !moved_[i]) continue;  // never changed after all
    manifest.entries.push_back(std::move(entry));
  }
  const std::string written = JoinFolder(folder_, kNewManifestFile);
  WriteFile(written, ManifestText(manifest));
  base_.RenameFile(written, JoinFolder(folder_, kManifestFile));
}

void Transaction::Impl::DropBackup() {
  try {
    RemoveTree(base_, folder_);
    // No backups folder is left behind by saves that keep nothing.
    if (base_.ListDirectory(options_.backups).empty()) base_.RemoveDirectory(options_.backups);
  } catch (const FileError&) {
    // A folder with only its marker is removed at the next start.
  }
}

void Transaction::Impl::Commit() {
  if (finished_) return;
  CheckStop();
  const bool keep =
      options_.keep_backup && std::find(touched_.begin(), touched_.end(), true) != touched_.end();
  Naming(folder_, [&] {
    // Everything the action changed becomes durable before the mark.
    base_.SyncDirectory("");
    base_.SyncDirectory(JoinFolder(folder_, kOriginalsFolder));
    if (keep) {
      WriteManifest();
    } else {
      journal_file_->Close();
      journal_file_.reset();
      base_.RemoveFile(JoinFolder(folder_, kJournalFile));
    }
  });
  // Committed: from here on nothing is put back.
  finished_ = true;
  try {
    base_.SyncDirectory(folder_);
    if (journal_file_) {
      journal_file_->Close();
      journal_file_.reset();
      base_.RemoveFile(JoinFolder(folder_, kJournalFile));
    }
  } catch (const FileError&) {
    // A journal beside a manifest is removed at the next start.
  }
  if (!keep) {
    DropBackup();
    return;
  }
  try {
    PruneBackups(base_, lock_, options_.backups, options_.action, options_.keep, folder_);
  } catch (const FileError&) {
    // Old backups stay until a later action; the data is committed.
  }
}

std::vector<std::string> Transaction::Impl::Rollback() {
  if (finished_) return {};
  finished_ = true;
  try {
    if (journal_file_) journal_file_->Close();
  } catch (const FileError&) {
    // The journal in memory is the one that counts here.
  }
  journal_file_.reset();
  const std::vector<std::string> left = PutBack(base_, folder_, journal_);
  if (left.empty()) {
    RemoveTree(base_, folder_);
    try {
      if (base_.ListDirectory(options_.backups).empty()) base_.RemoveDirectory(options_.backups);
    } catch (const FileError&) {
      // An empty backups folder does no harm.
    }
  } else {
    KeepAsBackup(base_, folder_, journal_, left);
  }
  return left;
}

Transaction::Transaction(Env& env, const WorkLock& lock, const Plan& plan,
                         TransactionOptions options)
    : impl_(std::make_unique<Impl>(env, lock, plan, std::move(options))) {}

Transaction::~Transaction() {
  if (impl_->finished()) return;
  try {
    impl_->Rollback();
  } catch (...) {
    // The journal stays; the next start puts back what is left.
  }
}

Env& Transaction::env() { return impl_->env(); }

void Transaction::PutFile(const std::string& name, const std::string& source, std::uint64_t size,
                          std::uint64_t checksum, ChecksumKind kind) {
  impl_->PutFile(name, source, size, checksum, kind);
}

void Transaction::KeepAsItIs(const std::string& name) { impl_->KeepAsItIs(name); }
void Transaction::Commit() { impl_->Commit(); }
std::vector<std::string> Transaction::Rollback() { return impl_->Rollback(); }
const std::string& Transaction::folder() const { return impl_->folder(); }

void RunTransaction(Env& env, const WorkLock& lock, const Plan& plan,
                    const TransactionOptions& options,
                    const std::function<void(Transaction&)>& work) {
  InterruptGuard guard;
  Transaction transaction(env, lock, plan, options);
  try {
    work(transaction);
    transaction.Commit();
  } catch (const FileError& error) {
    if (InterruptRequested() != nullptr) InterruptTakenUp();
    std::vector<std::string> left;
    try {
      left = transaction.Rollback();
    } catch (const FileError& put_back) {
      throw error.WithNote("Putting the files back failed too (" + std::string(put_back.what()) +
                           "); the original files are kept in \"" + transaction.folder() + "\".");
    }
    if (left.empty()) throw error.WithNote("Every file has been put back as it was.");
    std::string names;
    for (const std::string& name : left) names += (names.empty() ? "\"" : ", \"") + name + "\"";
    throw error.WithNote("Every other file has been put back as it was; " + names +
                         (left.size() == 1 ? " was" : " were") +
                         " changed by another program meanwhile and left as it is now, the "
                         "original kept in \"" +
                         transaction.folder() + "\".");
  }
}

}  // namespace common
