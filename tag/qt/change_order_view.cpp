#include "tag/qt/change_order_view.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFocusEvent>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>

#include "common/app/qt/qt_messages.h"
#include "tag/form_tags.h"
#include "tag/qt/control_widgets.h"
#include "tag/qt/tag_preview_view.h"

namespace tag {

namespace {

using common::FromWindows1252;
using common::ToWindows1252;

QStringList Texts(const std::vector<std::string>& lines) {
  QStringList texts;
  for (const std::string& line : lines) texts << FromWindows1252(line);
  return texts;
}

}  // namespace

// The department box. Entering it from another control (Tab, its Alt key,
// the window opening) selects its whole text, so typing replaces it; Escape
// reports itself while the list of departments is closed.
class DepartmentBox : public QComboBox {
 public:
  DepartmentBox(QWidget* parent, std::function<void()> entered, std::function<void()> escape)
      : QComboBox(parent), entered_(std::move(entered)), escape_(std::move(escape)) {}

  void SelectAll() {
    if (lineEdit() != nullptr) lineEdit()->selectAll();
  }

 protected:
  void focusInEvent(QFocusEvent* event) override {
    QComboBox::focusInEvent(event);
    // A message box or another window giving the focus back is no entering:
    // the typing goes on where it was.
    const Qt::FocusReason reason = event->reason();
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason ||
        reason == Qt::MouseFocusReason) {
      return;
    }
    SelectAll();
    entered_();
  }
  void keyPressEvent(QKeyEvent* event) override {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
      escape_();
      SelectAll();
      event->accept();
      return;
    }
    QComboBox::keyPressEvent(event);
  }

 private:
  std::function<void()> entered_;
  std::function<void()> escape_;
};

QFont FixedPitchFont() {
  const QStringList installed = QFontDatabase::families();
  for (const char* family : {"Courier New", "Liberation Mono", "Cousine"}) {
    if (installed.contains(family)) {
      QFont font(family, 10);
      font.setStyleHint(QFont::TypeWriter);
      return font;
    }
  }
  QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  font.setStyleHint(QFont::TypeWriter);
  return font;
}

ChangeOrderView::ChangeOrderView(ChangeOrder& logic, EventRunner& runner)
    : logic_(logic), runner_(runner) {
  setObjectName("ChangeOrder");
  setWindowFlags(OwnedWindowFlags());
  setWindowTitle(kChangeOrderCaption);
  setAttribute(Qt::WA_DeleteOnClose);
  Build();
  Render();
  KeepContentsWhole(*this);
}

void ChangeOrderView::Build() {
  const ChangeOrderControls& c = logic_.controls();
  auto* outer = new QVBoxLayout(this);
  outer->addWidget(MakeLabel(c.Label5, "Label5", this));
  outer->addWidget(BuildCatalogue());
  // Under the catalogue, the six layout boxes with the department below
  // them at the left, the instructions at the right.
  auto* middle = new QHBoxLayout();
  middle->addLayout(BuildLayoutBoxes());
  middle->addWidget(BuildInstructions(), 1);
  outer->addLayout(middle);
  outer->addLayout(BuildButtons());

  // Reading order: the catalogue, the boxes row by row, the department,
  // the buttons.
  setTabOrder(fields_, text_[0]);
  for (std::size_t i = 1; i < text_.size(); ++i) setTabOrder(text_[i - 1], text_[i]);
  setTabOrder(text_.back(), dept_);
  setTabOrder(dept_, command1_);
  setTabOrder(command1_, set_to_default_);
  setTabOrder(set_to_default_, preview_button_);
}

QWidget* ChangeOrderView::BuildCatalogue() {
  fields_ = new QListWidget(this);
  fields_->setObjectName("fields");
  fields_->setFont(FixedPitchFont());
  // The widest line and a little more, every line without scrolling.
  const QFontMetrics metrics(fields_->font());
  int widest = 0;
  for (const char* line : FieldCatalogue()) {
    widest = std::max(widest, metrics.horizontalAdvance(QString::fromLatin1(line)));
  }
  fields_->setMinimumWidth(widest + metrics.horizontalAdvance(QString(4, 'M')));
  const int lines = static_cast<int>(FieldCatalogue().size());
  fields_->setMinimumHeight(lines * (metrics.lineSpacing() + 2) + 2 * fields_->frameWidth() + 4);
  return fields_;
}

QLayout* ChangeOrderView::BuildLayoutBoxes() {
  const ChangeOrderControls& c = logic_.controls();
  const QFont fixed = FixedPitchFont();
  auto* boxes = new QGridLayout();
  for (int i = 0; i < kLayoutBoxCount; ++i) {
    text_[i] = new QLineEdit(this);
    text_[i]->setObjectName(QString("Text%1").arg(i + 1));
    text_[i]->setFont(fixed);
    text_[i]->setMinimumWidth(QFontMetrics(fixed).horizontalAdvance(QString(26, QChar('M'))));
    boxes->addWidget(text_[i], i / 2, i % 2);  // left and right part of each tag line
    connect(text_[i], &QLineEdit::textEdited, this, [this, i](const QString& text) {
      runner_.Run(this, [this, i, text] { logic_.TypeLayoutBox(i + 1, ToWindows1252(text)); });
    });
  }
  const int rows = kLayoutBoxCount / 2;
  boxes->addLayout(BuildDepartment(), rows, 0, 1, 2);
  boxes->addWidget(MakeLabel(c.Label4, "Label4", this), rows + 1, 0, 1, 2);
  boxes->setRowStretch(rows + 2, 1);
  return boxes;
}

QLayout* ChangeOrderView::BuildDepartment() {
  const ChangeOrderControls& c = logic_.controls();
  auto* department = new QHBoxLayout();
  department_label_ = MakeLabel(c.Label2, "Label2", this);
  department_label_->setWordWrap(false);
  department->addWidget(department_label_);
  dept_ = new DepartmentBox(
      this, [this] { runner_.Run(this, [this] { logic_.Dept_GotFocus(); }); },
      [this] { runner_.Run(this, [this] { logic_.RestoreDepartment(); }); });
  dept_->setObjectName("Dept");
  dept_->setEditable(true);
  dept_->setInsertPolicy(QComboBox::NoInsert);
  dept_->setCompleter(nullptr);  // the typed text stays as typed
  dept_->setMinimumContentsLength(28);
  department_label_->setText(WithMnemonic(department_label_->text(), 'L'));
  department_label_->setBuddy(dept_);
  // Alt+L selects the text also when the box has the focus already.
  department_label_->installEventFilter(this);
  department->addWidget(dept_, 1);

  connect(dept_->lineEdit(), &QLineEdit::textEdited, this, [this](const QString& text) {
    runner_.Run(this, [this, text] { logic_.TypeDepartment(ToWindows1252(text)); });
  });
  connect(dept_, &QComboBox::activated, this, [this](int index) {
    runner_.Run(this, [this, index] { logic_.PickDepartment(index); });
  });
  return department;
}

QWidget* ChangeOrderView::BuildInstructions() {
  label1_ = MakeLabel(logic_.controls().Label1, "Label1", this);
  label1_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
  // The opener sets the instructions after the window is shown: room for
  // them from the start, so the window neither grows nor clips them then.
  label1_->setMinimumWidth(300);
  const QString caption = label1_->text();
  label1_->setText(FromWindows1252(kChangeOrderInstructions));
  label1_->setMinimumHeight(label1_->heightForWidth(label1_->minimumWidth()));
  label1_->setText(caption);
  return label1_;
}

QLayout* ChangeOrderView::BuildButtons() {
  const ChangeOrderControls& c = logic_.controls();
  auto* bottom = new QHBoxLayout();
  command1_ = MakeButton(c.Command1, "Command1", 'S', this);
  set_to_default_ = MakeButton(c.settoDefault, "settoDefault", 'a', this);
  bottom->addWidget(command1_);
  bottom->addWidget(set_to_default_);
  bottom->addWidget(MakeLabel(c.Label3, "Label3", this), 1);
  preview_button_ = MakePreviewButton(this);
  bottom->addWidget(preview_button_);

  connect(command1_, &QPushButton::clicked, this,
          [this] { runner_.Run(this, [this] { logic_.Command1_Click(); }); });
  connect(set_to_default_, &QPushButton::clicked, this,
          [this] { runner_.Run(this, [this] { logic_.settoDefault_Click(); }); });
  return bottom;
}

void ChangeOrderView::Render() {
  const ChangeOrderControls& c = logic_.controls();
  const QStringList fields = Texts(c.fields.lines);
  if (fields_->count() != fields.size()) {
    fields_->clear();
    fields_->addItems(fields);
  }
  for (std::size_t i = 0; i < text_.size(); ++i) {
    const QString text = FromWindows1252(c.Text[i].text);
    if (text_[i]->text() != text) {
      const QSignalBlocker blocker(text_[i]);
      text_[i]->setText(text);
    }
  }
  {
    const QSignalBlocker blocker(dept_);
    const QStringList items = Texts(c.Dept.items);
    QStringList shown;
    for (int i = 0; i < dept_->count(); ++i) shown << dept_->itemText(i);
    if (items != shown) {
      dept_->clear();
      dept_->addItems(items);
    }
    const QString text = FromWindows1252(c.Dept.text);
    if (dept_->currentText() != text) {
      const QSignalBlocker line_blocker(dept_->lineEdit());
      dept_->setEditText(text);
    }
  }
  label1_->setText(FromWindows1252(c.Label1.caption));
}

void ChangeOrderView::FocusDepartment() {
  dept_->setFocus(Qt::OtherFocusReason);
  // The window may not be active yet: its focus then arrives later, as the
  // window's own.
  dept_->SelectAll();
}

bool ChangeOrderView::eventFilter(QObject* watched, QEvent* event) {
  if (watched == department_label_ && event->type() == QEvent::Shortcut) {
    dept_->setFocus(Qt::ShortcutFocusReason);
    dept_->SelectAll();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

void ChangeOrderView::closeEvent(QCloseEvent* event) {
  if (logic_.open()) runner_.Run(this, [this] { logic_.CloseByFrame(); });
  event->accept();
  runner_.WindowClosing(this);
}

}  // namespace tag
