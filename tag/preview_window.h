// PreviewWindow: the logic of the tag preview window, which shows the tag
// row of the layout being edited filled with the store's items. The user
// shows and hides it (a button or Ctrl+I in either window, Escape in it);
// it stays as the user left it until the program ends. It previews the
// department window's layout while that window is open, else the DEFAULT
// layout as saved ("DEFTAGS.dat", else the built-in one), read anew each
// time it comes to be shown.

#ifndef TAG_PREVIEW_WINDOW_H_
#define TAG_PREVIEW_WINDOW_H_

#include <string>

#include "common/platform/env.h"
#include "tag/change_order.h"
#include "tag/field_layout_file.h"

namespace tag {

inline constexpr char kPreviewCaption[] = "Tag preview";

// The layout the preview shows.
struct PreviewedLayout {
  FieldLayout boxes;
  std::string department;  // the department text whose items are listed
  std::string source;      // a line saying which layout this is
};

class PreviewWindow {
 public:
  explicit PreviewWindow(common::Env& env) : env_(env) {}

  bool shown() const { return shown_; }
  // The button or Ctrl+I: shows the window when hidden, else hides it.
  void Toggle();
  // Escape in the window, or its frame closed.
  void Close() { shown_ = false; }

  // What the window shows, `department` being the department window while
  // it is open, else null. A file error reading the DEFAULT layout is said
  // in `source`, with the built-in layout shown; it is not raised.
  const PreviewedLayout& Subject(const ChangeOrder* department);

 private:
  common::Env& env_;
  bool shown_ = false;
  bool default_read_ = false;  // the DEFAULT layout in subject_ is current
  PreviewedLayout subject_;
};

}  // namespace tag

#endif  // TAG_PREVIEW_WINDOW_H_
