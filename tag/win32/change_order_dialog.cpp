#include "tag/win32/change_order_dialog.h"

#include <commctrl.h>

#include <algorithm>

#include "common/app/win32/win32_text.h"

namespace tag {

namespace {

using common::win32::FromText;
using common::win32::ToText;
using common::win32::WindowText;

enum Control {
  kLabel5 = 301,
  kFields,
  kText1,
  kText6 = kText1 + 5,
  kLabel2,
  kDept,
  kLabel4,
  kLabel1,
  kCommand1,
  kSettoDefault,
  kLabel3,
  kPreviewButton,
};

std::wstring WithMnemonic(const std::string& caption, char key) {
  std::wstring out;
  bool marked = false;
  for (wchar_t c : FromText(caption)) {
    if (c == L'&') out += L'&';
    if (!marked && c == static_cast<wchar_t>(key)) {
      out += L'&';
      marked = true;
    }
    out += c;
  }
  return out;
}

}  // namespace

ChangeOrderDialog::ChangeOrderDialog(ChangeOrder& logic, TagWindows& windows,
                                     common::Win32WindowHost& host)
    : common::DialogWindow(host), logic_(logic), windows_(windows) {}

ChangeOrderDialog::~ChangeOrderDialog() { Destroy(); }

void ChangeOrderDialog::OnCreate() {
  const ChangeOrderControls& c = logic_.controls();
  // Made in the order Tab goes through them: the catalogue, the boxes row
  // by row, the department, the buttons.
  AddLabel(FromText(c.Label5.caption), kLabel5, SS_NOPREFIX);
  fields_ = AddControl(L"LISTBOX", L"", LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP, kFields,
                       WS_EX_CLIENTEDGE);
  ::SendMessageW(fields_, WM_SETFONT, reinterpret_cast<WPARAM>(fixed_font()), FALSE);
  for (int i = 0; i < 6; ++i) {
    text_[i] = AddEdit(kText1 + i);
    ::SendMessageW(text_[i], WM_SETFONT, reinterpret_cast<WPARAM>(fixed_font()), FALSE);
  }
  AddLabel(WithMnemonic(c.Label2.caption, 'L'), kLabel2);
  dept_ =
      AddControl(L"COMBOBOX", L"", CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP, kDept);
  COMBOBOXINFO parts{};
  parts.cbSize = sizeof parts;
  if (::GetComboBoxInfo(dept_, &parts) && parts.hwndItem != nullptr) {
    dept_edit_ = parts.hwndItem;
    ::SetWindowSubclass(dept_edit_, DepartmentEditProc, 0, reinterpret_cast<DWORD_PTR>(this));
  }
  AddLabel(FromText(c.Label4.caption), kLabel4, SS_NOPREFIX);
  label1_ = AddLabel(L"", kLabel1, SS_NOPREFIX);
  AddButton(WithMnemonic(c.Command1.caption, 'S'), kCommand1);
  AddButton(WithMnemonic(c.settoDefault.caption, 'a'), kSettoDefault);
  AddLabel(FromText(c.Label3.caption), kLabel3, SS_NOPREFIX);
  AddButton(L"Pre&view with items (Ctrl+I)", kPreviewButton);
}

void ChangeOrderDialog::Layout() {
  const ChangeOrderControls& c = logic_.controls();
  const int margin = Scale(12), gap = Scale(8), line = LineHeight(font());
  const int fixed_line = LineHeight(fixed_font()), fixed_char = CharWidth(fixed_font());
  const int button = line + Scale(12), edit = std::max(line, fixed_line) + Scale(8);
  const int box_w = 26 * fixed_char + Scale(10);
  const int instructions_w = Scale(300);
  const int width = std::max(margin + 2 * box_w + gap + Scale(16) + instructions_w + margin,
                             margin + 52 * fixed_char + Scale(30) + margin);
  const int inner = width - 2 * margin;

  int y = margin;
  const int note = TextHeight(FromText(c.Label5.caption), inner, font());
  Place(Item(kLabel5), margin, y, inner, note);
  y += note + gap;
  const int catalogue =
      15 * static_cast<int>(::SendMessageW(fields_, LB_GETITEMHEIGHT, 0, 0)) + Scale(6);
  Place(fields_, margin, y, inner, catalogue);
  y += catalogue + gap;

  const int boxes_top = y;
  for (int i = 0; i < 6; ++i) {
    Place(text_[i], margin + (i % 2) * (box_w + gap), boxes_top + (i / 2) * (edit + gap), box_w,
          edit);
  }
  y = boxes_top + 3 * (edit + gap);
  const int label2_w = TextWidth(WindowText(Item(kLabel2)), font()) + Scale(8);
  Place(Item(kLabel2), margin, y + Scale(4), label2_w, line);
  Place(dept_, margin + label2_w, y, 2 * box_w + gap - label2_w, Scale(240));
  y += edit + gap;
  const int default_note = TextHeight(FromText(c.Label4.caption), 2 * box_w + gap, font());
  Place(Item(kLabel4), margin, y, 2 * box_w + gap, default_note);
  y += default_note;
  // The opener sets the instructions after the window is shown: room for them.
  const int instructions_x = margin + 2 * box_w + gap + Scale(16);
  const int instructions_h = std::max(
      TextHeight(FromText(kChangeOrderInstructions), width - margin - instructions_x, font()),
      9 * line);
  Place(label1_, instructions_x, boxes_top, width - margin - instructions_x, instructions_h);
  y = std::max(y, boxes_top + instructions_h) + Scale(14);

  int x = margin;
  for (int id : {kCommand1, kSettoDefault}) {
    const int w = TextWidth(WindowText(Item(id)), font()) + Scale(28);
    Place(Item(id), x, y, w, button);
    x += w + gap;
  }
  const int preview_w = TextWidth(L"Preview with items (Ctrl+I)", font()) + Scale(24);
  Place(Item(kPreviewButton), width - margin - preview_w, y, preview_w, button);
  const int note_w = width - margin - preview_w - gap - x;
  const int courier_note = TextHeight(FromText(c.Label3.caption), note_w, font());
  Place(Item(kLabel3), x, y, note_w, courier_note);
  y += std::max(button, courier_note);
  SetClientSize(width, y + margin);
}

void ChangeOrderDialog::Render() {
  if (hwnd() == nullptr) return;
  rendering_ = true;
  const ChangeOrderControls& c = logic_.controls();
  if (static_cast<int>(::SendMessageW(fields_, LB_GETCOUNT, 0, 0)) !=
      static_cast<int>(c.fields.lines.size())) {
    ::SendMessageW(fields_, LB_RESETCONTENT, 0, 0);
    for (const std::string& line : c.fields.lines) {
      const std::wstring text = FromText(line);
      ::SendMessageW(fields_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
  }
  for (std::size_t i = 0; i < text_.size(); ++i) {
    const std::wstring text = FromText(c.Text[i].text);
    if (WindowText(text_[i]) != text) ::SetWindowTextW(text_[i], text.c_str());
  }
  bool same = static_cast<int>(::SendMessageW(dept_, CB_GETCOUNT, 0, 0)) ==
              static_cast<int>(c.Dept.items.size());
  for (std::size_t i = 0; same && i < c.Dept.items.size(); ++i) {
    const int length = static_cast<int>(::SendMessageW(dept_, CB_GETLBTEXTLEN, i, 0));
    std::wstring text(static_cast<std::size_t>(std::max(length, 0)) + 1, L'\0');
    ::SendMessageW(dept_, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(std::max(length, 0)));
    same = text == FromText(c.Dept.items[i]);
  }
  if (!same) {
    const std::wstring kept = WindowText(dept_);
    ::SendMessageW(dept_, CB_RESETCONTENT, 0, 0);
    for (const std::string& item : c.Dept.items) {
      const std::wstring text = FromText(item);
      ::SendMessageW(dept_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    ::SetWindowTextW(dept_, kept.c_str());
  }
  // The list's line follows the department shown, so Down picks the next one.
  int line = c.Dept.list_index;
  for (std::size_t i = 0; line < 0 && i < c.Dept.items.size(); ++i) {
    if (c.Dept.items[i] == c.Dept.text) line = static_cast<int>(i);
  }
  if (static_cast<int>(::SendMessageW(dept_, CB_GETCURSEL, 0, 0)) != line) {
    ::SendMessageW(dept_, CB_SETCURSEL, static_cast<WPARAM>(line), 0);
  }
  const std::wstring department = FromText(c.Dept.text);
  if (WindowText(dept_) != department) {
    // The caret stays at the end of what is typed.
    ::SetWindowTextW(dept_, department.c_str());
    if (::GetFocus() != nullptr && ::GetParent(::GetFocus()) == dept_) {
      const auto end = static_cast<WORD>(department.size());
      ::SendMessageW(dept_, CB_SETEDITSEL, 0, MAKELPARAM(end, end));
    }
  }
  const std::wstring instructions = FromText(c.Label1.caption);
  if (WindowText(label1_) != instructions) ::SetWindowTextW(label1_, instructions.c_str());
  rendering_ = false;
}

FieldLayout ChangeOrderDialog::Boxes() const {
  FieldLayout boxes;
  for (std::size_t i = 0; i < boxes.size(); ++i) boxes[i] = logic_.controls().Text[i].text;
  return boxes;
}

void ChangeOrderDialog::FocusDepartment() {
  // Opening the window enters the box as Tab would.
  RunProcedure([this] { logic_.Dept_GotFocus(); });
  Focus(dept_);
  ::SendMessageW(dept_, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
}

void ChangeOrderDialog::OnEscape() {
  if (dept_edit_ == nullptr || ::GetFocus() != dept_edit_) return;
  RunProcedure([this] { logic_.RestoreDepartment(); });
  ::SendMessageW(dept_, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
}

LRESULT CALLBACK ChangeOrderDialog::DepartmentEditProc(HWND edit, UINT message, WPARAM wparam,
                                                       LPARAM lparam, UINT_PTR /*id*/,
                                                       DWORD_PTR data) {
  auto* self = reinterpret_cast<ChangeOrderDialog*>(data);
  if (message == WM_SETFOCUS) {
    const LRESULT result = ::DefSubclassProc(edit, message, wparam, lparam);
    // From another control of the window; not a message box or another
    // window giving the focus back.
    const auto from = reinterpret_cast<HWND>(wparam);
    if (from != nullptr && from != self->dept_ && ::GetParent(from) == self->hwnd()) {
      self->RunProcedure([self] { self->logic_.Dept_GotFocus(); });
      ::SendMessageW(self->dept_, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
    }
    return result;
  }
  if (message == WM_NCDESTROY) ::RemoveWindowSubclass(edit, DepartmentEditProc, 0);
  return ::DefSubclassProc(edit, message, wparam, lparam);
}

void ChangeOrderDialog::PlaceBeside(HWND form) {
  RECT form_rect, own;
  ::GetWindowRect(form, &form_rect);
  ::GetWindowRect(hwnd(), &own);
  const int width = own.right - own.left, height = own.bottom - own.top;
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  ::GetMonitorInfoW(::MonitorFromWindow(form, MONITOR_DEFAULTTONEAREST), &monitor);
  const RECT work = monitor.rcWork;
  const int gap = Scale(8);
  // At the right of formTags, else at its left, else over it, a little
  // down and to the right; always inside the work area.
  int x = form_rect.right + gap;
  if (x + width > work.right) x = form_rect.left - gap - width;
  if (x < work.left) x = form_rect.left + Scale(48);
  int y = form_rect.top;
  if (y + height > work.bottom) y = work.bottom - height;
  x = std::max<int>(work.left, std::min<int>(x, work.right - width));
  y = std::max<int>(work.top, y);
  ::SetWindowPos(hwnd(), nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void ChangeOrderDialog::RunProcedure(const std::function<void()>& procedure) {
  windows_.Run(hwnd(), procedure);
}

bool ChangeOrderDialog::OnCommand(int id, int code, HWND /*control*/) {
  if (rendering_) return true;
  if (id >= kText1 && id <= kText6 && code == EN_CHANGE) {
    const int box = id - kText1 + 1;
    const std::string text = ToText(WindowText(text_[box - 1]));
    RunProcedure([this, box, text] { logic_.TypeLayoutBox(box, text); });
    return true;
  }
  if (id == kDept) {
    if (code == CBN_EDITCHANGE) {
      const std::string text = ToText(WindowText(dept_));
      RunProcedure([this, text] { logic_.TypeDepartment(text); });
    } else if (code == CBN_SELCHANGE) {
      const int index = static_cast<int>(::SendMessageW(dept_, CB_GETCURSEL, 0, 0));
      if (index >= 0) RunProcedure([this, index] { logic_.PickDepartment(index); });
    }
    return true;
  }
  if (id == IDOK) return true;  // Enter outside a button does nothing here
  if (code != BN_CLICKED) return false;
  switch (id) {
    case kCommand1:
      RunProcedure([this] { logic_.Command1_Click(); });
      return true;
    case kSettoDefault:
      RunProcedure([this] { logic_.settoDefault_Click(); });
      return true;
    case kPreviewButton:
      windows_.TogglePreview(hwnd());
      return true;
    default:
      return false;
  }
}

void ChangeOrderDialog::OnClose() { windows_.ChangeOrderClosing(); }

}  // namespace tag
