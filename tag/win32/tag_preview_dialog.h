// TagPreviewDialog: the tag row of a field layout filled with one of the
// store's items, beside a searchable list of the items, in a window of its
// own that can be resized. The row is drawn one fixed-pitch cell per
// printed character at the layout's font size (never smaller than the
// window's own font), scrolling sideways when it is wider than the window,
// with the characters of cut fields marked orange and those of colliding
// parts red; the findings are listed below it. It follows the department
// window's boxes while that window is open, else shows the DEFAULT layout
// ("DEFTAGS.dat", else the built-in one), as the window logic says. It opens
// with the keyboard in the item search (Alt+I); Escape or its frame closes it.

#ifndef TAG_WIN32_TAG_PREVIEW_DIALOG_H_
#define TAG_WIN32_TAG_PREVIEW_DIALOG_H_

#include <functional>
#include <string>
#include <vector>

#include "common/app/win32/dialog_window.h"
#include "common/platform/env.h"
#include "tag/field_layout_file.h"
#include "tag/item_picker.h"
#include "tag/preview_window.h"
#include "tag/tag_layout.h"
#include "tag/tag_preview.h"

namespace tag {

class TagPreviewDialog : public common::DialogWindow {
 public:
  TagPreviewDialog(common::Env& env, const TagLayout& layout, common::Win32WindowHost& host);
  ~TagPreviewDialog() override;

  // Escape or the frame: asks `close` to close it.
  void SetCloseRequest(std::function<void()> close) { close_ = std::move(close); }
  // Shows the row of `subject`.
  void Render(const PreviewedLayout& subject);
  // The keyboard in the item search (Alt+I), as when the window opens.
  void FocusSearch();

 protected:
  void OnCreate() override;
  void Layout() override;
  bool OnCommand(int id, int code, HWND control) override;
  void OnClose() override;
  void OnEscape() override;
  bool OnMessage(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) override;

 private:
  struct Cell {
    const FieldRun* run = nullptr;
    bool collides = false;
  };
  static LRESULT CALLBACK RowProc(HWND row, UINT message, WPARAM wparam, LPARAM lparam);
  void Arrange(int width, int height);
  void Search();
  void ShowRow();
  void PaintRow(HDC dc);
  void UpdateScroll();
  void MakeRowFont();

  const TagLayout& layout_;
  ItemPicker picker_;
  std::function<void()> close_;
  FieldLayout boxes_;
  std::size_t listed_ = static_cast<std::size_t>(-1);
  std::vector<std::size_t> shown_;
  TagRowPreview preview_;
  std::vector<std::vector<Cell>> cells_;
  HWND source_ = nullptr, search_ = nullptr, items_ = nullptr, status_ = nullptr;
  HWND row_ = nullptr, findings_ = nullptr;
  HFONT row_font_ = nullptr;
  int scroll_ = 0;
  bool rendering_ = false;
  bool sized_ = false;
};

}  // namespace tag

#endif  // TAG_WIN32_TAG_PREVIEW_DIALOG_H_
