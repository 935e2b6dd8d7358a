// What every Win32 window of the programs needs before the first one opens,
// and the folder dialog that asks for the store's data folder.

#ifndef COMMON_APP_WIN32_WIN32_FRONT_END_H_
#define COMMON_APP_WIN32_WIN32_FRONT_END_H_

#include <optional>
#include <string>

namespace common {

// Registers the common controls (version 6, as the manifest asks); once.
void StartWin32FrontEnd();

// Shows the system's folder dialog titled `title`, starting at `start`
// (UTF-8, may be empty); the folder chosen in UTF-8, nothing when cancelled.
std::optional<std::string> AskForFolder(const std::wstring& title, const std::string& start);

// The dialog's title in the Win32 front ends.
inline constexpr wchar_t kDataFolderTitle[] = L"Choose the store's data folder";

}  // namespace common

#endif  // COMMON_APP_WIN32_WIN32_FRONT_END_H_
