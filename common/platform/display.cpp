#include "common/platform/display.h"

#include <string_view>

namespace common {

namespace {

bool NonEmpty(const char* value) { return value != nullptr && *value != '\0'; }

}  // namespace

DisplayStatus CheckDisplayServers(const std::function<const char*(const char*)>& getenv,
                                  const DisplayOpener& open) {
  // A platform such as "offscreen" or "vnc" needs no display server.
  const char* platform = getenv("QT_QPA_PLATFORM");
  const std::string_view wanted = NonEmpty(platform) ? platform : "";
  const bool x11 = wanted.empty() || wanted.starts_with("xcb");
  const bool wayland = wanted.empty() || wanted.starts_with("wayland");
  if (!x11 && !wayland) return {true, ""};

  DisplayStatus status;
  const auto try_server = [&](DisplayServer server, const char* variable) {
    const char* name = getenv(variable);
    if (status.available || !NonEmpty(name)) return;
    if (open(server, name)) {
      status = {true, ""};
    } else if (status.unopened.empty()) {
      status.unopened = name;
    }
  };
  if (x11) try_server(DisplayServer::kX11, "DISPLAY");
  if (wayland) try_server(DisplayServer::kWayland, "WAYLAND_DISPLAY");
  return status;
}

}  // namespace common
