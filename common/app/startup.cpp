#include "common/app/startup.h"

#include "common/platform/windows1252.h"

#include <exception>
#include <filesystem>
#include <string_view>
#include <system_error>

namespace common {

namespace {

void PrintHelp(const ProgramInfo& info, std::ostream& out) {
  out << "Usage: " << info.command << " [--terminal] [--data DIR]\n"
      << info.summary << "\n"
      << "It works on the data files in the current directory, whose full path it\n"
      << "shows in its window (on the terminal: as the first line). Started in the\n"
      << "folder that holds the program itself, it asks for the store's data folder\n"
      << "in a window and remembers it for the next such start; on the terminal it\n"
      << "then needs --data.\n\n"
      << "Options:\n"
      << TerminalOptionHelp()
      << "  --data DIR  work on the data files in DIR instead of the current directory\n"
      << "  --help      show this help and end\n"
      << "  --version   show the version and end\n";
  for (const ProgramOption& option : info.options)
    out << "  " << option.name << " " << option.help << "\n";
  out << "\n" << info.terminal_help;
  if (!info.terminal_help.empty() && info.terminal_help.back() != '\n') out << "\n";
  out << "\nExit status: 0 when the program ends as designed, 1 after a file error,\n"
      << "2 for a wrong command line.\n";
}

}  // namespace

StartupDecision DecideStartup(const std::vector<std::string>& args, const ProgramInfo& info,
                              const std::function<const char*(const char*)>& getenv,
                              std::ostream& out, std::ostream& err) {
  return DecideStartup(
      args, info, [&getenv] { return CheckDisplay(getenv); }, out, err);
}

StartupDecision DecideStartup(const std::vector<std::string>& args, const ProgramInfo& info,
                              const std::function<DisplayStatus()>& check_display,
                              std::ostream& out, std::ostream& err) {
  StartupDecision decision;
  bool terminal = false;
  int others = 0;  // arguments beside --data and the program's option
  bool alone = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--help" || arg == "-h") {
      PrintHelp(info, out);
      decision.exit_status = 0;
      return decision;
    }
    if (arg == "--version") {
      out << info.command << " " << TOOLS_VERSION << "\n";
      decision.exit_status = 0;
      return decision;
    }
    if (arg == "--terminal") {
      terminal = true;
      ++others;
      continue;
    }
    if (arg == "--data") {
      if (i + 1 >= args.size() || args[i + 1].empty()) {
        err << info.command << ": --data needs a folder\n"
            << "Try '" << info.command << " --help'.\n";
        decision.exit_status = 2;
        return decision;
      }
      decision.data_folder = args[++i];
      continue;
    }
    const ProgramOption* option = nullptr;
    for (const ProgramOption& each : info.options) {
      if (each.name == arg) option = &each;
    }
    if (option != nullptr && decision.option.empty()) {
      decision.option = option->name;
      alone = option->alone;
      const bool next_is_value = i + 1 < args.size() && !args[i + 1].starts_with("--");
      if (option->argument != ProgramOption::Argument::kNone && next_is_value) {
        decision.argument = args[++i];
      } else if (option->argument == ProgramOption::Argument::kRequired) {
        err << info.command << ": " << arg << " needs a value\n"
            << "Try '" << info.command << " --help'.\n";
        decision.exit_status = 2;
        return decision;
      }
      continue;
    }
    err << info.command << ": unknown argument '" << arg << "'\n"
        << "Try '" << info.command << " --help'.\n";
    decision.exit_status = 2;
    return decision;
  }
  if (alone && others > 0) {
    err << info.command << ": " << decision.option << " takes no other argument\n"
        << "Try '" << info.command << " --help'.\n";
    decision.exit_status = 2;
    return decision;
  }
  if (terminal || alone) {
    decision.front_end = FrontEnd::kTerminal;
    return decision;
  }
  const DisplayStatus display = check_display();
  if (!display.available && !display.unopened.empty()) {
    err << info.command << ": cannot open the display \"" << display.unopened
        << "\"; running in the terminal\n";
  }
  decision.front_end = display.available ? FrontEnd::kWindows : FrontEnd::kTerminal;
  return decision;
}

std::string DataDirectoryText(const std::string& path) {
  return path.empty() ? std::string() : "Data directory: " + path;
}

std::string CurrentDirectoryPath() {
  std::error_code error;
  const std::filesystem::path path = std::filesystem::current_path(error);
  if (error) return ".";
  try {
    // UTF-8 on every system, as the windows and the terminal show it.
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
  } catch (const std::exception&) {
    return ".";
  }
}

std::string ErrorLine(const ProgramInfo& info, const std::string& what) {
  return info.command + ": " + Windows1252ToUtf8(what);
}

int RunReportingErrors(const ProgramInfo& info, std::ostream& out, std::ostream& err,
                       const std::function<int()>& front_end) {
  int status = 1;
  try {
    status = front_end();
  } catch (const std::exception& error) {
    out.flush();
    err << ErrorLine(info, error.what()) << "\n";
    return 1;
  }
  out.flush();
  return status;
}

}  // namespace common
