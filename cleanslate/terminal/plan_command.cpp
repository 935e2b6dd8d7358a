#include "cleanslate/terminal/plan_command.h"

#include <sstream>

#include "cleanslate/choices.h"
#include "cleanslate/program_info.h"
#include "common/app/startup.h"
#include "common/app/terminal/terminal_io.h"
#include "common/app/terminal/terminal_messages.h"

namespace cleanslate {

int RunPlanCommand(const std::optional<std::string>& argument, common::Env& env,
                   RandomSource& random, Clock& clock, std::ostream& out, std::ostream& err) {
  const common::ProgramInfo& info = CleanslateInfo();
  const std::string text = argument.value_or("");
  const std::optional<int> number = common::WholeNumber(text);
  const int count = static_cast<int>(Choices().size());
  if (!number || *number < 1 || *number > count) {
    err << info.command << ": --plan needs a line number from 1 to " << count << ", not '" << text
        << "'\n";
    return 2;
  }
  // A plan asks nothing; its messages have nobody to answer them.
  std::istringstream no_input;
  common::TerminalIo io(no_input, out);
  common::TerminalMessages messages(io, info.title);
  return common::RunReportingErrors(info, out, err, [&] {
    PrintChoicePlan(*number, ActionContext{env, messages, random, clock}, out);
    return 0;
  });
}

}  // namespace cleanslate
