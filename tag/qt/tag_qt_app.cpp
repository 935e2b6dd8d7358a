#include "tag/qt/tag_qt_app.h"

#include <QApplication>
#include <QScreen>
#include <QWindow>

#include "tag/qt/change_order_view.h"
#include "tag/qt/form_tags_view.h"
#include "tag/qt/tag_preview_panel.h"
#include "tag/qt/window_placement.h"

namespace tag {

namespace {
constexpr int kWindowGap = 8;  // pixels between formTags and the department window
}  // namespace

TagQtApp::TagQtApp(common::Env& env, const common::ProgramInfo& info,
                   const std::string& data_directory, std::ostream& err)
    : TagQtApp(env, nullptr, info, data_directory, err) {}

TagQtApp::TagQtApp(common::Env& env, common::Messages& messages, const common::ProgramInfo& info,
                   const std::string& data_directory, std::ostream& err)
    : TagQtApp(env, &messages, info, data_directory, err) {}

TagQtApp::TagQtApp(common::Env& env, common::Messages* messages, const common::ProgramInfo& info,
                   const std::string& data_directory, std::ostream& err)
    : env_(env),
      window_host_(info, err),
      own_messages_(messages != nullptr
                        ? nullptr
                        : std::make_unique<common::QtMessages>(
                              QString::fromStdString(info.title), [this] { return MessageParent(); })),
      form_(env, messages != nullptr ? *messages : *own_messages_, *this, layout_,
            data_directory) {}

TagQtApp::~TagQtApp() {
  delete default_preview_.data();
  delete change_order_view_.data();
  form_view_.reset();
}

ChangeOrderView* TagQtApp::change_order_view() { return change_order_view_.data(); }
TagPreviewPanel* TagQtApp::change_order_preview() { return change_order_preview_.data(); }
DefaultPreviewWindow* TagQtApp::default_preview() { return default_preview_.data(); }

QWidget* TagQtApp::MessageParent() const {
  if (raising_ != nullptr && raising_->isVisible()) return raising_.data();
  if (form_view_ != nullptr && form_view_->isVisible()) return form_view_.get();
  return nullptr;
}

bool TagQtApp::Start() {
  if (!window_host_.Run([this] { form_.Form_Load(); })) return false;
  form_view_ = std::make_unique<FormTagsView>(form_, *this);
  window_host_.SetMainWindow(form_view_.get());
  AddDefaultPreviewButton(*form_view_, [this] { OpenDefaultPreview(); });
  form_view_->show();
  form_view_->FocusSettingsList();
  return true;
}

void TagQtApp::Run(QWidget* window, const std::function<void()>& procedure) {
  const QPointer<QWidget> outer = raising_;
  raising_ = window;
  window_host_.Run(procedure);
  raising_ = outer;
  RenderAll();
}

void TagQtApp::WindowClosing(QWidget* window) {
  if (window_host_.ended()) return;
  const bool form_open = form_view_ != nullptr && window != form_view_.get() &&
                         form_view_->isVisible();
  const bool department_open = change_order_view_ != nullptr &&
                               window != change_order_view_.data() &&
                               change_order_view_->isVisible();
  // The program ends once no window of it is open; formTags closing before
  // the department window leaves that one standing on its own.
  if (!form_open && !department_open) {
    EndProgram();
  } else if (department_open && change_order_view_->windowHandle() != nullptr) {
    change_order_view_->windowHandle()->setTransientParent(nullptr);
  }
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
  const bool opening = !change_order_view_ || &change_order_view_->logic() != &window;
  if (opening) {
    // A view of an earlier opening is closed already and deletes itself.
    change_order_view_ = new ChangeOrderView(window, *this);
    change_order_preview_ = new TagPreviewPanel(env_, layout_, change_order_view_);
    AddToBottom(*change_order_view_, change_order_preview_);
    change_order_view_->Render();
    if (form_view_ != nullptr && form_view_->isVisible()) PlaceBesideForm(change_order_view_);
  }
  RenderAll();
  change_order_view_->show();
  change_order_view_->raise();
  change_order_view_->activateWindow();
  // A new window opens with the focus in the department box; one shown
  // again keeps the focus where the user left it.
  if (opening) change_order_view_->FocusDepartment();
}

void TagQtApp::PlaceBesideForm(QWidget* window) {
  // Attached to formTags: the window manager keeps it in front of it.
  window->winId();
  if (window->windowHandle() != nullptr && form_view_->windowHandle() != nullptr) {
    window->windowHandle()->setTransientParent(form_view_->windowHandle());
  }
  window->adjustSize();
  QScreen* screen = form_view_->screen();
  const Placement placement =
      PlaceBeside(form_view_->frameGeometry(), window->frameGeometry().size(),
                  screen != nullptr ? screen->availableGeometry() : QRect(), kWindowGap);
  if (placement.form) form_view_->move(*placement.form);
  // Its frame is not known before it shows: it gets one like formTags has.
  const QPoint frame_to_client = form_view_->geometry().topLeft() - form_view_->pos();
  window->setGeometry(QRect(placement.window + frame_to_client, window->size()));
}

void TagQtApp::CloseChangeOrder() {
  if (change_order_view_) change_order_view_->close();
  change_order_view_ = nullptr;
}

}  // namespace tag
