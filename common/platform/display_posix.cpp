// The display check of systems with display servers. The X11 connection is
// made by libxcb, which the toolkit's own X11 support loads as well; it is
// loaded only here, at run time, so a machine without it simply has no X11
// display. A Wayland display is a socket to connect to.

#include <dlfcn.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <string>

#include "common/platform/display.h"

namespace common {

namespace {

bool OpenX11(const std::string& name) {
  void* library = ::dlopen("libxcb.so.1", RTLD_NOW | RTLD_LOCAL);
  if (library == nullptr) return false;
  using Connect = void* (*)(const char*, int*);
  using HasError = int (*)(void*);
  using Disconnect = void (*)(void*);
  const auto connect = reinterpret_cast<Connect>(::dlsym(library, "xcb_connect"));
  const auto has_error = reinterpret_cast<HasError>(::dlsym(library, "xcb_connection_has_error"));
  const auto disconnect = reinterpret_cast<Disconnect>(::dlsym(library, "xcb_disconnect"));
  bool opened = false;
  if (connect != nullptr && has_error != nullptr && disconnect != nullptr) {
    void* connection = connect(name.c_str(), nullptr);
    // xcb_connect never returns null: a failed connection reports an error.
    opened = connection != nullptr && has_error(connection) == 0;
    if (connection != nullptr) disconnect(connection);
  }
  ::dlclose(library);
  return opened;
}

// A name without a '/' is a socket in the user's runtime directory.
bool OpenWayland(const std::string& name, const char* runtime) {
  std::string path = name;
  if (path.front() != '/') {
    if (runtime == nullptr || *runtime == '\0') return false;
    path = std::string(runtime) + "/" + name;
  }
  sockaddr_un address{};
  if (path.size() >= sizeof address.sun_path) return false;
  address.sun_family = AF_UNIX;
  std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
  const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return false;
  const bool opened =
      ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
  ::close(fd);
  return opened;
}

}  // namespace

DisplayStatus CheckDisplay(const std::function<const char*(const char*)>& getenv) {
  return CheckDisplayServers(getenv, [&getenv](DisplayServer server, const std::string& name) {
    return server == DisplayServer::kX11 ? OpenX11(name)
                                         : OpenWayland(name, getenv("XDG_RUNTIME_DIR"));
  });
}

const char* TerminalOptionHelp() {
  return "  --terminal  run in the terminal instead of a window (the default when\n"
         "              no graphical display is available)\n";
}

const char* EndOfInputKeys() { return "Ctrl+D"; }

}  // namespace common
