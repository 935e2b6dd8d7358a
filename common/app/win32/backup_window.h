// --restore with its question and its outcome in message boxes.

#ifndef COMMON_APP_WIN32_BACKUP_WINDOW_H_
#define COMMON_APP_WIN32_BACKUP_WINDOW_H_

#include "common/app/backup_commands.h"
#include "common/app/startup.h"
#include "common/platform/env.h"

namespace common {

// Runs the option `decision` names with Windows message boxes, every
// outcome shown in one as well; returns the exit status. What it prints goes
// to the standard streams too, when the program has them. An error or a
// refusal is shown in an error box and written as one line.
int RunBackupOptionWin32(Env& env, const ProgramInfo& info, const StartupDecision& decision,
                         const BackupCommandOptions& options);

}  // namespace common

#endif  // COMMON_APP_WIN32_BACKUP_WINDOW_H_
