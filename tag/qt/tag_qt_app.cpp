#include "tag/qt/tag_qt_app.h"

#include <QApplication>
#include <QScreen>
#include <QWindow>

#include "tag/qt/change_order_view.h"
#include "tag/qt/form_tags_view.h"

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
    : window_host_(info, err),
      own_messages_(messages != nullptr
                        ? nullptr
                        : std::make_unique<common::QtMessages>(
                              QString::fromStdString(info.title), [this] { return MessageParent(); })),
      form_(env, messages != nullptr ? *messages : *own_messages_, *this, layout_,
            data_directory) {}

TagQtApp::~TagQtApp() {
  delete change_order_view_.data();
  form_view_.reset();
}

ChangeOrderView* TagQtApp::change_order_view() { return change_order_view_.data(); }

QWidget* TagQtApp::MessageParent() const {
  if (raising_ != nullptr && raising_->isVisible()) return raising_.data();
  if (form_view_ != nullptr && form_view_->isVisible()) return form_view_.get();
  return nullptr;
}

bool TagQtApp::Start() {
  if (!window_host_.Run([this] { form_.Form_Load(); })) return false;
  form_view_ = std::make_unique<FormTagsView>(form_, *this);
  window_host_.SetMainWindow(form_view_.get());
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
  // formTags closing leaves the department window standing on its own, and
  // the program goes on until that one closes too.
  if (window == form_view_.get() && change_order_view_ != nullptr &&
      change_order_view_->windowHandle() != nullptr) {
    change_order_view_->windowHandle()->setTransientParent(nullptr);
  }
}

void TagQtApp::RenderAll() {
  if (form_view_) form_view_->Render();
  if (change_order_view_ && change_order_view_->logic().open()) change_order_view_->Render();
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
    change_order_view_->Render();
    if (form_view_ != nullptr && form_view_->isVisible()) PlaceBesideForm(change_order_view_);
  }
  change_order_view_->Render();
  change_order_view_->show();
  change_order_view_->raise();
  change_order_view_->activateWindow();
  // A new window opens with the focus in the department box; one shown
  // again keeps the focus where the user left it.
  if (opening) change_order_view_->FocusDepartment();
}

void TagQtApp::PlaceBesideForm(QWidget* window) {
  // Attached to formTags: kept in front of it by the window manager, and
  // placed at its right, else at its left, else over it within the screen.
  window->winId();
  if (window->windowHandle() != nullptr && form_view_->windowHandle() != nullptr) {
    window->windowHandle()->setTransientParent(form_view_->windowHandle());
  }
  window->adjustSize();
  const QRect form = form_view_->frameGeometry();
  const QSize size = window->frameGeometry().size();
  QScreen* screen = form_view_->screen();
  const QRect room = screen != nullptr ? screen->availableGeometry() : QRect();
  QPoint at(form.right() + 1 + kWindowGap, form.top());
  if (room.isValid() && at.x() + size.width() > room.right() + 1) {
    at.setX(form.left() - kWindowGap - size.width());
    if (at.x() < room.left()) at.setX(std::max(room.left(), room.right() + 1 - size.width()));
  }
  if (room.isValid() && at.y() + size.height() > room.bottom() + 1) {
    at.setY(std::max(room.top(), room.bottom() + 1 - size.height()));
  }
  window->move(at);
}

void TagQtApp::CloseChangeOrder() {
  if (change_order_view_) change_order_view_->close();
  change_order_view_ = nullptr;
}

}  // namespace tag
