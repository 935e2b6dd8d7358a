#include "tag/qt/tag_qt_app.h"

#include <QApplication>

#include "tag/qt/change_order_view.h"
#include "tag/qt/form_tags_view.h"
#include "tag/qt/tag_preview_panel.h"

namespace tag {

TagQtApp::TagQtApp(common::Env& env, common::Messages& messages, QString title)
    : title_(std::move(title)), env_(env), form_(env, messages, *this, layout_) {}

TagQtApp::~TagQtApp() {
  delete default_preview_.data();
  delete change_order_view_.data();
  form_view_.reset();
}

ChangeOrderView* TagQtApp::change_order_view() { return change_order_view_.data(); }
TagPreviewPanel* TagQtApp::change_order_preview() { return change_order_preview_.data(); }
DefaultPreviewWindow* TagQtApp::default_preview() { return default_preview_.data(); }

bool TagQtApp::Start() {
  if (!common::RunEventProcedure(title_, [this] { form_.Form_Load(); })) return false;
  form_view_ = std::make_unique<FormTagsView>(form_, *this);
  AddDefaultPreviewButton(*form_view_, [this] { OpenDefaultPreview(); });
  form_view_->show();
  form_view_->FocusSettingsList();
  return true;
}

int TagQtApp::Exec() {
  if (window_host_.ended()) return common::ErrorReported() ? 1 : 0;
  const int status = QApplication::exec();
  return common::ErrorReported() ? 1 : status;
}

void TagQtApp::Run(const std::function<void()>& procedure) {
  common::RunEventProcedure(title_, procedure);
  RenderAll();
}

void TagQtApp::RenderAll() {
  if (form_view_) form_view_->Render();
  if (change_order_view_ && change_order_view_->logic().open()) {
    change_order_view_->Render();
    if (change_order_preview_) {
      const ChangeOrderControls& c = change_order_view_->logic().controls();
      FieldLayout boxes;
      for (std::size_t i = 0; i < boxes.size(); ++i) boxes[i] = c.Text[i].text;
      change_order_preview_->Render(boxes, c.Dept.text);
    }
  }
  if (default_preview_) default_preview_->Render();
}

void TagQtApp::OpenDefaultPreview() {
  if (default_preview_) {
    default_preview_->Reload();
  } else {
    default_preview_ = new DefaultPreviewWindow(env_, layout_);
  }
  default_preview_->show();
  default_preview_->raise();
  default_preview_->activateWindow();
}

void TagQtApp::ProcessPendingEvents() {
  RenderAll();
  window_host_.ProcessPendingEvents();
}

void TagQtApp::SetBusyPointer(bool busy) { window_host_.SetBusyPointer(busy); }

void TagQtApp::EndProgram() {
  window_host_.EndProgram();
  // Every window of the program closes with it.
  if (change_order_view_) change_order_view_->hide();
  if (default_preview_) default_preview_->hide();
  if (form_view_) form_view_->hide();
}

void TagQtApp::MoveFocusToChangeBox() {
  if (form_view_) form_view_->FocusChangeBox();
}

void TagQtApp::ShowChangeOrder(ChangeOrder& window) {
  if (!change_order_view_ || &change_order_view_->logic() != &window) {
    // A view of an earlier opening is closed already and deletes itself.
    change_order_view_ = new ChangeOrderView(window, *this);
    change_order_preview_ = new TagPreviewPanel(env_, layout_, change_order_view_);
    AddToBottom(*change_order_view_, change_order_preview_);
  }
  RenderAll();
  change_order_view_->show();
  change_order_view_->raise();
  change_order_view_->activateWindow();
}

void TagQtApp::CloseChangeOrder() {
  if (change_order_view_) change_order_view_->close();
  change_order_view_ = nullptr;
}

}  // namespace tag
