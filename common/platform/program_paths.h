// Two folders the programs find through the system: the one that holds the
// running program, and the user's folder for settings. Paths are in UTF-8.
// program_paths_posix.cpp and program_paths_windows.cpp hold each
// platform's way.

#ifndef COMMON_PLATFORM_PROGRAM_PATHS_H_
#define COMMON_PLATFORM_PROGRAM_PATHS_H_

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace common {

// The folder that holds the running program; nothing when the system
// cannot tell.
std::optional<std::string> ProgramFolder();

// The folder where the user's settings of these programs belong: on Windows
// "%APPDATA%\Brillora tools", elsewhere "$XDG_CONFIG_HOME/brillora-tools"
// ("~/.config/brillora-tools" when XDG_CONFIG_HOME is not set). Nothing when
// the environment names no such place.
std::optional<std::string> SettingsFolder();

// A path given in UTF-8, and back.
std::filesystem::path PathFromUtf8(std::string_view text);
std::string PathToUtf8(const std::filesystem::path& path);

}  // namespace common

#endif  // COMMON_PLATFORM_PROGRAM_PATHS_H_
