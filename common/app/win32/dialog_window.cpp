#include "common/app/win32/dialog_window.h"

#include <commctrl.h>

#include <algorithm>

#include "common/app/win32/win32_window_host.h"

namespace common {

namespace {

// A dialog template with no controls and no font: the window makes its
// controls and fonts itself, for the DPI of its monitor.
struct alignas(4) EmptyDialogTemplate {
  DLGTEMPLATE dialog;
  WORD menu = 0;
  WORD window_class = 0;
  WORD title = 0;
};

bool IsColourMessage(UINT message) {
  return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
}

int CALLBACK FoundFont(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
  *reinterpret_cast<bool*>(found) = true;
  return 0;
}

UINT ScreenDpi() {
  const HDC screen = ::GetDC(nullptr);
  const int dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
  ::ReleaseDC(nullptr, screen);
  return dpi > 0 ? static_cast<UINT>(dpi) : 96;
}

}  // namespace

UINT WindowDpi(HWND window) {
  using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
  static const auto get_dpi = reinterpret_cast<GetDpiForWindowFunction>(reinterpret_cast<void*>(
      ::GetProcAddress(::GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
  const UINT dpi = get_dpi != nullptr && window != nullptr ? get_dpi(window) : 0;
  return dpi != 0 ? dpi : ScreenDpi();
}

bool FontInstalled(const wchar_t* face) {
  LOGFONTW wanted{};
  wanted.lfCharSet = DEFAULT_CHARSET;
  lstrcpynW(wanted.lfFaceName, face, LF_FACESIZE);
  bool found = false;
  const HDC screen = ::GetDC(nullptr);
  ::EnumFontFamiliesExW(screen, &wanted, FoundFont, reinterpret_cast<LPARAM>(&found), 0);
  ::ReleaseDC(nullptr, screen);
  return found;
}

HFONT MakeFont(UINT dpi, const wchar_t* face, int points, bool bold, bool fixed) {
  LOGFONTW font{};
  if (face == nullptr) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
      font = metrics.lfMessageFont;
      font.lfHeight = ::MulDiv(font.lfHeight, static_cast<int>(dpi), static_cast<int>(ScreenDpi()));
    } else {
      font.lfHeight = -::MulDiv(9, static_cast<int>(dpi), 72);
      lstrcpynW(font.lfFaceName, L"Segoe UI", LF_FACESIZE);
    }
  } else {
    font.lfHeight = -::MulDiv(points, static_cast<int>(dpi), 72);
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfQuality = CLEARTYPE_QUALITY;
    if (fixed) {
      // Courier New; else its metric twin; else whatever fixed-pitch face
      // the system offers for an empty name.
      font.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
      const wchar_t* chosen = FontInstalled(face)                 ? face
                              : FontInstalled(L"Liberation Mono") ? L"Liberation Mono"
                                                                  : L"";
      lstrcpynW(font.lfFaceName, chosen, LF_FACESIZE);
    } else {
      lstrcpynW(font.lfFaceName, face, LF_FACESIZE);
    }
  }
  if (bold) font.lfWeight = FW_BOLD;
  return ::CreateFontIndirectW(&font);
}

DialogWindow::~DialogWindow() {
  Destroy();
  FreeFonts();
}

bool DialogWindow::Create(HWND owner, const std::wstring& caption, bool resizable) {
  static EmptyDialogTemplate normal{}, sizable{};
  EmptyDialogTemplate& chosen = resizable ? sizable : normal;
  chosen.dialog.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | DS_3DLOOK |
                        DS_CENTER | (resizable ? WS_THICKFRAME | WS_MAXIMIZEBOX : 0);
  // An unowned window stands in the taskbar.
  chosen.dialog.dwExtendedStyle = owner == nullptr ? WS_EX_APPWINDOW : 0;
  chosen.dialog.cx = 200;
  chosen.dialog.cy = 100;
  hwnd_ = ::CreateDialogIndirectParamW(::GetModuleHandleW(nullptr), &chosen.dialog, owner,
                                       DialogProc, reinterpret_cast<LPARAM>(this));
  if (hwnd_ == nullptr) return false;
  ::SetWindowTextW(hwnd_, caption.c_str());
  host_.AddDialog(hwnd_);
  // Laid out at its real size only now: centred on its owner, or on the
  // screen, inside the work area.
  RECT frame, over;
  ::GetWindowRect(hwnd_, &frame);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  ::GetMonitorInfoW(::MonitorFromWindow(owner != nullptr ? owner : hwnd_, MONITOR_DEFAULTTOPRIMARY),
                    &monitor);
  if (owner == nullptr || !::GetWindowRect(owner, &over)) over = monitor.rcWork;
  const int width = frame.right - frame.left, height = frame.bottom - frame.top;
  int x = (over.left + over.right - width) / 2, y = (over.top + over.bottom - height) / 2;
  x = std::max<int>(monitor.rcWork.left, std::min<int>(x, monitor.rcWork.right - width));
  y = std::max<int>(monitor.rcWork.top, std::min<int>(y, monitor.rcWork.bottom - height));
  ::SetWindowPos(hwnd_, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  return true;
}

void DialogWindow::Destroy() {
  if (hwnd_ == nullptr) return;
  const HWND window = hwnd_;
  host_.RemoveDialog(window);
  ::SetWindowLongPtrW(window, DWLP_USER, 0);
  hwnd_ = nullptr;
  ::DestroyWindow(window);
}

void DialogWindow::Focus(HWND control) {
  if (hwnd_ != nullptr && control != nullptr) {
    ::SendMessageW(hwnd_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
  }
}

void DialogWindow::MakeFonts() {
  FreeFonts();
  font_ = MakeFont(dpi_);
  fixed_font_ = MakeFont(dpi_, L"Courier New", 10, false, true);
}

void DialogWindow::FreeFonts() {
  if (font_ != nullptr) ::DeleteObject(font_);
  if (fixed_font_ != nullptr) ::DeleteObject(fixed_font_);
  font_ = fixed_font_ = nullptr;
}

HWND DialogWindow::AddControl(const wchar_t* window_class, const std::wstring& text, DWORD style,
                              int id, DWORD ex_style) {
  const HWND control = ::CreateWindowExW(
      ex_style, window_class, text.c_str(), WS_CHILD | WS_VISIBLE | style, 0, 0, 10, 10, hwnd_,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ::GetModuleHandleW(nullptr), nullptr);
  ::SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  return control;
}

HWND DialogWindow::AddLabel(const std::wstring& text, int id, DWORD style) {
  return AddControl(L"STATIC", text, SS_LEFT | style, id);
}

HWND DialogWindow::AddButton(const std::wstring& text, int id, DWORD style) {
  return AddControl(L"BUTTON", text, BS_PUSHBUTTON | WS_TABSTOP | style, id);
}

HWND DialogWindow::AddEdit(int id, DWORD style) {
  return AddControl(L"EDIT", L"", ES_AUTOHSCROLL | WS_TABSTOP | style, id, WS_EX_CLIENTEDGE);
}

void DialogWindow::AddToolTip(HWND control, const std::wstring& text) {
  if (tooltips_ == nullptr) {
    tooltips_ = ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                  WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT,
                                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr,
                                  ::GetModuleHandleW(nullptr), nullptr);
  }
  if (tooltips_ == nullptr) return;
  tooltip_text_ = text;
  TOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = hwnd_;
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = tooltip_text_.data();
  ::SendMessageW(tooltips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  ::SendMessageW(tooltips_, TTM_SETMAXTIPWIDTH, 0, Scale(600));
}

void DialogWindow::Place(HWND control, int x, int y, int width, int height) {
  ::SetWindowPos(control, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void DialogWindow::SetClientSize(int width, int height) {
  RECT window, client;
  ::GetWindowRect(hwnd_, &window);
  ::GetClientRect(hwnd_, &client);
  const int frame_x = (window.right - window.left) - (client.right - client.left);
  const int frame_y = (window.bottom - window.top) - (client.bottom - client.top);
  ::SetWindowPos(hwnd_, nullptr, 0, 0, width + frame_x, height + frame_y,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int DialogWindow::TextHeight(const std::wstring& text, int width, HFONT font) const {
  const HDC dc = ::GetDC(hwnd_);
  const HGDIOBJ old = ::SelectObject(dc, font);
  RECT rect{0, 0, width, 0};
  ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect,
              DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
  ::SelectObject(dc, old);
  ::ReleaseDC(hwnd_, dc);
  return rect.bottom - rect.top;
}

int DialogWindow::TextWidth(const std::wstring& text, HFONT font) const {
  const HDC dc = ::GetDC(hwnd_);
  const HGDIOBJ old = ::SelectObject(dc, font);
  SIZE size{};
  ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  ::SelectObject(dc, old);
  ::ReleaseDC(hwnd_, dc);
  return size.cx;
}

int DialogWindow::LineHeight(HFONT font) const {
  const HDC dc = ::GetDC(hwnd_);
  const HGDIOBJ old = ::SelectObject(dc, font);
  TEXTMETRICW metrics{};
  ::GetTextMetricsW(dc, &metrics);
  ::SelectObject(dc, old);
  ::ReleaseDC(hwnd_, dc);
  return metrics.tmHeight + metrics.tmExternalLeading;
}

int DialogWindow::CharWidth(HFONT font) const {
  const HDC dc = ::GetDC(hwnd_);
  const HGDIOBJ old = ::SelectObject(dc, font);
  TEXTMETRICW metrics{};
  ::GetTextMetricsW(dc, &metrics);
  ::SelectObject(dc, old);
  ::ReleaseDC(hwnd_, dc);
  return metrics.tmAveCharWidth;
}

INT_PTR CALLBACK DialogWindow::DialogProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_INITDIALOG) {
    auto* self = reinterpret_cast<DialogWindow*>(lparam);
    ::SetWindowLongPtrW(window, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
    self->hwnd_ = window;
    self->dpi_ = WindowDpi(window);
    self->MakeFonts();
    self->OnCreate();
    self->Layout();
    return FALSE;  // the window sets the focus itself when it shows
  }
  auto* self = reinterpret_cast<DialogWindow*>(::GetWindowLongPtrW(window, DWLP_USER));
  if (self == nullptr) return FALSE;
  return self->Handle(message, wparam, lparam);
}

INT_PTR DialogWindow::Handle(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_COMMAND: {
      const int id = LOWORD(wparam);
      const int code = HIWORD(wparam);
      const auto control = reinterpret_cast<HWND>(lparam);
      if (id == IDCANCEL && (control == nullptr || code == BN_CLICKED)) {
        OnEscape();
        return TRUE;
      }
      // Enter with no default button: the focused control decides.
      return OnCommand(id, code, control) ? TRUE : FALSE;
    }
    case WM_CLOSE:
      OnClose();
      return TRUE;
    case WM_QUERYENDSESSION:
      ::SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, host_.SessionMayEnd() ? TRUE : FALSE);
      return TRUE;
    case WM_SETCURSOR:
      if (host_.SetCursorFor(hwnd_)) {
        ::SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, TRUE);
        return TRUE;
      }
      return FALSE;
    case 0x02E0: {  // WM_DPICHANGED
      dpi_ = HIWORD(wparam);
      // Each control keeps its kind of font, at the new size; a control
      // with a font of its own gets it anew from Layout.
      const HFONT old_font = font_;
      const HFONT old_fixed = fixed_font_;
      font_ = fixed_font_ = nullptr;
      MakeFonts();
      for (HWND child = ::GetWindow(hwnd_, GW_CHILD); child != nullptr;
           child = ::GetWindow(child, GW_HWNDNEXT)) {
        const auto current = reinterpret_cast<HFONT>(::SendMessageW(child, WM_GETFONT, 0, 0));
        if (current == old_fixed) {
          ::SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(fixed_font_), FALSE);
        } else if (current == old_font) {
          ::SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
        }
      }
      if (old_font != nullptr) ::DeleteObject(old_font);
      if (old_fixed != nullptr) ::DeleteObject(old_fixed);
      const auto* suggested = reinterpret_cast<const RECT*>(lparam);
      ::SetWindowPos(hwnd_, nullptr, suggested->left, suggested->top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      Layout();
      ::InvalidateRect(hwnd_, nullptr, TRUE);
      return TRUE;
    }
    default:
      break;
  }
  LRESULT result = 0;
  if (!OnMessage(message, wparam, lparam, result)) return FALSE;
  if (IsColourMessage(message)) return static_cast<INT_PTR>(result);
  ::SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, result);
  return TRUE;
}

}  // namespace common
