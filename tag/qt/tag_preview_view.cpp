#include "tag/qt/tag_preview_view.h"

#include <QAbstractListModel>
#include <QApplication>
#include <QBoxLayout>
#include <QCloseEvent>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QSignalBlocker>
#include <QToolTip>
#include <algorithm>
#include <cmath>

#include "common/app/qt/qt_messages.h"
#include "tag/qt/change_order_view.h"
#include "tag/qt/control_widgets.h"

namespace tag {

namespace {

using common::FromWindows1252;
using common::ToWindows1252;

constexpr int kMargin = 4;
constexpr double kLargestPointSize = 72;
constexpr int kLeastColumns = 40;
const QColor kCutColour(0xFF, 0xD2, 0x78);        // characters of a cut field
const QColor kCollisionColour(0xFF, 0x96, 0x96);  // characters past the next part's column

// A label of changing text that never makes its window grow: it wraps in
// the width it is given and keeps the height of `lines` lines.
QLabel* FixedLinesLabel(const char* name, int lines, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignTop | Qt::AlignLeft);
  label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
  label->setFixedHeight(lines * label->fontMetrics().lineSpacing() + 2);
  return label;
}

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
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
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
  resize(sizeHint());
  updateGeometry();
  update();
}

int TagRowView::Columns() const {
  std::size_t columns = kLeastColumns;
  for (const std::vector<Cell>& cells : cells_) columns = std::max(columns, cells.size() + 1);
  return static_cast<int>(columns);
}

QFont TagRowView::RowFont() const {
  QFont font = FixedPitchFont();
  const double dialog = QApplication::font().pointSizeF();
  double size = fontsize_ > 0 && fontsize_ <= kLargestPointSize ? fontsize_ : dialog;
  font.setPointSizeF(std::max(size, dialog));
  return font;
}

double TagRowView::CellWidth() const {
  return QFontMetricsF(RowFont()).horizontalAdvance(QChar('M'));
}

double TagRowView::LineHeight() const { return QFontMetricsF(RowFont()).height(); }

QSize TagRowView::sizeHint() const {
  // The letters' line and the three tag lines.
  return {static_cast<int>(std::ceil(CellWidth() * Columns())) + 2 * kMargin,
          static_cast<int>(std::ceil(LineHeight() * 4)) + 2 * kMargin};
}

void TagRowView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);  // the tag stock
  painter.setFont(RowFont());
  const double cell_width = CellWidth();
  const double line_height = LineHeight();
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
      painter.drawText(cell_rect(row, i), Qt::AlignCenter,
                       FromWindows1252(std::string(1, text[i])));
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
  const int line = static_cast<int>(std::floor((help->pos().y() - kMargin) / LineHeight()));
  const int column = static_cast<int>(std::floor((help->pos().x() - kMargin) / CellWidth())) + 1;
  const QString note = NoteAt(line, column);
  if (note.isEmpty()) {
    QToolTip::hideText();
    event->ignore();
  } else {
    QToolTip::showText(help->globalPos(), note, this);
  }
  return true;
}

TagPreviewView::TagPreviewView(common::Env& env, const TagLayout& layout,
                               std::function<void()> toggle, std::function<void()> close)
    : layout_(layout), close_(std::move(close)), picker_(env) {
  setObjectName("tagPreview");
  setWindowFlags(OwnedWindowFlags());
  setWindowTitle(kPreviewCaption);
  Build();
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(escape, &QShortcut::activated, this, [this] { close_(); });
  auto* ctrl_i = new QShortcut(QKeySequence("Ctrl+I"), this);
  connect(ctrl_i, &QShortcut::activated, this, std::move(toggle));
}

TagPreviewView::~TagPreviewView() = default;

void TagPreviewView::Build() {
  auto* outer = new QVBoxLayout(this);
  source_ = FixedLinesLabel("layoutSource", 2, this);
  outer->addWidget(source_);

  row_ = new TagRowView(this);
  row_area_ = new QScrollArea(this);
  row_area_->setObjectName("tagRowArea");
  row_area_->setWidget(row_);
  row_area_->setWidgetResizable(false);
  row_area_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  row_area_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  row_area_->setFocusPolicy(Qt::StrongFocus);  // the arrow keys scroll it
  row_area_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  outer->addWidget(row_area_);

  auto* below = new QHBoxLayout();
  below->addWidget(BuildItems());
  below->addWidget(BuildFindings(), 1);
  outer->addLayout(below, 1);

  auto* hint = new QLabel("Ctrl+I or Escape closes this window.", this);
  hint->setObjectName("previewHint");
  outer->addWidget(hint);

  // Reading order: the row, the items, the findings.
  setTabOrder(row_area_, search_);
  setTabOrder(search_, list_);
}

QWidget* TagPreviewView::BuildItems() {
  auto* items = new QWidget(this);
  auto* column = new QVBoxLayout(items);
  column->setContentsMargins(0, 0, 0, 0);
  auto* label = new QLabel("Search the &items:", items);
  column->addWidget(label);
  search_ = new QLineEdit(items);
  search_->setObjectName("itemSearch");
  label->setBuddy(search_);
  column->addWidget(search_);
  model_ = new ItemListModel(picker_, this);
  list_ = new QListView(items);
  list_->setObjectName("itemList");
  list_->setModel(model_);
  list_->setUniformItemSizes(true);
  list_->setMinimumWidth(280);
  list_->setMinimumHeight(6 * list_->fontMetrics().lineSpacing() + 8);
  column->addWidget(list_, 1);
  items->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);

  connect(search_, &QLineEdit::textEdited, this, [this](const QString& text) { Search(text); });
  connect(list_->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex& current) {
            if (!current.isValid()) return;
            picker_.Select(model_->shown()[current.row()]);
            ShowRow();
          });
  return items;
}

QWidget* TagPreviewView::BuildFindings() {
  auto* findings = new QWidget(this);
  auto* column = new QVBoxLayout(findings);
  column->setContentsMargins(0, 0, 0, 0);
  status_ = FixedLinesLabel("itemStatus", 2, findings);
  column->addWidget(status_);
  findings_ = new QLabel(findings);
  findings_->setObjectName("previewFindings");
  findings_->setTextFormat(Qt::PlainText);
  findings_->setWordWrap(true);
  findings_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
  auto* area = new QScrollArea(findings);
  area->setObjectName("findingsArea");
  area->setWidget(findings_);
  area->setWidgetResizable(true);
  area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  area->setFrameShape(QFrame::NoFrame);
  area->setFocusPolicy(Qt::StrongFocus);
  column->addWidget(area, 1);
  return findings;
}

void TagPreviewView::Render(const PreviewedLayout& subject) {
  source_->setText(FromWindows1252(subject.source));
  boxes_ = subject.boxes;
  picker_.ShowDepartment(subject.department);
  if (picker_.listings() != listed_) {
    listed_ = picker_.listings();
    Search(search_->text());
    return;
  }
  ShowRow();
}

void TagPreviewView::Search(const QString& text) {
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

void TagPreviewView::ShowRow() {
  const auto item = picker_.SelectedItem();
  const TagRowPreview preview = PreviewTagRow(layout_, boxes_, item);
  row_->Show(preview, layout_.fontsize);
  // The area is as tall as the row and its scroll bar; the width scrolls.
  const int height = row_->height() + row_area_->horizontalScrollBar()->sizeHint().height() +
                     2 * row_area_->frameWidth();
  if (row_area_->height() != height) row_area_->setFixedHeight(height);

  QString status = FromWindows1252(picker_.Status());
  if (item) status += "  Shown: " + FromWindows1252(picker_.Label(*picker_.selected()));
  status_->setText(status);
  QStringList lines;
  for (const std::string& line : DescribeFindings(preview)) lines << FromWindows1252(line);
  if (lines.isEmpty() && item) lines << "Nothing is cut and no part runs into the next.";
  findings_->setText(lines.join('\n'));
}

void TagPreviewView::FocusSearch() { search_->setFocus(Qt::OtherFocusReason); }

QSize TagPreviewView::OpeningSize(const QRect& room) const {
  QSize size = sizeHint().expandedTo(minimumSizeHint());
  // The row, its frame, the window's margins and a cell to spare.
  const QMargins margins = layout()->contentsMargins();
  const int row_width = row_->width() + 2 * row_area_->frameWidth() + margins.left() +
                        margins.right() + static_cast<int>(std::ceil(row_->CellWidth())) * 2;
  size.setWidth(std::max(size.width(), row_width));
  if (room.isValid()) size = size.boundedTo(room.size() * 9 / 10);
  return size.expandedTo(minimumSizeHint());
}

void TagPreviewView::closeEvent(QCloseEvent* event) {
  // The program hides the window; closing it by its frame is the user's
  // Escape.
  event->ignore();
  close_();
}

QPushButton* MakePreviewButton(QWidget* parent) {
  auto* button = new QPushButton("Pre&view with items (Ctrl+I)", parent);
  button->setObjectName("itemPreview");
  button->setFocusPolicy(Qt::StrongFocus);
  button->setCheckable(true);
  button->setAutoDefault(true);
  return button;
}

}  // namespace tag
