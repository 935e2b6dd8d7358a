#include "tag/win32/tag_preview_dialog.h"

#include <algorithm>

#include "common/app/win32/win32_text.h"
#include "tag/item_file.h"

namespace tag {

namespace {

using common::win32::FromText;
using common::win32::ToText;
using common::win32::WindowText;

enum Control { kSource = 401, kSearchLabel, kSearch, kItems, kStatus, kRow, kFindings };

constexpr wchar_t kRowClass[] = L"BrilloraTagRow";
constexpr COLORREF kCutColour = RGB(0xFF, 0xD2, 0x78);
constexpr COLORREF kCollisionColour = RGB(0xFF, 0x96, 0x96);

void RegisterRowClass(WNDPROC procedure) {
  static bool registered = false;
  if (registered) return;
  WNDCLASSEXW row_class{};
  row_class.cbSize = sizeof row_class;
  row_class.lpfnWndProc = procedure;
  row_class.hInstance = ::GetModuleHandleW(nullptr);
  row_class.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  row_class.hbrBackground = static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
  row_class.lpszClassName = kRowClass;
  row_class.cbWndExtra = sizeof(void*);
  registered = ::RegisterClassExW(&row_class) != 0;
}

}  // namespace

TagPreviewDialog::TagPreviewDialog(common::Env& env, const TagLayout& layout,
                                   common::Win32WindowHost& host)
    : common::DialogWindow(host), layout_(layout), picker_(env) {}

TagPreviewDialog::~TagPreviewDialog() {
  Destroy();
  if (row_font_ != nullptr) ::DeleteObject(row_font_);
}

void TagPreviewDialog::OnCreate() {
  RegisterRowClass(RowProc);
  source_ = AddLabel(L"", kSource, SS_NOPREFIX);
  AddLabel(L"Search the &items:", kSearchLabel);
  search_ = AddEdit(kSearch);
  items_ = AddControl(L"LISTBOX", L"", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP,
                      kItems, WS_EX_CLIENTEDGE);
  status_ = AddLabel(L"", kStatus, SS_NOPREFIX);
  row_ = AddControl(kRowClass, L"", WS_HSCROLL, kRow, WS_EX_CLIENTEDGE);
  ::SetWindowLongPtrW(row_, 0, reinterpret_cast<LONG_PTR>(this));
  findings_ = AddLabel(L"", kFindings, SS_NOPREFIX);
}

void TagPreviewDialog::MakeRowFont() {
  if (row_font_ != nullptr) ::DeleteObject(row_font_);
  // The layout's font size, never below the window's own font.
  LOGFONTW base{};
  ::GetObjectW(font(), sizeof base, &base);
  const int points = layout_.fontsize >= 4 && layout_.fontsize <= 72
                         ? static_cast<int>(layout_.fontsize + 0.5f)
                         : 10;
  row_font_ = common::MakeFont(dpi(), L"Courier New", points, false, true);
  LOGFONTW row{};
  ::GetObjectW(row_font_, sizeof row, &row);
  if (std::abs(row.lfHeight) < std::abs(base.lfHeight)) {
    ::DeleteObject(row_font_);
    row_font_ = common::MakeFont(dpi(), L"Courier New", 10, false, true);
  }
}

void TagPreviewDialog::Layout() {
  MakeRowFont();
  if (!sized_) {
    sized_ = true;
    SetClientSize(Scale(860), Scale(420));
  }
  RECT client;
  ::GetClientRect(hwnd(), &client);
  Arrange(client.right, client.bottom);
}

void TagPreviewDialog::Arrange(int width, int height) {
  const int margin = Scale(10), gap = Scale(8), line = LineHeight(font());
  const int list_w = Scale(280);
  int y = margin;
  Place(source_, margin, y, width - 2 * margin, 2 * line);
  y += 2 * line + gap;
  const int top = y;
  Place(Item(kSearchLabel), margin, y, list_w, line);
  y += line + Scale(2);
  Place(search_, margin, y, list_w, line + Scale(8));
  y += line + Scale(8) + gap;
  Place(items_, margin, y, list_w, std::max(Scale(60), height - margin - y));
  const int x = margin + list_w + Scale(12), w = std::max(Scale(100), width - margin - x);
  y = top;
  Place(status_, x, y, w, 2 * line);
  y += 2 * line + gap;
  const int row_line = LineHeight(row_font_);
  const int row_h = 4 * row_line + ::GetSystemMetrics(SM_CYHSCROLL) + Scale(10);
  Place(row_, x, y, w, row_h);
  y += row_h + gap;
  Place(findings_, x, y, w, std::max(line, height - margin - y));
  UpdateScroll();
}

void TagPreviewDialog::Render(const PreviewedLayout& subject) {
  if (hwnd() == nullptr) return;
  rendering_ = true;
  const std::wstring source = FromText(subject.source);
  if (WindowText(source_) != source) ::SetWindowTextW(source_, source.c_str());
  boxes_ = subject.boxes;
  picker_.ShowDepartment(subject.department);
  if (picker_.listings() != listed_) {
    listed_ = picker_.listings();
    Search();
  } else {
    ShowRow();
  }
  rendering_ = false;
}

void TagPreviewDialog::Search() {
  shown_ = picker_.Search(ToText(WindowText(search_)));
  ::SendMessageW(items_, WM_SETREDRAW, FALSE, 0);
  ::SendMessageW(items_, LB_RESETCONTENT, 0, 0);
  for (std::size_t index : shown_) {
    const std::wstring label = FromText(picker_.Label(index));
    ::SendMessageW(items_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(label.c_str()));
  }
  ::SendMessageW(items_, WM_SETREDRAW, TRUE, 0);
  ::InvalidateRect(items_, nullptr, TRUE);
  auto at = shown_.end();
  if (picker_.selected()) at = std::find(shown_.begin(), shown_.end(), *picker_.selected());
  if (at == shown_.end() && !shown_.empty()) {
    at = shown_.begin();
    picker_.Select(*at);
  }
  if (at != shown_.end()) {
    ::SendMessageW(items_, LB_SETCURSEL, static_cast<WPARAM>(at - shown_.begin()), 0);
  }
  ShowRow();
}

void TagPreviewDialog::ShowRow() {
  const auto item = picker_.SelectedItem();
  preview_ = PreviewTagRow(layout_, boxes_, item);
  cells_.assign(preview_.lines.size(), {});
  for (const PlacedPart& part : preview_.parts) {
    const FilledBox& box = preview_.boxes[part.box];
    std::vector<Cell>& cells = cells_[part.line - 1];
    const std::size_t first = static_cast<std::size_t>(part.column - 1);
    if (cells.size() < first + box.text.size()) cells.resize(first + box.text.size());
    for (std::size_t i = 0; i < box.text.size(); ++i) {
      const FieldRun* owner = nullptr;
      for (const FieldRun& run : box.runs) {
        if (i >= run.begin && i < run.begin + run.printed.size()) owner = &run;
      }
      // A space prints nothing over what is there: it only marks a free cell.
      if (box.text[i] != ' ' || cells[first + i].run == nullptr) cells[first + i].run = owner;
    }
  }
  for (const Collision& collision : preview_.collisions) {
    std::vector<Cell>& cells = cells_[collision.part.line - 1];
    for (int column = collision.next_column; column <= collision.last_column; ++column) {
      if (column >= 1 && static_cast<std::size_t>(column) <= cells.size()) {
        cells[column - 1].collides = true;
      }
    }
  }
  std::string status = picker_.Status();
  if (item) status += "  Shown: " + picker_.Label(*picker_.selected());
  ::SetWindowTextW(status_, FromText(status).c_str());
  std::string findings;
  for (const std::string& line : DescribeFindings(preview_)) findings += line + "\r\n";
  if (findings.empty() && item) findings = "Nothing is cut and no part runs into the next.";
  ::SetWindowTextW(findings_, FromText(findings).c_str());
  UpdateScroll();
  ::InvalidateRect(row_, nullptr, TRUE);
}

void TagPreviewDialog::UpdateScroll() {
  if (row_ == nullptr || row_font_ == nullptr) return;
  std::size_t columns = 40;
  for (const std::vector<Cell>& cells : cells_) columns = std::max(columns, cells.size() + 1);
  RECT client;
  ::GetClientRect(row_, &client);
  const int cell = CharWidth(row_font_);
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  info.nMin = 0;
  info.nMax = static_cast<int>(columns) * cell + Scale(8);
  info.nPage = static_cast<UINT>(std::max(0, static_cast<int>(client.right)));
  scroll_ = std::clamp(scroll_, 0, std::max(0, info.nMax - static_cast<int>(info.nPage)));
  info.nPos = scroll_;
  ::SetScrollInfo(row_, SB_HORZ, &info, TRUE);
}

void TagPreviewDialog::PaintRow(HDC dc) {
  RECT client;
  ::GetClientRect(row_, &client);
  ::FillRect(dc, &client, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));  // the tag stock
  const HGDIOBJ old = ::SelectObject(dc, row_font_);
  ::SetBkMode(dc, TRANSPARENT);
  const int cell = CharWidth(row_font_), height = LineHeight(row_font_);
  const int x0 = Scale(4) - scroll_, y0 = Scale(4);
  const auto cell_rect = [&](int row, std::size_t column) {
    const int left = x0 + cell * static_cast<int>(column);
    return RECT{left, y0 + height * row, left + cell, y0 + height * (row + 1)};
  };
  // The letters of the positions above the columns where their parts start.
  ::SetTextColor(dc, RGB(0x80, 0x80, 0x80));
  for (const PlacedPart& part : preview_.parts) {
    if (part.line != 1) continue;
    RECT rect = cell_rect(0, static_cast<std::size_t>(part.column - 1));
    const wchar_t letter = static_cast<wchar_t>(part.position);
    ::DrawTextW(dc, &letter, 1, &rect, DT_CENTER | DT_SINGLELINE | DT_NOPREFIX);
  }
  for (std::size_t line = 0; line < preview_.lines.size() && line < cells_.size(); ++line) {
    const int row = static_cast<int>(line) + 1;
    for (std::size_t i = 0; i < cells_[line].size(); ++i) {
      const Cell& each = cells_[line][i];
      if (!each.collides && (each.run == nullptr || !each.run->cut())) continue;
      RECT rect = cell_rect(row, i);
      const HBRUSH brush = ::CreateSolidBrush(each.collides ? kCollisionColour : kCutColour);
      ::FillRect(dc, &rect, brush);
      ::DeleteObject(brush);
    }
    ::SetTextColor(dc, RGB(0, 0, 0));
    const std::wstring text = FromText(preview_.lines[line]);
    for (std::size_t i = 0; i < text.size(); ++i) {
      if (text[i] == L' ') continue;
      RECT rect = cell_rect(row, i);
      ::DrawTextW(dc, &text[i], 1, &rect, DT_CENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
  }
  ::SelectObject(dc, old);
}

LRESULT CALLBACK TagPreviewDialog::RowProc(HWND row, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* self = reinterpret_cast<TagPreviewDialog*>(::GetWindowLongPtrW(row, 0));
  if (self != nullptr) {
    switch (message) {
      case WM_PAINT: {
        PAINTSTRUCT paint;
        const HDC dc = ::BeginPaint(row, &paint);
        self->PaintRow(dc);
        ::EndPaint(row, &paint);
        return 0;
      }
      case WM_HSCROLL: {
        SCROLLINFO info{};
        info.cbSize = sizeof info;
        info.fMask = SIF_ALL;
        ::GetScrollInfo(row, SB_HORZ, &info);
        const int step = self->CharWidth(self->row_font_);
        switch (LOWORD(wparam)) {
          case SB_LINELEFT:
            self->scroll_ -= step;
            break;
          case SB_LINERIGHT:
            self->scroll_ += step;
            break;
          case SB_PAGELEFT:
            self->scroll_ -= static_cast<int>(info.nPage);
            break;
          case SB_PAGERIGHT:
            self->scroll_ += static_cast<int>(info.nPage);
            break;
          case SB_THUMBTRACK:
          case SB_THUMBPOSITION:
            self->scroll_ = info.nTrackPos;
            break;
          default:
            break;
        }
        self->UpdateScroll();
        ::InvalidateRect(row, nullptr, TRUE);
        return 0;
      }
      default:
        break;
    }
  }
  return ::DefWindowProcW(row, message, wparam, lparam);
}

bool TagPreviewDialog::OnCommand(int id, int code, HWND /*control*/) {
  if (rendering_) return true;
  if (id == kSearch && code == EN_CHANGE) {
    Search();
    return true;
  }
  if (id == kItems && code == LBN_SELCHANGE) {
    const int row = static_cast<int>(::SendMessageW(items_, LB_GETCURSEL, 0, 0));
    if (row >= 0 && static_cast<std::size_t>(row) < shown_.size()) {
      picker_.Select(shown_[static_cast<std::size_t>(row)]);
      ShowRow();
    }
    return true;
  }
  return id == IDOK;
}

void TagPreviewDialog::FocusSearch() { Focus(search_); }

void TagPreviewDialog::OnClose() {
  if (close_) close_();
}

void TagPreviewDialog::OnEscape() { OnClose(); }

bool TagPreviewDialog::OnMessage(UINT message, WPARAM /*wparam*/, LPARAM lparam, LRESULT& result) {
  if (message == WM_SIZE && row_ != nullptr) {
    Arrange(LOWORD(lparam), HIWORD(lparam));
    result = 0;
    return true;
  }
  if (message == WM_GETMINMAXINFO) {
    auto* limits = reinterpret_cast<MINMAXINFO*>(lparam);
    limits->ptMinTrackSize = {Scale(600), Scale(300)};
    result = 0;
    return true;
  }
  return false;
}

}  // namespace tag
