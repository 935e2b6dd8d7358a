// Cleanslate's window front end. A build without windows (TOOLS_WITH_QT off)
// links a stand-in that runs the terminal front end instead.

#ifndef CLEANSLATE_WINDOW_FRONT_END_H_
#define CLEANSLATE_WINDOW_FRONT_END_H_

#include <optional>
#include <string>

#include "cleanslate/clock.h"
#include "cleanslate/random_source.h"
#include "common/env.h"

namespace cleanslate {

// Shows the window until the program ends; returns the exit status. `argv`
// holds the program name only.
int RunWindows(int argc, char** argv, common::Env& env, RandomSource& random, Clock& clock);

// --restore with its question in a message box; `name` is the backup asked
// for, if any.
int RunRestoreWindow(int argc, char** argv, common::Env& env,
                     const std::optional<std::string>& name);

// --restore on the terminal (restore_terminal.cpp).
int RunRestoreTerminal(common::Env& env, const std::optional<std::string>& name);

}  // namespace cleanslate

#endif  // CLEANSLATE_WINDOW_FRONT_END_H_
