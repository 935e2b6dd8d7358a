#include "tag/qt/form_tags_view.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMoveEvent>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "common/app/qt/path_label.h"
#include "common/app/qt/qt_messages.h"
#include "tag/qt/control_widgets.h"
#include "tag/qt/preview_widget.h"
#include "tag/qt/settings_list.h"
#include "tag/qt/tag_preview_view.h"

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

FormTagsView::FormTagsView(FormTags& logic, EventRunner& runner) : logic_(logic), runner_(runner) {
  setObjectName("formTags");
  setWindowTitle(kFormTagsCaption);
  Build();
  Render();
  KeepContentsWhole(*this);
}

void FormTagsView::Build() {
  auto* outer = new QVBoxLayout(this);
  preview_ = new PreviewWidget(logic_.controls(), this);
  outer->addWidget(preview_);
  auto* columns = new QHBoxLayout();
  columns->addLayout(BuildChangeColumn());
  columns->addLayout(BuildSettingsColumn(), 1);
  columns->addLayout(BuildMicroAdjustColumn());
  outer->addLayout(columns);
  BuildBottom(*outer);

  // Reading order: the columns left to right, each from the top, then the
  // bottom.
  setTabOrder(tabbox_, command1_);
  setTabOrder(command1_, command2_);
  setTabOrder(command2_, list_);
  setTabOrder(list_, microadjust_);
  setTabOrder(microadjust_, factor_);
  setTabOrder(factor_, save_);
  setTabOrder(save_, preview_button_);
}

QLayout* FormTagsView::BuildChangeColumn() {
  // The change box with "Save Change"; "Change Order" at the bottom.
  const FormTagsControls& c = logic_.controls();
  auto* column = new QVBoxLayout();
  QLabel* label12 = MakeLabel(c.Label12, "Label12", this);
  column->addWidget(label12);
  tabbox_ = new QLineEdit(this);
  tabbox_->setObjectName("tabbox");
  tabbox_->setMinimumWidth(160);
  tabbox_->installEventFilter(this);
  label12->setText(WithMnemonic(label12->text(), 'C'));
  label12->setBuddy(tabbox_);
  column->addWidget(tabbox_);
  command1_ = MakeButton(c.Command1, "Command1", 'S', this);
  column->addWidget(command1_);
  column->addStretch(1);
  column->addWidget(MakeLabel(c.Label14, "Label14", this));
  command2_ = MakeButton(c.Command2, "Command2", 'O', this);
  column->addWidget(command2_);

  connect(tabbox_, &QLineEdit::textEdited, this, [this](const QString& text) {
    runner_.Run(this, [this, text] { logic_.TypeChangeBox(ToWindows1252(text)); });
  });
  // Enter leaves the box: the value is stored on the way out, as always.
  connect(tabbox_, &QLineEdit::returnPressed, this, [this] { FocusSettingsList(); });
  connect(command1_, &QPushButton::clicked, this,
          [this] { runner_.Run(this, [this] { logic_.Command1_Click(); }); });
  connect(command2_, &QPushButton::clicked, this,
          [this] { runner_.Run(this, [this] { logic_.Command2_Click(); }); });
  return column;
}

QLayout* FormTagsView::BuildSettingsColumn() {
  // The file name above the settings list, the hint below it.
  auto* column = new QVBoxLayout();
  commandset_ = new QLabel(this);
  commandset_->setObjectName("commandset");
  commandset_->setAlignment(Qt::AlignCenter);
  commandset_->setAutoFillBackground(true);
  QPalette grey = commandset_->palette();
  grey.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
  grey.setColor(QPalette::WindowText, Qt::black);
  commandset_->setPalette(grey);
  column->addWidget(commandset_);
  list_ = new SettingsList(this);
  list_->setObjectName("List1");
  list_->setMinimumWidth(240);
  // Every line shows without scrolling.
  list_->setMinimumHeight(kSettingLineCount * (list_->fontMetrics().lineSpacing() + 2) +
                          2 * list_->frameWidth() + 6);
  column->addWidget(list_);
  QLabel* label7 = MakeLabel(logic_.controls().Label7, "Label7", this);
  label7->setText(WithMnemonic(label7->text(), 'P'));
  label7->setBuddy(list_);
  column->addWidget(label7);

  connect(list_, &SettingsList::lineChosen, this,
          [this](int row) { runner_.Run(this, [this, row] { logic_.ClickSettingsLine(row); }); });
  return column;
}

QLayout* FormTagsView::BuildMicroAdjustColumn() {
  // The font-size hint, micro-adjust, and "Save/Exit" below them.
  const FormTagsControls& c = logic_.controls();
  auto* column = new QVBoxLayout();
  column->addWidget(MakeLabel(c.Label8, "Label8", this));
  microadjust_ = new QCheckBox(WithMnemonic(FromWindows1252(c.microadjust.caption), 'M'), this);
  microadjust_->setObjectName("microadjust");
  microadjust_->setFocusPolicy(Qt::StrongFocus);
  column->addWidget(microadjust_);
  auto* factor_row = new QHBoxLayout();
  factor_label_ = new QLabel(WithMnemonic(FromWindows1252(kFactorLabel), 'f'), this);
  factor_label_->setObjectName("microadjustfactorLabel");
  factor_row->addWidget(factor_label_);
  factor_ = new QLineEdit(this);
  factor_->setObjectName("microadjustfactor");
  factor_label_->setBuddy(factor_);
  factor_row->addWidget(factor_, 1);
  column->addLayout(factor_row);
  column->addStretch(1);
  save_ = MakeButton(c.save, "save", 'x', this);
  column->addWidget(save_);

  connect(microadjust_, &QCheckBox::clicked, this,
          [this] { runner_.Run(this, [this] { logic_.ClickMicroAdjust(); }); });
  connect(factor_, &QLineEdit::textEdited, this, [this](const QString& text) {
    runner_.Run(this, [this, text] { logic_.TypeFactor(ToWindows1252(text)); });
  });
  connect(save_, &QPushButton::clicked, this,
          [this] { runner_.Run(this, [this] { logic_.save_Click(); }); });
  return column;
}

void FormTagsView::BuildBottom(QBoxLayout& outer) {
  // The data directory the window works on, then "Preview with items".
  const common::Label& path = logic_.controls().DataDirectory;
  data_directory_ = new common::PathLabel(QString::fromStdString(path.caption), this);
  data_directory_->setObjectName("DataDirectory");
  data_directory_->setVisible(!path.caption.empty());
  outer.addWidget(data_directory_);
  preview_button_ = MakePreviewButton(this);
  auto* row = new QHBoxLayout();
  row->addWidget(preview_button_);
  row->addStretch(1);
  outer.addLayout(row);
}

bool FormTagsView::eventFilter(QObject* watched, QEvent* event) {
  if (watched == tabbox_ &&
      (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)) {
    if (MovesBetweenControls(static_cast<QFocusEvent*>(event))) {
      if (event->type() == QEvent::FocusIn) {
        runner_.Run(this, [this] { logic_.tabbox_GotFocus(); });
        // Typing then replaces the value shown.
        if (tabbox_->hasFocus()) tabbox_->selectAll();
      } else {
        runner_.Run(this, [this] { logic_.tabbox_LostFocus(); });
      }
    }
  }
  return QWidget::eventFilter(watched, event);
}

void FormTagsView::Render() {
  const FormTagsControls& c = logic_.controls();

  list_->Render(c.List1);

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
  factor_label_->setVisible(c.microadjustfactor.visible);
  preview_->update();
}

void FormTagsView::FocusChangeBox() { tabbox_->setFocus(Qt::OtherFocusReason); }

void FormTagsView::FocusSettingsList() { list_->setFocus(Qt::OtherFocusReason); }

void FormTagsView::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  runner_.WindowMoved(this, event->pos() - event->oldPos());
}

void FormTagsView::closeEvent(QCloseEvent* event) {
  runner_.WindowClosing(this);
  event->accept();
}

}  // namespace tag
