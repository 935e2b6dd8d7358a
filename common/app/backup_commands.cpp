#include "common/app/backup_commands.h"

#include "common/journal/backups.h"

namespace common {

namespace {

std::string When(const LocalTime& time) {
  const std::string text = TimeText(time);
  return text.substr(0, 10) + " at " + text.substr(11, 5);
}

std::string FolderName(const std::string& folder) {
  const std::size_t slash = folder.rfind('/');
  return slash == std::string::npos ? folder : folder.substr(slash + 1);
}

}  // namespace

void RecoverAtStart(Env& env, Messages& messages, std::initializer_list<const char*> folders) {
  for (const char* folder : folders) {
    for (const BackupManifest& journal : RecoverInterrupted(env, folder)) {
      messages.ShowMessage(journal.program + " was stopped before it had finished \"" +
                           journal.action + "\", started on " + When(journal.started) +
                           ".\rEvery file it had changed has been put back as it was.");
    }
  }
}

void PrintBackups(Env& env, const std::string& folder, std::ostream& out) {
  const std::vector<Backup> backups = ListBackups(env, folder);
  if (backups.empty()) {
    out << "There are no backups in \"" << folder << "\".\n";
    return;
  }
  out << "Backups in \"" << folder << "\", newest first:\n";
  for (const Backup& backup : backups) out << "  " << BackupLine(backup) << "\n";
  out.flush();
}

int RunBackupOption(const std::string& option, const std::optional<std::string>& argument,
                    Env& env, Messages& messages, const TransactionOptions& options,
                    std::ostream& out, std::ostream& err) {
  if (option == "--list-backups") {
    PrintBackups(env, options.backups, out);
    return 0;
  }
  RecoverAtStart(env, messages, {kCleanslateBackupFolder, kTagBackupFolder});
  return RestoreCommand(env, messages, options, argument, err);
}

int RestoreCommand(Env& env, Messages& messages, const TransactionOptions& options,
                   const std::optional<std::string>& name, std::ostream& err) {
  const std::vector<Backup> backups = ListBackups(env, options.backups);
  const Backup* chosen = nullptr;
  for (const Backup& backup : backups) {
    if (!name || FolderName(backup.folder) == *name) {
      chosen = &backup;
      break;
    }
  }
  if (chosen == nullptr) {
    err << options.program << ": " << (name ? "there is no backup \"" + *name + "\"" : "there is no backup")
        << " in \"" << options.backups << "\"; --list-backups lists them.\n";
    return 2;
  }
  const BackupManifest& m = chosen->manifest;
  const std::size_t files = m.entries.size();
  const std::string question =
      (files == 1 ? std::string("Put back the file as it was")
                  : "Put back the " + std::to_string(files) + " files as they were") +
      " before \"" + m.action + "\" on " + When(m.started) + "?\r" +
      "The files as they are now are kept in a backup of their own, so this can be undone too.";
  if (messages.ShowMessage(question, Buttons::kYesNo, Icon::kQuestion, Answer::kNo) !=
      Answer::kYes) {
    messages.ShowMessage("You didn't choose YES so nothing was done");
    return 0;
  }
  RestoreBackup(env, *chosen, options);
  messages.ShowMessage("The files are back as they were before \"" + m.action + "\" on " +
                       When(m.started) + ".");
  return 0;
}

}  // namespace common
