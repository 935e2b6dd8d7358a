// The terminal front end of the window "makefile": prints the window, reads
// one line per pick, and reports a file error as one line on the error
// stream.

#ifndef CLEANSLATE_TERMINAL_TERMINAL_VIEW_H_
#define CLEANSLATE_TERMINAL_TERMINAL_VIEW_H_

#include <istream>
#include <optional>
#include <ostream>
#include <string>

#include "cleanslate/clock.h"
#include "cleanslate/random_source.h"
#include "common/platform/env.h"

namespace cleanslate {

// Runs the program on the terminal over the data directory of `env`, whose
// full path `data_directory` is printed once at the start (when given).
// Returns the exit status: 0 when the program ends as designed (end of input
// included), 1 after a file error.
int RunTerminal(std::istream& in, std::ostream& out, std::ostream& err, common::Env& env,
                RandomSource& random, Clock& clock,
                const std::string& data_directory = std::string());

}  // namespace cleanslate

#endif  // CLEANSLATE_TERMINAL_TERMINAL_VIEW_H_
