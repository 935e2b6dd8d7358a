#include "common/app/terminal/console.h"

#include <string>

namespace common {

ConsoleKind ConnectConsole(ConsoleSystem& system, bool interactive) {
  const bool input = system.StreamUsable(0);
  const bool output = system.StreamUsable(1);
  const bool errors = system.StreamUsable(2);
  if (output && (input || !interactive)) return ConsoleKind::kStandardStreams;

  const auto reopen_missing = [&] {
    if (!input) system.ReopenOnConsole(0);
    if (!output) system.ReopenOnConsole(1);
    if (!errors) system.ReopenOnConsole(2);
  };
  const bool answers_from_parent = !interactive || input;
  if (answers_from_parent && system.AttachToParent()) {
    reopen_missing();
    return ConsoleKind::kParent;
  }
  if (system.OpenOwn()) {
    reopen_missing();
    return ConsoleKind::kOwn;
  }
  return ConsoleKind::kNone;
}

ConsoleUse ConnectConsoleFor(const std::vector<std::string>& args) {
  bool restore = false;
  bool terminal = false;
  bool other = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--data") {
      ++i;
    } else if (args[i] == "--restore") {
      restore = true;
      if (i + 1 < args.size() && !args[i + 1].starts_with("--")) ++i;
    } else {
      terminal = terminal || args[i] == "--terminal";
      other = true;
    }
  }
  if (!restore && !other) return {};
  if (restore && !other) {
    if (!StartedFromConsole()) return {};
    return {ConnectConsole(true), true, true};
  }
  const bool interactive = terminal || restore;
  return {ConnectConsole(interactive), interactive, false};
}

void HoldConsole(ConsoleKind kind, int status, bool interactive, std::istream& in,
                 std::ostream& out) {
  if (kind != ConsoleKind::kOwn || (status == 0 && interactive)) return;
  out << "\nPress Enter to close this window." << std::flush;
  in.clear();
  std::string line;
  std::getline(in, line);
}

}  // namespace common
