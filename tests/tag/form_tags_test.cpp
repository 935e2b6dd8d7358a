#include "tag/form_tags.h"

#include <gtest/gtest.h>

#include "common/platform/default_env.h"
#include "tests/support/recording_tag_host.h"
#include "tests/support/scripted_messages.h"
#include "tests/support/temp_dir.h"

namespace tag {
namespace {

using testing_support::ScriptedMessages;
using testing_support::TempDir;
using Texts = std::vector<std::string>;

constexpr char kDefaultFile[] =
    " 7 \r\n 29 \r\n 45 \r\n 68 \r\n 83 \r\n 106 \r\n 130 \r\n 140 \r\n 8 \r\n 3 \r\n";
constexpr char kClickSaveChangeFirst[] =
    "It is easier if you click on Save Change before clicking on the List.";
constexpr char kOutOfOrder[] = "Tab settings must be larger with each tab position";
constexpr char kMicroAdjustNote[] =
    "This should be clicked if you can not seem to adjust the vertical spacing on your "
    "particular printer so that it matches the tags exactly.  The number of lines between tags "
    "will become the number of dots.  This will not work on some printers.";

class FormTagsTest : public ::testing::Test {
 protected:
  TempDir dir_;
  common::DefaultEnv env_{dir_.path()};
  ScriptedMessages messages_;
  testing_support::RecordingTagHost host_;
  TagLayout layout_;
  std::unique_ptr<FormTags> form_;

  void Start() {
    layout_ = TagLayout();
    form_ = std::make_unique<FormTags>(env_, messages_, host_, layout_);
    form_->Form_Load();
  }
  const FormTagsControls& c() const { return form_->controls(); }

  // What a front end does when the user types `text` into the change box
  // after the focus went there, then leaves the box for another control.
  void TypeAndLeave(const std::string& text) {
    form_->tabbox_GotFocus();
    form_->TypeChangeBox(text);
    form_->tabbox_LostFocus();
  }
  // Clicks line `index`; the focus goes to the change box, as asked.
  void ClickLine(int index) {
    const std::size_t asked = host_.calls.size();
    form_->ClickSettingsLine(index);
    ASSERT_EQ(host_.calls.size(), asked + 2);
    EXPECT_EQ(host_.calls[asked], "events");
    EXPECT_EQ(host_.calls[asked + 1], "focus to change box");
  }
  std::string Shown() const {
    std::string letters;
    for (std::size_t i = 0; i < c().Text.size(); ++i) {
      const bool box = c().Text[i].visible;
      EXPECT_EQ(box, c().letters[i].visible) << i;
      EXPECT_EQ(box, c().Line[i].visible) << i;
      if (box) letters += c().letters[i].caption;
    }
    return letters;
  }
};

TEST_F(FormTagsTest, AFirstStartWritesTheDefaultLayoutAndListsIt) {
  Start();
  EXPECT_EQ(dir_.Read("tagsize.dat"), kDefaultFile);
  EXPECT_EQ(c().List1.lines,
            (Texts{"CURRENT SETTINGS", "Position A is now:  7", "Position B is now:  29",
                   "Position C is now:  45", "Position D is now:  68", "Position E is now:  83",
                   "Position F is now:  106", "Position G is now:  130", "Position H is now:  140",
                   "The font size is now:  8", "The number across:  3"}));
  EXPECT_EQ(c().commandset.caption, "tagsize.dat");
  EXPECT_EQ(Shown(), "ABCDEF");
  EXPECT_FALSE(c().microadjust.checked);
  EXPECT_FALSE(c().microadjustfactor.visible);
  EXPECT_TRUE(messages_.shown().empty());
  EXPECT_TRUE(host_.calls.empty());
}

TEST_F(FormTagsTest, ChangingASettingStoresItWhenTheFocusLeavesAndWritesOnlyOnSaveExit) {
  Start();
  ClickLine(3);
  EXPECT_EQ(form_->pickedline(), 3);
  form_->tabbox_GotFocus();
  EXPECT_EQ(form_->edititem(), 3);
  EXPECT_EQ(c().tabbox.text, " 45");
  form_->TypeChangeBox("50");
  form_->tabbox_LostFocus();  // the focus goes to "Save Change"
  form_->Command1_Click();
  EXPECT_EQ(c().List1.lines[0], "Current positions");
  EXPECT_EQ(c().List1.lines[3], "Position C is now:  50");
  EXPECT_EQ(c().tabbox.text, "");
  EXPECT_EQ(c().List1.list_index, 3);  // the line just edited stays current
  // Rebuilding the list clicked nothing.
  EXPECT_EQ(host_.calls, (Texts{"events", "focus to change box"}));
  EXPECT_EQ(dir_.Read("tagsize.dat"), kDefaultFile);

  // Back into the box without a click: the same setting again.
  form_->tabbox_GotFocus();
  EXPECT_EQ(c().tabbox.text, " 50");
  form_->TypeChangeBox("7.5");
  form_->tabbox_LostFocus();  // the focus goes to "Save/Exit"
  form_->save_Click();
  EXPECT_EQ(host_.calls.back(), "end");
  EXPECT_EQ(dir_.Read("tagsize.dat"),
            " 7 \r\n 29 \r\n 8 \r\n 68 \r\n 83 \r\n 106 \r\n 130 \r\n 140 \r\n 8 \r\n 3 \r\n");
  EXPECT_EQ(messages_.texts(), Texts{kOutOfOrder});  // C 8 is not above B 29
}

// A keyboard walks the list one line at a time from the line that is
// current: after each stored value the next arrow key must reach the next
// setting, not the heading again.
TEST_F(FormTagsTest, StoringAValueKeepsItsLineCurrentSoTheNextLineFollows) {
  Start();
  EXPECT_EQ(c().List1.list_index, -1);                 // a fresh list: no line is current
  form_->ClickSettingsLine(c().List1.list_index + 1);  // the heading: nothing to edit
  form_->tabbox_GotFocus();
  form_->tabbox_LostFocus();
  EXPECT_EQ(c().List1.list_index, 0);
  for (int line = kFirstPositionLine; line <= kNumberAcrossLine; ++line) {
    form_->ClickSettingsLine(c().List1.list_index + 1);
    ASSERT_EQ(form_->pickedline(), line);
    TypeAndLeave(std::to_string(line == kNumberAcrossLine ? 4 : 10 * line));
    EXPECT_EQ(c().List1.list_index, line);
    EXPECT_EQ(c().List1.lines[0], "Current positions");
  }
  form_->save_Click();
  EXPECT_EQ(dir_.Read("tagsize.dat"),
            " 10 \r\n 20 \r\n 30 \r\n 40 \r\n 50 \r\n 60 \r\n 70 \r\n"
            " 80 \r\n 90 \r\n 4 \r\n");
  EXPECT_TRUE(messages_.shown().empty());
}

TEST_F(FormTagsTest, TypedValuesAreStoredAsNumbers) {
  struct Case {
    int line;
    const char* typed;
    const char* shown;  // the line's number afterwards
  };
  const Case cases[] = {
      {1, "99999", " 32767"}, {1, "-99999", "-32768"}, {2, "abc", " 0"},   {2, "2.5", " 2"},
      {2, "3.5", " 4"},       {2, " 1 2x", " 12"},     {9, "7.5", " 7.5"}, {9, "10,5", " 10"},
      {10, "6", " 6"},        {10, "", " 0"},
  };
  Start();
  for (const Case& k : cases) {
    form_->ClickSettingsLine(k.line);
    TypeAndLeave(k.typed);
    const std::string& line = c().List1.lines[k.line];
    EXPECT_EQ(line.substr(line.find(": ") + 2), k.shown) << k.typed;
  }
}

// The change box shows the font size as text and stores that text back when
// the focus leaves: a text in exponent form (" 1E+05") came back as 1.
TEST_F(FormTagsTest, VisitingTheChangeBoxKeepsEveryFontSize) {
  Start();
  for (const char* typed : {"100000", ".0001", "123456789", "-0.000001"}) {
    form_->ClickSettingsLine(9);
    TypeAndLeave(typed);
    const float stored = layout_.fontsize;
    form_->ClickSettingsLine(9);
    form_->tabbox_GotFocus();
    form_->tabbox_LostFocus();
    EXPECT_EQ(layout_.fontsize, stored) << typed;
    EXPECT_EQ(c().tabbox.text.find_first_of("eE"), std::string::npos) << c().tabbox.text;
  }
  form_->save_Click();
  EXPECT_EQ(dir_.Read("tagsize.dat"),
            " 7 \r\n 29 \r\n 45 \r\n 68 \r\n 83 \r\n 106 \r\n 130 \r\n"
            " 140 \r\n-.000001 \r\n 3 \r\n");
}

TEST_F(FormTagsTest, TheHintAboutSaveChangeDependsOnTheLineSelected) {
  Start();
  form_->tabbox_GotFocus();  // into the box before any line was clicked
  EXPECT_EQ(messages_.texts(), Texts{kClickSaveChangeFirst});
  EXPECT_EQ(c().tabbox.text, "");

  ClickLine(0);  // "CURRENT SETTINGS": nothing to edit, no hint
  form_->tabbox_GotFocus();
  EXPECT_EQ(messages_.shown().size(), 1u);
  form_->TypeChangeBox("12");
  form_->tabbox_LostFocus();
  EXPECT_EQ(c().List1.lines[0], "CURRENT SETTINGS");  // nothing stored, no rebuild
  EXPECT_EQ(c().tabbox.text, "12");

  ClickLine(4);
  TypeAndLeave("70");
  ClickLine(0);  // now "Current positions"
  form_->tabbox_GotFocus();
  EXPECT_EQ(messages_.texts(), (Texts{kClickSaveChangeFirst, kClickSaveChangeFirst}));
}

TEST_F(FormTagsTest, SaveChangeKeepsTheNumberAcrossBetweenOneAndFour) {
  Start();
  ClickLine(10);
  TypeAndLeave("6");
  form_->Command1_Click();
  EXPECT_EQ(messages_.texts(), Texts{"Can't print more than 4 across."});
  EXPECT_EQ(Shown(), "ABCDEFGH");
  EXPECT_EQ(c().Text[2].left, 2500);
  EXPECT_EQ(c().Text[5].left, 6080);
  EXPECT_EQ(c().letters[2].left, 2500 + (kPreviewBoxWidth - kPreviewLetterWidth) / 2);
  EXPECT_EQ(c().List1.lines[10], "The number across:  6");  // not rebuilt

  ClickLine(10);
  TypeAndLeave("0");
  form_->Command1_Click();
  EXPECT_EQ(messages_.texts().back(), "Can't print less than 1 across.");
  EXPECT_EQ(Shown(), "AB");
  EXPECT_TRUE(c().Line[8].visible);  // tag 1's white line
  EXPECT_FALSE(c().Line[9].visible);
  EXPECT_EQ(c().Text[2].left, 2500);  // one across moves nothing

  ClickLine(10);
  TypeAndLeave("3");
  form_->Command1_Click();
  EXPECT_EQ(Shown(), "ABCDEF");
  EXPECT_EQ(c().Text[2].left, 3120);
  EXPECT_EQ(c().Line[9].x1, 3120 + kPreviewBoxWidth);  // C's right edge to D
  EXPECT_EQ(c().Line[9].x2, 4440);
  EXPECT_EQ(messages_.shown().size(), 2u);
  form_->save_Click();
  EXPECT_EQ(dir_.Read("tagsize.dat").substr(dir_.Read("tagsize.dat").size() - 5), " 3 \r\n");
}

TEST_F(FormTagsTest, SaveExitWarnsOncePerPositionOutOfOrderAndSavesAnyway) {
  dir_.Write("tagsize.dat", " 7 \r\n 29 \r\n 45 \r\n 68 \r\n 83 \r\n 106 \r\n 8 \r\n");
  Start();  // seven lines: three across, G and H 0
  ClickLine(3);
  TypeAndLeave("20");
  ClickLine(5);
  TypeAndLeave("60");
  form_->save_Click();
  EXPECT_EQ(messages_.texts(), (Texts{kOutOfOrder, kOutOfOrder}));  // C and E; not G, H
  EXPECT_EQ(dir_.Read("tagsize.dat"),
            " 7 \r\n 29 \r\n 20 \r\n 68 \r\n 60 \r\n 106 \r\n 0 \r\n 0 \r\n 8 \r\n 3 \r\n");
  Start();  // the next start repairs them
  EXPECT_EQ(c().List1.lines[3], "Position C is now:  34");
  EXPECT_EQ(c().List1.lines[5], "Position E is now:  73");
}

TEST_F(FormTagsTest, TheOrderingCheckStopsAtTheLastPositionInUseAndAtH) {
  struct Case {
    const char* across;
    std::size_t warnings;
  };
  // E is below D; positions past H hold 0 and are never compared.
  const Case cases[] = {{"2", 0}, {"3", 1}, {"4", 1}, {"6", 1}, {"32767", 1}, {"0", 0}, {"-3", 0}};
  for (const Case& k : cases) {
    dir_.Write("tagsize.dat", "1\r\n2\r\n3\r\n4\r\n3\r\n5\r\n6\r\n7\r\n8\r\n2\r\n");
    messages_ = ScriptedMessages();
    Start();  // E 3 reads as D plus 5
    ClickLine(5);
    TypeAndLeave("3");
    ClickLine(10);
    TypeAndLeave(k.across);
    form_->save_Click();
    EXPECT_EQ(messages_.shown().size(), k.warnings) << k.across << " across";
    const std::string file = dir_.Read("tagsize.dat");
    EXPECT_EQ(file.substr(file.rfind('\n', file.size() - 2) + 1),
              std::string(k.across[0] == '-' ? "" : " ") + k.across + " \r\n")
        << "written as it stands";
  }
}

TEST_F(FormTagsTest, MicroAdjustLifeCycle) {
  Start();
  form_->TypeFactor("5");  // unchecked: nothing is written
  EXPECT_FALSE(dir_.Exists("Microadj.dat"));

  form_->ClickMicroAdjust();
  EXPECT_EQ(messages_.texts(), Texts{kMicroAdjustNote});
  EXPECT_EQ(dir_.Read("Microadj.dat"), "0\r\n");  // "0" whatever the box shows
  EXPECT_TRUE(c().microadjustfactor.visible);
  EXPECT_EQ(c().microadjustfactor.text, "5");
  form_->TypeFactor("1");
  EXPECT_EQ(dir_.Read("Microadj.dat"), "1\r\n");
  form_->TypeFactor("12");
  EXPECT_EQ(dir_.Read("Microadj.dat"), "12\r\n");

  form_->ClickMicroAdjust();
  EXPECT_EQ(messages_.texts(), (Texts{kMicroAdjustNote, kMicroAdjustNote}));
  EXPECT_FALSE(dir_.Exists("Microadj.dat"));
  EXPECT_FALSE(c().microadjustfactor.visible);

  // Unchecking when the file has gone meanwhile leaves the box shown.
  form_->ClickMicroAdjust();
  ASSERT_TRUE(dir_.Exists("Microadj.dat"));
  std::remove(dir_.PathOf("Microadj.dat").c_str());
  form_->ClickMicroAdjust();
  EXPECT_TRUE(c().microadjustfactor.visible);
  EXPECT_EQ(messages_.shown().size(), 4u);
}

TEST_F(FormTagsTest, AStartWithMicroAdjustOnShowsItAndWritesNothing) {
  dir_.Write("MICROADJ.DAT", "3,4\r\n");
  Start();
  EXPECT_TRUE(c().microadjust.checked);
  EXPECT_TRUE(c().microadjustfactor.visible);
  EXPECT_EQ(c().microadjustfactor.text, "3");
  EXPECT_EQ(form_->skipclick(), "");
  EXPECT_TRUE(messages_.shown().empty());
  EXPECT_EQ(dir_.Read("MICROADJ.DAT"), "3,4\r\n");
}

TEST_F(FormTagsTest, ChangeOrderOpensTheDepartmentWindowOnceWhileItStaysOpen) {
  Start();
  form_->Command2_Click();
  ChangeOrder* first = form_->change_order();
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(host_.shown, first);
  EXPECT_EQ(first->controls().Dept.text, "DEFAULT");  // its start-up ran
  EXPECT_EQ(first->controls().Label1.caption, kChangeOrderInstructions);
  first->TypeDepartment("WATCHES");
  form_->Command2_Click();
  EXPECT_EQ(form_->change_order(), first);
  EXPECT_EQ(first->controls().Dept.text, "WATCHES");

  first->CloseByFrame();
  form_->Command2_Click();
  EXPECT_EQ(host_.shown, form_->change_order());
  EXPECT_EQ(form_->change_order()->controls().Dept.text, "DEFAULT");
  EXPECT_EQ(host_.calls,
            (Texts{"show department window", "show department window", "show department window"}));
}

// The preview follows the department window while it is open; once it
// closes, DEFAULT's layout as saved, which that window may have changed.
TEST_F(FormTagsTest, ThePreviewShowsTheDepartmentWindowsLayoutElseDefaultsAsSaved) {
  Start();
  EXPECT_FALSE(form_->preview_shown());
  form_->TogglePreview();
  EXPECT_TRUE(form_->preview_shown());
  EXPECT_EQ(form_->PreviewSubject().boxes, BuiltInFieldLayout());
  EXPECT_EQ(form_->PreviewSubject().department, "DEFAULT");
  EXPECT_EQ(form_->PreviewSubject().source.rfind("The DEFAULT layout (built-in):  \"111 DDD\"", 0),
            0u);

  form_->Command2_Click();
  ChangeOrder& department = *form_->change_order();
  department.TypeDepartment("WATCHES");
  department.TypeLayoutBox(1, "D1");
  EXPECT_EQ(form_->PreviewSubject().boxes[0], "D1");
  EXPECT_EQ(form_->PreviewSubject().department, "WATCHES");
  EXPECT_EQ(form_->PreviewSubject().source, "The layout in the department window, for \"WATCHES\"");
  department.TypeDepartment("DEFAULT");
  department.Command1_Click();  // saves DEFTAGS.DAT and closes
  EXPECT_EQ(form_->PreviewSubject().boxes[0], "D1");
  EXPECT_EQ(form_->PreviewSubject().source.rfind("The DEFAULT layout (DEFTAGS.DAT):", 0), 0u);

  // Hidden, it stays hidden while the department window comes and goes.
  form_->ClosePreview();
  form_->Command2_Click();
  form_->change_order()->CloseByFrame();
  EXPECT_FALSE(form_->preview_shown());
  EXPECT_TRUE(messages_.shown().empty());
}

}  // namespace
}  // namespace tag
