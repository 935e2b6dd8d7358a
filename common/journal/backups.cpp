#include "common/journal/backups.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <optional>
#include <tuple>

#include "common/journal/backup_folder.h"
#include "common/platform/file_error.h"
#include "common/platform/paths.h"

namespace common {

namespace {

bool Exists(Env& env, const std::string& path) {
  return env.Stat(path).type != EntryType::kMissing;
}

// True when the file at `name` is exactly what `made` recorded.
bool IsAsMade(Env& env, const std::string& name, const FileInfo& now, const MadeRecord& made,
              ChecksumKind kind) {
  if (made.gone || now.type != EntryType::kRegular || now.size != made.size) return false;
  return FileChecksum(env, name, kind).checksum == made.checksum;
}

// True when the kept original of `entry` is whole: what it was when the
// action kept it, as far as the journal or manifest tells.
bool KeptOriginalIsWhole(Env& env, const std::string& kept, const BackupEntry& entry,
                         const MadeRecord* made, ChecksumKind kind) {
  const FileInfo info = env.Stat(kept);
  if (entry.link) return info.type == EntryType::kLink;
  if (info.type != EntryType::kRegular || info.size != entry.size) return false;
  std::optional<std::uint64_t> expected = entry.checksum;
  if (!expected && made != nullptr) expected = made->original_checksum;
  return !expected || FileChecksum(env, kept, kind).checksum == *expected;
}

void PutOriginalBack(Env& env, const std::string& kept, const std::string& name) {
  if (HasFolderPart(name)) {
    // A file outside the data directory may lie on another disk.
    if (Exists(env, name)) env.RemoveFile(name);
    CopyFile(env, kept, name);
    env.RemoveFile(kept);
  } else {
    env.RenameFile(kept, name);
  }
}

// The order of a listing: newest first.
bool Newer(const Backup& a, const Backup& b) {
  const LocalTime& x = a.manifest.started;
  const LocalTime& y = b.manifest.started;
  return std::tie(a.manifest.sequence, x.year, x.month, x.day, x.hour, x.minute, x.second,
                  x.millisecond, a.folder) > std::tie(b.manifest.sequence, y.year, y.month, y.day,
                                                      y.hour, y.minute, y.second, y.millisecond,
                                                      b.folder);
}

// The subfolders of `backups`, oldest first by their names' sequence.
std::vector<std::string> Subfolders(Env& env, const std::string& backups) {
  std::vector<std::string> folders;
  if (env.Stat(backups).type != EntryType::kDirectory) return folders;
  for (const DirEntry& entry : env.ListDirectory(backups)) {
    if (entry.type == EntryType::kDirectory) folders.push_back(entry.name);
  }
  std::sort(folders.begin(), folders.end(), [](const std::string& a, const std::string& b) {
    const auto x = ParseBackupFolderName(a);
    const auto y = ParseBackupFolderName(b);
    return std::pair(x ? x->sequence : 0, a) < std::pair(y ? y->sequence : 0, b);
  });
  for (std::string& name : folders) name = JoinFolder(backups, name);
  return folders;
}

// The originals folder must be a folder: never a link, a FIFO or a file.
void RequireOriginalsFolder(Env& env, const std::string& folder) {
  const std::string originals = JoinFolder(folder, kOriginalsFolder);
  switch (env.Stat(originals).type) {
    case EntryType::kMissing:
    case EntryType::kDirectory:
      return;
    case EntryType::kLink:
      throw FileError("read", originals, "it is a symbolic link, not a folder");
    default:
      throw FileError("read", originals, "it is not a folder");
  }
}

}  // namespace

FileSum CopyFile(Env& env, const std::string& from, const std::string& to, ChecksumKind kind) {
  const std::unique_ptr<SequentialFile> source = env.OpenForReading(from);
  const std::unique_ptr<RandomAccessFile> copy = env.CreateFile(to, from);
  constexpr std::size_t kBuffer = 256 << 10;
  const std::unique_ptr<char[]> buffer(new char[kBuffer]);
  Checksummer sum(kind);
  FileSum result;
  for (;;) {
    const std::size_t got = source->Read(buffer.get(), kBuffer);
    if (got == 0) break;
    const std::string_view bytes(buffer.get(), got);
    copy->WriteAt(result.size, bytes);
    sum.Update(bytes);
    result.size += got;
  }
  copy->Sync();
  copy->Close();
  result.checksum = sum.Digest();
  return result;
}

std::string ReadWholeFile(Env& env, const std::string& path, std::uint64_t limit) {
  const std::unique_ptr<SequentialFile> file = env.OpenForReading(path);
  std::string text;
  char buffer[65536];
  for (std::size_t got; (got = file->Read(buffer, sizeof buffer)) > 0;) {
    if (text.size() + got > limit) throw FileError("read", path, "it is far too long");
    text.append(buffer, got);
  }
  return text;
}

void RemoveTree(Env& env, const std::string& dir) {
  // The journal goes first: a folder without one is never put back from.
  const std::string journal = JoinFolder(dir, kJournalFile);
  if (env.Stat(journal).type == EntryType::kRegular) env.RemoveFile(journal);
  for (const DirEntry& entry : env.ListDirectory(dir)) {
    const std::string path = JoinFolder(dir, entry.name);
    if (entry.type == EntryType::kDirectory) {
      RemoveTree(env, path);
    } else {
      env.RemoveFile(path);
    }
  }
  env.RemoveDirectory(dir);
}

std::uint64_t TreeBytes(Env& env, const std::string& dir) {
  std::uint64_t bytes = 0;
  if (env.Stat(dir).type != EntryType::kDirectory) return 0;
  for (const DirEntry& entry : env.ListDirectory(dir)) {
    const std::string path = JoinFolder(dir, entry.name);
    const std::uint64_t more =
        entry.type == EntryType::kDirectory ? TreeBytes(env, path) : env.Stat(path).size;
    bytes = more > UINT64_MAX - bytes ? UINT64_MAX : bytes + more;
  }
  return bytes;
}

std::vector<std::string> PutBack(Env& env, const std::string& folder, const Journal& journal) {
  const ChecksumKind kind = journal.header.checksum_kind;
  std::vector<std::string> left;
  // The files the action created go first: none of them shares its name
  // with an original, so removing them never touches one put back.
  for (const BackupEntry& entry : journal.header.entries) {
    if (entry.change != Change::kCreate) continue;
    const MadeRecord* made = journal.LastMade(entry.name);
    const FileInfo now = env.Stat(entry.name);
    if (made == nullptr || made->gone || now.type == EntryType::kMissing) continue;
    if (IsAsMade(env, entry.name, now, *made, kind)) {
      env.RemoveFile(entry.name);
    } else {
      left.push_back(entry.name);
    }
  }
  for (const BackupEntry& entry : journal.header.entries) {
    if (entry.change == Change::kCreate) continue;
    const std::string kept = OriginalPath(folder, entry.name);
    // Never moved: the original is in its place.
    if (env.Stat(kept).type == EntryType::kMissing) continue;
    const MadeRecord* made = journal.LastMade(entry.name);
    const FileInfo now = env.Stat(entry.name);
    const bool as_left = now.type == EntryType::kMissing ||
                         (made != nullptr && IsAsMade(env, entry.name, now, *made, kind));
    if (!as_left || !KeptOriginalIsWhole(env, kept, entry, made, kind)) {
      left.push_back(entry.name);
      continue;
    }
    PutOriginalBack(env, kept, entry.name);
  }
  env.SyncDirectory("");
  return left;
}

void KeepAsBackup(Env& env, const std::string& folder, const Journal& journal,
                  const std::vector<std::string>& names) {
  BackupManifest manifest = journal.header;
  manifest.checksum_kind = ChecksumKind::kXxh3;
  manifest.entries.clear();
  for (const BackupEntry& planned : journal.header.entries) {
    if (std::find(names.begin(), names.end(), planned.name) == names.end()) continue;
    BackupEntry entry = planned;
    if (entry.change != Change::kCreate && !entry.link) {
      const std::string kept = OriginalPath(folder, entry.name);
      if (env.Stat(kept).type != EntryType::kRegular) continue;
      const FileSum sum = FileChecksum(env, kept);
      entry.size = sum.size;
      entry.checksum = sum.checksum;
    }
    manifest.entries.push_back(std::move(entry));
  }
  const std::string written = JoinFolder(folder, kNewManifestFile);
  if (Exists(env, written)) env.RemoveFile(written);
  {
    const std::unique_ptr<RandomAccessFile> file = env.CreateFile(written, "");
    file->WriteAt(0, ManifestText(manifest));
    file->Sync();
    file->Close();
  }
  env.RenameFile(written, JoinFolder(folder, kManifestFile));
  env.SyncDirectory(folder);
  env.RemoveFile(JoinFolder(folder, kJournalFile));
}

BackupList ListBackups(Env& env, const std::string& backups) {
  BackupList list;
  if (env.Stat(backups).type != EntryType::kDirectory) return list;
  for (const std::string& folder : Subfolders(env, backups)) {
    try {
      if (StateOf(env, folder) != FolderState::kComplete) continue;
      const std::string manifest = JoinFolder(folder, kManifestFile);
      list.backups.push_back({folder, ParseManifest(ReadWholeFile(env, manifest), manifest)});
    } catch (const FileError& error) {
      list.warnings.push_back("skipped the damaged backup \"" + folder + "\": " + error.what());
    }
  }
  std::sort(list.backups.begin(), list.backups.end(), Newer);
  return list;
}

std::string SizeText(std::uint64_t bytes) {
  if (bytes < 10000) return std::to_string(bytes) + (bytes == 1 ? " byte" : " bytes");
  const char* units[] = {"KB", "MB", "GB", "TB", "PB", "EB"};
  double value = static_cast<double>(bytes) / 1000;
  int unit = 0;
  while (value >= 1000 && unit < 5) {
    value /= 1000;
    ++unit;
  }
  char text[32];
  std::snprintf(text, sizeof text, "%.1f %s", value, units[unit]);
  return text;
}

std::string BackupLine(const Backup& backup) {
  const BackupManifest& m = backup.manifest;
  char time[32];
  std::snprintf(time, sizeof time, "%04d-%02d-%02d %02d:%02d", m.started.year, m.started.month,
                m.started.day, m.started.hour, m.started.minute);
  const std::size_t files = m.entries.size();
  return std::string(time) + "  " + m.title + "  " + std::to_string(files) +
         (files == 1 ? " file  " : " files  ") + SizeText(m.OriginalBytes()) + "  \"" +
         LastPart(backup.folder) + "\"";
}

namespace {

// The journal of the working folder `folder`; nothing when it was cut short
// before anything changed (the folder is then removed). Throws FileError,
// saying what to do, when it cannot be used.
std::optional<Journal> ReadJournalOf(Env& env, const std::string& folder) {
  const std::string path = JoinFolder(folder, kJournalFile);
  try {
    RequireOriginalsFolder(env, folder);
    std::optional<Journal> read = ParseJournal(ReadWholeFile(env, path), path);
    if (read) return read;
    // Cut short while it was first written, before anything changed.
    const std::string originals = JoinFolder(folder, kOriginalsFolder);
    if (env.Stat(originals).type == EntryType::kDirectory &&
        !env.ListDirectory(originals).empty()) {
      throw FileError("read", path, "it is cut short, but originals have been moved");
    }
    RemoveTree(env, folder);
    return std::nullopt;
  } catch (const FileError& error) {
    throw error.WithNote(
        "An interrupted action left the backup folder \"" + folder +
        "\", whose journal cannot be used, so nothing has been put back. Its originals are "
        "kept there: look at them, move the folder out of the data directory, then start "
        "again.");
  }
}

// Puts back what the interrupted action of `folder` left, and keeps the
// rest as a complete backup.
RecoveredAction Recover(Env& env, const std::string& folder, const Journal& journal) {
  try {
    RecoveredAction action{journal.header, folder, PutBack(env, folder, journal)};
    if (!action.left.empty()) {
      KeepAsBackup(env, folder, journal, action.left);
    } else if (env.Stat(JoinFolder(folder, kMarkerFile)).type == EntryType::kRegular) {
      RemoveTree(env, folder);
    } else {
      // Not a folder of ours by its marker (an older one): only its journal goes.
      env.RemoveFile(JoinFolder(folder, kJournalFile));
    }
    return action;
  } catch (const FileError& error) {
    throw error.WithNote("The files of the interrupted action are kept in \"" + folder + "\".");
  }
}

}  // namespace

std::vector<RecoveredAction> RecoverInterrupted(Env& env, const WorkLock&,
                                                const std::string& backups) {
  std::vector<RecoveredAction> recovered;
  for (const std::string& folder : Subfolders(env, backups)) {
    const std::string journal = JoinFolder(folder, kJournalFile);
    switch (StateOf(env, folder)) {
      case FolderState::kForeign:
        break;
      case FolderState::kLeftover:
        RemoveTree(env, folder);
        break;
      case FolderState::kComplete:
        // Only the journal may be left over from its last step.
        if (env.Stat(journal).type == EntryType::kRegular) env.RemoveFile(journal);
        break;
      case FolderState::kWorking:
        if (const std::optional<Journal> read = ReadJournalOf(env, folder)) {
          recovered.push_back(Recover(env, folder, *read));
        }
        break;
    }
  }
  return recovered;
}

std::vector<BackupManifest> PendingRecoveries(Env& env, const std::string& backups) {
  std::vector<BackupManifest> pending;
  for (const std::string& folder : Subfolders(env, backups)) {
    if (StateOf(env, folder) != FolderState::kWorking) continue;
    const std::string journal = JoinFolder(folder, kJournalFile);
    try {
      const std::optional<Journal> read = ParseJournal(ReadWholeFile(env, journal), journal);
      if (!read) continue;  // nothing had changed yet
      pending.push_back(read->header);
    } catch (const FileError&) {
      BackupManifest unreadable;
      unreadable.action = unreadable.title = LastPart(folder);
      pending.push_back(std::move(unreadable));
    }
  }
  return pending;
}

void PruneBackups(Env& env, const WorkLock&, const std::string& backups, const std::string& action,
                  int keep, const std::string& spare) {
  int kept = 0;
  for (const Backup& backup : ListBackups(env, backups).backups) {
    if (backup.manifest.action != action) continue;
    if (backup.folder == spare) {
      ++kept;
      continue;
    }
    if (++kept <= keep) continue;
    if (env.Stat(JoinFolder(backup.folder, kMarkerFile)).type != EntryType::kRegular) continue;
    RemoveTree(env, backup.folder);
  }
}

}  // namespace common
