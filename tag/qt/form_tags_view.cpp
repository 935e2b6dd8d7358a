#include "tag/qt/form_tags_view.h"

#include <QCheckBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "common/qt/qt_messages.h"
#include "tag/qt/control_widgets.h"
#include "tag/qt/preview_widget.h"
#include "tag/qt/settings_list.h"

namespace tag {

namespace {

using common::FromWindows1252;
using common::ToWindows1252;

// Focus moves between the program's controls; not a message box or another
// window taking the focus for a while.
bool MovesBetweenControls(const QFocusEvent* event) {
  return event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason;
}

}  // namespace

FormTagsView::FormTagsView(FormTags& logic, EventRunner& runner)
    : logic_(logic), runner_(runner) {
  setObjectName("formTags");
  setWindowTitle(kFormTagsCaption);
  Build();
  Render();
}

void FormTagsView::Build() {
  const FormTagsControls& c = logic_.controls();
  auto* outer = new QVBoxLayout(this);
  outer->setSizeConstraint(QLayout::SetMinimumSize);
  preview_ = new PreviewWidget(c, this);
  outer->addWidget(preview_);

  auto* grid = new QGridLayout();
  outer->addLayout(grid);

  // Left: the change box with "Save Change"; "Change Order" at the bottom.
  auto* left = new QVBoxLayout();
  left->addWidget(MakeLabel(c.Label12, "Label12", this));
  tabbox_ = new QLineEdit(this);
  tabbox_->setObjectName("tabbox");
  tabbox_->setMinimumWidth(160);
  tabbox_->installEventFilter(this);
  left->addWidget(tabbox_);
  command1_ = MakeButton(c.Command1, "Command1", this);
  left->addWidget(command1_);
  left->addStretch(1);
  left->addWidget(MakeLabel(c.Label14, "Label14", this));
  command2_ = MakeButton(c.Command2, "Command2", this);
  left->addWidget(command2_);
  grid->addLayout(left, 0, 0);

  // Middle: the file name above the settings list, the hint below it.
  auto* middle = new QVBoxLayout();
  commandset_ = new QLabel(this);
  commandset_->setObjectName("commandset");
  commandset_->setAlignment(Qt::AlignCenter);
  commandset_->setAutoFillBackground(true);
  QPalette grey = commandset_->palette();
  grey.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
  grey.setColor(QPalette::WindowText, Qt::black);
  commandset_->setPalette(grey);
  middle->addWidget(commandset_);
  list_ = new SettingsList(this);
  list_->setObjectName("List1");
  list_->setMinimumWidth(240);
  middle->addWidget(list_);
  middle->addWidget(MakeLabel(c.Label7, "Label7", this));
  grid->addLayout(middle, 0, 1);

  // Right: the font-size hint, micro-adjust, and "Save/Exit" below them.
  auto* right = new QVBoxLayout();
  right->addWidget(MakeLabel(c.Label8, "Label8", this));
  microadjust_ = new QCheckBox(FromWindows1252(c.microadjust.caption), this);
  microadjust_->setObjectName("microadjust");
  microadjust_->setFocusPolicy(Qt::StrongFocus);
  right->addWidget(microadjust_);
  factor_ = new QLineEdit(this);
  factor_->setObjectName("microadjustfactor");
  right->addWidget(factor_);
  right->addStretch(1);
  save_ = MakeButton(c.save, "save", this);
  right->addWidget(save_);
  grid->addLayout(right, 0, 2);
  grid->setColumnStretch(1, 1);

  connect(list_, &SettingsList::lineChosen, this,
          [this](int row) { runner_.Run([this, row] { logic_.ClickSettingsLine(row); }); });
  connect(tabbox_, &QLineEdit::textEdited, this, [this](const QString& text) {
    runner_.Run([this, text] { logic_.TypeChangeBox(ToWindows1252(text)); });
  });
  connect(command1_, &QPushButton::clicked, this,
          [this] { runner_.Run([this] { logic_.Command1_Click(); }); });
  connect(save_, &QPushButton::clicked, this,
          [this] { runner_.Run([this] { logic_.save_Click(); }); });
  connect(command2_, &QPushButton::clicked, this,
          [this] { runner_.Run([this] { logic_.Command2_Click(); }); });
  connect(microadjust_, &QCheckBox::clicked, this,
          [this] { runner_.Run([this] { logic_.ClickMicroAdjust(); }); });
  connect(factor_, &QLineEdit::textEdited, this, [this](const QString& text) {
    runner_.Run([this, text] { logic_.TypeFactor(ToWindows1252(text)); });
  });
}

bool FormTagsView::eventFilter(QObject* watched, QEvent* event) {
  if (watched == tabbox_ && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)) {
    if (MovesBetweenControls(static_cast<QFocusEvent*>(event))) {
      if (event->type() == QEvent::FocusIn) {
        runner_.Run([this] { logic_.tabbox_GotFocus(); });
        // Typing then replaces the value shown.
        if (tabbox_->hasFocus()) tabbox_->selectAll();
      } else {
        runner_.Run([this] { logic_.tabbox_LostFocus(); });
      }
    }
  }
  return QWidget::eventFilter(watched, event);
}

void FormTagsView::Render() {
  const FormTagsControls& c = logic_.controls();

  QStringList lines;
  for (const std::string& line : c.List1.lines) lines << FromWindows1252(line);
  QStringList shown;
  for (int i = 0; i < list_->count(); ++i) shown << list_->item(i)->text();
  {
    const QSignalBlocker blocker(list_);
    if (lines != shown) {
      list_->clear();
      list_->addItems(lines);
    }
    if (list_->currentRow() != c.List1.list_index) {
      list_->setCurrentRow(c.List1.list_index);
      if (c.List1.list_index < 0) list_->clearSelection();
    }
  }

  commandset_->setText(FromWindows1252(c.commandset.caption));
  const QString change_text = FromWindows1252(c.tabbox.text);
  if (tabbox_->text() != change_text) {
    const QSignalBlocker blocker(tabbox_);
    tabbox_->setText(change_text);
  }
  {
    const QSignalBlocker blocker(microadjust_);
    microadjust_->setChecked(c.microadjust.checked);
  }
  const QString factor_text = FromWindows1252(c.microadjustfactor.text);
  if (factor_->text() != factor_text) {
    const QSignalBlocker blocker(factor_);
    factor_->setText(factor_text);
  }
  factor_->setVisible(c.microadjustfactor.visible);
  preview_->update();
}

void FormTagsView::FocusChangeBox() { tabbox_->setFocus(Qt::OtherFocusReason); }

void FormTagsView::FocusSettingsList() { list_->setFocus(Qt::OtherFocusReason); }

}  // namespace tag
