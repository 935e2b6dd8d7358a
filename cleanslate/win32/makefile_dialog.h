// The Win32 window "makefile": the caption, the heading button Command1
// with the data directory under it, and the choice list List1 over a dark
// background with stones. It draws the state of MakefileWindow and turns a
// pick (one click, or the arrow keys and Enter) into List1_Click; every
// event procedure runs guarded by the host.

#ifndef CLEANSLATE_WIN32_MAKEFILE_DIALOG_H_
#define CLEANSLATE_WIN32_MAKEFILE_DIALOG_H_

#include <functional>
#include <string>

#include "cleanslate/action_context.h"
#include "cleanslate/makefile_window.h"
#include "common/app/win32/dialog_window.h"
#include "common/app/win32/win32_window_host.h"

namespace cleanslate {

class MakefileDialog : public common::DialogWindow, private common::WindowHost {
 public:
  MakefileDialog(const ActionContext& context, common::Win32WindowHost& host,
                 const std::string& data_directory);
  ~MakefileDialog() override;

  // Runs Form_Load; the window shows itself when the logic shows it.
  void Load();

 protected:
  void OnCreate() override;
  void Layout() override;
  bool OnCommand(int id, int code, HWND control) override;
  void OnClose() override;
  bool OnMessage(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) override;

 private:
  // The WindowHost the logic sees: the window is drawn before every
  // repaint; everything else goes to the real host.
  void ProcessPendingEvents() override;
  void SetBusyPointer(bool busy) override;
  void EndProgram() override;

  static LRESULT CALLBACK ListProc(HWND list, UINT message, WPARAM wparam, LPARAM lparam,
                                   UINT_PTR id, DWORD_PTR data);
  void Pick(int row);
  void Render();
  void Paint(HDC dc);

  common::Win32WindowHost& host_;
  MakefileWindow window_;
  HWND heading_ = nullptr;
  HWND data_directory_ = nullptr;
  HWND list_ = nullptr;
  HFONT heading_font_ = nullptr;
  HFONT list_font_ = nullptr;
  HBRUSH list_brush_ = nullptr;
  bool shown_ = false;
};

}  // namespace cleanslate

#endif  // CLEANSLATE_WIN32_MAKEFILE_DIALOG_H_
