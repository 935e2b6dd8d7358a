#include "cleanslate/makefile_window.h"

#include <gtest/gtest.h>

#include "common/platform/default_env.h"
#include "common/platform/file_error.h"
#include "tests/support/fixed_sources.h"
#include "tests/support/recording_host.h"
#include "tests/support/scripted_messages.h"
#include "tests/support/temp_dir.h"

namespace cleanslate {
namespace {

using common::Answer;
using common::Buttons;
using common::Icon;
using common::Message;
using testing_support::FixedClock;
using testing_support::FixedRandom;
using testing_support::RecordingHost;
using testing_support::ScriptedMessages;
using testing_support::Snapshot;
using testing_support::TempDir;

constexpr char kDanger[] =
    "- EXTREME DANGER -\r\rUSE THIS PROGRAM WITH GREAT CARE!\r\r\r"
    "Are you sure that you want to use this program?";
constexpr char kRefused[] = "You didn't choose YES so nothing was done";

class MakefileWindowTest : public ::testing::Test {
 protected:
  TempDir dir_;
  common::DefaultEnv env_{dir_.path()};
  ScriptedMessages messages_;
  FixedRandom random_;
  FixedClock clock_;
  RecordingHost host_;
  MakefileWindow window_{ActionContext{env_, messages_, random_, clock_}, host_};

  // Passes both gates and picks the line `index`.
  void Pick(int index) {
    messages_.Answer({Answer::kYes});
    window_.Form_Load();
    ASSERT_TRUE(window_.visible());
    window_.List1.list_index = index;
    window_.List1_Click();
  }

  // The messages after the danger question.
  std::vector<std::string> TextsAfterStart() const {
    std::vector<std::string> texts = messages_.texts();
    if (!texts.empty()) texts.erase(texts.begin());
    return texts;
  }
};

void ExpectQuestion(const Message& m, Buttons buttons, Answer default_button) {
  EXPECT_EQ(m.buttons, buttons) << m.text;
  EXPECT_EQ(m.icon, Icon::kQuestion) << m.text;
  EXPECT_EQ(m.default_button, default_button) << m.text;
}

TEST_F(MakefileWindowTest, LockMarkerInAnyCaseAndWithAnyContentStopsTheStart) {
  for (const char* name : {"nozero.dat", "NOZERO.DAT"}) {
    for (const char* content : {"", "No Zero\r\n"}) {
      TempDir dir;
      common::DefaultEnv env(dir.path());
      ScriptedMessages messages;
      RecordingHost host;
      dir.Write(name, content);
      MakefileWindow window(ActionContext{env, messages, random_, clock_}, host);
      window.Form_Load();
      ASSERT_EQ(messages.shown().size(), 1u) << name;
      EXPECT_EQ(messages.shown()[0].text,
                "The Zero Files Function has been locked.\r\rIf you want to reactivate it\r"
                "contact the Brillora Company.");
      EXPECT_EQ(messages.shown()[0].buttons, Buttons::kOk);
      EXPECT_TRUE(host.ended()) << name;
      EXPECT_FALSE(window.visible()) << name;
    }
  }
}

TEST_F(MakefileWindowTest, AnyAnswerButYesToTheDangerQuestionEndsSilently) {
  for (const Answer answer : {Answer::kNo, Answer::kCancel}) {
    ScriptedMessages messages;
    RecordingHost host;
    MakefileWindow window(ActionContext{env_, messages, random_, clock_}, host);
    messages.Answer({answer});
    window.Form_Load();
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].text, kDanger);
    ExpectQuestion(messages.shown()[0], Buttons::kYesNo, Answer::kNo);
    EXPECT_TRUE(host.ended());
    EXPECT_FALSE(window.visible());
  }
  EXPECT_TRUE(dir_.Names().empty());
}

TEST_F(MakefileWindowTest, YesShowsTheFourteenChoicesInOrder) {
  messages_.Answer({Answer::kYes});
  window_.Form_Load();
  EXPECT_TRUE(window_.visible());
  EXPECT_FALSE(host_.ended());
  EXPECT_TRUE(window_.List1.visible);
  EXPECT_EQ(window_.List1.lines,
            (std::vector<std::string>{
                "Zero sales files", "Zero customers files", "Zero A/P invoice files",
                "Zero orders files", "Zero customers balances only", "Zero inventory files",
                "Zero suppliers files", "Zero budget files", "Zero checkbook files",
                "Zero envelope files", "Zero staff files", "Zero everything",
                "No more zeroing (This will cancel this program)", "Don't zero anything"}));
  EXPECT_EQ(host_.calls, std::vector<std::string>{"events"});
}

TEST_F(MakefileWindowTest, PickHidesTheListAndShowsTheBusyPointerFirst) {
  messages_.Answer({Answer::kYes, Answer::kYes});
  window_.Form_Load();
  int shown = 0;
  messages_.on_show = [this, &shown](const Message&) {
    ++shown;
    EXPECT_FALSE(window_.List1.visible);
    EXPECT_TRUE(host_.busy);
  };
  window_.List1.list_index = 7;
  window_.List1_Click();
  messages_.on_show = nullptr;
  EXPECT_EQ(shown, 2);
  EXPECT_EQ(host_.calls, (std::vector<std::string>{"events", "busy", "events", "end"}));
}

struct CategoryCase {
  int index;
  const char* sentence;
  const char* done;
};

const CategoryCase kCategories[] = {
    {0, "All sales files will be erased.", "The sales files have been zeroed."},
    {1, "All customer files will be erased.", "The customer files have been zeroed."},
    {2, "All accounts payable files will be erased.",
     "The accounts payable files have been zeroed."},
    {3, "All order files will be erased.", "The orders files have been zeroed."},
    {4, "All charge account balances will be zeroed.", "The customer balances have been zeroed."},
    {5, "All inventory files will be erased.", "The inventory files have been zeroed."},
    {6, "All supplier files will be erased.", "The supplier files have been zeroed."},
    {7, "All budget files will be erased.", "The budget files have been zeroed."},
    {8, "All checkbook files will be erased.", "The checkbook files have been zeroed."},
    {9, "All envelope files will be erased.", "The envelope files have been zeroed."},
};

// Files every category touches: the count file lets the customer walks run.
void WriteStoreFiles(const TempDir& dir) {
  std::string customer(180, 'c');
  customer.replace(114, 8, "  100.00");
  dir.Write("cust.dat", customer);
  dir.Write("cust.pt", " 1\r\n 1\r\n");
  for (const char* name : {"1998.dat", "a.bud", "cb1.dat", "enote.dat", "ap.ptn"}) {
    dir.Write(name, "x");
  }
}

TEST_F(MakefileWindowTest, EveryCategoryAsksItsSentenceThenRunsAndEnds) {
  for (const CategoryCase& c : kCategories) {
    TempDir dir;
    common::DefaultEnv env(dir.path());
    WriteStoreFiles(dir);
    const auto before = Snapshot(dir);
    ScriptedMessages messages;
    RecordingHost host;
    MakefileWindow window(ActionContext{env, messages, random_, clock_}, host);
    messages.Answer({Answer::kYes, Answer::kYes});
    window.Form_Load();
    window.List1.list_index = c.index;
    window.List1_Click();

    ASSERT_EQ(messages.shown().size(), 3u) << c.index;
    EXPECT_EQ(messages.shown()[1].text,
              std::string(c.sentence) + "\rAre you sure that you want to do this?");
    ExpectQuestion(messages.shown()[1], Buttons::kYesNoCancel, Answer::kNo);
    EXPECT_EQ(messages.shown()[2].text.rfind(c.done, 0), 0u) << messages.shown()[2].text;
    EXPECT_NE(Snapshot(dir), before) << c.index;
    EXPECT_EQ(host.ends, 1) << c.index;
  }
}

TEST_F(MakefileWindowTest, DecliningACategoryTouchesNothing) {
  for (const CategoryCase& c : kCategories) {
    for (const Answer answer : {Answer::kNo, Answer::kCancel}) {
      TempDir dir;
      common::DefaultEnv env(dir.path());
      WriteStoreFiles(dir);
      const auto before = Snapshot(dir);
      ScriptedMessages messages;
      RecordingHost host;
      MakefileWindow window(ActionContext{env, messages, random_, clock_}, host);
      messages.Answer({Answer::kYes, answer});
      window.Form_Load();
      window.List1.list_index = c.index;
      window.List1_Click();

      ASSERT_EQ(messages.shown().size(), 3u) << c.index;
      EXPECT_EQ(messages.shown()[2].text, kRefused);
      EXPECT_EQ(messages.shown()[2].buttons, Buttons::kOk);
      EXPECT_EQ(Snapshot(dir), before) << c.index;
      EXPECT_EQ(host.ends, 1) << c.index;
    }
  }
}

TEST_F(MakefileWindowTest, StaffResetRunsWithoutAQuestion) {
  Pick(10);
  EXPECT_EQ(TextsAfterStart(), std::vector<std::string>{"The staff files have been zeroed."});
  EXPECT_EQ(dir_.Read("staff.hhh").size(), 26u * 149);
  EXPECT_TRUE(host_.ended());
}

TEST_F(MakefileWindowTest, FullResetWarningDeclinedTouchesNothing) {
  dir_.Write("cust.dat", "customers");
  messages_.Answer({Answer::kYes, Answer::kNo});
  window_.Form_Load();
  window_.List1.list_index = 11;
  window_.List1_Click();
  ASSERT_EQ(messages_.shown().size(), 2u);
  EXPECT_EQ(messages_.shown()[1].text,
            "- EXTREME DANGER -\rYOU ARE ABOUT TO WIPE YOUR WORK OUT!\r\r"
            "Are you sure that you want to ZERO all of the files for Brillora?  This will wipe "
            "out all of your data files and let you start over with a fresh copy of Brillora as "
            "if you had just received it from The Brillora Co.");
  ExpectQuestion(messages_.shown()[1], Buttons::kYesNo, Answer::kNo);
  EXPECT_EQ(Snapshot(dir_), (std::map<std::string, std::string>{{"cust.dat", "customers"}}));
  EXPECT_TRUE(host_.ended());
}

TEST_F(MakefileWindowTest, FullResetWarningAnsweredYesRunsTheResetAndEnds) {
  messages_.Answer({Answer::kYes, Answer::kYes});
  window_.Form_Load();
  window_.List1.list_index = 11;
  window_.List1_Click();
  EXPECT_EQ(messages_.unused_answers(), 0u);
  EXPECT_TRUE(host_.ended());
}

TEST_F(MakefileWindowTest, LockAnsweredYesWritesTheMarkerAndLocksTheNextStart) {
  messages_.Answer({Answer::kYes, Answer::kYes});
  window_.Form_Load();
  window_.List1.list_index = 12;
  window_.List1_Click();
  ASSERT_EQ(messages_.shown().size(), 3u);
  EXPECT_EQ(messages_.shown()[1].text,
            "Are you sure that you want to eliminate the ability to zero files? (If you answer "
            "YES you will not be able to zero the files from this time on.)");
  ExpectQuestion(messages_.shown()[1], Buttons::kYesNo, Answer::kYes);
  EXPECT_EQ(messages_.shown()[2].text, "You will not be able to zero the files from this time on");
  EXPECT_EQ(dir_.Read("nozero.dat"), "No Zero\r\n");
  EXPECT_TRUE(host_.ended());
  // The lock is for good: no backup keeps the state before it.
  EXPECT_FALSE(dir_.Exists("cleanslate-backups"));

  ScriptedMessages next;
  RecordingHost next_host;
  MakefileWindow again(ActionContext{env_, next, random_, clock_}, next_host);
  again.Form_Load();
  EXPECT_EQ(next.texts().size(), 1u);
  EXPECT_TRUE(next_host.ended());
}

TEST_F(MakefileWindowTest, LockAnsweredNoWritesNothing) {
  messages_.Answer({Answer::kYes, Answer::kNo});
  window_.Form_Load();
  window_.List1.list_index = 12;
  window_.List1_Click();
  EXPECT_EQ(TextsAfterStart().back(),
            "You answered NO so you WILL still be able to run the CLEANSLATE program");
  EXPECT_TRUE(dir_.Names().empty());
  EXPECT_TRUE(host_.ended());
}

TEST_F(MakefileWindowTest, DontZeroAnythingEndsSilently) {
  Pick(13);
  EXPECT_TRUE(TextsAfterStart().empty());
  EXPECT_FALSE(host_.busy);
  EXPECT_TRUE(host_.ended());
  EXPECT_TRUE(dir_.Names().empty());
}

TEST_F(MakefileWindowTest, UnknownChoiceSaysSoAndOffersTheListAgain) {
  struct Case {
    int index;
    const char* text;
  };
  const Case cases[] = {{14, "Choice #  14 has not been programmed yet."},
                        {-1, "Choice # -1 has not been programmed yet."},
                        {1000, "Choice #  1000 has not been programmed yet."}};
  messages_.Answer({Answer::kYes});
  window_.Form_Load();
  for (const Case& c : cases) {
    const std::size_t shown = messages_.shown().size();
    window_.List1.list_index = c.index;
    window_.List1_Click();
    ASSERT_EQ(messages_.shown().size(), shown + 1);
    EXPECT_EQ(messages_.shown().back().text, c.text);
    EXPECT_EQ(messages_.shown().back().buttons, Buttons::kOk);
    EXPECT_TRUE(window_.List1.visible);
    EXPECT_FALSE(host_.busy);
    EXPECT_FALSE(host_.ended());
  }
  // The list still works afterwards.
  window_.List1.list_index = 13;
  window_.List1_Click();
  EXPECT_TRUE(host_.ended());
}

TEST_F(MakefileWindowTest, HiddenListCannotBePicked) {
  window_.List1.list_index = 13;
  window_.List1_Click();  // before the window is shown
  EXPECT_FALSE(host_.ended());
  messages_.Answer({Answer::kYes});
  window_.Form_Load();
  window_.List1.visible = false;
  window_.List1_Click();
  EXPECT_FALSE(host_.ended());
}

TEST_F(MakefileWindowTest, FileErrorLeavesTheClickAsFileError) {
  messages_.Answer({Answer::kYes, Answer::kYes});
  window_.Form_Load();
  window_.List1.list_index = 4;  // balances, without "cust.pt"
  EXPECT_THROW(window_.List1_Click(), common::FileError);
  EXPECT_FALSE(host_.ended());
}

}  // namespace
}  // namespace cleanslate
