#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <cstdlib>
#include <vector>

#include "common/platform/program_paths.h"

namespace common {

std::optional<std::string> ProgramFolder() {
  std::vector<wchar_t> name(MAX_PATH);
  for (;;) {
    const DWORD length =
        ::GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
    if (length == 0) return std::nullopt;
    if (length < name.size()) {
      return PathToUtf8(std::filesystem::path(std::wstring(name.data(), length)).parent_path());
    }
    if (name.size() >= 32768) return std::nullopt;
    name.resize(name.size() * 2);
  }
}

std::optional<std::string> SettingsFolder() {
  // The wide form: a user name with letters outside the code page stays whole.
  const wchar_t* app_data = ::_wgetenv(L"APPDATA");
  if (app_data == nullptr || app_data[0] == L'\0') return std::nullopt;
  return PathToUtf8(std::filesystem::path(app_data) / L"Brillora tools");
}

}  // namespace common
