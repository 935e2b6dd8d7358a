// Transaction: an action over the data directory that happens whole or not
// at all, the way a database's rollback journal works.
//
// Before anything changes, the plan is checked (every file an ordinary,
// writable file reached without following a link, room on the disk) and a
// backup folder is made, "<backups>/2026-12-09 0343 <action>", whose
// journal lists every planned file with its size and checksum. The action
// then works through env(): an original it deletes or replaces is moved
// into the folder (a rename, no copy); a record file it changes is written
// as a new file in the folder and renamed into place when closed. Commit()
// makes everything durable and then marks the backup complete in one
// atomic step. On a failure, or at the next start after a crash, every file
// is put back from the journal (see backups.h).

#ifndef COMMON_JOURNAL_TRANSACTION_H_
#define COMMON_JOURNAL_TRANSACTION_H_

#include <functional>
#include <memory>
#include <string>

#include "common/platform/env.h"
#include "common/journal/transaction_plan.h"

namespace common {

struct TransactionOptions {
  std::string backups;      // the folder of backups in the data directory
  std::string program;      // "Cleanslate", for the manifest
  std::string action;       // "sales": names the backup folder
  bool keep_backup = true;  // otherwise the backup goes once committed
  int keep = 5;             // complete backups of this action kept, newest first
};

class Transaction {
 public:
  // Checks the plan, reads the originals' checksums and makes the journal
  // durable. Throws FileError with nothing changed.
  Transaction(Env& env, const Plan& plan, TransactionOptions options);
  // A transaction neither committed nor rolled back is put back, as far as
  // that goes; what is left stays for the recovery at the next start.
  ~Transaction();

  Transaction(const Transaction&) = delete;
  Transaction& operator=(const Transaction&) = delete;

  // The Env the action works through. Changing a file that is not in the
  // plan throws FileError.
  Env& env();

  // Replaces (or creates) `name` with a copy of the file `source`, which
  // keeps its permissions; the copy's checksum must be `crc` when given.
  void PutFile(const std::string& name, const std::string& source,
               const std::uint32_t* crc = nullptr);

  // Makes every change durable and marks the backup complete (or removes
  // it when it is not to be kept); then removes this action's backups
  // beyond the newest `keep`. Throws FileError only before the mark.
  void Commit();

  // Puts every file back as it was and removes the backup folder. Throws
  // FileError when that fails; the folder is then kept.
  void Rollback();

  // The backup folder, "<backups>/<name>".
  const std::string& folder() const;

  class Impl;

 private:
  std::unique_ptr<Impl> impl_;
};

// Runs `work` inside a transaction and commits it. When a file operation
// fails, every file is put back and the FileError is thrown again, saying
// so; when putting back fails too, it names the backup folder that keeps
// the originals.
void RunTransaction(Env& env, const Plan& plan, const TransactionOptions& options,
                    const std::function<void(Transaction&)>& work);

}  // namespace common

#endif  // COMMON_JOURNAL_TRANSACTION_H_
