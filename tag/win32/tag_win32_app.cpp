#include "tag/win32/tag_win32_app.h"

#include "common/app/win32/win32_front_end.h"
#include "common/app/win32/win32_text.h"
#include "tag/win32/change_order_dialog.h"
#include "tag/win32/form_tags_dialog.h"
#include "tag/win32/tag_preview_dialog.h"

namespace tag {

TagWin32App::TagWin32App(common::Env& env, const common::ProgramInfo& info,
                         const std::string& data_directory, std::ostream& err)
    : env_(env),
      host_(info, err),
      messages_(common::win32::Utf8ToWide(info.title), [this] { return MessageOwner(); }),
      form_(env, messages_, *this, layout_, data_directory) {
  common::StartWin32FrontEnd();
  host_.SetKeyFilter([this](const MSG& message) { return Shortcut(message); });
}

TagWin32App::~TagWin32App() {
  preview_window_.reset();
  change_order_window_.reset();
  form_window_.reset();
}

HWND TagWin32App::MessageOwner() const {
  if (raising_ != nullptr && ::IsWindowVisible(raising_)) return raising_;
  if (FormShown()) return form_window_->hwnd();
  return nullptr;
}

bool TagWin32App::FormShown() const {
  return form_window_ != nullptr && form_window_->hwnd() != nullptr &&
         ::IsWindowVisible(form_window_->hwnd());
}

bool TagWin32App::ChangeOrderShown() const {
  return change_order_window_ != nullptr && change_order_window_->hwnd() != nullptr &&
         ::IsWindowVisible(change_order_window_->hwnd());
}

bool TagWin32App::Start() {
  if (!host_.Run([this] { form_.Form_Load(); })) return false;
  if (host_.ended()) return true;
  form_window_ = std::make_unique<FormTagsDialog>(form_, *this, host_);
  if (!form_window_->Create(nullptr, common::win32::FromText(kFormTagsCaption))) return false;
  host_.SetMainWindow(form_window_->hwnd());
  form_window_->Render();
  ::ShowWindow(form_window_->hwnd(), SW_SHOW);
  ::SetForegroundWindow(form_window_->hwnd());
  form_window_->FocusSettingsList();
  return true;
}

void TagWin32App::Run(HWND window, const std::function<void()>& procedure) {
  const HWND outer = raising_;
  raising_ = window;
  host_.Run(procedure);
  raising_ = outer;
  RenderAll();
}

void TagWin32App::RenderAll() {
  if (host_.ended()) return;
  if (form_window_) form_window_->Render();
  if (change_order_window_ && change_order_window_->logic().open()) change_order_window_->Render();
  RenderPreview();
}

void TagWin32App::RenderPreview() {
  const bool shown = form_.preview_shown() && !host_.ended();
  const bool visible = preview_window_ && preview_window_->hwnd() != nullptr &&
                       ::IsWindowVisible(preview_window_->hwnd());
  if (!shown) {
    if (!visible) return;
    const bool active = ::GetForegroundWindow() == preview_window_->hwnd();
    ::ShowWindow(preview_window_->hwnd(), SW_HIDE);
    // The keyboard goes back to the window the preview was shown from.
    if (active && preview_opener_ != nullptr && ::IsWindowVisible(preview_opener_)) {
      ::SetForegroundWindow(preview_opener_);
    }
    return;
  }
  if (!preview_window_ || preview_window_->hwnd() == nullptr) {
    preview_window_ = std::make_unique<TagPreviewDialog>(env_, layout_, host_);
    const HWND owner = FormShown() ? form_window_->hwnd() : nullptr;
    if (!preview_window_->Create(owner, common::win32::FromText(kPreviewCaption), true)) {
      preview_window_.reset();
      return;
    }
    preview_window_->SetCloseRequest(
        [this] { Run(preview_window_->hwnd(), [this] { form_.ClosePreview(); }); });
  }
  preview_window_->Render(form_.PreviewSubject());
  if (!visible) {
    ::ShowWindow(preview_window_->hwnd(), SW_SHOW);
    ::SetForegroundWindow(preview_window_->hwnd());
    preview_window_->FocusSearch();
  }
}

void TagWin32App::ProcessPendingEvents() {
  RenderAll();
  host_.ProcessPendingEvents();
}

void TagWin32App::SetBusyPointer(bool busy) { host_.SetBusyPointer(busy); }

void TagWin32App::EndProgram() {
  host_.EndProgram();
  // Every window of the program closes with it.
  for (common::DialogWindow* window :
       {static_cast<common::DialogWindow*>(preview_window_.get()),
        static_cast<common::DialogWindow*>(change_order_window_.get()),
        static_cast<common::DialogWindow*>(form_window_.get())}) {
    if (window != nullptr && window->hwnd() != nullptr) ::ShowWindow(window->hwnd(), SW_HIDE);
  }
}

void TagWin32App::EndWhenNoWindow() {
  if (!FormShown() && !ChangeOrderShown() && !host_.ended()) EndProgram();
}

void TagWin32App::FormClosing() {
  // Closing formTags writes nothing; an open department window goes on on
  // its own, and the program ends with the last of the two.
  host_.WhenIdle([this] {
    if (form_window_ && form_window_->hwnd() != nullptr) {
      ::ShowWindow(form_window_->hwnd(), SW_HIDE);
    }
    if (preview_window_ && preview_window_->hwnd() != nullptr) {
      ::ShowWindow(preview_window_->hwnd(), SW_HIDE);
    }
    EndWhenNoWindow();
  });
}

void TagWin32App::ChangeOrderClosing() {
  host_.WhenIdle([this] {
    if (!change_order_window_) return;
    Run(change_order_window_->hwnd(), [this] {
      if (change_order_window_->logic().open()) change_order_window_->logic().CloseByFrame();
    });
    CloseChangeOrder();
  });
}

void TagWin32App::MoveFocusToChangeBox() {
  if (form_window_) form_window_->FocusChangeBox();
}

void TagWin32App::ShowChangeOrder(ChangeOrder& window) {
  const bool opening = !change_order_window_ || &change_order_window_->logic() != &window ||
                       change_order_window_->hwnd() == nullptr;
  if (opening) {
    // A window of an earlier opening is closed already; it goes now.
    change_order_window_ = std::make_unique<ChangeOrderDialog>(window, *this, host_);
    const HWND owner = FormShown() ? form_window_->hwnd() : nullptr;
    if (!change_order_window_->Create(owner, common::win32::FromText(kChangeOrderCaption))) {
      change_order_window_.reset();
      return;
    }
    change_order_window_->Render();
    if (owner != nullptr) change_order_window_->PlaceBeside(owner);
  }
  ::ShowWindow(change_order_window_->hwnd(), SW_SHOW);
  ::SetForegroundWindow(change_order_window_->hwnd());
  // A new window opens with the focus in the department box; one shown
  // again keeps the focus where the user left it.
  if (opening) change_order_window_->FocusDepartment();
}

void TagWin32App::CloseChangeOrder() {
  if (change_order_window_ && change_order_window_->hwnd() != nullptr) {
    ::ShowWindow(change_order_window_->hwnd(), SW_HIDE);
    if (FormShown()) ::SetForegroundWindow(form_window_->hwnd());
  }
  EndWhenNoWindow();
}

void TagWin32App::TogglePreview(HWND window) {
  if (preview_window_ == nullptr || window != preview_window_->hwnd()) preview_opener_ = window;
  Run(window, [this] { form_.TogglePreview(); });
}

void TagWin32App::FormMoved(int dx, int dy) {
  for (common::DialogWindow* window :
       {static_cast<common::DialogWindow*>(change_order_window_.get()),
        static_cast<common::DialogWindow*>(preview_window_.get())}) {
    if (window == nullptr || window->hwnd() == nullptr || !::IsWindowVisible(window->hwnd())) {
      continue;
    }
    RECT frame;
    ::GetWindowRect(window->hwnd(), &frame);
    ::SetWindowPos(window->hwnd(), nullptr, frame.left + dx, frame.top + dy, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

bool TagWin32App::Shortcut(const MSG& message) {
  // Ctrl+I in any window of the program opens the tag preview.
  if (message.message != WM_KEYDOWN || message.wParam != 'I' || ::GetKeyState(VK_CONTROL) >= 0 ||
      host_.running()) {
    return false;
  }
  const HWND root = ::GetAncestor(message.hwnd, GA_ROOT);
  const bool ours = (form_window_ && root == form_window_->hwnd()) ||
                    (change_order_window_ && root == change_order_window_->hwnd()) ||
                    (preview_window_ && root == preview_window_->hwnd());
  if (!ours) return false;
  TogglePreview(root);
  return true;
}

}  // namespace tag
