#include "common/journal/backups.h"

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <tuple>

#include "common/journal/checksum.h"
#include "common/platform/file_error.h"
#include "common/files/file_names.h"

namespace common {

namespace {

std::string Join(const std::string& dir, const std::string& name) { return dir + "/" + name; }

bool Exists(Env& env, const std::string& path) {
  return env.Stat(path).type != EntryType::kMissing;
}

// The number after a folder's name when one of the same minute and action
// came before it ("2026-12-09 0343 sales 2"); 1 for the first.
int FolderNumber(const Backup& backup) {
  const std::string stem =
      FolderTimeText(backup.manifest.started) + " " + backup.manifest.action + " ";
  const std::size_t slash = backup.folder.rfind('/');
  const std::string name = backup.folder.substr(slash == std::string::npos ? 0 : slash + 1);
  if (name.size() <= stem.size() || name.compare(0, stem.size(), stem) != 0) return 1;
  return std::atoi(name.c_str() + stem.size());
}

bool Newer(const Backup& a, const Backup& b) {
  const LocalTime& x = a.manifest.started;
  const LocalTime& y = b.manifest.started;
  const int m = FolderNumber(a), n = FolderNumber(b);
  return std::tie(x.year, x.month, x.day, x.hour, x.minute, x.second, x.millisecond, m,
                  a.folder) > std::tie(y.year, y.month, y.day, y.hour, y.minute, y.second,
                                       y.millisecond, n, b.folder);
}

std::string SizeText(std::uint64_t bytes) {
  if (bytes < 10000) return std::to_string(bytes) + " bytes";
  const char* units[] = {"KB", "MB", "GB", "TB"};
  double value = static_cast<double>(bytes) / 1000;
  int unit = 0;
  while (value >= 1000 && unit < 3) {
    value /= 1000;
    ++unit;
  }
  char text[32];
  std::snprintf(text, sizeof text, "%.1f %s", value, units[unit]);
  return text;
}

}  // namespace

std::string FlatName(const std::string& name) {
  std::string flat = name;
  for (char& c : flat) {
    if (c == '/' || c == '\\' || c == ':') c = '_';
  }
  return flat;
}

std::string OriginalPath(const std::string& folder, const std::string& name) {
  // A file outside the data directory is kept under its whole path.
  return Join(Join(folder, kOriginalsFolder), FlatName(name));
}

std::uint32_t CopyFile(Env& env, const std::string& from, const std::string& to) {
  const std::unique_ptr<SequentialFile> source = env.OpenForReading(from);
  const std::unique_ptr<RandomAccessFile> copy = env.CreateFile(to, from);
  std::string buffer(1 << 20, '\0');
  std::uint32_t crc = 0;
  std::uint64_t offset = 0;
  for (;;) {
    const std::size_t got = source->Read(buffer.data(), buffer.size());
    if (got == 0) break;
    const std::string_view bytes(buffer.data(), got);
    copy->WriteAt(offset, bytes);
    crc = Crc32(crc, bytes);
    offset += got;
  }
  copy->Sync();
  copy->Close();
  return crc;
}

std::string ReadWholeFile(Env& env, const std::string& path) {
  const std::unique_ptr<SequentialFile> file = env.OpenForReading(path);
  std::string text;
  char buffer[4096];
  for (std::size_t got; (got = file->Read(buffer, sizeof buffer)) > 0;) text.append(buffer, got);
  return text;
}

void RemoveTree(Env& env, const std::string& dir) {
  // The journal goes first: a folder without one is never put back from.
  if (env.Stat(Join(dir, kJournalFile)).type == EntryType::kRegular) {
    env.RemoveFile(Join(dir, kJournalFile));
  }
  for (const DirEntry& entry : env.ListDirectory(dir)) {
    const std::string path = Join(dir, entry.name);
    if (entry.type == EntryType::kDirectory) {
      RemoveTree(env, path);
    } else {
      env.RemoveFile(path);
    }
  }
  env.RemoveDirectory(dir);
}

void PutBack(Env& env, const std::string& folder, const BackupManifest& journal) {
  // The files the action created go first: none of them shares its name
  // with an original, so removing them never touches one put back.
  for (const BackupEntry& entry : journal.entries) {
    if (entry.change == Change::kCreate && Exists(env, entry.name)) env.RemoveFile(entry.name);
  }
  for (const BackupEntry& entry : journal.entries) {
    if (entry.change == Change::kCreate) continue;
    const std::string kept = OriginalPath(folder, entry.name);
    if (!Exists(env, kept)) continue;  // never moved: the original is in its place
    if (HasFolderPart(entry.name)) {
      if (Exists(env, entry.name)) env.RemoveFile(entry.name);
      CopyFile(env, kept, entry.name);
      env.RemoveFile(kept);
    } else {
      env.RenameFile(kept, entry.name);
    }
  }
  env.SyncDirectory("");
}

std::vector<Backup> ListBackups(Env& env, const std::string& backups) {
  std::vector<Backup> list;
  if (env.Stat(backups).type != EntryType::kDirectory) return list;
  for (const DirEntry& entry : env.ListDirectory(backups)) {
    if (entry.type != EntryType::kDirectory) continue;
    const std::string folder = Join(backups, entry.name);
    const std::string manifest = Join(folder, kManifestFile);
    if (env.Stat(manifest).type != EntryType::kRegular) continue;
    list.push_back({folder, ParseManifest(ReadWholeFile(env, manifest), manifest)});
  }
  std::sort(list.begin(), list.end(), Newer);
  return list;
}

std::string BackupLine(const Backup& backup) {
  const BackupManifest& m = backup.manifest;
  char time[32];
  std::snprintf(time, sizeof time, "%04d-%02d-%02d %02d:%02d", m.started.year, m.started.month,
                m.started.day, m.started.hour, m.started.minute);
  const std::size_t slash = backup.folder.rfind('/');
  const std::size_t files = m.entries.size();
  return std::string(time) + "  " + m.action + "  " + std::to_string(files) +
         (files == 1 ? " file  " : " files  ") + SizeText(m.OriginalBytes()) + "  \"" +
         backup.folder.substr(slash == std::string::npos ? 0 : slash + 1) + "\"";
}

std::vector<BackupManifest> RecoverInterrupted(Env& env, const std::string& backups) {
  std::vector<BackupManifest> recovered;
  if (env.Stat(backups).type != EntryType::kDirectory) return recovered;
  std::vector<DirEntry> entries = env.ListDirectory(backups);
  std::sort(entries.begin(), entries.end(),
            [](const DirEntry& a, const DirEntry& b) { return a.name < b.name; });
  for (const DirEntry& entry : entries) {
    if (entry.type != EntryType::kDirectory) continue;
    const std::string folder = Join(backups, entry.name);
    const std::string journal = Join(folder, kJournalFile);
    const bool has_journal = env.Stat(journal).type == EntryType::kRegular;
    if (env.Stat(Join(folder, kManifestFile)).type == EntryType::kRegular) {
      // Complete; only the journal may be left over from its last step.
      if (has_journal) env.RemoveFile(journal);
      continue;
    }
    if (!has_journal) {
      // Either nothing had changed yet, or the action had finished and
      // its backup was not to be kept.
      RemoveTree(env, folder);
      continue;
    }
    try {
      const std::string originals = Join(folder, kOriginalsFolder);
      BackupManifest manifest;
      try {
        manifest = ParseManifest(ReadWholeFile(env, journal), journal);
      } catch (const FileError&) {
        // A journal cut short was being written when the run stopped: no
        // file had changed yet, unless an original has been moved already.
        if (env.Stat(originals).type == EntryType::kDirectory &&
            !env.ListDirectory(originals).empty()) {
          throw;
        }
        RemoveTree(env, folder);
        continue;
      }
      PutBack(env, folder, manifest);
      RemoveTree(env, folder);
      recovered.push_back(std::move(manifest));
    } catch (const FileError& error) {
      throw error.WithNote("The files of the interrupted action are kept in \"" + folder + "\".");
    }
  }
  return recovered;
}

void PruneBackups(Env& env, const std::string& backups, const std::string& action, int keep) {
  int kept = 0;
  for (const Backup& backup : ListBackups(env, backups)) {
    if (backup.manifest.action != action) continue;
    if (++kept > keep) RemoveTree(env, backup.folder);
  }
}

Plan RestorePlan(Env& env, const Backup& backup) {
  Plan plan(env);
  for (const BackupEntry& entry : backup.manifest.entries) {
    if (entry.change == Change::kCreate) {
      plan.DeleteFile(entry.name);
    } else {
      plan.Write(entry.name, entry.size, "put back from \"" + backup.folder + "\"");
    }
  }
  return plan;
}

void RestoreBackup(Env& env, const Backup& backup, const TransactionOptions& options) {
  RunTransaction(env, RestorePlan(env, backup), options, [&](Transaction& transaction) {
    Env& files = transaction.env();
    for (const BackupEntry& entry : backup.manifest.entries) {
      if (entry.change == Change::kCreate) {
        const std::string name = ResolveName(files, entry.name);
        if (Exists(files, name)) files.RemoveFile(name);
        continue;
      }
      const std::string kept = OriginalPath(backup.folder, entry.name);
      if (env.Stat(kept).type != EntryType::kRegular) {
        throw FileError("put back", entry.name, "the backup does not hold it");
      }
      transaction.PutFile(entry.name, kept, entry.crc ? &*entry.crc : nullptr);
    }
  });
}

}  // namespace common
