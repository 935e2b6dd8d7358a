// --list-backups and --restore on the terminal: the list as text, the
// restore's question as [y/N].

#ifndef COMMON_APP_TERMINAL_BACKUP_TERMINAL_H_
#define COMMON_APP_TERMINAL_BACKUP_TERMINAL_H_

#include "common/app/backup_commands.h"
#include "common/app/startup.h"
#include "common/platform/env.h"

namespace common {

// Runs the option `decision` names; returns the exit status.
int RunBackupOptionTerminal(Env& env, const ProgramInfo& info, const StartupDecision& decision,
                            const BackupCommandOptions& options);

}  // namespace common

#endif  // COMMON_APP_TERMINAL_BACKUP_TERMINAL_H_
