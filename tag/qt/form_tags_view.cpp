#include "tag/qt/form_tags_view.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QGridLayout>
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

FormTagsView::FormTagsView(FormTags& logic, EventRunner& runner)
    : logic_(logic), runner_(runner) {
  setObjectName("formTags");
  setWindowTitle(kFormTagsCaption);
  Build();
  Render();
  KeepContentsWhole(*this);
}

void FormTagsView::Build() {
  const FormTagsControls& c = logic_.controls();
  auto* outer = new QVBoxLayout(this);
  preview_ = new PreviewWidget(c, this);
  outer->addWidget(preview_);

  auto* grid = new QGridLayout();
  outer->addLayout(grid);

  // Left: the change box with "Save Change"; "Change Order" at the bottom.
  auto* left = new QVBoxLayout();
  QLabel* label12 = MakeLabel(c.Label12, "Label12", this);
  left->addWidget(label12);
  tabbox_ = new QLineEdit(this);
  tabbox_->setObjectName("tabbox");
  tabbox_->setMinimumWidth(160);
  tabbox_->installEventFilter(this);
  label12->setText(WithMnemonic(label12->text(), 'C'));
  label12->setBuddy(tabbox_);
  left->addWidget(tabbox_);
  command1_ = MakeButton(c.Command1, "Command1", 'S', this);
  left->addWidget(command1_);
  left->addStretch(1);
  left->addWidget(MakeLabel(c.Label14, "Label14", this));
  command2_ = MakeButton(c.Command2, "Command2", 'O', this);
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
  // Every line shows without scrolling.
  list_->setMinimumHeight(kSettingLineCount * (list_->fontMetrics().lineSpacing() + 2) +
                          2 * list_->frameWidth() + 6);
  middle->addWidget(list_);
  QLabel* label7 = MakeLabel(c.Label7, "Label7", this);
  label7->setText(WithMnemonic(label7->text(), 'P'));
  label7->setBuddy(list_);
  middle->addWidget(label7);
  grid->addLayout(middle, 0, 1);

  // Right: the font-size hint, micro-adjust, and "Save/Exit" below them.
  auto* right = new QVBoxLayout();
  right->addWidget(MakeLabel(c.Label8, "Label8", this));
  microadjust_ = new QCheckBox(WithMnemonic(FromWindows1252(c.microadjust.caption), 'M'), this);
  microadjust_->setObjectName("microadjust");
  microadjust_->setFocusPolicy(Qt::StrongFocus);
  right->addWidget(microadjust_);
  auto* factor_row = new QHBoxLayout();
  factor_label_ = new QLabel(WithMnemonic(FromWindows1252(kFactorLabel), 'f'), this);
  factor_label_->setObjectName("microadjustfactorLabel");
  factor_row->addWidget(factor_label_);
  factor_ = new QLineEdit(this);
  factor_->setObjectName("microadjustfactor");
  factor_label_->setBuddy(factor_);
  factor_row->addWidget(factor_, 1);
  right->addLayout(factor_row);
  right->addStretch(1);
  save_ = MakeButton(c.save, "save", 'x', this);
  right->addWidget(save_);
  grid->addLayout(right, 0, 2);
  grid->setColumnStretch(1, 1);

  // The data directory the window works on, across the bottom.
  data_directory_ = new common::PathLabel(QString::fromStdString(c.DataDirectory.caption), this);
  data_directory_->setObjectName("DataDirectory");
  data_directory_->setVisible(!c.DataDirectory.caption.empty());
  outer->addWidget(data_directory_);

  preview_button_ = MakePreviewButton(this);
  auto* preview_row = new QHBoxLayout();
  preview_row->addWidget(preview_button_);
  preview_row->addStretch(1);
  outer->addLayout(preview_row);

  // Reading order: the columns left to right, each from the top.
  setTabOrder(tabbox_, command1_);
  setTabOrder(command1_, command2_);
  setTabOrder(command2_, list_);
  setTabOrder(list_, microadjust_);
  setTabOrder(microadjust_, factor_);
  setTabOrder(factor_, save_);
  setTabOrder(save_, preview_button_);

  connect(list_, &SettingsList::lineChosen, this,
          [this](int row) { runner_.Run(this, [this, row] { logic_.ClickSettingsLine(row); }); });
  connect(tabbox_, &QLineEdit::textEdited, this, [this](const QString& text) {
    runner_.Run(this, [this, text] { logic_.TypeChangeBox(ToWindows1252(text)); });
  });
  // Enter leaves the box: the value is stored on the way out, as always.
  connect(tabbox_, &QLineEdit::returnPressed, this, [this] { FocusSettingsList(); });
  connect(command1_, &QPushButton::clicked, this,
          [this] { runner_.Run(this, [this] { logic_.Command1_Click(); }); });
  connect(save_, &QPushButton::clicked, this,
          [this] { runner_.Run(this, [this] { logic_.save_Click(); }); });
  connect(command2_, &QPushButton::clicked, this,
          [this] { runner_.Run(this, [this] { logic_.Command2_Click(); }); });
  connect(microadjust_, &QCheckBox::clicked, this,
          [this] { runner_.Run(this, [this] { logic_.ClickMicroAdjust(); }); });
  connect(factor_, &QLineEdit::textEdited, this, [this](const QString& text) {
    runner_.Run(this, [this, text] { logic_.TypeFactor(ToWindows1252(text)); });
  });
}

bool FormTagsView::eventFilter(QObject* watched, QEvent* event) {
  if (watched == tabbox_ && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)) {
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
