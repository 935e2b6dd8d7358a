#include "common/app/restore.h"

#include <algorithm>

#include "common/files/file_names.h"
#include "common/journal/backup_folder.h"
#include "common/platform/file_error.h"

namespace common {

namespace {

bool NeverRemoved(const std::string& name, const std::vector<std::string>& never_removed) {
  return std::any_of(never_removed.begin(), never_removed.end(),
                     [&](const std::string& each) { return SameName(each, name); });
}

}  // namespace

Plan RestorePlan(Env& env, const Backup& backup, const std::vector<std::string>& never_removed) {
  Plan plan(env);
  for (const BackupEntry& entry : backup.manifest.entries) {
    if (entry.link) continue;
    if (entry.change == Change::kCreate) {
      if (!NeverRemoved(entry.name, never_removed)) plan.DeleteExactly(entry.name);
    } else {
      plan.WriteExactly(entry.name, entry.size, "put back from \"" + backup.folder + "\"");
    }
  }
  return plan;
}

void RestoreBackup(Env& env, const WorkLock& lock, const Backup& backup,
                   const TransactionOptions& options,
                   const std::vector<std::string>& never_removed) {
  // Nothing changes before every kept file has been found whole.
  for (const BackupEntry& entry : backup.manifest.entries) {
    if (entry.link || entry.change == Change::kCreate) continue;
    const std::string kept = OriginalPath(backup.folder, entry.name);
    const FileInfo info = env.Stat(kept);
    if (info.type != EntryType::kRegular) {
      throw FileError("put back", entry.name,
                      "the backup \"" + LastPart(backup.folder) + "\" does not hold it");
    }
    if (info.size != entry.size) {
      throw FileError("put back", entry.name,
                      "the copy kept in the backup \"" + LastPart(backup.folder) +
                          "\" is damaged (its size differs)");
    }
  }
  const Plan plan = RestorePlan(env, backup, never_removed);
  RunTransaction(env, lock, plan, options, [&](Transaction& transaction) {
    Env& files = transaction.env();
    for (const BackupEntry& entry : backup.manifest.entries) {
      if (entry.link) continue;
      if (entry.change == Change::kCreate) {
        if (NeverRemoved(entry.name, never_removed)) continue;
        // Exactly this name: a twin in another letter case stays.
        const PlannedFile* planned = plan.Find(entry.name);
        if (planned != nullptr && planned->name == entry.name) files.RemoveFile(entry.name);
        continue;
      }
      transaction.PutFile(entry.name, OriginalPath(backup.folder, entry.name), entry.size,
                          *entry.checksum, backup.manifest.checksum_kind);
    }
  });
}

}  // namespace common
