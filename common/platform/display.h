// The display check: whether a graphical display is there for the windows,
// decided before any toolkit object exists. The display is only opened (and
// closed again) to check it, without any toolkit; display_posix.cpp and
// display_windows.cpp hold the check of each platform.

#ifndef COMMON_PLATFORM_DISPLAY_H_
#define COMMON_PLATFORM_DISPLAY_H_

#include <functional>
#include <string>

namespace common {

// Whether the windows can be shown.
struct DisplayStatus {
  bool available = false;
  // The display the environment named but that could not be opened; empty
  // when none was named (or one opened).
  std::string unopened;
};

enum class DisplayServer { kX11, kWayland };

// Connects to the display server `name` of `server` and disconnects again;
// true when that worked.
using DisplayOpener = std::function<bool(DisplayServer server, const std::string& name)>;

// The check of a system with display servers: a Qt platform that needs none
// ("offscreen", "vnc") is always available; otherwise the display named by
// DISPLAY (X11) or WAYLAND_DISPLAY must open, the one QT_QPA_PLATFORM names
// when it names one.
DisplayStatus CheckDisplayServers(const std::function<const char*(const char*)>& getenv,
                                  const DisplayOpener& open);

// The check of the platform built for: on Windows the desktop is always
// there; elsewhere CheckDisplayServers with the real display servers.
DisplayStatus CheckDisplay(const std::function<const char*(const char*)>& getenv);

// The words of --help that differ between the platforms: the --terminal
// option's lines, and the keys that end the input on a terminal.
const char* TerminalOptionHelp();
const char* EndOfInputKeys();

}  // namespace common

#endif  // COMMON_PLATFORM_DISPLAY_H_
