// DialogWindow: a top-level window of the Win32 front ends, a modeless
// dialog built in code (no resource script), so that the dialog manager
// gives it the keys a Windows user expects: Tab and Shift+Tab through the
// controls in the order they were made, Alt with an underlined letter,
// Enter on the focused button. Sizes are given in pixels at 96 DPI and
// scaled to the monitor the window is on; the window lays its controls out
// again when it moves to a monitor of another DPI.

#ifndef COMMON_APP_WIN32_DIALOG_WINDOW_H_
#define COMMON_APP_WIN32_DIALOG_WINDOW_H_

#include <windows.h>

#include <string>

namespace common {

class Win32WindowHost;

class DialogWindow {
 public:
  explicit DialogWindow(Win32WindowHost& host) : host_(host) {}
  virtual ~DialogWindow();

  DialogWindow(const DialogWindow&) = delete;
  DialogWindow& operator=(const DialogWindow&) = delete;

  // Makes the window, hidden, owned by `owner` (null for none), and its
  // controls (OnCreate). False when Windows refused.
  bool Create(HWND owner, const std::wstring& caption, bool resizable = false);
  void Destroy();

  HWND hwnd() const { return hwnd_; }
  HWND Item(int id) const { return ::GetDlgItem(hwnd_, id); }
  // Moves the keyboard focus to `control` as the dialog manager does (an
  // edit box then has its text selected).
  void Focus(HWND control);
  // Pixels on this window's monitor for `pixels` at 96 DPI.
  int Scale(int pixels) const { return ::MulDiv(pixels, static_cast<int>(dpi_), 96); }
  UINT dpi() const { return dpi_; }
  HFONT font() const { return font_; }
  HFONT fixed_font() const { return fixed_font_; }
  Win32WindowHost& host() { return host_; }

 protected:
  // Makes the controls; called once, by Create.
  virtual void OnCreate() = 0;
  // Places the controls for the DPI and sets the window's client size.
  virtual void Layout() = 0;
  // WM_COMMAND; true when handled.
  virtual bool OnCommand(int /*id*/, int /*code*/, HWND /*control*/) { return false; }
  // The frame's close button or Alt+F4.
  virtual void OnClose() {}
  // Escape (IDCANCEL from the dialog manager); nothing by default.
  virtual void OnEscape() {}
  // Any other message; true when handled, with `result` the answer.
  virtual bool OnMessage(UINT /*message*/, WPARAM /*wparam*/, LPARAM /*lparam*/,
                         LRESULT& /*result*/) {
    return false;
  }

  // A child control of class `window_class` with `id`; its font is the
  // window's. WS_CHILD | WS_VISIBLE are added.
  HWND AddControl(const wchar_t* window_class, const std::wstring& text, DWORD style, int id,
                  DWORD ex_style = 0);
  HWND AddLabel(const std::wstring& text, int id, DWORD style = 0);
  HWND AddButton(const std::wstring& text, int id, DWORD style = 0);
  HWND AddEdit(int id, DWORD style = 0);
  // Shows `text` when the pointer rests on `control` (a label needs
  // SS_NOTIFY).
  void AddToolTip(HWND control, const std::wstring& text);
  // Places `control` at (x, y) with size (width, height), all in pixels.
  void Place(HWND control, int x, int y, int width, int height);
  // Sets the client area's size in pixels, keeping the window's position.
  void SetClientSize(int width, int height);
  // The height in pixels of `text` wrapped to `width` pixels in `font`.
  int TextHeight(const std::wstring& text, int width, HFONT font) const;
  int TextWidth(const std::wstring& text, HFONT font) const;
  // One line's height of `font`, and the width of its average character.
  int LineHeight(HFONT font) const;
  int CharWidth(HFONT font) const;

 private:
  static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  INT_PTR Handle(UINT message, WPARAM wparam, LPARAM lparam);
  void MakeFonts();
  void FreeFonts();

  Win32WindowHost& host_;
  HWND hwnd_ = nullptr;
  UINT dpi_ = 96;
  HFONT font_ = nullptr;
  HFONT fixed_font_ = nullptr;
  HWND tooltips_ = nullptr;
  std::wstring tooltip_text_;  // the text the tool tip window points at
};

// The DPI of `window`'s monitor (of the screen before Windows 10).
UINT WindowDpi(HWND window);

// A font for `dpi`: the system's message font when `face` is null, else
// `face` at `points` (a fixed-pitch face when `fixed`: Courier New, or
// where it is missing any fixed-pitch face the system has).
HFONT MakeFont(UINT dpi, const wchar_t* face = nullptr, int points = 0, bool bold = false,
               bool fixed = false);

// Whether a font family of that name is installed.
bool FontInstalled(const wchar_t* face);

}  // namespace common

#endif  // COMMON_APP_WIN32_DIALOG_WINDOW_H_
