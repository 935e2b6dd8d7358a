#include "common/app/startup.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <sstream>

#include "tests/support/platform.h"
#include "tests/support/temp_dir.h"

namespace common {
namespace {

const ProgramInfo kInfo{"cleanslate", "Cleanslate", "Resets the data files.", "Commands: none.\n"};

struct Outcome {
  StartupDecision decision;
  std::string out, err;
};

using Environment = std::map<std::string, std::string>;

// The displays that open: X11 ":0" and Wayland "wayland-0" only.
bool OpenOnlyTheUsualOnes(DisplayServer server, const std::string& name) {
  return server == DisplayServer::kX11 ? name == ":0" : name == "wayland-0";
}

Outcome Decide(std::vector<std::string> args, Environment environment) {
  std::ostringstream out, err;
  auto getenv = [&environment](const char* name) -> const char* {
    const auto it = environment.find(name);
    return it == environment.end() ? nullptr : it->second.c_str();
  };
  const auto check = [&] { return CheckDisplayServers(getenv, OpenOnlyTheUsualOnes); };
  Outcome run{DecideStartup(args, kInfo, check, out, err), "", ""};
  run.out = out.str();
  run.err = err.str();
  return run;
}

TEST(StartupTest, HelpAndVersionPrintAndEnd) {
  const Outcome help = Decide({"--help"}, {});
  EXPECT_EQ(help.decision.exit_status, 0);
  EXPECT_NE(help.out.find("Usage: cleanslate [--terminal]"), std::string::npos);
  EXPECT_NE(help.out.find("Commands: none."), std::string::npos);
  const Outcome version = Decide({"--version"}, {{"DISPLAY", ":0"}});
  EXPECT_EQ(version.decision.exit_status, 0);
  EXPECT_EQ(version.out, std::string("cleanslate ") + TOOLS_VERSION + "\n");
}

TEST(StartupTest, WrongArgumentEndsWithStatusTwo) {
  const Outcome run = Decide({"--frobnicate"}, {});
  EXPECT_EQ(run.decision.exit_status, 2);
  EXPECT_EQ(run.err, "cleanslate: unknown argument '--frobnicate'\nTry 'cleanslate --help'.\n");
}

TEST(StartupTest, TerminalWhenAskedOrWithoutADisplay) {
  struct Case {
    std::vector<std::string> args;
    Environment environment;
    FrontEnd expected;
  };
  const Case cases[] = {
      {{}, {{"DISPLAY", ":0"}}, FrontEnd::kWindows},
      {{}, {{"WAYLAND_DISPLAY", "wayland-0"}}, FrontEnd::kWindows},
      {{"--terminal"}, {{"DISPLAY", ":0"}}, FrontEnd::kTerminal},
      {{}, {}, FrontEnd::kTerminal},
      {{}, {{"DISPLAY", ""}}, FrontEnd::kTerminal},
      {{}, {{"QT_QPA_PLATFORM", "offscreen"}}, FrontEnd::kWindows},
      {{}, {{"QT_QPA_PLATFORM", "xcb"}}, FrontEnd::kTerminal},
      // One display that opens is enough, and the one Qt is told to use must.
      {{}, {{"DISPLAY", ":9"}, {"WAYLAND_DISPLAY", "wayland-0"}}, FrontEnd::kWindows},
      {{}, {{"QT_QPA_PLATFORM", "xcb"}, {"WAYLAND_DISPLAY", "wayland-0"}}, FrontEnd::kTerminal},
      {{}, {{"QT_QPA_PLATFORM", "wayland"}, {"WAYLAND_DISPLAY", "wayland-0"}}, FrontEnd::kWindows},
  };
  for (const Case& c : cases) {
    const Outcome run = Decide(c.args, c.environment);
    EXPECT_FALSE(run.decision.exit_status.has_value());
    EXPECT_EQ(run.decision.front_end, c.expected);
  }
}

// A file name in an error line is printed in UTF-8, as everything else is:
// "Café €.bud" is Windows-1252 on the disk.
TEST(StartupTest, ErrorLinesNameFilesInUtf8) {
  const ProgramInfo info{"cleanslate", "Cleanslate", "", ""};
  EXPECT_EQ(ErrorLine(info, "Cannot delete \"Caf\xE9 \x80.bud\": it is read-only"),
            "cleanslate: Cannot delete \"Caf\xC3\xA9 \xE2\x82\xAC.bud\": it is read-only");
}

// The data directory as the windows name it: its full path in UTF-8, and
// "." for a directory removed under the program's feet.
TEST(StartupTest, CurrentDirectoryPathNamesTheDirectoryOrADot) {
  // A directory removed while a program stands in it is a POSIX matter.
  REQUIRE_POSIX_SHELL();
  const std::filesystem::path before = std::filesystem::current_path();
  testing_support::TempDir dir;
  const std::string name = dir.path() + "/caf\xC3\xA9";
  dir.MakeDirectory("caf\xC3\xA9");
  std::filesystem::current_path(name);
  EXPECT_EQ(CurrentDirectoryPath(), name);
  EXPECT_EQ(DataDirectoryText(CurrentDirectoryPath()), "Data directory: " + name);
  std::filesystem::remove(name);
  EXPECT_EQ(CurrentDirectoryPath(), ".");
  std::filesystem::current_path(before);
  EXPECT_EQ(DataDirectoryText(""), "");
}

TEST(StartupTest, ADisplayThatDoesNotOpenIsNamedInOneLine) {
  const Outcome stale = Decide({}, {{"DISPLAY", "localhost:10.0"}});
  EXPECT_EQ(stale.decision.front_end, FrontEnd::kTerminal);
  EXPECT_EQ(stale.err,
            "cleanslate: cannot open the display \"localhost:10.0\"; running in the terminal\n");
  EXPECT_EQ(stale.out, "");
  // The first display tried is the one named.
  const Outcome both = Decide({}, {{"DISPLAY", ":7"}, {"WAYLAND_DISPLAY", "wayland-9"}});
  EXPECT_EQ(both.err, "cleanslate: cannot open the display \":7\"; running in the terminal\n");
  // Nothing is said when no display was named, or the terminal was asked for.
  EXPECT_EQ(Decide({}, {}).err, "");
  EXPECT_EQ(Decide({"--terminal"}, {{"DISPLAY", ":7"}}).err, "");
}

TEST(StartupTest, NoDisplayIsOpenedForHelpVersionOrTheTerminal) {
  int opened = 0;
  const auto counting = [&opened](DisplayServer, const std::string&) { return ++opened > 0; };
  Environment environment{{"DISPLAY", ":0"}};
  auto getenv = [&environment](const char* name) -> const char* {
    const auto it = environment.find(name);
    return it == environment.end() ? nullptr : it->second.c_str();
  };
  std::ostringstream out, err;
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"--help"}, {"--version"}, {"--terminal"}, {"--bad"}}) {
    DecideStartup(
        args, kInfo, [&] { return CheckDisplayServers(getenv, counting); }, out, err);
  }
  EXPECT_EQ(opened, 0);
}

}  // namespace
}  // namespace common
