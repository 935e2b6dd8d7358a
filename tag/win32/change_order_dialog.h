// ChangeOrderDialog: the Win32 window of the department tag field order. It
// draws the window state of its ChangeOrder logic and turns what the user
// does into its event procedures. Tab follows the reading order; Alt+S
// "Save Change", Alt+A "Set all back to default", Alt+L the department box,
// Alt+V (and Ctrl+I) "Preview with items". Entering the department box
// from another control selects its text, so typing replaces it; Escape in
// it goes back to the department shown. The catalogue and the six layout
// boxes are in Courier New, or where it is missing a fixed-pitch face.

#ifndef TAG_WIN32_CHANGE_ORDER_DIALOG_H_
#define TAG_WIN32_CHANGE_ORDER_DIALOG_H_

#include <array>

#include "common/app/win32/dialog_window.h"
#include "tag/change_order.h"
#include "tag/field_layout_file.h"
#include "tag/win32/tag_win32_app.h"

namespace tag {

class ChangeOrderDialog : public common::DialogWindow {
 public:
  ChangeOrderDialog(ChangeOrder& logic, TagWindows& windows, common::Win32WindowHost& host);
  ~ChangeOrderDialog() override;

  void Render();
  // Gives the department box the focus, its text selected: typing replaces it.
  void FocusDepartment();
  // Places the window beside `form`, inside the screen's work area.
  void PlaceBeside(HWND form);
  ChangeOrder& logic() { return logic_; }
  // The six layout boxes as the logic holds them.
  FieldLayout Boxes() const;

 protected:
  void OnCreate() override;
  void Layout() override;
  bool OnCommand(int id, int code, HWND control) override;
  void OnClose() override;
  void OnEscape() override;

 private:
  static LRESULT CALLBACK DepartmentEditProc(HWND edit, UINT message, WPARAM wparam, LPARAM lparam,
                                             UINT_PTR id, DWORD_PTR data);
  void RunProcedure(const std::function<void()>& procedure);

  ChangeOrder& logic_;
  TagWindows& windows_;
  HWND fields_ = nullptr;
  std::array<HWND, 6> text_{};
  HWND dept_ = nullptr;
  HWND dept_edit_ = nullptr;  // the typing part of the department box
  HWND label1_ = nullptr;
  bool rendering_ = false;
};

}  // namespace tag

#endif  // TAG_WIN32_CHANGE_ORDER_DIALOG_H_
