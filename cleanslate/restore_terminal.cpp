// --restore on the terminal: the question and the report as text.

#include <iostream>

#include "cleanslate/action_runner.h"
#include "cleanslate/program_info.h"
#include "cleanslate/window_front_end.h"
#include "common/backup_commands.h"
#include "common/terminal/terminal_io.h"
#include "common/terminal/terminal_messages.h"

namespace cleanslate {

int RunRestoreTerminal(common::Env& env, const std::optional<std::string>& name) {
  const common::ProgramInfo& info = CleanslateInfo();
  const common::TransactionOptions options = ActionOptions("restore");
  common::TerminalIo io(std::cin, std::cout);
  common::TerminalMessages messages(io, info.title);
  return common::RunReportingErrors(info, std::cout, std::cerr, [&] {
    common::RecoverAtStart(env, messages, {kBackupFolder, kTagBackupFolder});
    return common::RestoreCommand(env, messages, options, name, std::cerr);
  });
}

}  // namespace cleanslate
