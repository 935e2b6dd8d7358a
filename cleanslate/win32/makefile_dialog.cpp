#include "cleanslate/win32/makefile_dialog.h"

#include <commctrl.h>

#include <algorithm>
#include <cmath>

#include "common/app/win32/list_keys.h"
#include "common/app/win32/win32_text.h"

namespace cleanslate {

namespace {

constexpr int kHeadingId = 101;
constexpr int kDataDirectoryId = 102;
constexpr int kListId = 103;
constexpr COLORREF kGold = RGB(0xF2, 0xC1, 0x4E);

// A brilliant-cut stone seen from the side, in thin light lines.
void PaintGem(HDC dc, double cx, double cy, double width) {
  const double w = width / 2, crown = width * 0.22, pavilion = width * 0.55, table = w * 0.55;
  const auto at = [](double x, double y) {
    return POINT{static_cast<LONG>(std::lround(x)), static_cast<LONG>(std::lround(y))};
  };
  const POINT outline[] = {at(cx - w, cy), at(cx - table, cy - crown), at(cx + table, cy - crown),
                           at(cx + w, cy), at(cx, cy + pavilion),      at(cx - w, cy)};
  const HPEN pen = ::CreatePen(PS_SOLID, 1, RGB(0xB8, 0xC8, 0xE0));
  const HGDIOBJ old = ::SelectObject(dc, pen);
  ::Polyline(dc, outline, 6);
  const POINT girdle[] = {at(cx - w, cy), at(cx + w, cy)};
  ::Polyline(dc, girdle, 2);
  constexpr int kFacets = 6;
  for (int i = 0; i <= kFacets; ++i) {
    const double x = cx - table + 2 * table * i / kFacets;
    const double girdle_x = cx - w + 2 * w * i / kFacets;
    const POINT facet[] = {at(x, cy - crown), at(girdle_x, cy), at(cx, cy + pavilion)};
    ::Polyline(dc, facet, 3);
  }
  ::SelectObject(dc, old);
  ::DeleteObject(pen);
}

COLORREF Blend(COLORREF a, COLORREF b, double t) {
  const auto mix = [t](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * t)); };
  return RGB(mix(GetRValue(a), GetRValue(b)), mix(GetGValue(a), GetGValue(b)),
             mix(GetBValue(a), GetBValue(b)));
}

}  // namespace

MakefileDialog::MakefileDialog(const ActionContext& context, common::Win32WindowHost& host,
                               const std::string& data_directory)
    : common::DialogWindow(host), host_(host), window_(context, *this, data_directory) {}

MakefileDialog::~MakefileDialog() {
  Destroy();
  if (heading_font_ != nullptr) ::DeleteObject(heading_font_);
  if (list_font_ != nullptr) ::DeleteObject(list_font_);
  if (list_brush_ != nullptr) ::DeleteObject(list_brush_);
}

void MakefileDialog::OnCreate() {
  // A heading, not a control to work with: it takes no Tab stop, and a click
  // on it hands the focus back to the list.
  heading_ =
      AddControl(L"BUTTON", common::win32::FromText(kMakefileHeading), BS_PUSHBUTTON, kHeadingId);
  // The path is the system's text, not the data files'.
  // A long path is shortened in the middle; the whole of it shows as a tip.
  const std::wstring path = common::win32::Utf8ToWide(window_.DataDirectory.caption);
  data_directory_ =
      AddLabel(path, kDataDirectoryId, SS_CENTER | SS_NOPREFIX | SS_PATHELLIPSIS | SS_NOTIFY);
  AddToolTip(data_directory_, path);
  list_ =
      AddControl(L"LISTBOX", L"",
                 LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP | WS_BORDER, kListId);
  ::SetWindowSubclass(list_, ListProc, 0, reinterpret_cast<DWORD_PTR>(this));
  list_brush_ = ::CreateSolidBrush(RGB(0xFA, 0xFA, 0xFA));
  Render();
}

void MakefileDialog::Layout() {
  if (heading_font_ != nullptr) ::DeleteObject(heading_font_);
  heading_font_ = common::MakeFont(dpi(), L"Times New Roman", 20, true);
  ::SendMessageW(heading_, WM_SETFONT, reinterpret_cast<WPARAM>(heading_font_), FALSE);
  if (list_font_ != nullptr) ::DeleteObject(list_font_);
  LOGFONTW bigger{};
  ::GetObjectW(font(), sizeof bigger, &bigger);
  bigger.lfHeight = bigger.lfHeight * 11 / 10;
  list_font_ = ::CreateFontIndirectW(&bigger);
  ::SendMessageW(list_, WM_SETFONT, reinterpret_cast<WPARAM>(list_font_), FALSE);

  const int width = Scale(600);
  const int margin = Scale(40);
  const int heading_width =
      std::max(Scale(280), TextWidth(L"Zeroing Files", heading_font_) + Scale(48));
  const int heading_height = Scale(56);
  int y = Scale(28);
  Place(heading_, (width - heading_width) / 2, y, heading_width, heading_height);
  y += heading_height + Scale(12);
  const int line = LineHeight(font());
  ::ShowWindow(data_directory_, window_.DataDirectory.caption.empty() ? SW_HIDE : SW_SHOW);
  Place(data_directory_, margin / 2, y, width - margin, line + Scale(4));
  y += line + Scale(20);
  // Tall enough for every line, so the list never scrolls.
  const int item = static_cast<int>(::SendMessageW(list_, LB_GETITEMHEIGHT, 0, 0));
  const int rows = std::max(14, static_cast<int>(::SendMessageW(list_, LB_GETCOUNT, 0, 0)));
  int list_width = Scale(300);
  for (const std::string& text : window_.List1.lines) {
    list_width =
        std::max(list_width, TextWidth(common::win32::FromText(text), list_font_) + Scale(32));
  }
  list_width = std::min(list_width, width - margin);
  Place(list_, (width - list_width) / 2, y, list_width, rows * item + Scale(6));
  y += rows * item + Scale(6);
  SetClientSize(width, std::max(y + Scale(150), Scale(600)));
}

void MakefileDialog::Load() {
  host_.Run([this] { window_.Form_Load(); });
  Render();
}

void MakefileDialog::Pick(int row) {
  // One gesture can give a click and an activation: only the first counts.
  if (host_.running() || host_.ended() || row < 0) return;
  window_.List1.list_index = row;
  host_.Run([this] { window_.List1_Click(); });
  Render();
}

void MakefileDialog::Render() {
  if (hwnd() == nullptr) return;
  const common::ListBox& box = window_.List1;
  const int count = static_cast<int>(::SendMessageW(list_, LB_GETCOUNT, 0, 0));
  bool same = count == static_cast<int>(box.lines.size());
  if (!same) {
    ::SendMessageW(list_, LB_RESETCONTENT, 0, 0);
    for (const std::string& line : box.lines) {
      const std::wstring text = common::win32::FromText(line);
      ::SendMessageW(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    Layout();
  }
  if (static_cast<int>(::SendMessageW(list_, LB_GETCURSEL, 0, 0)) != box.list_index) {
    ::SendMessageW(list_, LB_SETCURSEL, static_cast<WPARAM>(box.list_index), 0);
  }
  ::ShowWindow(list_, box.visible ? SW_SHOW : SW_HIDE);
  if (window_.visible() && !shown_ && !host_.ended()) {
    shown_ = true;
    ::ShowWindow(hwnd(), SW_SHOW);
    ::SetForegroundWindow(hwnd());
    // No line is picked yet: the first arrow key selects one.
    Focus(list_);
  }
  ::UpdateWindow(hwnd());
}

void MakefileDialog::ProcessPendingEvents() {
  Render();
  host_.ProcessPendingEvents();
}

void MakefileDialog::SetBusyPointer(bool busy) { host_.SetBusyPointer(busy); }

void MakefileDialog::EndProgram() { host_.EndProgram(); }

bool MakefileDialog::OnCommand(int id, int code, HWND /*control*/) {
  if (id == IDOK) {
    // Enter: the list picks its selected line.
    if (::GetFocus() == list_) {
      Pick(static_cast<int>(::SendMessageW(list_, LB_GETCURSEL, 0, 0)));
    }
    return true;
  }
  if (id == kHeadingId && code == BN_CLICKED) {
    Focus(list_);
    return true;
  }
  return false;
}

void MakefileDialog::OnClose() {
  // Closing the window ends the program with no file touched; while an
  // action runs, the action ends it.
  host_.WhenIdle([this] {
    if (!host_.ended()) host_.EndProgram();
  });
}

bool MakefileDialog::OnMessage(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) {
  switch (message) {
    case WM_ERASEBKGND:
      Paint(reinterpret_cast<HDC>(wparam));
      result = TRUE;
      return true;
    case WM_CTLCOLORSTATIC:
      if (reinterpret_cast<HWND>(lparam) == data_directory_) {
        const HDC dc = reinterpret_cast<HDC>(wparam);
        ::SetTextColor(dc, RGB(0xFF, 0xFF, 0xFF));
        ::SetBkMode(dc, TRANSPARENT);
        result = reinterpret_cast<LRESULT>(::GetStockObject(NULL_BRUSH));
        return true;
      }
      return false;
    case WM_CTLCOLORLISTBOX:
      result = reinterpret_cast<LRESULT>(list_brush_);
      return true;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      const HDC dc = ::BeginPaint(hwnd(), &paint);
      // The list's focus frame, gold against the dark background.
      if (::IsWindowVisible(list_)) {
        RECT frame;
        ::GetWindowRect(list_, &frame);
        ::MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(&frame), 2);
        ::InflateRect(&frame, Scale(3), Scale(3));
        const HBRUSH brush = ::CreateSolidBrush(::GetFocus() == list_ ? kGold : RGB(90, 100, 130));
        ::FrameRect(dc, &frame, brush);
        ::InflateRect(&frame, -1, -1);
        ::FrameRect(dc, &frame, brush);
        ::DeleteObject(brush);
      }
      ::EndPaint(hwnd(), &paint);
      result = 0;
      return true;
    }
    default:
      return false;
  }
}

void MakefileDialog::Paint(HDC dc) {
  RECT area;
  ::GetClientRect(hwnd(), &area);
  const int height = std::max(1, static_cast<int>(area.bottom));
  // A night sky from deep blue to violet, in bands.
  const COLORREF top = RGB(12, 24, 58), middle = RGB(30, 62, 110), bottom = RGB(70, 40, 90);
  constexpr int kBands = 64;
  for (int band = 0; band < kBands; ++band) {
    const double t = static_cast<double>(band) / (kBands - 1);
    const COLORREF colour =
        t < 0.6 ? Blend(top, middle, t / 0.6) : Blend(middle, bottom, (t - 0.6) / 0.4);
    RECT strip{0, height * band / kBands, area.right, height * (band + 1) / kBands};
    const HBRUSH brush = ::CreateSolidBrush(colour);
    ::FillRect(dc, &strip, brush);
    ::DeleteObject(brush);
  }
  const double w = area.right, h = height;
  PaintGem(dc, w * 0.20, h * 0.84, w * 0.22);
  PaintGem(dc, w * 0.80, h * 0.82, w * 0.18);
  PaintGem(dc, w * 0.50, h * 0.86, w * 0.12);
}

LRESULT CALLBACK MakefileDialog::ListProc(HWND list, UINT message, WPARAM wparam, LPARAM lparam,
                                          UINT_PTR /*id*/, DWORD_PTR data) {
  auto* self = reinterpret_cast<MakefileDialog*>(data);
  switch (message) {
    case WM_KEYDOWN:
      // From no line selected, Down and Home select the first line, Up and
      // End the last; selecting is no pick.
      if (const std::optional<int> row = common::LineForKeyWithoutSelection(list, wparam)) {
        ::SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(*row), 0);
        self->window_.List1.list_index = *row;
        return 0;
      }
      break;
    case WM_LBUTTONUP: {
      // One click picks the line under the pointer.
      const LRESULT result = ::DefSubclassProc(list, message, wparam, lparam);
      const LRESULT hit = ::SendMessageW(list, LB_ITEMFROMPOINT, 0, lparam);
      if (HIWORD(hit) == 0) self->Pick(LOWORD(hit));
      return result;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      ::InvalidateRect(self->hwnd(), nullptr, FALSE);
      break;
    case WM_NCDESTROY:
      ::RemoveWindowSubclass(list, ListProc, 0);
      break;
    default:
      break;
  }
  return ::DefSubclassProc(list, message, wparam, lparam);
}

}  // namespace cleanslate
