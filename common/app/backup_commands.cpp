#include "common/app/backup_commands.h"

#include <algorithm>
#include <cctype>

#include "common/app/restore.h"
#include "common/journal/backups.h"
#include "common/journal/work_lock.h"
#include "common/platform/windows1252.h"

namespace common {

namespace {

// The most files a restore's question names one by one.
constexpr std::size_t kFilesNamed = 20;

std::string Quoted(const std::string& name) { return "\"" + name + "\""; }

std::string QuotedList(const std::vector<std::string>& names) {
  std::string text;
  for (const std::string& name : names) text += (text.empty() ? "" : ", ") + Quoted(name);
  return text;
}

// "cleanslate" for a backup Cleanslate made.
std::string CommandOf(const std::string& program) {
  std::string command = program;
  for (char& c : command) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return command;
}

std::string RecoveryText(const RecoveredAction& action) {
  const BackupManifest& m = action.header;
  std::string text = m.program + " was stopped before it had finished \"" + m.title +
                     "\", started on " + WhenText(m.started) + ".\r";
  if (action.left.empty()) {
    return text + "Every file it had changed has been put back as it was.";
  }
  const std::string folder = LastPart(action.folder);
  return text + "Every file it had changed has been put back as it was, except " +
         (action.left.size() == 1 ? "this one, which has changed since and was left as it is: "
                                  : "these, which have changed since and were left as they "
                                    "are: ") +
         QuotedList(action.left) + ".\rThe original" + (action.left.size() == 1 ? " is" : "s are") +
         " kept in the backup " + Quoted(folder) + "; " + CommandOf(m.program) + " --restore " +
         Quoted(folder) + " puts " + (action.left.size() == 1 ? "it" : "them") + " back.";
}

std::string ChangeText(const BackupEntry& entry) {
  return entry.change == Change::kCreate ? "deleted, as it did not exist" : "put back";
}

std::string RestoreQuestion(const Backup& backup, const Plan& plan) {
  const BackupManifest& m = backup.manifest;
  const std::size_t files = plan.files().size();
  std::string text = files == 1 ? std::string("Put back the file as it was")
                                : "Put back the " + std::to_string(files) + " files as they were";
  text += " before \"" + m.title + "\" on " + WhenText(m.started) + "?\r";
  std::size_t named = 0;
  for (const BackupEntry& entry : m.entries) {
    const PlannedFile* planned = plan.Find(entry.name);
    if (planned == nullptr || planned->name != entry.name) continue;
    if (named++ == kFilesNamed) break;
    text += "\r  " + Quoted(entry.name) + " " + ChangeText(entry);
  }
  if (files > kFilesNamed) text += "\r  and " + std::to_string(files - kFilesNamed) + " more";
  return text +
         "\r\rThe files as they are now are kept in a backup of their own, so this can "
         "be undone too.";
}

// Says `text` on `err`, and as a message where the outcomes are shown.
void Tell(const std::string& text, const BackupCommandOptions& options, Messages& messages,
          std::ostream& err) {
  err << CommandOf(options.restore.program) << ": " << Windows1252ToUtf8(text) << "\n";
  err.flush();
  if (options.show_outcomes) messages.ShowMessage(text);
}

}  // namespace

namespace {

// True when a backup folder holds something a start must see to: an
// interrupted action, or the leftovers of a finished one.
bool SomethingToRecover(Env& env) {
  for (const char* backups : kBackupFolders) {
    if (env.Stat(backups).type != EntryType::kDirectory) continue;
    for (const DirEntry& entry : env.ListDirectory(backups)) {
      if (entry.type != EntryType::kDirectory) continue;
      const std::string folder = JoinFolder(backups, entry.name);
      const FolderState state = StateOf(env, folder);
      if (state == FolderState::kWorking || state == FolderState::kLeftover) return true;
      if (state == FolderState::kComplete &&
          env.Stat(JoinFolder(folder, kJournalFile)).type != EntryType::kMissing) {
        return true;
      }
    }
  }
  return false;
}

}  // namespace

void RecoverAtStart(Env& env, Messages& messages) {
  if (!SomethingToRecover(env)) {
    // Nobody holds a lock whose file was never made: a start with nothing
    // to put back leaves the directory as it found it.
    if (env.Stat(kWorkLockFile).type != EntryType::kMissing && WorkLock::HeldElsewhere(env)) {
      throw DirectoryBusy();
    }
    return;
  }
  std::vector<RecoveredAction> recovered;
  {
    const std::optional<WorkLock> lock = WorkLock::TakeIfPossible(env);
    if (!lock) return;  // nothing can be changed here, nor was
    for (const char* folder : kBackupFolders) {
      for (RecoveredAction& action : RecoverInterrupted(env, *lock, folder)) {
        recovered.push_back(std::move(action));
      }
    }
  }
  // The messages wait for the user: only once the lock is free again.
  for (const RecoveredAction& action : recovered) messages.ShowMessage(RecoveryText(action));
}

std::vector<std::string> PendingNotes(Env& env) {
  if (WorkLock::HeldElsewhere(env)) {
    return {"Another Cleanslate or Tag is working on this data directory right now."};
  }
  std::vector<std::string> notes;
  for (const char* folder : kBackupFolders) {
    for (const BackupManifest& header : PendingRecoveries(env, folder)) {
      std::string note = "\"" + header.title + "\"";
      if (header.started.year != 0) note += ", started on " + WhenText(header.started) + ",";
      notes.push_back(note +
                      " was interrupted: the next start of Cleanslate or Tag puts its files "
                      "back before anything else.");
    }
  }
  return notes;
}

void PrintBackups(Env& env, const std::string& folder, std::ostream& out, std::ostream& err) {
  for (const std::string& note : PendingNotes(env)) out << Windows1252ToUtf8(note) << "\n";
  const BackupList list = ListBackups(env, folder);
  for (const std::string& warning : list.warnings) err << Windows1252ToUtf8(warning) << "\n";
  err.flush();
  if (list.backups.empty()) {
    out << "There are no backups in \"" << folder << "\".\n";
    out.flush();
    return;
  }
  out << "Backups in \"" << folder << "\", newest first:\n";
  for (const Backup& backup : list.backups) {
    out << "  " << Windows1252ToUtf8(BackupLine(backup)) << "\n";
  }
  const std::uint64_t bytes = TreeBytes(env, folder);
  out << "In all " << SizeText(bytes) << " (" << list.backups.size()
      << (list.backups.size() == 1 ? " backup" : " backups")
      << "; the newest five of each action are kept).\n";
  out.flush();
}

int RestoreCommand(Env& env, Messages& messages, const BackupCommandOptions& options,
                   const std::optional<std::string>& name, std::ostream& err) {
  const std::string& folder = options.restore.backups;
  BackupList list = ListBackups(env, folder);
  for (const std::string& warning : list.warnings) {
    err << CommandOf(options.restore.program) << ": " << Windows1252ToUtf8(warning) << "\n";
  }
  const auto chosen = std::find_if(list.backups.begin(), list.backups.end(), [&](const Backup& b) {
    return !name || LastPart(b.folder) == *name;
  });
  if (chosen == list.backups.end()) {
    Tell((name ? "There is no backup \"" + *name + "\"" : std::string("There is no backup")) +
             " in \"" + folder + "\" to put back; --list-backups lists them.",
         options, messages, err);
    return 2;
  }
  const Backup backup = *chosen;
  const Plan plan = RestorePlan(env, backup, options.never_removed);
  if (plan.files().empty()) {
    Tell("The backup \"" + LastPart(backup.folder) + "\" holds nothing to put back.", options,
         messages, err);
    return 0;
  }
  if (messages.ShowMessage(RestoreQuestion(backup, plan), Buttons::kYesNo, Icon::kQuestion,
                           Answer::kNo) != Answer::kYes) {
    messages.ShowMessage("You didn't choose YES so nothing was done");
    return 0;
  }
  {
    // Under the lock the backup is read again: it is what is put back.
    const WorkLock lock = WorkLock::Take(env);
    const std::string manifest = JoinFolder(backup.folder, kManifestFile);
    const Backup current{backup.folder, ParseManifest(ReadWholeFile(env, manifest), manifest)};
    TransactionOptions restore = options.restore;
    restore.title = "Put back \"" + LastPart(backup.folder) + "\"";
    RestoreBackup(env, lock, current, restore, options.never_removed);
  }
  const std::size_t files = plan.files().size();
  messages.ShowMessage(
      (files == 1 ? std::string("The file is back as it was")
                  : "The " + std::to_string(files) + " files are back as they were") +
      " before \"" + backup.manifest.title + "\" on " + WhenText(backup.manifest.started) + ".");
  return 0;
}

int RunBackupOption(const std::string& option, const std::optional<std::string>& argument, Env& env,
                    Messages& messages, const BackupCommandOptions& options, std::ostream& out,
                    std::ostream& err) {
  if (option == "--list-backups") {
    PrintBackups(env, options.restore.backups, out, err);
    return 0;
  }
  RecoverAtStart(env, messages);
  if (options.may_restore && !options.may_restore(env, messages)) return 0;
  return RestoreCommand(env, messages, options, argument, err);
}

}  // namespace common
