// ChangeOrder: the logic of the department tag field order window. It lists
// the field catalogue and the departments, loads a department's field layout
// into the six layout boxes, saves it, and sets every department back to
// the default layout. Its only results are files.

#ifndef TAG_CHANGE_ORDER_H_
#define TAG_CHANGE_ORDER_H_

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "common/app/controls.h"
#include "common/app/messages.h"
#include "common/platform/env.h"
#include "tag/field_layout_file.h"
#include "tag/tag_window_host.h"

namespace tag {

inline constexpr char kChangeOrderCaption[] = "Change Tag Printing Order of Information";
inline constexpr char kNoDepartmentMessage[] = "No department so nothing saved";

// What the window says of a department text that names no layout file, or
// the empty text when `text` is usable.
std::string DepartmentRefusal(std::string_view text);

struct ChangeOrderControls {
  common::ListBox fields;                             // the field catalogue
  std::array<common::TextBox, kLayoutBoxCount> Text;  // Text1 to Text6 at indexes 0 to 5
  common::ComboBox Dept;
  common::Label Label1, Label2, Label3, Label4, Label5;
  common::Button Command1, settoDefault;
};

class ChangeOrder {
 public:
  // The window as created, before Form_Load: the built-in layout in the
  // boxes, the fixed captions, the lists empty.
  ChangeOrder(common::Env& env, common::Messages& messages, TagWindowHost& host);

  ChangeOrder(const ChangeOrder&) = delete;
  ChangeOrder& operator=(const ChangeOrder&) = delete;

  // Event procedures.
  void Form_Load();
  void Dept_Change();
  void Dept_Click();
  void Command1_Click();      // "Save Change"
  void settoDefault_Click();  // "Set all back to default"

  // What the user does, as the front ends report it.
  void TypeDepartment(const std::string& text);          // a typed change of Dept: Dept_Change
  void PickDepartment(int index);                        // an item of Dept picked: Dept_Click
  void TypeLayoutBox(int box, const std::string& text);  // box 1 to 6; no event
  void CloseByFrame();

  // The department box got the focus from another control (not from a
  // message or another window coming and going): Escape will go back to
  // what the window shows now.
  void Dept_GotFocus();
  // Escape in the department box: the department text and the six layout
  // boxes go back to what they were when the box got the focus, or when a
  // department was last picked, whichever came later. No Dept_Change follows:
  // the layout is the one that was shown with that department.
  void RestoreDepartment();

  // What the opener does: the caption of Label1.
  void SetLabel1Caption(const std::string& caption) { controls_.Label1.caption = caption; }

  bool open() const { return open_; }
  std::int16_t deptcount() const { return deptcount_; }
  const ChangeOrderControls& controls() const { return controls_; }

 private:
  // The program setting the department text fires Dept_Change when it changes.
  void SetDeptText(const std::string& text);
  // False, after saying why, when the department text names no layout file.
  bool DepartmentTextUsable();
  void LoadDepartmentLayout();
  FieldLayout BoxTexts() const;
  void CloseWindow();
  void RememberShown();

  common::Env& env_;
  common::Messages& messages_;
  TagWindowHost& host_;
  ChangeOrderControls controls_;
  std::int16_t deptcount_ = 0;
  bool open_ = true;
  // What RestoreDepartment goes back to.
  std::string shown_department_;
  int shown_index_ = -1;
  FieldLayout shown_boxes_;
};

// The lines of the field catalogue, in key order 1 to 9, then A to F.
const std::array<const char*, 15>& FieldCatalogue();

}  // namespace tag

#endif  // TAG_CHANGE_ORDER_H_
