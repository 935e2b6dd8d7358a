#include "tag/qt/window_placement.h"

#include <algorithm>

namespace tag {

namespace {

// `start` moved as little as needed for `length` to end inside [low, high].
int Inside(int start, int length, int low, int high) {
  return std::clamp(start, low, std::max(low, high + 1 - length));
}

}  // namespace

Placement PlaceBeside(const QRect& form, const QSize& size, const QRect& room, int gap,
                      FormMay form_may) {
  if (!room.isValid()) return {QPoint(form.right() + 1 + gap, form.top()), std::nullopt};
  const auto beside = [&](int x) {
    return QPoint(x, Inside(form.top(), size.height(), room.top(), room.bottom()));
  };
  const auto over_under = [&](int y) {
    return QPoint(Inside(form.left(), size.width(), room.left(), room.right()), y);
  };
  const QPoint candidates[] = {
      beside(form.right() + 1 + gap),
      beside(form.left() - gap - size.width()),
      over_under(form.bottom() + 1 + gap),
      over_under(form.top() - gap - size.height()),
  };
  for (const QPoint& candidate : candidates) {
    if (room.contains(QRect(candidate, size))) return {candidate, std::nullopt};
  }
  const QPoint over = form.topLeft() + QPoint(48, 48);
  const QPoint over_inside(Inside(over.x(), size.width(), room.left(), room.right()),
                           Inside(over.y(), size.height(), room.top(), room.bottom()));
  if (form_may == FormMay::kStay) return {over_inside, std::nullopt};
  // No room where formTags stands: move it, when that makes room.
  if (form.width() + gap + size.width() <= room.width()) {
    const int left = room.left() + (room.width() - form.width() - gap - size.width()) / 2;
    const QPoint form_at(left, form.top());
    return {QPoint(left + form.width() + gap,
                   Inside(form.top(), size.height(), room.top(), room.bottom())),
            form_at};
  }
  if (form.height() + gap + size.height() <= room.height()) {
    const int top = room.top() + (room.height() - form.height() - gap - size.height()) / 2;
    const QPoint form_at(form.left(), top);
    return {QPoint(Inside(form.left(), size.width(), room.left(), room.right()),
                   top + form.height() + gap),
            form_at};
  }
  return {over_inside, std::nullopt};
}

}  // namespace tag
