// The manifest and journal parsers over any bytes (a backup is data from
// the disk, so anything may be there): each either reads a list or throws
// FileError; whatever it reads names only files a backup may name, and
// written out again it reads back the same. Then the same bytes as the
// journal of an interrupted action in a MemoryEnv: a start either puts
// back or refuses, and nothing outside the data directory changes.

#include "common/app/backup_commands.h"
#include "common/journal/backup_folder.h"
#include "common/journal/backup_manifest.h"
#include "common/platform/file_error.h"
#include "fuzz/fuzz_support.h"

namespace {

class NoAnswers : public common::Messages {
 protected:
  common::Answer Show(const common::Message&) override { return common::Answer::kOk; }
};

void CheckNames(const common::BackupManifest& list) {
  for (const common::BackupEntry& entry : list.entries) {
    FUZZ_CHECK(common::AllowedBackupName(entry.name, entry.change));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text = fuzz::AsText(data, size);
  try {
    const common::BackupManifest manifest = common::ParseManifest(text, "manifest");
    CheckNames(manifest);
    const common::BackupManifest again =
        common::ParseManifest(common::ManifestText(manifest), "manifest");
    FUZZ_CHECK(common::ManifestText(again) == common::ManifestText(manifest));
  } catch (const common::FileError&) {
  }
  try {
    if (const auto journal = common::ParseJournal(text, "journal")) {
      CheckNames(journal->header);
      for (const common::MadeRecord& made : journal->made) {
        FUZZ_CHECK(common::AllowedBackupName(made.name, common::Change::kCreate));
      }
    }
  } catch (const common::FileError&) {
  }

  testing_support::MemoryEnv env;
  env.Write("cust.dat", "customers");
  env.Write("/outside.dat", "not ours");
  const std::string folder = "tag-backups/0001 2026-12-09 0343 test";
  env.MakeDirectory("tag-backups");
  env.MakeDirectory(folder);
  env.MakeDirectory(folder + "/originals");
  env.Write(folder + "/originals/cust.dat", "old customers");
  env.Write(folder + "/marker", std::string(common::kMarkerText) + "\n");
  env.Write(folder + "/journal", std::string(text));
  const fuzz::Snapshot before = env.Snapshot();
  NoAnswers messages;
  try {
    common::RecoverAtStart(env, messages);
  } catch (const common::FileError&) {
    // Refused: nothing may have changed but the working lock's file.
    fuzz::Snapshot after = env.Snapshot();
    after.erase("/data/brillora-tools.lock");
    FUZZ_CHECK(after == before);
  }
  FUZZ_CHECK(*env.Read("/outside.dat") == "not ours");
  return 0;
}
