#include "tag/form_tags.h"

#include <algorithm>

#include "common/app/backup_commands.h"
#include "common/app/startup.h"
#include "common/files/file_names.h"
#include "common/files/line_file.h"
#include "common/files/number_text.h"
#include "tag/micro_adjust_file.h"
#include "tag/tag_saves.h"

namespace tag {

namespace {

constexpr char kMoreThanFour[] = "Can't print more than 4 across.";
constexpr char kLessThanOne[] = "Can't print less than 1 across.";
constexpr char kOutOfOrder[] = "Tab settings must be larger with each tab position";
constexpr char kClickSaveChangeFirst[] =
    "It is easier if you click on Save Change before clicking on the List.";
constexpr char kMicroAdjustNote[] =
    "This should be clicked if you can not seem to adjust the vertical spacing on your "
    "particular printer so that it matches the tags exactly.  The number of lines between tags "
    "will become the number of dots.  This will not work on some printers.";

constexpr char kCurrentSettings[] = "CURRENT SETTINGS";
constexpr char kCurrentPositions[] = "Current positions";
constexpr char kPositionLetters[] = "ABCDEFGH";

// Left edges of the preview boxes A to H as the window is designed; A, B, G
// and H never move, the 3- and 4-across previews move C to F.
constexpr std::array<int, kPositionCount> kDesignLefts{360,  1560, 3120, 4440,
                                                       6000, 7320, 7080, 8400};
constexpr std::array<int, 4> kLeftsThreeAcross{3120, 4440, 6000, 7320};
constexpr std::array<int, 4> kLeftsFourAcross{2500, 3820, 4760, 6080};

constexpr int kLetterOffset = (kPreviewBoxWidth - kPreviewLetterWidth) / 2;

}  // namespace

FormTags::FormTags(common::Env& env, common::Messages& messages, TagWindowHost& host,
                   TagLayout& layout, const std::string& data_directory)
    : env_(env), messages_(messages), host_(host), layout_(layout), preview_(env) {
  controls_.DataDirectory.caption = common::DataDirectoryText(data_directory);
  controls_.Label7.caption = "Point to the line on this list that you want to change and click.";
  controls_.Label12.caption = "Change box";
  controls_.Command1.caption = "Save Change";
  controls_.Label8.caption = "Always set the Font Size first";
  controls_.microadjust.caption = "Turn on Micro-adjust of vertical spacing between tags";
  controls_.microadjustfactor.text = "0";
  controls_.microadjustfactor.visible = false;
  controls_.save.caption = "Save/Exit";
  controls_.Command2.caption = "Change Order";
  controls_.Label14.caption = "Click here to change what is printed on each tag.";
  for (int i = 0; i < kPositionCount; ++i) {
    controls_.Text[i].text = " ";
    controls_.Text[i].left = kDesignLefts[i];
    controls_.letters[i].caption = std::string(1, kPositionLetters[i]);
  }
  for (int tag = 0; tag < kMostAcross; ++tag) controls_.Line[kPositionCount + tag].white = true;
  MovePreview({kDesignLefts[2], kDesignLefts[3], kDesignLefts[4], kDesignLefts[5]});
}

FormTags::~FormTags() = default;

void FormTags::Form_Load() {
  // A save that a crash or a kill interrupted is put back first.
  common::RecoverAtStart(env_, messages_);
  showacross2();
  if (MicroAdjustIsOn(env_)) {
    // The box is still unchecked while the factor goes in, so its change
    // writes nothing; skipclick keeps the check from acting as a click.
    SetFactorText(ReadMicroAdjustFactor(env_));
    skipclick_ = "N";
    SetMicroAdjustChecked(true);
    controls_.microadjustfactor.visible = true;
    skipclick_.clear();
  }
  layout_.tagfile = kTagFile;
  if (!common::FileExists(env_, layout_.tagfile)) {
    SaveInTransaction(
        env_, kDefaultLayoutSave,
        [&](common::Plan& plan) { plan.Write(layout_.tagfile, common::kLineFileMostBytes); },
        [&](common::Env& env) { WriteDefaultLayout(env, layout_.tagfile); });
  }
  loadsettings();
}

void FormTags::loadsettings() {
  controls_.List1.Clear();
  ReadLayout(env_, layout_);
  switch (layout_.numacross) {
    case 1:
      showacross1();
      break;
    case 2:
      showacross2();
      break;
    case 3:
      showacross3();
      break;
    case 4:
      showacross4();
      break;
    default:
      break;
  }
  ShowSettings(kCurrentSettings, -1);
  controls_.commandset.caption = layout_.tagfile;
}

void FormTags::showacross1() { ShowAcross(1); }
void FormTags::showacross2() { ShowAcross(2); }

void FormTags::showacross3() {
  MovePreview(kLeftsThreeAcross);
  ShowAcross(3);
}

void FormTags::showacross4() {
  MovePreview(kLeftsFourAcross);
  ShowAcross(4);
}

void FormTags::ShowAcross(int across) {
  for (int i = 0; i < kPositionCount; ++i) {
    const bool shown = i < 2 * across;
    controls_.Text[i].visible = shown;
    controls_.letters[i].visible = shown;
    controls_.Line[i].visible = shown;
  }
  for (int tag = 0; tag < kMostAcross; ++tag) {
    controls_.Line[kPositionCount + tag].visible = tag < across;
  }
}

void FormTags::MovePreview(const std::array<int, 4>& lefts_c_to_f) {
  for (int i = 0; i < 4; ++i) controls_.Text[2 + i].left = lefts_c_to_f[i];
  for (int i = 0; i < kPositionCount; ++i) {
    const int left = controls_.Text[i].left;
    controls_.letters[i].left = left + kLetterOffset;
    common::LineShape& line = controls_.Line[i];
    line.x1 = line.x2 = left + kPreviewBoxWidth / 2;
    line.y1 = kPreviewLetterTop;
    line.y2 = kPreviewBoxTop + kPreviewBoxHeight;
  }
  for (int tag = 0; tag < kMostAcross; ++tag) {
    common::LineShape& line = controls_.Line[kPositionCount + tag];
    line.x1 = controls_.Text[2 * tag].left + kPreviewBoxWidth;
    line.x2 = controls_.Text[2 * tag + 1].left;
    line.y1 = line.y2 = kPreviewBoxTop + kPreviewBoxHeight / 2;
  }
}

std::string FormTags::SettingText(int line) const {
  if (line == kFontSizeLine) return "The font size is now: " + common::NumberText(layout_.fontsize);
  if (line == kNumberAcrossLine) {
    return "The number across: " + common::NumberText(layout_.numacross);
  }
  return std::string("Position ") + kPositionLetters[line - kFirstPositionLine] +
         " is now: " + common::NumberText(layout_.tabpos[line]);
}

void FormTags::ShowSettings(const char* heading, int current_line) {
  common::ListBox& list = controls_.List1;
  list.Clear();
  list.lines.push_back(heading);
  for (int line = kFirstPositionLine; line <= kNumberAcrossLine; ++line) {
    list.lines.push_back(SettingText(line));
  }
  list.list_index = current_line;
}

void FormTags::List1_Click() {
  pickedline_ = common::SaturateToInt16(controls_.List1.list_index);
  host_.ProcessPendingEvents();
  host_.MoveFocusToChangeBox();
}

void FormTags::tabbox_GotFocus() {
  edititem_ = pickedline_;
  if (edititem_ < kFirstPositionLine) {
    if (controls_.List1.SelectedText() != kCurrentSettings) {
      messages_.ShowMessage(kClickSaveChangeFirst);
    }
  } else if (edititem_ <= kLastPositionLine) {
    controls_.tabbox.text = common::NumberText(layout_.tabpos[edititem_]);
  } else if (edititem_ == kFontSizeLine) {
    controls_.tabbox.text = common::NumberText(layout_.fontsize);
  } else if (edititem_ == kNumberAcrossLine) {
    controls_.tabbox.text = common::NumberText(layout_.numacross);
  }
}

void FormTags::tabbox_LostFocus() {
  if (edititem_ < kFirstPositionLine || edititem_ > kNumberAcrossLine) return;
  const double value = common::LeadingNumber(controls_.tabbox.text);
  if (edititem_ == kFontSizeLine) {
    layout_.fontsize = ToFontSize(value);
  } else if (edititem_ == kNumberAcrossLine) {
    layout_.numacross = common::RoundToInt16(value);
  } else {
    layout_.tabpos[edititem_] = common::RoundToInt16(value);
  }
  // The line just edited stays current: the next arrow key goes on from it.
  ShowSettings(kCurrentPositions, edititem_);
  controls_.tabbox.text.clear();
}

void FormTags::Command1_Click() {
  if (layout_.numacross > kMostAcross) {
    messages_.ShowMessage(kMoreThanFour);
    layout_.numacross = kMostAcross;
  }
  if (layout_.numacross < 1) {
    messages_.ShowMessage(kLessThanOne);
    layout_.numacross = 1;
  }
  switch (layout_.numacross) {
    case 1:
      showacross1();
      break;
    case 2:
      showacross2();
      break;
    case 3:
      showacross3();
      break;
    default:
      showacross4();
      break;
  }
}

void FormTags::save_Click() {
  // Only the positions of the tags in use are compared, and never past H: a
  // number across above 4 that "Save Change" did not correct is written as
  // it stands.
  const int last = std::min<int>(2 * layout_.numacross, kLastPositionLine);
  for (int i = 2; i <= last; ++i) {
    if (layout_.tabpos[i] <= layout_.tabpos[i - 1]) messages_.ShowMessage(kOutOfOrder);
  }
  SaveInTransaction(
      env_, kLayoutSave,
      [&](common::Plan& plan) { plan.Write(layout_.tagfile, common::kLineFileMostBytes); },
      [&](common::Env& env) { WriteLayout(env, layout_); });
  host_.EndProgram();
}

void FormTags::Command2_Click() {
  if (!change_order_ || !change_order_->open()) {
    change_order_ = std::make_unique<ChangeOrder>(env_, messages_, host_);
    change_order_->Form_Load();
  }
  host_.ShowChangeOrder(*change_order_);
  change_order_->SetLabel1Caption(kChangeOrderInstructions);
}

void FormTags::microadjust_Click() {
  if (skipclick_ == "N") return;
  messages_.ShowMessage(kMicroAdjustNote);
  if (controls_.microadjust.checked) {
    SaveInTransaction(
        env_, kMicroAdjustSave,
        [](common::Plan& plan) { plan.Write(kMicroAdjustWrittenName, common::kLineFileMostBytes); },
        [](common::Env& env) { SwitchMicroAdjustOn(env); });
    controls_.microadjustfactor.visible = true;
  } else if (MicroAdjustIsOn(env_)) {
    SaveInTransaction(
        env_, kMicroAdjustSave, [](common::Plan& plan) { plan.Delete(kMicroAdjustFile); },
        [](common::Env& env) { SwitchMicroAdjustOff(env); });
    controls_.microadjustfactor.visible = false;
  }
}

void FormTags::microadjustfactor_Change() {
  if (!controls_.microadjust.checked) return;
  SaveInTransaction(
      env_, kMicroAdjustSave,
      [](common::Plan& plan) { plan.Write(kMicroAdjustWrittenName, common::kLineFileMostBytes); },
      [&](common::Env& env) { WriteMicroAdjustFactor(env, controls_.microadjustfactor.text); });
}

void FormTags::ClickSettingsLine(int index) {
  if (index < 0 || index >= static_cast<int>(controls_.List1.lines.size())) return;
  controls_.List1.list_index = index;
  List1_Click();
}

void FormTags::TypeChangeBox(const std::string& text) { controls_.tabbox.text = text; }

void FormTags::ClickMicroAdjust() {
  controls_.microadjust.checked = !controls_.microadjust.checked;
  microadjust_Click();
}

void FormTags::TypeFactor(const std::string& text) {
  controls_.microadjustfactor.text = text;
  microadjustfactor_Change();
}

void FormTags::SetFactorText(const std::string& text) {
  if (controls_.microadjustfactor.text == text) return;
  controls_.microadjustfactor.text = text;
  microadjustfactor_Change();
}

void FormTags::SetMicroAdjustChecked(bool checked) {
  if (controls_.microadjust.checked == checked) return;
  controls_.microadjust.checked = checked;
  microadjust_Click();
}

}  // namespace tag
