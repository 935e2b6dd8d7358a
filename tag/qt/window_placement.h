// Where the windows formTags owns open: beside the window they belong to
// where the screen has room. Plain geometry, so it can be checked without
// windows.

#ifndef TAG_QT_WINDOW_PLACEMENT_H_
#define TAG_QT_WINDOW_PLACEMENT_H_

#include <QPoint>
#include <QRect>
#include <QSize>
#include <optional>

namespace tag {

struct Placement {
  QPoint window;               // the top left corner of the new window's frame
  std::optional<QPoint> form;  // where formTags moves to make room, if it must
};

enum class FormMay { kMove, kStay };

// Places a window of frame size `size` next to `form` (frame geometry) inside
// `room` (the screen's available area), `gap` pixels apart: at its right,
// at its left, below it, above it, each kept inside the screen along that
// side. When none fits but the two fit side by side or one above the other
// on the screen, and `form` may move, it moves to make room. Else the
// window goes over `form`, a little down and to the right, kept on the
// screen where it fits. An invalid `room` (no screen known) takes the first
// choice.
Placement PlaceBeside(const QRect& form, const QSize& size, const QRect& room, int gap,
                      FormMay form_may = FormMay::kMove);

}  // namespace tag

#endif  // TAG_QT_WINDOW_PLACEMENT_H_
