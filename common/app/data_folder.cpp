#include "common/app/data_folder.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include "common/platform/program_paths.h"

namespace common {

namespace {

constexpr char kRememberedFile[] = "data-folder";

// The path without "." and ".." steps and without a separator at its end,
// which the system's file information calls refuse on Windows.
std::filesystem::path Plain(const std::string& text) {
  std::filesystem::path path = PathFromUtf8(text).lexically_normal();
  if (!path.has_filename() && path.has_relative_path()) path = path.parent_path();
  return path;
}

bool IsFolder(const std::string& path) {
  std::error_code error;
  return !path.empty() && std::filesystem::is_directory(Plain(path), error);
}

}  // namespace

bool SameFolder(const std::string& a, const std::string& b) {
  if (!IsFolder(a) || !IsFolder(b)) return false;
  std::error_code error;
  // The identity of the folder on its disk, not the spelling of its path.
  const bool same = std::filesystem::equivalent(Plain(a), Plain(b), error);
  return !error && same;
}

RememberedFolder UserRememberedFolder() {
  RememberedFolder remembered;
  remembered.read = []() -> std::optional<std::string> {
    const std::optional<std::string> settings = SettingsFolder();
    if (!settings) return std::nullopt;
    std::ifstream file(PathFromUtf8(*settings) / kRememberedFile, std::ios::binary);
    std::string line;
    if (!file || !std::getline(file, line)) return std::nullopt;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) return std::nullopt;
    return line;
  };
  remembered.write = [](const std::string& folder) {
    const std::optional<std::string> settings = SettingsFolder();
    if (!settings) return;
    std::error_code error;
    std::filesystem::create_directories(PathFromUtf8(*settings), error);
    std::ofstream file(PathFromUtf8(*settings) / kRememberedFile,
                       std::ios::binary | std::ios::trunc);
    file << folder << "\n";
  };
  return remembered;
}

DataFolderChoice ChooseDataFolder(const StartupDecision& decision, const ProgramInfo& info,
                                  const DataFolderQuestion& question, std::ostream& err) {
  if (decision.data_folder) return {decision.data_folder, std::nullopt};
  const bool in_program_folder =
      question.program_folder && SameFolder(question.current, *question.program_folder);
  if (!in_program_folder) return {};
  if (decision.front_end == FrontEnd::kTerminal) {
    err << info.command << ": started in the folder that holds the program (" << question.current
        << "), which holds no store data; name the store's data folder with --data DIR\n"
        << "Try '" << info.command << " --help'.\n";
    return {std::nullopt, 2};
  }
  const auto usable = [&](const std::optional<std::string>& folder) {
    return folder && IsFolder(*folder) && !SameFolder(*folder, *question.program_folder);
  };
  const std::optional<std::string> remembered =
      question.remembered.read ? question.remembered.read() : std::nullopt;
  if (usable(remembered)) return {remembered, std::nullopt};
  const std::optional<std::string> chosen =
      question.ask ? question.ask(remembered.value_or("")) : std::nullopt;
  if (!chosen) return {std::nullopt, 0};
  if (!usable(chosen)) {
    err << info.command << ": \"" << *chosen
        << "\" is not a store's data folder; nothing was done\n";
    return {std::nullopt, 2};
  }
  if (question.remembered.write) question.remembered.write(*chosen);
  return {chosen, std::nullopt};
}

bool EnterDataFolder(const std::string& folder, const ProgramInfo& info, std::ostream& err) {
  std::error_code error;
  if (!IsFolder(folder)) {
    err << info.command << ": the data folder \"" << folder << "\" does not exist\n";
    return false;
  }
  std::filesystem::current_path(Plain(folder), error);
  if (error) {
    err << info.command << ": cannot work in the data folder \"" << folder
        << "\": " << error.message() << "\n";
    return false;
  }
  return true;
}

std::optional<int> SettleDataFolder(
    const StartupDecision& decision, const ProgramInfo& info,
    const std::function<std::optional<std::string>(const std::string& start)>& ask,
    std::ostream& err) {
  DataFolderQuestion question{CurrentDirectoryPath(), ProgramFolder(), UserRememberedFolder(), ask};
  const DataFolderChoice choice = ChooseDataFolder(decision, info, question, err);
  if (choice.exit_status) return choice.exit_status;
  if (choice.folder && !EnterDataFolder(*choice.folder, info, err)) {
    return decision.data_folder ? 2 : 1;
  }
  return std::nullopt;
}

}  // namespace common
