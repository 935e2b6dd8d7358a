// Transaction: an action over the data directory that happens whole or not
// at all, the way a database's rollback journal works.
//
// Before anything changes, the plan is checked (every file an ordinary,
// writable file reached without following a link, whose owner a new file
// can carry, and room on the disk) and a backup folder is made
// (backup_folder.h) whose journal lists every planned file. The action then
// works through env(): an original it deletes is moved into the folder (a
// rename, no copy); new content (a line file, a rewritten record file) is
// written to a working file there, and once it is complete and durable the
// journal records its size and checksum, the original moves into the
// folder and the new file into its place. A record file is rewritten in
// one pass: read, changed as its records go by, written once.
//
// Commit() makes everything durable and then marks the backup complete in
// one atomic step. On a failure every file is put back; after a crash the
// next start puts back what is still as the action left it (backups.h).
// No user is ever asked anything while a transaction is open.

#ifndef COMMON_JOURNAL_TRANSACTION_H_
#define COMMON_JOURNAL_TRANSACTION_H_

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "common/journal/checksum.h"
#include "common/journal/transaction_plan.h"
#include "common/journal/work_lock.h"
#include "common/platform/env.h"

namespace common {

struct TransactionOptions {
  std::string backups;      // the folder of backups in the data directory
  std::string program;      // "Cleanslate", for the manifest
  std::string action;       // "sales": names the backup folder
  std::string title;        // "Zero sales files": names the action to the user
  bool keep_backup = true;  // otherwise the backup goes once committed
  int keep = 5;             // complete backups of this action kept, newest first
};

class Transaction {
 public:
  // Checks the plan and makes the backup folder with its journal durable.
  // REQUIRES: `lock` is held since the plan was made. Throws FileError with
  // nothing changed.
  Transaction(Env& env, const WorkLock& lock, const Plan& plan, TransactionOptions options);
  // A transaction neither committed nor rolled back is put back, as far as
  // that goes; what is left stays for the recovery at the next start.
  ~Transaction();

  Transaction(const Transaction&) = delete;
  Transaction& operator=(const Transaction&) = delete;

  // The Env the action works through. Changing a file that is not in the
  // plan throws FileError; so does every call once the program has been
  // asked to stop (interrupts.h).
  Env& env();

  // Replaces (or creates) `name` with a copy of the kept file `source`,
  // which must be `size` bytes with `checksum` of `kind`; the copy keeps
  // the permissions of `source`. Throws FileError when the kept file is not
  // what it should be.
  void PutFile(const std::string& name, const std::string& source, std::uint64_t size,
               std::uint64_t checksum, ChecksumKind kind);

  // Keeps `name` in this backup as it is now (or as missing), although the
  // action leaves it alone: restoring the backup then also undoes what a
  // later, short transaction does to it.
  void KeepAsItIs(const std::string& name);

  // Makes every change durable and marks the backup complete (or removes
  // it when it is not to be kept); then removes this action's backups
  // beyond the newest `keep`. Throws FileError only before the mark.
  void Commit();

  // Puts every file back as it was and removes the backup folder. Returns
  // the files another program changed meanwhile, which are left as they
  // are (their originals stay in the folder, now a complete backup).
  // Throws FileError when putting back fails; the folder is then kept.
  std::vector<std::string> Rollback();

  // The backup folder, "<backups>/<name>".
  const std::string& folder() const;

  class Impl;

 private:
  std::unique_ptr<Impl> impl_;
};

// Runs `work` inside a transaction and commits it. When a file operation
// fails, or the program is asked to stop, every file is put back and the
// FileError is thrown again, saying so; when putting back fails too, it
// names the backup folder that keeps the originals.
void RunTransaction(Env& env, const WorkLock& lock, const Plan& plan,
                    const TransactionOptions& options,
                    const std::function<void(Transaction&)>& work);

}  // namespace common

#endif  // COMMON_JOURNAL_TRANSACTION_H_
