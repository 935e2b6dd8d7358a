#include "tag/win32/form_tags_dialog.h"

#include <commctrl.h>

#include <algorithm>

#include "common/app/win32/list_keys.h"
#include "common/app/win32/win32_text.h"

namespace tag {

namespace {

using common::win32::FromText;
using common::win32::ToText;
using common::win32::WindowText;

enum Control {
  kLabel12 = 201,
  kTabbox,
  kCommand1,
  kLabel14,
  kCommand2,
  kCommandset,
  kLabel7,
  kList1,
  kLabel8,
  kMicroadjust,
  kFactorCaption,
  kFactor,
  kSave,
  kDataDirectory,
  kPreviewButton,
};

constexpr int kPreviewWidthTwips = 9600;
constexpr COLORREF kFaceGrey = RGB(0xC0, 0xC0, 0xC0);

// `caption` with '&' before its first `key`, the Alt key Windows underlines.
std::wstring WithMnemonic(const std::string& caption, char key) {
  std::wstring text = FromText(caption);
  std::wstring out;
  bool marked = false;
  for (wchar_t c : text) {
    if (c == L'&') out += L'&';
    if (!marked && c == static_cast<wchar_t>(key)) {
      out += L'&';
      marked = true;
    }
    out += c;
  }
  return out;
}

void SetTextIfDifferent(HWND control, const std::wstring& text) {
  if (WindowText(control) != text) ::SetWindowTextW(control, text.c_str());
}

}  // namespace

FormTagsDialog::FormTagsDialog(FormTags& logic, TagWindows& windows, common::Win32WindowHost& host)
    : common::DialogWindow(host), logic_(logic), windows_(windows) {}

FormTagsDialog::~FormTagsDialog() {
  Destroy();
  if (grey_ != nullptr) ::DeleteObject(grey_);
}

void FormTagsDialog::OnCreate() {
  const FormTagsControls& c = logic_.controls();
  grey_ = ::CreateSolidBrush(kFaceGrey);
  // Made in the order Tab goes through them; a label with an Alt key comes
  // right before the control it leads to.
  AddLabel(WithMnemonic(c.Label12.caption, 'C'), kLabel12);
  tabbox_ = AddEdit(kTabbox);
  AddButton(WithMnemonic(c.Command1.caption, 'S'), kCommand1);
  AddLabel(FromText(c.Label14.caption), kLabel14, SS_NOPREFIX);
  AddButton(WithMnemonic(c.Command2.caption, 'O'), kCommand2);
  commandset_ = AddLabel(L"", kCommandset, SS_CENTER | SS_NOPREFIX | SS_CENTERIMAGE);
  AddLabel(WithMnemonic(c.Label7.caption, 'P'), kLabel7);
  list_ = AddControl(L"LISTBOX", L"", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP,
                     kList1, WS_EX_CLIENTEDGE);
  AddLabel(FromText(c.Label8.caption), kLabel8, SS_NOPREFIX);
  microadjust_ = AddControl(L"BUTTON", WithMnemonic(c.microadjust.caption, 'M'),
                            BS_CHECKBOX | BS_MULTILINE | WS_TABSTOP, kMicroadjust);
  factor_label_ = AddLabel(WithMnemonic(kFactorLabel, 'f'), kFactorCaption);
  factor_ = AddEdit(kFactor);
  AddButton(WithMnemonic(c.save.caption, 'x'), kSave);
  // A long path is shortened in the middle; the whole of it shows as a tip.
  const std::wstring path = common::win32::Utf8ToWide(c.DataDirectory.caption);
  data_directory_ = AddLabel(path, kDataDirectory, SS_NOPREFIX | SS_PATHELLIPSIS | SS_NOTIFY);
  AddToolTip(data_directory_, path);
  AddButton(L"Pre&view with items (Ctrl+I)", kPreviewButton);
  ::SetWindowSubclass(list_, ListProc, 0, reinterpret_cast<DWORD_PTR>(this));
  ::SetWindowSubclass(tabbox_, ChangeBoxProc, 0, reinterpret_cast<DWORD_PTR>(this));
}

int FormTagsDialog::Twips(int twips) const {
  return ::MulDiv(twips, static_cast<int>(dpi()), 1440);
}

void FormTagsDialog::Layout() {
  const FormTagsControls& c = logic_.controls();
  const int margin = Scale(12), gap = Scale(8), line = LineHeight(font());
  const int button = line + Scale(12), edit = line + Scale(8);
  preview_ = {margin, margin, margin + Twips(kPreviewWidthTwips), margin + Twips(kPreviewHeight)};
  const int top = preview_.bottom + Scale(12);
  const int left_x = margin, left_w = Scale(170);
  const int middle_x = left_x + left_w + Scale(16), middle_w = Scale(250);
  const int right_x = middle_x + middle_w + Scale(16), right_w = Scale(200);
  const int width = std::max<int>(right_x + right_w + margin, preview_.right + margin);

  // Middle: the file name above the list, the hint below it.
  int y = top;
  Place(commandset_, middle_x, y, middle_w, line + Scale(6));
  y += line + Scale(6) + Scale(4);
  const int item = static_cast<int>(::SendMessageW(list_, LB_GETITEMHEIGHT, 0, 0));
  const int list_height = kSettingLineCount * item + Scale(6);
  Place(list_, middle_x, y, middle_w, list_height);
  y += list_height + gap;
  const std::wstring hint = WindowText(Item(kLabel7));
  const int hint_height = TextHeight(hint, middle_w, font());
  Place(Item(kLabel7), middle_x, y, middle_w, hint_height);
  const int bottom = y + hint_height;

  // Left: the change box with "Save Change"; "Change Order" at the bottom.
  y = top;
  Place(Item(kLabel12), left_x, y, left_w, line);
  y += line + Scale(2);
  Place(tabbox_, left_x, y, left_w, edit);
  y += edit + gap;
  Place(Item(kCommand1), left_x, y, left_w, button);
  const std::wstring order_hint = FromText(c.Label14.caption);
  const int order_hint_height = TextHeight(order_hint, left_w, font());
  Place(Item(kCommand2), left_x, bottom - button, left_w, button);
  Place(Item(kLabel14), left_x, bottom - button - gap - order_hint_height, left_w,
        order_hint_height);

  // Right: the font-size hint, micro-adjust, and "Save/Exit" below them.
  y = top;
  const int font_hint = TextHeight(FromText(c.Label8.caption), right_w, font());
  Place(Item(kLabel8), right_x, y, right_w, font_hint);
  y += font_hint + gap;
  const int check =
      TextHeight(FromText(c.microadjust.caption), right_w - Scale(24), font()) + Scale(6);
  Place(microadjust_, right_x, y, right_w, check);
  y += check + gap;
  const int factor_label_w = TextWidth(FromText(kFactorLabel), font()) + Scale(6);
  Place(factor_label_, right_x, y + Scale(3), factor_label_w, line);
  Place(factor_, right_x + factor_label_w, y, right_w - factor_label_w, edit);
  Place(Item(kSave), right_x, bottom - button, right_w, button);

  // The data directory across the bottom, then the preview button.
  y = bottom + Scale(14);
  Place(data_directory_, margin, y, width - 2 * margin, line);
  if (c.DataDirectory.caption.empty()) ::ShowWindow(data_directory_, SW_HIDE);
  y += line + gap;
  const int preview_w = TextWidth(L"Preview with items (Ctrl+I)", font()) + Scale(24);
  Place(Item(kPreviewButton), margin, y, preview_w, button);
  SetClientSize(width, y + button + margin);
}

void FormTagsDialog::Render() {
  if (hwnd() == nullptr) return;
  rendering_ = true;
  const FormTagsControls& c = logic_.controls();
  const common::ListBox& box = c.List1;
  bool same = static_cast<int>(::SendMessageW(list_, LB_GETCOUNT, 0, 0)) ==
              static_cast<int>(box.lines.size());
  for (std::size_t i = 0; same && i < box.lines.size(); ++i) {
    const int length = static_cast<int>(::SendMessageW(list_, LB_GETTEXTLEN, i, 0));
    std::wstring text(static_cast<std::size_t>(std::max(length, 0)) + 1, L'\0');
    ::SendMessageW(list_, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(std::max(length, 0)));
    same = text == FromText(box.lines[i]);
  }
  if (!same) {
    ::SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
    ::SendMessageW(list_, LB_RESETCONTENT, 0, 0);
    for (const std::string& line : box.lines) {
      const std::wstring text = FromText(line);
      ::SendMessageW(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    ::SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
    ::InvalidateRect(list_, nullptr, TRUE);
  }
  if (static_cast<int>(::SendMessageW(list_, LB_GETCURSEL, 0, 0)) != box.list_index) {
    ::SendMessageW(list_, LB_SETCURSEL, static_cast<WPARAM>(box.list_index), 0);
  }
  SetTextIfDifferent(commandset_, FromText(c.commandset.caption));
  SetTextIfDifferent(tabbox_, FromText(c.tabbox.text));
  ::SendMessageW(microadjust_, BM_SETCHECK, c.microadjust.checked ? BST_CHECKED : BST_UNCHECKED, 0);
  SetTextIfDifferent(factor_, FromText(c.microadjustfactor.text));
  const int factor_shown = c.microadjustfactor.visible ? SW_SHOW : SW_HIDE;
  ::ShowWindow(factor_, factor_shown);
  ::ShowWindow(factor_label_, factor_shown);
  ::InvalidateRect(hwnd(), &preview_, FALSE);
  rendering_ = false;
}

void FormTagsDialog::FocusChangeBox() { Focus(tabbox_); }

void FormTagsDialog::FocusSettingsList() { Focus(list_); }

bool FormTagsDialog::OwnControl(HWND other) const {
  return other != nullptr && ::GetParent(other) == hwnd();
}

void FormTagsDialog::RunProcedure(const std::function<void()>& procedure) {
  windows_.Run(hwnd(), procedure);
}

bool FormTagsDialog::OnCommand(int id, int code, HWND control) {
  if (rendering_) return true;
  switch (id) {
    case IDOK:
      // Enter in the change box leaves it for the list; the value is stored
      // on the way out, as always.
      if (::GetFocus() == tabbox_) FocusSettingsList();
      return true;
    case kList1:
      if (code == LBN_SELCHANGE && !mouse_down_) {
        const int row = static_cast<int>(::SendMessageW(list_, LB_GETCURSEL, 0, 0));
        if (row >= 0) RunProcedure([this, row] { logic_.ClickSettingsLine(row); });
      } else if (code == LBN_SELCHANGE) {
        row_changed_ = true;  // reported when the button is released
      } else if (code == LBN_SETFOCUS || code == LBN_KILLFOCUS) {
        RECT frame;
        ::GetWindowRect(list_, &frame);
        ::MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(&frame), 2);
        ::InflateRect(&frame, Scale(4), Scale(4));
        ::InvalidateRect(hwnd(), &frame, TRUE);
      }
      return true;
    case kTabbox:
      if (code == EN_CHANGE) {
        const std::string text = ToText(WindowText(tabbox_));
        RunProcedure([this, text] { logic_.TypeChangeBox(text); });
      }
      return true;
    case kFactor:
      if (code == EN_CHANGE) {
        const std::string text = ToText(WindowText(factor_));
        RunProcedure([this, text] { logic_.TypeFactor(text); });
      }
      return true;
    default:
      break;
  }
  if (code != BN_CLICKED) return false;
  // A button takes the focus when pressed, so the change box loses it (and
  // stores what was typed) before the button's action runs.
  if (::GetFocus() == tabbox_ && control != nullptr && id != kMicroadjust) ::SetFocus(control);
  switch (id) {
    case kCommand1:
      RunProcedure([this] { logic_.Command1_Click(); });
      return true;
    case kSave:
      RunProcedure([this] { logic_.save_Click(); });
      return true;
    case kCommand2:
      RunProcedure([this] { logic_.Command2_Click(); });
      return true;
    case kMicroadjust:
      RunProcedure([this] { logic_.ClickMicroAdjust(); });
      return true;
    case kPreviewButton:
      windows_.TogglePreview(hwnd());
      return true;
    default:
      return false;
  }
}

void FormTagsDialog::OnClose() { windows_.FormClosing(); }

bool FormTagsDialog::OnMessage(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) {
  switch (message) {
    case WM_WINDOWPOSCHANGED: {
      // Moved by the user: the department and preview windows go along.
      RECT frame;
      ::GetWindowRect(hwnd(), &frame);
      const POINT now{frame.left, frame.top};
      if (placed_known_ && ::IsWindowVisible(hwnd()) && !::IsIconic(hwnd()) &&
          (now.x != placed_.x || now.y != placed_.y)) {
        windows_.FormMoved(now.x - placed_.x, now.y - placed_.y);
      }
      placed_ = now;
      placed_known_ = !::IsIconic(hwnd());
      return false;
    }
    case WM_CTLCOLORSTATIC:
      if (reinterpret_cast<HWND>(lparam) == commandset_) {
        const HDC dc = reinterpret_cast<HDC>(wparam);
        ::SetBkColor(dc, kFaceGrey);
        ::SetTextColor(dc, RGB(0, 0, 0));
        result = reinterpret_cast<LRESULT>(grey_);
        return true;
      }
      return false;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      const HDC dc = ::BeginPaint(hwnd(), &paint);
      PaintPreview(dc);
      // The settings list's focus frame.
      RECT frame;
      ::GetWindowRect(list_, &frame);
      ::MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(&frame), 2);
      ::InflateRect(&frame, Scale(3), Scale(3));
      const HBRUSH brush =
          ::GetSysColorBrush(::GetFocus() == list_ ? COLOR_HIGHLIGHT : COLOR_3DFACE);
      for (int i = 0; i < Scale(2); ++i) {
        ::FrameRect(dc, &frame, brush);
        ::InflateRect(&frame, -1, -1);
      }
      ::EndPaint(hwnd(), &paint);
      result = 0;
      return true;
    }
    default:
      return false;
  }
}

void FormTagsDialog::PaintPreview(HDC dc) {
  const FormTagsControls& c = logic_.controls();
  const HBRUSH grey = ::CreateSolidBrush(kFaceGrey);
  ::FillRect(dc, &preview_, grey);
  ::DeleteObject(grey);
  const int x0 = preview_.left, y0 = preview_.top;
  const HPEN black = ::CreatePen(PS_SOLID, 1, RGB(0, 0, 0));
  const HPEN white = ::CreatePen(PS_SOLID, 1, RGB(0xFF, 0xFF, 0xFF));
  const HGDIOBJ old_pen = ::SelectObject(dc, black);
  for (const common::LineShape& line : c.Line) {
    if (!line.visible) continue;
    ::SelectObject(dc, line.white ? white : black);
    ::MoveToEx(dc, x0 + Twips(line.x1), y0 + Twips(line.y1), nullptr);
    ::LineTo(dc, x0 + Twips(line.x2), y0 + Twips(line.y2));
  }
  ::SelectObject(dc, black);
  const HGDIOBJ old_font = ::SelectObject(dc, font());
  const HGDIOBJ old_brush = ::SelectObject(dc, ::GetStockObject(WHITE_BRUSH));
  ::SetBkMode(dc, TRANSPARENT);
  for (std::size_t i = 0; i < c.Text.size(); ++i) {
    const common::TextBox& box = c.Text[i];
    if (box.visible) {
      RECT rect{x0 + Twips(box.left), y0 + Twips(kPreviewBoxTop),
                x0 + Twips(box.left + kPreviewBoxWidth),
                y0 + Twips(kPreviewBoxTop + kPreviewBoxHeight)};
      ::Rectangle(dc, rect.left, rect.top, rect.right, rect.bottom);
      rect.left += Scale(2);
      const std::wstring text = FromText(box.text);
      ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect,
                  DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
    const common::Label& letter = c.letters[i];
    if (letter.visible) {
      RECT rect{x0 + Twips(letter.left), y0 + Twips(kPreviewLetterTop),
                x0 + Twips(letter.left + kPreviewLetterWidth),
                y0 + Twips(kPreviewLetterTop + kPreviewLetterHeight)};
      const std::wstring text = FromText(letter.caption);
      ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect,
                  DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
  }
  ::SelectObject(dc, old_brush);
  ::SelectObject(dc, old_font);
  ::SelectObject(dc, old_pen);
  ::DeleteObject(black);
  ::DeleteObject(white);
}

LRESULT CALLBACK FormTagsDialog::ListProc(HWND list, UINT message, WPARAM wparam, LPARAM lparam,
                                          UINT_PTR /*id*/, DWORD_PTR data) {
  auto* self = reinterpret_cast<FormTagsDialog*>(data);
  switch (message) {
    case WM_KEYDOWN:
      // From no line selected a key picks the line the logic says; picking
      // a line by key is a click on it.
      if (const std::optional<int> row = common::LineForKeyWithoutSelection(list, wparam)) {
        ::SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(*row), 0);
        const int line = *row;
        self->RunProcedure([self, line] { self->logic_.ClickSettingsLine(line); });
        return 0;
      }
      break;
    case WM_LBUTTONDOWN:
      self->mouse_down_ = true;
      self->row_changed_ = false;
      break;
    case WM_LBUTTONUP: {
      // A click reports its line once, also the line already selected.
      const LRESULT result = ::DefSubclassProc(list, message, wparam, lparam);
      if (!self->mouse_down_) return result;
      self->mouse_down_ = false;
      const LRESULT hit = ::SendMessageW(list, LB_ITEMFROMPOINT, 0, lparam);
      const int row = static_cast<int>(::SendMessageW(list, LB_GETCURSEL, 0, 0));
      if ((self->row_changed_ || HIWORD(hit) == 0) && row >= 0) {
        self->RunProcedure([self, row] { self->logic_.ClickSettingsLine(row); });
      }
      return result;
    }
    case WM_NCDESTROY:
      ::RemoveWindowSubclass(list, ListProc, 0);
      break;
    default:
      break;
  }
  return ::DefSubclassProc(list, message, wparam, lparam);
}

LRESULT CALLBACK FormTagsDialog::ChangeBoxProc(HWND box, UINT message, WPARAM wparam, LPARAM lparam,
                                               UINT_PTR /*id*/, DWORD_PTR data) {
  auto* self = reinterpret_cast<FormTagsDialog*>(data);
  switch (message) {
    case WM_SETFOCUS: {
      const LRESULT result = ::DefSubclassProc(box, message, wparam, lparam);
      if (self->OwnControl(reinterpret_cast<HWND>(wparam))) {
        self->RunProcedure([self] { self->logic_.tabbox_GotFocus(); });
        // Typing then replaces the value shown.
        if (::GetFocus() == box) ::SendMessageW(box, EM_SETSEL, 0, -1);
      }
      return result;
    }
    case WM_KILLFOCUS: {
      const LRESULT result = ::DefSubclassProc(box, message, wparam, lparam);
      if (self->OwnControl(reinterpret_cast<HWND>(wparam))) {
        self->RunProcedure([self] { self->logic_.tabbox_LostFocus(); });
      }
      return result;
    }
    case WM_NCDESTROY:
      ::RemoveWindowSubclass(box, ChangeBoxProc, 0);
      break;
    default:
      break;
  }
  return ::DefSubclassProc(box, message, wparam, lparam);
}

}  // namespace tag
