#include "tag/qt/tag_qt_app.h"

#include <QApplication>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QSignalBlocker>
#include <QWindow>

#include "tag/qt/change_order_view.h"
#include "tag/qt/form_tags_view.h"
#include "tag/qt/tag_preview_view.h"
#include "tag/qt/window_placement.h"

namespace tag {

namespace {
constexpr int kWindowGap = 8;  // pixels between formTags and the windows it owns
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
                        : std::make_unique<common::QtMessages>(QString::fromStdString(info.title),
                                                               [this] { return MessageParent(); })),
      form_(env, messages != nullptr ? *messages : *own_messages_, *this, layout_, data_directory) {
}

TagQtApp::~TagQtApp() {
  delete preview_view_.data();
  delete change_order_view_.data();
  form_view_.reset();
}

ChangeOrderView* TagQtApp::change_order_view() { return change_order_view_.data(); }
TagPreviewView* TagQtApp::preview_view() { return preview_view_.data(); }

QWidget* TagQtApp::MessageParent() const {
  if (raising_ != nullptr && raising_->isVisible()) return raising_.data();
  if (form_view_ != nullptr && form_view_->isVisible()) return form_view_.get();
  return nullptr;
}

bool TagQtApp::Start() {
  if (!window_host_.Run([this] { form_.Form_Load(); })) return false;
  form_view_ = std::make_unique<FormTagsView>(form_, *this);
  window_host_.SetMainWindow(form_view_.get());
  AttachPreviewKeys(form_view_.get(), form_view_->preview_button());
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
  const auto open = [window](const QWidget* other) {
    return other != nullptr && other != window && other->isVisible();
  };
  // The program ends once no window of it is open; formTags closing before
  // the department window leaves that one standing on its own.
  if (!open(form_view_.get()) && !open(change_order_view_)) {
    EndProgram();
    return;
  }
  if (open(change_order_view_)) Attach(change_order_view_, window);
  if (preview_view_ != nullptr) Attach(preview_view_, window);
}

void TagQtApp::WindowMoved(QWidget* window, QPoint by) {
  // The windows formTags owns go with it.
  if (window != form_view_.get() || !form_view_->isVisible() || window_host_.ended()) return;
  for (QWidget* owned : {static_cast<QWidget*>(change_order_view_.data()),
                         static_cast<QWidget*>(preview_view_.data())}) {
    if (owned != nullptr && owned->isVisible()) owned->move(owned->pos() + by);
  }
}

void TagQtApp::RenderAll() {
  if (form_view_) form_view_->Render();
  if (change_order_view_ && change_order_view_->logic().open()) change_order_view_->Render();
  RenderPreview();
}

void TagQtApp::RenderPreview() {
  const bool shown = form_.preview_shown() && !window_host_.ended();
  QPushButton* form_button = form_view_ ? form_view_->preview_button() : nullptr;
  QPushButton* department_button =
      change_order_view_ ? change_order_view_->preview_button() : nullptr;
  for (QPushButton* button : {form_button, department_button}) {
    if (button == nullptr) continue;
    const QSignalBlocker blocker(button);
    button->setChecked(shown);
  }
  if (!shown) {
    if (preview_view_ == nullptr || !preview_view_->isVisible()) return;
    const bool active = preview_view_->isActiveWindow();
    preview_view_->hide();
    // The keyboard goes back to the window the preview was shown from.
    if (active && preview_opener_ != nullptr && preview_opener_->isVisible()) {
      preview_opener_->raise();
      preview_opener_->activateWindow();
    }
    return;
  }
  const bool opening = preview_view_ == nullptr || !preview_view_->isVisible();
  if (preview_view_ == nullptr) {
    preview_view_ = new TagPreviewView(
        env_, layout_, [this] { TogglePreview(preview_view_); },
        [this] { Run(preview_view_, [this] { form_.ClosePreview(); }); });
  }
  preview_view_->Render(form_.PreviewSubject());
  if (!opening) return;
  const QWidget* next_to = preview_opener_ != nullptr && preview_opener_->isVisible()
                               ? preview_opener_.data()
                               : form_view_.get();
  QScreen* screen = next_to->screen();
  preview_view_->resize(
      preview_view_->OpeningSize(screen != nullptr ? screen->availableGeometry() : QRect()));
  PlaceBeside(preview_view_, next_to);
  preview_view_->show();
  preview_view_->raise();
  preview_view_->activateWindow();
  preview_view_->FocusSearch();
}

void TagQtApp::TogglePreview(QWidget* window) {
  if (window != preview_view_) preview_opener_ = window;
  Run(window, [this] { form_.TogglePreview(); });
}

void TagQtApp::AttachPreviewKeys(QWidget* window, QPushButton* button) {
  QObject::connect(button, &QPushButton::clicked, window,
                   [this, window] { TogglePreview(window); });
  auto* shortcut = new QShortcut(QKeySequence("Ctrl+I"), window);
  QObject::connect(shortcut, &QShortcut::activated, window,
                   [this, window] { TogglePreview(window); });
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
  if (preview_view_) preview_view_->hide();
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
    AttachPreviewKeys(change_order_view_, change_order_view_->preview_button());
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

void TagQtApp::Attach(QWidget* owned, const QWidget* closing) {
  const auto open = [closing](const QWidget* window) {
    return window != nullptr && window != closing && window->isVisible();
  };
  QWidget* owner = nullptr;
  if (open(form_view_.get())) {
    owner = form_view_.get();
  } else if (owned != change_order_view_ && open(change_order_view_)) {
    owner = change_order_view_;
  }
  owned->winId();
  if (owned->windowHandle() == nullptr) return;
  owned->windowHandle()->setTransientParent(owner != nullptr ? owner->windowHandle() : nullptr);
}

void TagQtApp::PlaceBesideForm(QWidget* window) {
  // Attached to formTags, the window manager keeps it in front of it.
  Attach(window);
  window->adjustSize();
  const Placement placement = PlaceNextTo(window, *form_view_, FormMay::kMove);
  if (placement.form) form_view_->move(*placement.form);
  MoveFrameTo(window, placement.window, *form_view_);
}

void TagQtApp::PlaceBeside(QWidget* window, const QWidget* next_to) {
  Attach(window);
  MoveFrameTo(window, PlaceNextTo(window, *next_to, FormMay::kStay).window, *next_to);
}

void TagQtApp::MoveFrameTo(QWidget* window, QPoint frame_at, const QWidget& like) {
  // Placed by its inside, the frame to come being as wide as `like`'s.
  const QPoint frame_to_client = like.geometry().topLeft() - like.pos();
  window->setGeometry(QRect(frame_at + frame_to_client, window->size()));
}

Placement TagQtApp::PlaceNextTo(const QWidget* window, const QWidget& next_to,
                                FormMay next_to_may) const {
  // A window's frame is not known before it shows: it will get one like
  // `next_to` has.
  const QRect frame = next_to.frameGeometry();
  const QRect client = next_to.geometry();
  const QSize frame_size = window->size() + frame.size() - client.size();
  QScreen* screen = next_to.screen();
  return tag::PlaceBeside(frame, frame_size,
                          screen != nullptr ? screen->availableGeometry() : QRect(), kWindowGap,
                          next_to_may);
}

void TagQtApp::CloseChangeOrder() {
  if (change_order_view_) change_order_view_->close();
  change_order_view_ = nullptr;
}

}  // namespace tag
