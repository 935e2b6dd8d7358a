// The real display check of systems with display servers: it connects, and
// says which display did not open.

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <map>

#include "common/app/startup.h"
#include "tests/support/temp_dir.h"

namespace common {
namespace {

DisplayStatus Check(std::map<std::string, std::string> environment) {
  return CheckDisplay([&environment](const char* name) -> const char* {
    const auto it = environment.find(name);
    return it == environment.end() ? nullptr : it->second.c_str();
  });
}

TEST(DisplayCheckTest, DisplaysThatAreNotThereDoNotOpen) {
  // No X server answers on display 4711, and no socket lies at that path.
  const DisplayStatus x11 = Check({{"DISPLAY", ":4711"}});
  EXPECT_FALSE(x11.available);
  EXPECT_EQ(x11.unopened, ":4711");
  const DisplayStatus wayland = Check({{"WAYLAND_DISPLAY", "/nonexistent/wayland-0"}});
  EXPECT_FALSE(wayland.available);
  EXPECT_EQ(wayland.unopened, "/nonexistent/wayland-0");
  EXPECT_TRUE(Check({{"DISPLAY", ":4711"}, {"QT_QPA_PLATFORM", "offscreen"}}).available);
}

TEST(DisplayCheckTest, AListeningWaylandSocketOpens) {
  testing_support::TempDir dir;
  const int server = ::socket(AF_UNIX, SOCK_STREAM, 0);
  ASSERT_GE(server, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  const std::string path = dir.PathOf("wayland-test");
  ASSERT_LT(path.size(), sizeof address.sun_path);
  std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
  ASSERT_EQ(::bind(server, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
  ASSERT_EQ(::listen(server, 1), 0);
  // Named by its full path, or by its name in the runtime directory.
  EXPECT_TRUE(Check({{"WAYLAND_DISPLAY", path}}).available);
  EXPECT_TRUE(
      Check({{"WAYLAND_DISPLAY", "wayland-test"}, {"XDG_RUNTIME_DIR", dir.path()}}).available);
  EXPECT_FALSE(Check({{"WAYLAND_DISPLAY", "wayland-test"}}).available);
  ::close(server);
}

}  // namespace
}  // namespace common
