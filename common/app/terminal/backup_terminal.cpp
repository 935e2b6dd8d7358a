#include "common/app/terminal/backup_terminal.h"

#include <iostream>

#include "common/app/backup_commands.h"
#include "common/app/terminal/terminal_io.h"
#include "common/app/terminal/terminal_messages.h"

namespace common {

int RunBackupOptionTerminal(Env& env, const ProgramInfo& info, const StartupDecision& decision,
                            const BackupCommandOptions& options) {
  TerminalIo io(std::cin, std::cout);
  TerminalMessages messages(io, info.title);
  return RunReportingErrors(info, std::cout, std::cerr, [&] {
    return RunBackupOption(decision.option, decision.argument, env, messages, options, std::cout,
                           std::cerr);
  });
}

}  // namespace common
