#include "tag/qt/tag_preview_panel.h"

#include <QAbstractListModel>
#include <QBoxLayout>
#include <QPushButton>
#include <QShortcut>
#include <QGroupBox>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPainter>
#include <QSignalBlocker>
#include <QToolTip>
#include <algorithm>
#include <cmath>

#include "common/platform/file_error.h"
#include "common/app/qt/qt_messages.h"
#include "tag/item_file.h"
#include "tag/layout_check.h"
#include "tag/qt/change_order_view.h"

namespace tag {

namespace {

using common::FromWindows1252;
using common::ToWindows1252;

constexpr int kMargin = 4;
constexpr double kSmallestPointSize = 4;
const QColor kCutColour(0xFF, 0xD2, 0x78);        // characters of a cut field
const QColor kCollisionColour(0xFF, 0x96, 0x96);  // characters past the next part's column

}  // namespace

// The items the list shows: those the search found, in list order.
class ItemListModel : public QAbstractListModel {
 public:
  ItemListModel(const ItemPicker& picker, QObject* parent)
      : QAbstractListModel(parent), picker_(picker) {}

  void SetShown(std::vector<std::size_t> shown) {
    beginResetModel();
    shown_ = std::move(shown);
    endResetModel();
  }
  const std::vector<std::size_t>& shown() const { return shown_; }

  int rowCount(const QModelIndex& parent) const override {
    return parent.isValid() ? 0 : static_cast<int>(shown_.size());
  }
  QVariant data(const QModelIndex& index, int role) const override {
    if (role != Qt::DisplayRole || !index.isValid() ||
        index.row() >= static_cast<int>(shown_.size())) {
      return {};
    }
    return FromWindows1252(picker_.Label(shown_[index.row()]));
  }

 private:
  const ItemPicker& picker_;
  std::vector<std::size_t> shown_;
};

TagRowView::TagRowView(QWidget* parent) : QWidget(parent) {
  setObjectName("tagRow");
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void TagRowView::Show(const TagRowPreview& preview, float fontsize) {
  preview_ = preview;
  fontsize_ = fontsize;
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
  updateGeometry();
  update();
}

int TagRowView::Columns() const {
  std::size_t columns = 40;
  for (const std::vector<Cell>& cells : cells_) columns = std::max(columns, cells.size() + 1);
  return static_cast<int>(columns);
}

QFont TagRowView::RowFont() const {
  QFont font = FixedPitchFont();
  double size = fontsize_ >= kSmallestPointSize && fontsize_ <= 72 ? fontsize_ : 8.0;
  font.setPointSizeF(size);
  // Smaller until the longest line fits the width.
  const double needed = QFontMetricsF(font).horizontalAdvance(QChar('M')) * Columns();
  const double room = width() - 2 * kMargin;
  if (room > 0 && needed > room) {
    font.setPointSizeF(std::max(kSmallestPointSize, size * room / needed));
  }
  return font;
}

QSize TagRowView::sizeHint() const {
  QFont font = FixedPitchFont();
  font.setPointSizeF(fontsize_ >= kSmallestPointSize && fontsize_ <= 72 ? fontsize_ : 8.0);
  const QFontMetricsF metrics(font);
  const int width = static_cast<int>(metrics.horizontalAdvance(QChar('M')) * Columns());
  return {std::min(width, 1000) + 2 * kMargin, minimumSizeHint().height()};
}

QSize TagRowView::minimumSizeHint() const {
  QFont font = FixedPitchFont();
  font.setPointSizeF(std::max<double>(fontsize_ <= 72 ? fontsize_ : 8.0, 8.0));
  return {300, static_cast<int>(std::ceil(QFontMetricsF(font).height() * 4)) + 2 * kMargin};
}

void TagRowView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);  // the tag stock
  const QFont font = RowFont();
  painter.setFont(font);
  const QFontMetricsF metrics(font);
  const double cell_width = metrics.horizontalAdvance(QChar('M'));
  const double line_height = metrics.height();
  auto cell_rect = [&](int row, std::size_t column_index) {
    return QRectF(kMargin + cell_width * static_cast<double>(column_index),
                  kMargin + line_height * row, cell_width, line_height);
  };

  // The letters of the positions above the columns where their parts start.
  painter.setPen(Qt::gray);
  for (const PlacedPart& part : preview_.parts) {
    if (part.line != 1) continue;
    painter.drawText(cell_rect(0, static_cast<std::size_t>(part.column - 1)), Qt::AlignCenter,
                     QString(QChar(part.position)));
  }
  for (std::size_t line = 0; line < preview_.lines.size(); ++line) {
    const std::string& text = preview_.lines[line];
    const int row = static_cast<int>(line) + 1;
    for (std::size_t i = 0; i < cells_[line].size(); ++i) {
      const Cell& cell = cells_[line][i];
      if (cell.collides) {
        painter.fillRect(cell_rect(row, i), kCollisionColour);
      } else if (cell.run != nullptr && cell.run->cut()) {
        painter.fillRect(cell_rect(row, i), kCutColour);
      }
    }
    painter.setPen(Qt::black);
    for (std::size_t i = 0; i < text.size(); ++i) {
      if (text[i] == ' ') continue;
      painter.drawText(cell_rect(row, i), Qt::AlignCenter, FromWindows1252(std::string(1, text[i])));
    }
  }
}

QString TagRowView::NoteAt(int line, int column) const {
  if (line < 1 || line > static_cast<int>(cells_.size()) || column < 1 ||
      column > static_cast<int>(cells_[line - 1].size())) {
    return {};
  }
  const Cell& cell = cells_[line - 1][column - 1];
  QStringList notes;
  if (cell.run != nullptr && cell.run->cut()) {
    notes << FromWindows1252(std::string(cell.run->field->name) + ": \"" + cell.run->full +
                             "\" printed as \"" + cell.run->printed + "\"");
  }
  if (cell.collides) {
    for (const Collision& collision : preview_.collisions) {
      if (collision.part.line == line && column >= collision.next_column &&
          column <= collision.last_column) {
        notes << FromWindows1252(DescribeCollision(collision));
      }
    }
  }
  return notes.join('\n');
}

bool TagRowView::event(QEvent* event) {
  if (event->type() != QEvent::ToolTip) return QWidget::event(event);
  const auto* help = static_cast<QHelpEvent*>(event);
  const QFontMetricsF metrics(RowFont());
  const int line = static_cast<int>(std::floor((help->pos().y() - kMargin) / metrics.height()));
  const int column = static_cast<int>(
      std::floor((help->pos().x() - kMargin) / metrics.horizontalAdvance(QChar('M')))) + 1;
  const QString note = NoteAt(line, column);
  if (note.isEmpty()) {
    QToolTip::hideText();
    event->ignore();
  } else {
    QToolTip::showText(help->globalPos(), note, this);
  }
  return true;
}

TagPreviewPanel::TagPreviewPanel(common::Env& env, const TagLayout& layout, QWidget* parent)
    : QWidget(parent), layout_(layout), picker_(env) {
  setObjectName("tagPreview");
  Build();
}

TagPreviewPanel::~TagPreviewPanel() = default;

void TagPreviewPanel::Build() {
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(0, 0, 0, 0);
  auto* group = new QGroupBox("Tag preview with the store's items", this);
  outer->addWidget(group);
  auto* columns = new QHBoxLayout(group);

  auto* left = new QVBoxLayout();
  search_ = new QLineEdit(group);
  search_->setObjectName("itemSearch");
  search_->setPlaceholderText("Search the items");
  left->addWidget(search_);
  model_ = new ItemListModel(picker_, this);
  list_ = new QListView(group);
  list_->setObjectName("itemList");
  list_->setModel(model_);
  list_->setUniformItemSizes(true);
  list_->setMinimumWidth(280);
  list_->setMaximumHeight(6 * list_->fontMetrics().lineSpacing() + 8);
  left->addWidget(list_);
  columns->addLayout(left);

  auto* right = new QVBoxLayout();
  status_ = new QLabel(group);
  status_->setObjectName("itemStatus");
  right->addWidget(status_);
  row_ = new TagRowView(group);
  right->addWidget(row_);
  findings_ = new QLabel(group);
  findings_->setObjectName("previewFindings");
  findings_->setTextFormat(Qt::PlainText);
  findings_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
  right->addWidget(findings_);
  right->addStretch(1);
  columns->addLayout(right, 1);

  connect(search_, &QLineEdit::textEdited, this, [this](const QString& text) { Search(text); });
  connect(list_->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex& current) {
            if (!current.isValid()) return;
            picker_.Select(model_->shown()[current.row()]);
            ShowRow();
          });
}

void TagPreviewPanel::Render(const FieldLayout& boxes, const std::string& department_text) {
  boxes_ = boxes;
  picker_.ShowDepartment(department_text);
  if (picker_.listings() != listed_) {
    listed_ = picker_.listings();
    Search(search_->text());
    return;
  }
  ShowRow();
}

void TagPreviewPanel::Search(const QString& text) {
  model_->SetShown(picker_.Search(ToWindows1252(text)));
  const std::vector<std::size_t>& shown = model_->shown();
  auto at = shown.end();
  if (picker_.selected()) at = std::find(shown.begin(), shown.end(), *picker_.selected());
  if (at == shown.end() && !shown.empty()) {
    at = shown.begin();
    picker_.Select(*at);
  }
  if (at != shown.end()) {
    const QSignalBlocker blocker(list_->selectionModel());
    list_->setCurrentIndex(model_->index(static_cast<int>(at - shown.begin())));
  }
  ShowRow();
}

void TagPreviewPanel::ShowRow() {
  const auto item = picker_.SelectedItem();
  const TagRowPreview preview = PreviewTagRow(layout_, boxes_, item);
  row_->Show(preview, layout_.fontsize);
  QString status = FromWindows1252(picker_.Status());
  if (item) status += "  Shown: " + FromWindows1252(picker_.Label(*picker_.selected()));
  status_->setText(status);
  const std::vector<std::string> findings = DescribeFindings(preview);
  QStringList lines;
  for (const std::string& line : findings) lines << FromWindows1252(line);
  if (lines.isEmpty() && item) lines << "Nothing is cut and no part runs into the next.";
  findings_->setText(lines.join('\n'));
}

DefaultPreviewWindow::DefaultPreviewWindow(common::Env& env, const TagLayout& layout)
    : env_(env) {
  setObjectName("defaultPreview");
  setWindowTitle("Tag preview: DEFAULT");
  setAttribute(Qt::WA_DeleteOnClose);
  auto* outer = new QVBoxLayout(this);
  source_ = new QLabel(this);
  source_->setObjectName("layoutSource");
  outer->addWidget(source_);
  panel_ = new TagPreviewPanel(env, layout, this);
  outer->addWidget(panel_);
  Reload();
}

void DefaultPreviewWindow::Reload() {
  try {
    const AppliedLayout applied = FieldLayoutFor(env_, DepartmentKey(kDefaultDepartment));
    boxes_ = applied.boxes;
    std::string parts;
    for (const std::string& part : boxes_) parts += "  \"" + Printable(part) + "\"";
    source_->setText(FromWindows1252("The DEFAULT layout (" + applied.source + "):" + parts));
  } catch (const common::FileError& error) {
    boxes_ = BuiltInFieldLayout();
    source_->setText(FromWindows1252(std::string(error.what()) + "; showing the built-in layout"));
  }
  Render();
}

void DefaultPreviewWindow::Render() { panel_->Render(boxes_, kDefaultDepartment); }

void AddToBottom(QWidget& window, QWidget* widget) {
  if (auto* layout = qobject_cast<QBoxLayout*>(window.layout())) {
    layout->addWidget(widget);
  } else {
    widget->setParent(&window);
  }
}

QPushButton* AddDefaultPreviewButton(QWidget& window, const std::function<void()>& open) {
  auto* button = new QPushButton("Pre&view with items (Ctrl+I)", &window);
  button->setObjectName("itemPreview");
  button->setFocusPolicy(Qt::StrongFocus);
  button->setAutoDefault(false);
  auto* row = new QWidget(&window);
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(button);
  layout->addStretch(1);
  AddToBottom(window, row);
  QObject::connect(button, &QPushButton::clicked, &window, [open] { open(); });
  auto* shortcut = new QShortcut(QKeySequence("Ctrl+I"), &window);
  QObject::connect(shortcut, &QShortcut::activated, &window, [open] { open(); });
  return button;
}

}  // namespace tag
