// --restore with its question in a message box.

#ifndef COMMON_APP_QT_BACKUP_WINDOW_H_
#define COMMON_APP_QT_BACKUP_WINDOW_H_

#include "common/app/backup_commands.h"
#include "common/app/startup.h"
#include "common/platform/env.h"

namespace common {

// Runs the option `decision` names with Qt's message boxes; returns the
// exit status. `argv` holds the program name only.
int RunBackupOptionWindow(int argc, char** argv, Env& env, const ProgramInfo& info,
                          const StartupDecision& decision, const BackupCommandOptions& options);

}  // namespace common

#endif  // COMMON_APP_QT_BACKUP_WINDOW_H_
