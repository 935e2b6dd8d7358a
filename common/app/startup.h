// Startup: what both programs decide before anything else, and before any
// toolkit object exists: --help, --version, --terminal, and whether a
// graphical display is there at all. The display is only opened (and closed
// again) to check it, without any toolkit.

#ifndef COMMON_APP_STARTUP_H_
#define COMMON_APP_STARTUP_H_

#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "common/platform/display.h"

namespace common {

// A command-line option of one program beyond the common ones
// ("--restore [NAME]"): it runs instead of the program's windows.
struct ProgramOption {
  enum class Argument { kNone, kOptional, kRequired };
  std::string name;  // "--restore"
  Argument argument = Argument::kNone;
  std::string help;  // "[NAME]  puts back ..." as printed after the name
  // A command of its own: nothing may stand beside it but --data, and it
  // runs without a window.
  bool alone = false;
};

struct ProgramInfo {
  std::string command;        // "cleanslate"
  std::string title;          // "Cleanslate", the title of its messages
  std::string summary;        // one sentence on what it does
  std::string terminal_help;  // how its terminal mode is driven
  std::vector<ProgramOption> options = {};
};

enum class FrontEnd { kWindows, kTerminal };

struct StartupDecision {
  FrontEnd front_end = FrontEnd::kWindows;
  std::optional<int> exit_status;          // set when the program ends here
  std::string option;                      // one of the program's options, or ""
  std::optional<std::string> argument;     // its argument
  std::optional<std::string> data_folder;  // --data DIR, in UTF-8
};

// Reads the arguments (without the program name). --data takes the folder
// that follows it whatever it looks like. --help and --version print
// to `out`; a wrong argument prints to `err` and gives status 2. Without
// --terminal the windows are chosen only when `check_display` finds them
// available; when a named display does not open, one line on `err` says so
// and the terminal is chosen.
StartupDecision DecideStartup(const std::vector<std::string>& args, const ProgramInfo& info,
                              const std::function<DisplayStatus()>& check_display,
                              std::ostream& out, std::ostream& err);

// The same with the platform's own check, reading the environment through
// `getenv`.
StartupDecision DecideStartup(const std::vector<std::string>& args, const ProgramInfo& info,
                              const std::function<const char*(const char*)>& getenv,
                              std::ostream& out, std::ostream& err);

// The line that names the data directory, given its full path, in the
// windows and on the terminal of both programs: "Data directory: /srv/store".
// Empty for an empty path.
std::string DataDirectoryText(const std::string& path);

// The full path of the current directory, the programs' data directory, in
// UTF-8; "." when the system cannot tell it.
std::string CurrentDirectoryPath();

// The one line that reports an error that ended the program; `what` names
// files in Windows-1252, the line is UTF-8 like all the programs print.
std::string ErrorLine(const ProgramInfo& info, const std::string& what);

// Runs a terminal front end and returns its exit status. An error escaping
// it is reported as its ErrorLine on `err`, after all that was printed on
// `out`, and gives status 1.
int RunReportingErrors(const ProgramInfo& info, std::ostream& out, std::ostream& err,
                       const std::function<int()>& front_end);

}  // namespace common

#endif  // COMMON_APP_STARTUP_H_
