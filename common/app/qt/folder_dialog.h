// The folder dialog that asks for the store's data folder, in Qt.

#ifndef COMMON_APP_QT_FOLDER_DIALOG_H_
#define COMMON_APP_QT_FOLDER_DIALOG_H_

#include <optional>
#include <string>

namespace common {

// Shows the dialog, starting at `start` (UTF-8, may be empty); the folder
// chosen in UTF-8, nothing when cancelled. `argv` holds the program name.
std::optional<std::string> AskDataFolderQt(int argc, char** argv, const std::string& start);

// The dialog's title, in every front end.
inline constexpr char kDataFolderQuestion[] = "Choose the store's data folder";

}  // namespace common

#endif  // COMMON_APP_QT_FOLDER_DIALOG_H_
