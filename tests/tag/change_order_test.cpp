#include "tag/change_order.h"

#include <gtest/gtest.h>

#include "common/app/backup_commands.h"
#include "common/journal/backups.h"
#include "common/platform/default_env.h"
#include "tests/support/counting_fault_env.h"
#include "tests/support/recording_tag_host.h"
#include "tests/support/scripted_messages.h"
#include "tests/support/temp_dir.h"
#include "tests/tag/dept_fixture.h"

namespace tag {
namespace {

using common::Answer;
using testing_support::ScriptedMessages;
using testing_support::TempDir;
using Names = std::vector<std::string>;
using Texts = std::vector<std::string>;

constexpr char kNoDepartment[] = "No department so nothing saved";
constexpr char kDefTagsBytes[] = "A1\r\nA2\r\nA3\r\nA4\r\nA5\r\nA6\r\n";

class ChangeOrderTest : public ::testing::Test {
 protected:
  TempDir dir_;
  common::DefaultEnv env_{dir_.path()};
  ScriptedMessages messages_;
  testing_support::RecordingTagHost host_;
  std::unique_ptr<ChangeOrder> window_;

  void Open() {
    window_ = std::make_unique<ChangeOrder>(env_, messages_, host_);
    window_->Form_Load();
  }
  const ChangeOrderControls& c() const { return window_->controls(); }
  Texts Boxes() const {
    Texts texts;
    for (const common::TextBox& box : c().Text) texts.push_back(box.text);
    return texts;
  }
  void WriteStandardDepartments() {
    dir_.Write("dept.dat", DeptFile({DeptRecord("GENTS RINGS"), DeptRecord("WATCHES"), FreeSlot(),
                                     DeptRecord("CAF\xC9 GIFTS"), DeptRecord("AB")}));
  }
};

const Texts kBuiltIn{"111 DDD",        "FFFFFFFFFFFF", "22222 33333333333333333 ",
                     "44444 55555555", "EEEEEEEEEEEE", "66666 99 88"};

TEST_F(ChangeOrderTest, OpeningListsTheDepartmentsAndShowsTheBuiltInLayout) {
  WriteStandardDepartments();
  Open();
  EXPECT_EQ(c().Dept.items, (Texts{"DEFAULT", Padded("GENTS RINGS"), Padded("WATCHES"),
                                   Padded("CAF\xC9 GIFTS"), Padded("AB")}));
  EXPECT_EQ(c().Dept.text, "DEFAULT");
  EXPECT_EQ(Boxes(), kBuiltIn);
  EXPECT_EQ(window_->deptcount(), 30);
  ASSERT_EQ(c().fields.lines.size(), 15u);
  EXPECT_EQ(c().fields.lines[2], "Description  (80) 333333333333333333333333333333");
  EXPECT_EQ(c().fields.lines[14], "Retail       (12) FFFFFFFFFFFF");
  EXPECT_TRUE(messages_.shown().empty());
  EXPECT_TRUE(window_->open());
}

TEST_F(ChangeOrderTest, OpeningLoadsTheDefaultLayoutFile) {
  dir_.Write("deftags.DAT", kDefTagsBytes);
  Open();
  EXPECT_EQ(Boxes(), (Texts{"A1", "A2", "A3", "A4", "A5", "A6"}));
}

TEST_F(ChangeOrderTest, AMissingDepartmentFileIsCreatedEmpty) {
  Open();
  EXPECT_EQ(c().Dept.items, Texts{"DEFAULT"});
  EXPECT_EQ(dir_.Read("dept.dat"), "");
}

TEST_F(ChangeOrderTest, TheDepartmentCountReachesOnlyTheRecordsThatExist) {
  struct Case {
    const char* numdept;  // nullptr: no "numdept.dat"
    int deptcount;
    std::size_t listed;  // items, DEFAULT included
  };
  const Case cases[] = {
      {nullptr, 30, 5},  {" 2 \r\n", 2, 3},       {"2.5\r\n", 2, 3},
      {"-4\r\n", -4, 1}, {"99999\r\n", 32767, 5}, {"0\r\n", 0, 1},
  };
  WriteStandardDepartments();  // five records
  for (const Case& c : cases) {
    if (c.numdept != nullptr) dir_.Write("numdept.dat", c.numdept);
    Open();
    EXPECT_EQ(window_->deptcount(), c.deptcount) << (c.numdept ? c.numdept : "none");
    EXPECT_EQ(window_->controls().Dept.items.size(), c.listed) << (c.numdept ? c.numdept : "none");
  }
}

TEST_F(ChangeOrderTest, SavingWritesTheUpperCaseNameAndPickingReadsItBack) {
  WriteStandardDepartments();
  Open();
  window_->PickDepartment(1);  // GENTS RINGS: no file yet, the boxes stay
  EXPECT_EQ(Boxes(), kBuiltIn);
  window_->TypeLayoutBox(1, "22222");
  window_->TypeLayoutBox(6, " 99,9 ");
  window_->Command1_Click();
  EXPECT_EQ(testing_support::DataNames(dir_), (Names{"GENTAGS.DAT", "dept.dat"}));
  EXPECT_EQ(dir_.Read("GENTAGS.DAT"),
            "22222\r\nFFFFFFFFFFFF\r\n22222 33333333333333333 \r\n44444 55555555\r\n"
            "EEEEEEEEEEEE\r\n 99,9 \r\n");
  EXPECT_FALSE(window_->open());
  EXPECT_EQ(host_.calls, (Texts{"events", "close department window"}));

  Open();
  window_->PickDepartment(2);  // WATCHES, no file: the default's boxes stay
  EXPECT_EQ(Boxes(), kBuiltIn);
  window_->PickDepartment(1);
  EXPECT_EQ(Boxes(), (Texts{"22222", "FFFFFFFFFFFF", "22222 33333333333333333 ", "44444 55555555",
                            "EEEEEEEEEEEE", "99"}));
  EXPECT_TRUE(messages_.shown().empty());
}

TEST_F(ChangeOrderTest, TypingLoadsOnEveryChangeAndDepartmentsShareTheirFirstThreeLetters) {
  dir_.Write("WATTAGS.DAT", "W1\r\nW2\r\nW3\r\nW4\r\nW5\r\nW6\r\n");
  Open();
  window_->TypeDepartment("W");
  window_->TypeDepartment("WA");
  EXPECT_EQ(messages_.texts(), (Texts{kNoDepartment, kNoDepartment}));
  EXPECT_EQ(Boxes(), kBuiltIn);
  window_->TypeDepartment("WAT");
  EXPECT_EQ(Boxes(), (Texts{"W1", "W2", "W3", "W4", "W5", "W6"}));
  window_->TypeDepartment("waterford");
  window_->TypeLayoutBox(2, "new");
  window_->Command1_Click();
  EXPECT_EQ(testing_support::DataNames(dir_), (Names{"WATTAGS.DAT", "dept.dat"}));
  EXPECT_EQ(dir_.Read("WATTAGS.DAT"), "W1\r\nnew\r\nW3\r\nW4\r\nW5\r\nW6\r\n");
}

// Typing over the department text loads other layouts on the way; Escape
// goes back to the department and the layout shown before the typing, so a
// Save Change that follows cannot store one department's layout under
// another's name.
TEST_F(ChangeOrderTest, EscapeGoesBackToTheDepartmentShownBeforeTheTyping) {
  WriteStandardDepartments();
  dir_.Write("WATTAGS.dat", "W1\r\nW2\r\nW3\r\nW4\r\nW5\r\nW6\r\n");
  Open();
  window_->TypeLayoutBox(1, "edited");
  window_->Dept_GotFocus();
  window_->TypeDepartment("WAT");
  EXPECT_EQ(c().Text[0].text, "W1");
  window_->TypeDepartment("WATERFORD");
  window_->RestoreDepartment();
  EXPECT_EQ(c().Dept.text, "DEFAULT");
  EXPECT_EQ(c().Text[0].text, "edited");
  EXPECT_EQ(c().Text[1].text, kBuiltIn[1]);

  // A pick is what is shown from then on.
  window_->PickDepartment(2);
  window_->TypeDepartment("GENTS RINGS");
  window_->RestoreDepartment();
  EXPECT_EQ(c().Dept.text, Padded("WATCHES"));
  EXPECT_EQ(c().Dept.list_index, 2);
  EXPECT_EQ(Boxes(), (Texts{"W1", "W2", "W3", "W4", "W5", "W6"}));
  EXPECT_TRUE(messages_.shown().empty());
  EXPECT_EQ(testing_support::DataNames(dir_), (Names{"WATTAGS.dat", "dept.dat"}));
}

TEST_F(ChangeOrderTest, ATooShortDepartmentIsNeverSaved) {
  WriteStandardDepartments();
  Open();
  window_->PickDepartment(4);  // "AB": a pick of it shows nothing
  EXPECT_TRUE(messages_.shown().empty());
  window_->Command1_Click();
  window_->TypeDepartment("  X  ");
  window_->Command1_Click();
  EXPECT_EQ(messages_.texts(), (Texts{kNoDepartment, kNoDepartment, kNoDepartment}));
  EXPECT_EQ(testing_support::DataNames(dir_), Names{"dept.dat"});
  EXPECT_TRUE(window_->open());
}

TEST_F(ChangeOrderTest, ALineWithACommaIsReadAsTwoFields) {
  dir_.Write("DEFTAGS.DAT", "111, DDD\r\nL2\r\nL3\r\nL4\r\nL5\r\nL6\r\n");
  Open();
  EXPECT_EQ(Boxes(), (Texts{"111", "DDD", "L2", "L3", "L4", "L5"}));
}

TEST_F(ChangeOrderTest, AShortLayoutFileFillsOnlyTheBoxesItReaches) {
  dir_.Write("DEFTAGS.dat", "A1\r\n\r\nA2\r\n");
  Open();
  EXPECT_EQ(Boxes(), (Texts{"A1", "A2", "22222 33333333333333333 ", "44444 55555555",
                            "EEEEEEEEEEEE", "66666 99 88"}));
  EXPECT_TRUE(messages_.shown().empty());
}

class DefaultResetTest : public ChangeOrderTest {
 protected:
  void SetUp() override {
    dir_.Write("dept.dat", DeptFile({DeptRecord("GENTS RINGS"), FreeSlot(), DeptRecord("WATCHES"),
                                     DeptRecord("   SPACES")}));
    for (const char* name :
         {"GENtags.dat", "WATTAGS.DAT", "DEFTAGS.dat", "tags.dat", "[NOtags.dat", "PEATAGS.dat"}) {
      dir_.Write(name, "x\r\n");
    }
    Open();
  }
};

TEST_F(DefaultResetTest, NoChangesNothing) {
  messages_.Answer({Answer::kNo});
  window_->settoDefault_Click();
  EXPECT_EQ(messages_.texts(),
            (Texts{"Are you sure that you want to set all department tag layouts back to the "
                   "default setting?",
                   "Nothing changed"}));
  EXPECT_EQ(messages_.shown()[0].buttons, common::Buttons::kYesNo);
  EXPECT_EQ(messages_.shown()[0].icon, common::Icon::kQuestion);
  EXPECT_EQ(testing_support::DataNames(dir_).size(), 7u);
  EXPECT_TRUE(window_->open());
}

TEST_F(DefaultResetTest, YesThenYesDeletesEveryDepartmentsFileAndTheDefault) {
  messages_.Answer({Answer::kYes, Answer::kYes});
  window_->settoDefault_Click();
  ASSERT_EQ(messages_.texts().size(), 2u);
  EXPECT_EQ(messages_.texts()[1],
            "All departments have been set to use the default layout.  Do you want to set the "
            "default layout for tags back to the layout supplied originally by Brillora?");
  // Three spaces make "tags.dat"; free slots and departments not listed keep theirs.
  EXPECT_EQ(testing_support::DataNames(dir_), (Names{"PEATAGS.dat", "[NOtags.dat", "dept.dat"}));
  EXPECT_FALSE(window_->open());
  // Both questions delete files: Enter alone answers No.
  for (const common::Message& question : messages_.shown()) {
    EXPECT_EQ(question.default_button, Answer::kNo) << question.text;
  }
}

// Each question's deletions are committed before the next question waits:
// closed at the second question, the first one's deletions stay done, and
// each kept its backup.
TEST_F(DefaultResetTest, ClosedAtTheSecondQuestionTheFirstStaysDone) {
  messages_.Answer({Answer::kYes});
  messages_.on_show = [](const common::Message& message) {
    if (message.text.starts_with("All departments have been set")) {
      throw testing_support::SimulatedCrash();
    }
  };
  EXPECT_THROW(window_->settoDefault_Click(), testing_support::SimulatedCrash);
  messages_.on_show = nullptr;
  const Names after = testing_support::DataNames(dir_);
  EXPECT_EQ(after, (Names{"DEFTAGS.dat", "PEATAGS.dat", "[NOtags.dat", "dept.dat"}));
  testing_support::ScriptedMessages start;
  common::RecoverAtStart(env_, start);
  EXPECT_TRUE(start.shown().empty());
  EXPECT_EQ(testing_support::DataNames(dir_), after);

  messages_.Answer({Answer::kYes, Answer::kYes});
  window_->settoDefault_Click();
  EXPECT_EQ(common::ListBackups(env_, "tag-backups").backups.size(), 2u);
  EXPECT_EQ(common::ListBackups(env_, "tag-backups").backups[0].manifest.title,
            "Set all back to default: the layout supplied originally");
}

TEST_F(DefaultResetTest, YesThenNoKeepsTheDefault) {
  messages_.Answer({Answer::kYes, Answer::kNo});
  window_->settoDefault_Click();
  EXPECT_EQ(testing_support::DataNames(dir_),
            (Names{"DEFTAGS.dat", "PEATAGS.dat", "[NOtags.dat", "dept.dat"}));
  EXPECT_FALSE(window_->open());
}

TEST_F(DefaultResetTest, ADepartmentBeginningWithDefDeletesTheDefaultWhateverTheAnswer) {
  dir_.Write("dept.dat", DeptFile({DeptRecord("DEFECTIVE")}));
  messages_.Answer({Answer::kYes, Answer::kNo});
  window_->settoDefault_Click();
  EXPECT_FALSE(dir_.Exists("DEFTAGS.dat"));
}

TEST_F(DefaultResetTest, RecordsPastTheEndOfTheFileAreNotWalked) {
  dir_.Write("numdept.dat", "50\r\n");
  dir_.Write("dept.dat", DeptFile({DeptRecord("WATCHES")}) + "GEN");  // a partial record
  messages_.Answer({Answer::kYes, Answer::kNo});
  window_->settoDefault_Click();
  EXPECT_FALSE(dir_.Exists("WATTAGS.DAT"));
  EXPECT_TRUE(dir_.Exists("GENtags.dat"));
  EXPECT_EQ(window_->deptcount(), 50);
}

// Department texts whose first three characters cannot stand in a file name.
class UnsafeDepartmentTest : public ::testing::Test {
 protected:
  TempDir dir_;  // the data directory is dir_/data, so that "../" can be seen
  ScriptedMessages messages_;
  testing_support::RecordingTagHost host_;

  UnsafeDepartmentTest() { dir_.MakeDirectory("data"); }
  std::string DataFile(const std::string& name) const { return "data/" + name; }
};

// The refusal says what is wrong with the text typed: the leading dot, or
// the first character that no file name may hold.
TEST_F(UnsafeDepartmentTest, TypedTextsAreRefusedWithTheReasonAndNothingIsWritten) {
  common::DefaultEnv env(dir_.PathOf("data"));
  ChangeOrder window(env, messages_, host_);
  window.Form_Load();
  const std::string kHidden =
      "A department starting with \".\" would have a hidden layout file, so nothing saved";
  const auto holding = [](const std::string& what) {
    return "The first three characters of the department name its layout file and can not "
           "hold " +
           what + ", so nothing saved";
  };
  const std::pair<std::string, std::string> cases[] = {
      {"../X", kHidden},
      {"...", kHidden},
      {".\xC9T", kHidden},
      {".AB", kHidden},
      {"A/B", holding("\"/\"")},
      {"A\\B", holding("\"\\\"")},
      {"***", holding("\"*\"")},
      {"A?C", holding("\"?\"")},
      {"C:X", holding("\":\"")},
      {"<A>", holding("\"<\"")},
      {"\"AB", holding("\"\"\"")},
      {"A|B", holding("\"|\"")},
      {"A\tB", holding("a control character")},
      {"\x01XY", holding("a control character")},
  };
  for (const auto& [text, refusal] : cases) {
    const std::size_t shown = messages_.shown().size();
    window.TypeDepartment(text);
    window.Command1_Click();
    ASSERT_EQ(messages_.shown().size(), shown + 2) << text;
    EXPECT_EQ(messages_.texts()[shown], refusal) << text;
    EXPECT_EQ(messages_.texts()[shown + 1], refusal) << text;
    EXPECT_TRUE(window.open()) << text;
  }
  EXPECT_EQ(testing_support::DataNames(dir_), Names{"data"});
  EXPECT_EQ(dir_.Read(DataFile("dept.dat")), "");
}

// A hidden ".ABTAGS.DAT" would be saved but never loaded or deleted again.
// What Save Change accepts, a department change finds again.
TEST_F(UnsafeDepartmentTest, SaveAndLoadAgreeOnEveryAcceptedText) {
  common::DefaultEnv env(dir_.PathOf("data"));
  for (const std::string text : {" .AB", "A.B", "AB.", "a b", "\xE9t\xE9", "[NO"}) {
    ChangeOrder window(env, messages_, host_);
    window.Form_Load();
    window.TypeDepartment(text);
    window.TypeLayoutBox(1, "saved for " + text);
    window.Command1_Click();
    ChangeOrder again(env, messages_, host_);
    again.Form_Load();
    again.TypeDepartment(text);
    EXPECT_EQ(again.controls().Text[0].text, "saved for " + text) << text;
  }
  EXPECT_TRUE(messages_.texts().empty());
}

TEST_F(UnsafeDepartmentTest, ADottedDepartmentOfTheListIsNeitherLoadedNorDeleted) {
  common::DefaultEnv env(dir_.PathOf("data"));
  dir_.Write(DataFile("dept.dat"), DeptFile({DeptRecord(".ABSENT")}));
  dir_.Write(DataFile(".ABTAGS.DAT"), "hidden\r\n");
  ChangeOrder window(env, messages_, host_);
  window.Form_Load();
  window.PickDepartment(1);
  EXPECT_EQ(window.controls().Text[0].text, "111 DDD");
  window.Command1_Click();
  EXPECT_EQ(messages_.texts(), Texts{DepartmentRefusal(".ABSENT")});
  messages_.Answer({Answer::kYes, Answer::kNo});
  window.settoDefault_Click();
  EXPECT_EQ(dir_.Read(DataFile(".ABTAGS.DAT")), "hidden\r\n");
}

TEST_F(UnsafeDepartmentTest, TheResetSkipsUnsafeNamesAndDeletesOnlyTheFileANameDenotes) {
  common::DefaultEnv env(dir_.PathOf("data"));
  dir_.Write(DataFile("dept.dat"), DeptFile({DeptRecord("***"), DeptRecord("?AT"),
                                             DeptRecord("../UP"), DeptRecord("GENTS")}));
  for (const char* name : {"GENtags.dat", "WATtags.dat", "DEFTAGS.dat"}) {
    dir_.Write(DataFile(name), "x\r\n");
  }
  dir_.Write("TAGS.dat", "outside\r\n");
  ChangeOrder window(env, messages_, host_);
  window.Form_Load();
  EXPECT_EQ(window.controls().Dept.items.size(), 5u);  // listed all the same
  messages_.Answer({Answer::kYes, Answer::kNo});
  window.settoDefault_Click();
  EXPECT_FALSE(dir_.Exists(DataFile("GENtags.dat")));
  EXPECT_TRUE(dir_.Exists(DataFile("WATtags.dat")));
  EXPECT_TRUE(dir_.Exists(DataFile("DEFTAGS.dat")));
  EXPECT_TRUE(dir_.Exists("TAGS.dat"));
}

}  // namespace
}  // namespace tag
