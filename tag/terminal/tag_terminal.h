// The terminal front end of Tag: both windows as text, driven by one command
// per line, by hand or through a pipe.

#ifndef TAG_TERMINAL_TAG_TERMINAL_H_
#define TAG_TERMINAL_TAG_TERMINAL_H_

#include <iosfwd>
#include <string>

#include "common/app/startup.h"
#include "common/platform/env.h"

namespace tag {

// The commands of both windows, as --help lists them.
std::string TerminalHelp();

// Runs Tag on the data directory of `env`, reading commands from `in`; the
// directory's full path `data_directory` is printed once at the start (when
// given). A file error is reported as one line on `err`. Returns the exit
// status: 0 when the program ends as designed (Save/Exit, quit, end of
// input), 1 after a file error.
int RunTerminal(std::istream& in, std::ostream& out, std::ostream& err, common::Env& env,
                const std::string& data_directory = std::string());

}  // namespace tag

#endif  // TAG_TERMINAL_TAG_TERMINAL_H_
