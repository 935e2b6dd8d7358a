// Tag's window front end. A build without windows (TOOLS_WITH_QT off) links a
// stand-in that runs the terminal front end instead.

#ifndef TAG_WINDOW_FRONT_END_H_
#define TAG_WINDOW_FRONT_END_H_

#include <optional>
#include <string>

#include "common/app/startup.h"
#include "common/platform/env.h"

namespace tag {

// Shows the windows until the program ends; returns the exit status. `argv`
// holds the program name only.
int RunWindows(int argc, char** argv, common::Env& env, const std::string& data_directory);

// --restore with its question in a message box.
int RunBackupOptionWindow(int argc, char** argv, common::Env& env,
                          const common::StartupDecision& decision);

// The store's data folder asked in a folder dialog starting at `start` (may
// be empty); nothing when the user cancelled it, or where there are no
// windows.
std::optional<std::string> AskDataFolder(int argc, char** argv, const std::string& start);

}  // namespace tag

#endif  // TAG_WINDOW_FRONT_END_H_
