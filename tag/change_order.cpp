#include "tag/change_order.h"

#include "common/files/file_names.h"
#include "common/files/line_file.h"
#include "tag/department_files.h"
#include "tag/tag_saves.h"

namespace tag {

namespace {

constexpr char kResetQuestion[] =
    "Are you sure that you want to set all department tag layouts back to the default setting?";
constexpr char kNothingChanged[] = "Nothing changed";
constexpr char kDefaultQuestion[] =
    "All departments have been set to use the default layout.  Do you want to set the default "
    "layout for tags back to the layout supplied originally by Brillora?";

}  // namespace

const std::array<const char*, 15>& FieldCatalogue() {
  // The spaces line the widths up in columns in a fixed-pitch font.
  static const std::array<const char*, 15> lines{
      "Vendor #      (3) 111",
      "Stock #       (5) 22222",
      "Description  (80) 333333333333333333333333333333",
      "Center Stone  (5) 44444",
      "Stone Grade   (9) 555555555",
      "Total Weight  (5) 66666",
      "Reorder #    (15) 777777777777777",
      "Grams         (6) 888888",
      "Karat         (2) 99",
      "Color         (1) A",
      "Age           (2) BB",
      "Invoice #    (15) CCCCCCCCCCCCCCC",
      "Department    (3) DDD",
      "Cost         (12) EEEEEEEEEEEE",
      "Retail       (12) FFFFFFFFFFFF",
  };
  return lines;
}

ChangeOrder::ChangeOrder(common::Env& env, common::Messages& messages, TagWindowHost& host)
    : env_(env), messages_(messages), host_(host) {
  const FieldLayout& built_in = BuiltInFieldLayout();
  for (std::size_t i = 0; i < controls_.Text.size(); ++i) controls_.Text[i].text = built_in[i];
  controls_.Label2.caption = "Label for department";
  controls_.Label3.caption = "If you Save Change any layout the font will be Courier New";
  controls_.Label4.caption =
      "DEFAULT will be used for any department that is not specifically set for a different "
      "layout.";
  controls_.Label5.caption =
      "NOTE:  If you are using a bar code type of printer, use the left side of the layout "
      "screen only. This information will apperar on the right side of the tag and the bar "
      "code and stock # will be on the left..";
  controls_.Command1.caption = "Save Change";
  controls_.settoDefault.caption = "Set all back to default";
}

void ChangeOrder::Form_Load() {
  deptcount_ = ReadDepartmentCount(env_);
  controls_.fields.Clear();
  for (const char* line : FieldCatalogue()) controls_.fields.lines.push_back(line);
  controls_.Dept.items.clear();
  controls_.Dept.text.clear();
  controls_.Dept.list_index = -1;
  controls_.Dept.items.push_back(kDefaultDepartment);
  for (std::string& name : ListDepartments(env_, deptcount_)) {
    controls_.Dept.items.push_back(std::move(name));
  }
  SetDeptText(kDefaultDepartment);
  RememberShown();
}

void ChangeOrder::SetDeptText(const std::string& text) {
  if (controls_.Dept.text == text) return;
  controls_.Dept.text = text;
  Dept_Change();
}

std::string DepartmentRefusal(std::string_view text) {
  switch (CheckDepartmentText(text)) {
    case DepartmentText::kUsable:
      return std::string();
    case DepartmentText::kTooShort:
      return kNoDepartmentMessage;
    case DepartmentText::kLeadingDot:
      return "A department starting with \".\" would have a hidden layout file, so nothing saved";
    case DepartmentText::kUnsafeCharacter:
      break;
  }
  const char c = UnsafeInFileName(text.substr(0, 3)).value_or('?');
  const std::string what = static_cast<unsigned char>(c) < 0x20 ? std::string("a control character")
                                                                : "\"" + std::string(1, c) + "\"";
  return "The first three characters of the department name its layout file and can not hold " +
         what + ", so nothing saved";
}

bool ChangeOrder::DepartmentTextUsable() {
  const std::string refusal = DepartmentRefusal(controls_.Dept.text);
  if (refusal.empty()) return true;
  messages_.ShowMessage(refusal);
  return false;
}

void ChangeOrder::Dept_Change() {
  if (DepartmentTextUsable()) LoadDepartmentLayout();
}

void ChangeOrder::Dept_Click() {
  if (CheckDepartmentText(controls_.Dept.text) != DepartmentText::kUsable) return;
  LoadDepartmentLayout();
}

void ChangeOrder::LoadDepartmentLayout() {
  const std::string name = FieldLayoutFileName(controls_.Dept.text);
  // Without a file the boxes keep what they show, so a save that follows
  // gives this department the layout of the one shown before.
  if (!common::FileExists(env_, name)) return;
  FieldLayout layout = BoxTexts();
  ReadFieldLayout(env_, name, layout);
  for (std::size_t i = 0; i < layout.size(); ++i) controls_.Text[i].text = layout[i];
}

FieldLayout ChangeOrder::BoxTexts() const {
  FieldLayout layout;
  for (std::size_t i = 0; i < layout.size(); ++i) layout[i] = controls_.Text[i].text;
  return layout;
}

void ChangeOrder::Command1_Click() {
  if (!DepartmentTextUsable()) return;
  const std::string name = UpperCase(FieldLayoutFileName(controls_.Dept.text));
  SaveInTransaction(
      env_, kFieldLayoutSave,
      [&](common::Plan& plan) { plan.Write(name, common::kLineFileMostBytes); },
      [&](common::Env& env) { WriteFieldLayout(env, name, BoxTexts()); });
  host_.ProcessPendingEvents();
  CloseWindow();
}

void ChangeOrder::settoDefault_Click() {
  // Both questions delete files: No is their default.
  if (messages_.ShowMessage(kResetQuestion, common::Buttons::kYesNo, common::Icon::kQuestion,
                            common::Answer::kNo) != common::Answer::kYes) {
    messages_.ShowMessage(kNothingChanged);
    return;
  }
  // Each question's deletions are a transaction of their own, committed
  // before the next question waits; both backups are kept for --restore.
  std::vector<std::string> layouts;
  SaveInTransaction(
      env_, kDepartmentDefaultsSave,
      [&](common::Plan& plan) {
        deptcount_ = ReadDepartmentCount(env_);
        layouts = DepartmentFieldLayoutNames(env_, deptcount_);
        for (const std::string& name : layouts) plan.Delete(name);
      },
      [&](common::Env& env) {
        for (const std::string& name : layouts) common::DeleteIfPresent(env, name);
      });
  const common::Answer answer = messages_.ShowMessage(kDefaultQuestion, common::Buttons::kYesNo,
                                                      common::Icon::kQuestion, common::Answer::kNo);
  if (answer == common::Answer::kYes && common::FileExists(env_, kDefaultFieldLayoutFile)) {
    SaveInTransaction(
        env_, kDefaultFieldLayoutSave,
        [](common::Plan& plan) { plan.Delete(kDefaultFieldLayoutFile); },
        [](common::Env& env) { common::DeleteIfPresent(env, kDefaultFieldLayoutFile); });
  }
  CloseWindow();
}

void ChangeOrder::TypeDepartment(const std::string& text) {
  controls_.Dept.text = text;
  controls_.Dept.list_index = -1;
  Dept_Change();
}

void ChangeOrder::PickDepartment(int index) {
  if (index < 0 || index >= static_cast<int>(controls_.Dept.items.size())) return;
  controls_.Dept.list_index = index;
  controls_.Dept.text = controls_.Dept.items[index];
  Dept_Click();
  RememberShown();
}

void ChangeOrder::TypeLayoutBox(int box, const std::string& text) {
  if (box < 1 || box > static_cast<int>(controls_.Text.size())) return;
  controls_.Text[box - 1].text = text;
}

void ChangeOrder::CloseByFrame() { open_ = false; }

void ChangeOrder::Dept_GotFocus() { RememberShown(); }

void ChangeOrder::RememberShown() {
  shown_department_ = controls_.Dept.text;
  shown_index_ = controls_.Dept.list_index;
  shown_boxes_ = BoxTexts();
}

void ChangeOrder::RestoreDepartment() {
  controls_.Dept.text = shown_department_;
  controls_.Dept.list_index = shown_index_;
  for (std::size_t i = 0; i < shown_boxes_.size(); ++i) controls_.Text[i].text = shown_boxes_[i];
}

void ChangeOrder::CloseWindow() {
  open_ = false;
  host_.CloseChangeOrder();
}

}  // namespace tag
