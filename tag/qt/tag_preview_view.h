// TagPreviewView: the Qt window of the tag preview. It shows the tag row of
// the layout being edited, filled with one of the department's items, to
// scale: one cell of the fixed-pitch font per printed character, the tags
// across side by side, scrolled sideways when wider than the window. Cut
// fields and colliding parts are marked in colour, the tooltip of a
// character says what was cut there, and the findings are listed below the
// row. Beside them, the department's items, searchable by typing.
// The window keeps its size while the row and the texts change.

#ifndef TAG_QT_TAG_PREVIEW_VIEW_H_
#define TAG_QT_TAG_PREVIEW_VIEW_H_

#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "common/platform/env.h"
#include "tag/field_layout_file.h"
#include "tag/item_picker.h"
#include "tag/preview_window.h"
#include "tag/tag_layout.h"
#include "tag/tag_preview.h"

class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class QScrollArea;

namespace tag {

class ItemListModel;

// The three printed lines of a tag row, a letter above each position.
class TagRowView : public QWidget {
 public:
  explicit TagRowView(QWidget* parent = nullptr);

  void Show(const TagRowPreview& preview, float fontsize);
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

  // The font the row is drawn in: the fixed-pitch font at the layout's font
  // size, or the dialog font's size when that is larger.
  QFont RowFont() const;
  // The width of one character cell: the font's own advance.
  double CellWidth() const;
  // The columns drawn: the longest line and one more, at least 40.
  int Columns() const;

  // What the tooltip says of the character at `column` (from 1) of tag
  // line `line` (1 to 3); empty where nothing was cut or collides.
  QString NoteAt(int line, int column) const;

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  struct Cell {
    const FieldRun* run = nullptr;  // the field the character belongs to
    bool collides = false;
  };
  double LineHeight() const;

  TagRowPreview preview_;
  float fontsize_ = kDefaultFontSize;
  std::vector<std::vector<Cell>> cells_;  // per line, per column - 1
};

class TagPreviewView : public QWidget {
 public:
  // `toggle` runs for Ctrl+I, `close` for Escape and the window's frame.
  TagPreviewView(common::Env& env, const TagLayout& layout, std::function<void()> toggle,
                 std::function<void()> close);
  ~TagPreviewView() override;

  // Shows the row of `subject` for the selected item, reading the items
  // anew when the department's first three characters changed.
  void Render(const PreviewedLayout& subject);
  // Gives the item search the focus, to pick an item by typing.
  void FocusSearch();
  // The size the window opens at: wide enough for the whole row where
  // `room` (the screen's free area) allows.
  QSize OpeningSize(const QRect& room) const;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void Build();
  QWidget* BuildItems();
  QWidget* BuildFindings();
  void Search(const QString& text);
  void ShowRow();

  const TagLayout& layout_;
  std::function<void()> close_;
  ItemPicker picker_;
  FieldLayout boxes_;
  std::size_t listed_ = 0;  // the listing the list shows
  ItemListModel* model_;
  QLabel* source_;
  QScrollArea* row_area_;
  TagRowView* row_;
  QLineEdit* search_;
  QListView* list_;
  QLabel* status_;
  QLabel* findings_;
};

// A button "Preview with items (Ctrl+I)" that shows its pressed state while
// the preview is shown.
QPushButton* MakePreviewButton(QWidget* parent);

}  // namespace tag

#endif  // TAG_QT_TAG_PREVIEW_VIEW_H_
