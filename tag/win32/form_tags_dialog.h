// FormTagsDialog: the Win32 window of formTags. It draws the window state of
// its FormTags logic and turns what the user does into its event procedures.
// The change box reports its focus events for moves between the controls of
// the window; a message box or another window taking the focus for a while
// is no such move. Enter in the change box goes back to the settings list,
// which stores the value as leaving the box any other way does. Tab follows
// the columns, left to right and each from the top; Alt+S "Save Change",
// Alt+X "Save/Exit", Alt+O "Change Order", Alt+M the micro-adjust check
// box, Alt+F the factor box, Alt+C the change box, Alt+P the list, Alt+V
// (and Ctrl+I) "Preview with items".

#ifndef TAG_WIN32_FORM_TAGS_DIALOG_H_
#define TAG_WIN32_FORM_TAGS_DIALOG_H_

#include "common/app/win32/dialog_window.h"
#include "tag/form_tags.h"
#include "tag/win32/tag_win32_app.h"

namespace tag {

class FormTagsDialog : public common::DialogWindow {
 public:
  FormTagsDialog(FormTags& logic, TagWindows& windows, common::Win32WindowHost& host);
  ~FormTagsDialog() override;

  void Render();
  void FocusChangeBox();
  void FocusSettingsList();

 protected:
  void OnCreate() override;
  void Layout() override;
  bool OnCommand(int id, int code, HWND control) override;
  void OnClose() override;
  bool OnMessage(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) override;

 private:
  static LRESULT CALLBACK ListProc(HWND list, UINT message, WPARAM wparam, LPARAM lparam,
                                   UINT_PTR id, DWORD_PTR data);
  static LRESULT CALLBACK ChangeBoxProc(HWND box, UINT message, WPARAM wparam, LPARAM lparam,
                                        UINT_PTR id, DWORD_PTR data);
  void RunProcedure(const std::function<void()>& procedure);
  // Whether `other` is a control of this window: the focus moves between
  // the window's own controls.
  bool OwnControl(HWND other) const;
  void PaintPreview(HDC dc);
  int Twips(int twips) const;

  FormTags& logic_;
  TagWindows& windows_;
  HWND list_ = nullptr, tabbox_ = nullptr, commandset_ = nullptr, microadjust_ = nullptr;
  HWND factor_ = nullptr, factor_label_ = nullptr, data_directory_ = nullptr;
  HBRUSH grey_ = nullptr;
  RECT preview_{};
  POINT placed_{};  // where the window stood when it last moved
  bool placed_known_ = false;
  bool rendering_ = false;
  bool mouse_down_ = false;
  bool row_changed_ = false;
};

}  // namespace tag

#endif  // TAG_WIN32_FORM_TAGS_DIALOG_H_
