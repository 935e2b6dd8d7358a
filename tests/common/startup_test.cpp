#include "common/startup.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>

namespace common {
namespace {

const ProgramInfo kInfo{"cleanslate", "Cleanslate", "Resets the data files.", "Commands: none.\n"};

struct Outcome {
  StartupDecision decision;
  std::string out, err;
};

Outcome Decide(std::vector<std::string> args, std::map<std::string, std::string> environment) {
  std::ostringstream out, err;
  auto getenv = [&environment](const char* name) -> const char* {
    const auto it = environment.find(name);
    return it == environment.end() ? nullptr : it->second.c_str();
  };
  Outcome run{DecideStartup(args, kInfo, getenv, out, err), "", ""};
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
    std::map<std::string, std::string> environment;
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
  };
  for (const Case& c : cases) {
    const Outcome run = Decide(c.args, c.environment);
    EXPECT_FALSE(run.decision.exit_status.has_value());
    EXPECT_EQ(run.decision.front_end, c.expected);
  }
}

}  // namespace
}  // namespace common
