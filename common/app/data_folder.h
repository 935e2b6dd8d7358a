// Which folder's data files a program works on. Normally the current
// directory; --data DIR names another. A program started in the folder that
// holds the program itself (what a double-click on it does) would take its
// own folder for the store's data: the windows then ask for the data folder
// once and remember the answer for the user, and the terminal refuses.

#ifndef COMMON_APP_DATA_FOLDER_H_
#define COMMON_APP_DATA_FOLDER_H_

#include <functional>
#include <optional>
#include <ostream>
#include <string>

#include "common/app/startup.h"

namespace common {

// Whether the two paths (UTF-8) name the same existing folder, however each
// is spelled: letter case, short names, "." and "..", links, a trailing
// separator. False when either does not exist.
bool SameFolder(const std::string& a, const std::string& b);

// The user's remembered data folder, and remembering one; a file
// "data-folder" in SettingsFolder(). Reading gives nothing when none is
// remembered; remembering fails quietly (the folder is then asked again).
struct RememberedFolder {
  std::function<std::optional<std::string>()> read;
  std::function<void(const std::string&)> write;
};
RememberedFolder UserRememberedFolder();

// What ChooseDataFolder needs to know and do.
struct DataFolderQuestion {
  std::string current;                        // the current directory
  std::optional<std::string> program_folder;  // the running program's folder
  RememberedFolder remembered;
  // Shows the folder dialog, starting at `start` (may be empty); nothing
  // when the user cancelled it.
  std::function<std::optional<std::string>(const std::string& start)> ask;
};

struct DataFolderChoice {
  std::optional<std::string> folder;  // the folder to work in; none: the current one
  std::optional<int> exit_status;     // set when the program ends here
};

// --data wins; a current directory other than the program's folder is kept.
// In the program's folder the terminal ends with status 2 and a line on
// `err` naming --data; the windows take the remembered folder while it
// exists (and is not the program's), else ask, remember the answer and take
// it. A cancelled question ends the program with status 0, nothing touched.
DataFolderChoice ChooseDataFolder(const StartupDecision& decision, const ProgramInfo& info,
                                  const DataFolderQuestion& question, std::ostream& err);

// Makes `folder` the current directory. False, with a line on `err`, when it
// cannot be.
bool EnterDataFolder(const std::string& folder, const ProgramInfo& info, std::ostream& err);

// The whole choice at a program's start, from the system's facts (the
// current directory, the program's folder, the user's remembered folder):
// chooses with ChooseDataFolder and enters the folder chosen. `ask` is the
// front end's folder dialog. Returns the exit status when the program ends
// here.
std::optional<int> SettleDataFolder(
    const StartupDecision& decision, const ProgramInfo& info,
    const std::function<std::optional<std::string>(const std::string& start)>& ask,
    std::ostream& err);

}  // namespace common

#endif  // COMMON_APP_DATA_FOLDER_H_
