#include <cstdlib>
#include <system_error>

#include "common/platform/program_paths.h"

namespace common {

std::optional<std::string> ProgramFolder() {
  std::error_code error;
  const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error || program.empty()) return std::nullopt;
  return PathToUtf8(program.parent_path());
}

std::optional<std::string> SettingsFolder() {
  const char* config = std::getenv("XDG_CONFIG_HOME");
  if (config != nullptr && config[0] == '/') return std::string(config) + "/brillora-tools";
  const char* home = std::getenv("HOME");
  if (home != nullptr && home[0] == '/') return std::string(home) + "/.config/brillora-tools";
  return std::nullopt;
}

}  // namespace common
