#include "common/app/terminal/terminal_messages.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "tests/support/platform.h"
#include "tests/support/temp_dir.h"

namespace common {
namespace {

struct Dialogue {
  std::istringstream in;
  std::ostringstream out;
  TerminalIo io{in, out};
  TerminalMessages messages{io, "Cleanslate"};

  explicit Dialogue(const std::string& input) : in(input) {}
};

TEST(TerminalMessagesTest, PrintsTheWholeTextWithEachCrAsALineBreak) {
  Dialogue d("\n");
  EXPECT_EQ(d.messages.ShowMessage("The Zero Files Function has been locked.\r\rIf you want"),
            Answer::kOk);
  EXPECT_EQ(d.out.str(),
            "\n[Cleanslate]\nThe Zero Files Function has been locked.\n\nIf you want\n"
            "[press Enter] ");
}

TEST(TerminalMessagesTest, QuestionsMarkTheDefaultAndAcceptWordsInAnyCase) {
  struct Case {
    const char* input;
    Buttons buttons;
    Answer default_button;
    Answer expected;
  };
  const Case cases[] = {
      {"y\n", Buttons::kYesNo, Answer::kNo, Answer::kYes},
      {"  YES \n", Buttons::kYesNo, Answer::kNo, Answer::kYes},
      {"No\n", Buttons::kYesNo, Answer::kYes, Answer::kNo},
      {"\n", Buttons::kYesNo, Answer::kNo, Answer::kNo},
      {"\n", Buttons::kYesNo, Answer::kYes, Answer::kYes},
      {"\r\n", Buttons::kYesNoCancel, Answer::kNo, Answer::kNo},
      {"c\n", Buttons::kYesNoCancel, Answer::kNo, Answer::kCancel},
      {"Cancel\n", Buttons::kYesNoCancel, Answer::kNo, Answer::kCancel},
      {"", Buttons::kYesNo, Answer::kYes, Answer::kNo},               // end of input
      {"", Buttons::kYesNoCancel, Answer::kYes, Answer::kCancel},     // end of input
      {"maybe\nc\ny\n", Buttons::kYesNo, Answer::kNo, Answer::kYes},  // c is no answer here
  };
  for (const Case& c : cases) {
    Dialogue d(c.input);
    EXPECT_EQ(d.messages.ShowMessage("Sure?", c.buttons, Icon::kQuestion, c.default_button),
              c.expected)
        << "input \"" << c.input << "\"";
  }
}

TEST(TerminalMessagesTest, AsksAgainAfterAnUnknownAnswer) {
  Dialogue d("perhaps\nn\n");
  EXPECT_EQ(d.messages.ShowMessage("Sure?", Buttons::kYesNoCancel, Icon::kQuestion, Answer::kNo),
            Answer::kNo);
  EXPECT_EQ(d.out.str(),
            "\n[Cleanslate]\nSure?\n[y/N/c] Please answer y (yes), n (no) or c (cancel).\n"
            "[y/N/c] ");
}

TEST(TerminalMessagesTest, PromptsShowTheDefaultInCapitals) {
  EXPECT_EQ(AnswerPrompt(Buttons::kYesNo, Answer::kNo), "[y/N]");
  EXPECT_EQ(AnswerPrompt(Buttons::kYesNo, Answer::kYes), "[Y/n]");
  EXPECT_EQ(AnswerPrompt(Buttons::kYesNoCancel, Answer::kNo), "[y/N/c]");
}

// The real streams, through a pipe: the prompt must be out before the
// program waits, and the answers must arrive line by line.
TEST(TerminalMessagesTest, DialogueThroughAPipe) {
  REQUIRE_POSIX_SHELL();
  testing_support::TempDir dir;
  const std::string out = dir.PathOf("out.txt");
  const std::string command =
      "printf '\\nmaybe\\nyes\\n\\n' | " + std::string(MESSAGE_PROBE) + " > " + out;
  ASSERT_EQ(testing_support::RunShell(command), 0);
  std::ifstream in(out);
  std::stringstream text;
  text << in.rdbuf();
  EXPECT_EQ(text.str(),
            "\n[Probe]\nFirst line\nsecond line\n[press Enter] answer: OK\n"
            "\n[Probe]\nSure?\n[y/N] Please answer y (yes) or n (no).\n[y/N] answer: Yes\n"
            "\n[Probe]\nReally?\n[y/N/c] answer: No\n"
            "\n[Probe]\nAt the end of input\n[y/N/c] \nanswer: Cancel\n");
}

}  // namespace
}  // namespace common
