// TagPreviewPanel: the department's tag row filled with one of its items,
// beside a searchable list of the items. The row is drawn in the fixed-pitch
// font at the layout's font size (smaller when it would not fit), with the
// characters of cut fields and of colliding parts marked in colour; the
// tooltip of a character says what was cut there. The findings are listed
// below the row.
//
// DefaultPreviewWindow shows the same panel for the DEFAULT layout, opened
// from the layout window.

#ifndef TAG_QT_TAG_PREVIEW_PANEL_H_
#define TAG_QT_TAG_PREVIEW_PANEL_H_

#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "common/platform/env.h"
#include "tag/field_layout_file.h"
#include "tag/item_picker.h"
#include "tag/tag_layout.h"
#include "tag/tag_preview.h"

class QLabel;
class QLineEdit;
class QListView;
class QPushButton;

namespace tag {

class ItemListModel;

// The three printed lines of a tag row, a letter above each position.
class TagRowView : public QWidget {
 public:
  explicit TagRowView(QWidget* parent = nullptr);

  void Show(const TagRowPreview& preview, float fontsize);
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

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
  QFont RowFont() const;
  int Columns() const;

  TagRowPreview preview_;
  float fontsize_ = 8;
  std::vector<std::vector<Cell>> cells_;  // per line, per column - 1
};

class TagPreviewPanel : public QWidget {
 public:
  TagPreviewPanel(common::Env& env, const TagLayout& layout, QWidget* parent = nullptr);
  ~TagPreviewPanel() override;

  // Shows the row of `boxes` for the selected item of the department
  // `department_text`, reading its items anew when its first three
  // characters changed.
  void Render(const FieldLayout& boxes, const std::string& department_text);

 private:
  void Build();
  void Search(const QString& text);
  void ShowRow();

  const TagLayout& layout_;
  ItemPicker picker_;
  FieldLayout boxes_;
  std::size_t listed_ = 0;  // the listing the list shows
  ItemListModel* model_;
  QLineEdit* search_;
  QListView* list_;
  QLabel* status_;
  TagRowView* row_;
  QLabel* findings_;
};

// A window of its own with the panel for the DEFAULT layout ("DEFTAGS.dat",
// else the built-in layout), read when the window is opened.
class DefaultPreviewWindow : public QWidget {
 public:
  DefaultPreviewWindow(common::Env& env, const TagLayout& layout);

  // Reads the DEFAULT layout again and redraws. A file error is shown in
  // the window, not raised.
  void Reload();
  void Render();

 private:
  common::Env& env_;
  TagPreviewPanel* panel_;
  QLabel* source_;
  FieldLayout boxes_;
};

// Adds `widget` at the bottom of `window`, whose layout is a box layout.
void AddToBottom(QWidget& window, QWidget* widget);

// Adds the button "Preview with items" at the bottom of `window`, and the
// shortcut Ctrl+I in it; both run `open`.
QPushButton* AddDefaultPreviewButton(QWidget& window, const std::function<void()>& open);

}  // namespace tag

#endif  // TAG_QT_TAG_PREVIEW_PANEL_H_
