// The console a windowed program gives its standard streams, and the
// console of its own kept open after an error.

#include "common/app/terminal/console.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace common {
namespace {

class FakeConsole : public ConsoleSystem {
 public:
  FakeConsole(std::vector<bool> usable, bool parent, bool own)
      : usable_(std::move(usable)), parent_(parent), own_(own) {}

  bool StreamUsable(int stream) override { return usable_[static_cast<std::size_t>(stream)]; }
  bool AttachToParent() override {
    calls += "attach ";
    return parent_;
  }
  bool OpenOwn() override {
    calls += "open ";
    return own_;
  }
  void ReopenOnConsole(int stream) override { calls += "reopen" + std::to_string(stream) + " "; }

  std::string calls;

 private:
  std::vector<bool> usable_;
  bool parent_;
  bool own_;
};

TEST(ConnectConsoleTest, StreamsGivenAreKeptAndTheRestComeFromAConsole) {
  const struct {
    const char* name;
    std::vector<bool> usable;  // input, output, errors
    bool parent, own, interactive;
    ConsoleKind kind;
    const char* calls;
  } kCases[] = {
      {"pipes given", {true, true, true}, true, true, true, ConsoleKind::kStandardStreams, ""},
      {"output to a file, printing only",
       {false, true, true},
       true,
       true,
       false,
       ConsoleKind::kStandardStreams,
       ""},
      {"from a console, printing",
       {false, false, false},
       true,
       true,
       false,
       ConsoleKind::kParent,
       "attach reopen0 reopen1 reopen2 "},
      {"from the desktop, printing",
       {false, false, false},
       false,
       true,
       false,
       ConsoleKind::kOwn,
       "attach open reopen0 reopen1 reopen2 "},
      // The shell of a parent console reads it too: answers need a console
      // of the program's own.
      {"from a console, asking",
       {false, false, false},
       true,
       true,
       true,
       ConsoleKind::kOwn,
       "open reopen0 reopen1 reopen2 "},
      {"output given, asking",
       {false, true, true},
       true,
       true,
       true,
       ConsoleKind::kOwn,
       "open reopen0 "},
      {"input given, asking",
       {true, false, false},
       true,
       true,
       true,
       ConsoleKind::kParent,
       "attach reopen1 reopen2 "},
      {"no console to be had",
       {false, false, false},
       false,
       false,
       false,
       ConsoleKind::kNone,
       "attach open "},
  };
  for (const auto& each : kCases) {
    FakeConsole console(each.usable, each.parent, each.own);
    EXPECT_EQ(ConnectConsole(console, each.interactive), each.kind) << each.name;
    EXPECT_EQ(console.calls, each.calls) << each.name;
  }
}

TEST(HoldConsoleTest, AConsoleOfItsOwnWaitsForEnterAfterAnErrorOrPrintingOnly) {
  const struct {
    ConsoleKind kind;
    int status;
    bool interactive;
    bool holds;
  } kCases[] = {
      {ConsoleKind::kOwn, 1, true, true},     {ConsoleKind::kOwn, 2, false, true},
      {ConsoleKind::kOwn, 0, false, true},    {ConsoleKind::kOwn, 0, true, false},
      {ConsoleKind::kParent, 1, true, false}, {ConsoleKind::kStandardStreams, 1, true, false},
  };
  for (const auto& each : kCases) {
    std::istringstream in("\nleft\n");
    std::ostringstream out;
    HoldConsole(each.kind, each.status, each.interactive, in, out);
    EXPECT_EQ(out.str().find("Press Enter") != std::string::npos, each.holds)
        << static_cast<int>(each.kind) << " " << each.status;
    std::string rest;
    std::getline(in, rest);
    EXPECT_EQ(rest, each.holds ? "left" : "") << "one line is read, and only when it holds";
  }
}

}  // namespace
}  // namespace common
