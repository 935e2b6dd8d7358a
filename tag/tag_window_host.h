// TagWindowHost: what the two windows of Tag ask of the front end that shows
// them, beyond the common requests. The logic never moves the focus or
// opens a window itself; it asks, and the front end reports the focus events
// that follow as it reports any other.

#ifndef TAG_TAG_WINDOW_HOST_H_
#define TAG_TAG_WINDOW_HOST_H_

#include "common/app/window_host.h"

namespace tag {

class ChangeOrder;

class TagWindowHost : public common::WindowHost {
 public:
  // Moves the focus to the change box of formTags. The front end then runs
  // tabbox_GotFocus, and tabbox_LostFocus when the focus leaves the box for
  // another control of the window.
  virtual void MoveFocusToChangeBox() = 0;

  // Shows the department window of `window` without blocking formTags,
  // bringing it to the front when it is already shown.
  virtual void ShowChangeOrder(ChangeOrder& window) = 0;

  // Closes the department window; its logic has already marked it closed.
  virtual void CloseChangeOrder() = 0;
};

}  // namespace tag

#endif  // TAG_TAG_WINDOW_HOST_H_
