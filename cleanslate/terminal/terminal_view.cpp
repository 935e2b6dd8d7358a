#include "cleanslate/terminal/terminal_view.h"

#include <charconv>
#include <limits>

#include "cleanslate/makefile_window.h"
#include "cleanslate/program_info.h"
#include "common/app/startup.h"
#include "common/app/terminal/terminal_io.h"
#include "common/app/terminal/terminal_messages.h"
#include "common/app/terminal/terminal_window_host.h"

namespace cleanslate {

namespace {

void PrintWindow(common::TerminalIo& io, const MakefileWindow& window) {
  io.out() << "\n";
  io.PrintLine(kMakefileCaption);
  io.PrintLine(std::string("== ") + kMakefileHeading + " ==");
  if (!window.List1.visible) return;
  int number = 0;
  for (const std::string& line : window.List1.lines) {
    ++number;
    io.out() << (number < 10 ? "   " : "  ") << number << "  ";
    io.PrintLine(line);
  }
}

}  // namespace

int RunTerminal(std::istream& in, std::ostream& out, std::ostream& err, common::Env& env,
                RandomSource& random, Clock& clock, const std::string& data_directory) {
  const common::ProgramInfo& info = CleanslateInfo();
  common::TerminalIo io(in, out);
  common::TerminalMessages messages(io, info.title);
  common::TerminalWindowHost host;
  MakefileWindow window(ActionContext{env, messages, random, clock}, host, data_directory);
  return common::RunReportingErrors(info, out, err, [&] {
    // Once, before the gates: which directory is about to be worked on.
    // The path is the system's own text: printed as it is.
    if (!window.DataDirectory.caption.empty()) io.out() << window.DataDirectory.caption << "\n";
    window.Form_Load();
    bool show = true;
    while (!host.ended()) {
      if (show) PrintWindow(io, window);
      const int count = static_cast<int>(window.List1.lines.size());
      io.out() << "Pick a line (1-" << count << "): ";
      std::string line;
      if (!io.ReadLine(line)) {
        // The end of input closes the window, which ends the program.
        io.out() << "\n";
        return 0;
      }
      const std::optional<int> number = common::WholeNumber(line);
      if (!number) {
        io.out() << "Please type a line number from 1 to " << count
                 << ", or end the input to close the window.\n";
        show = false;
        continue;
      }
      window.List1.list_index = *number - 1;
      window.List1_Click();
      show = true;
    }
    return 0;
  });
}

}  // namespace cleanslate
