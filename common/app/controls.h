// The state of a window's controls as plain data, for the windows of both
// programs. Window logic changes it; the front ends draw it. Positions are
// in twips (1440 to the inch).

#ifndef COMMON_APP_CONTROLS_H_
#define COMMON_APP_CONTROLS_H_

#include <algorithm>
#include <string>
#include <vector>

namespace common {

// The keys that move through a list.
enum class ListKey { kUp, kDown, kHome, kEnd, kPageUp, kPageDown };

// The line that `key` selects in a list of `count` lines (at least one)
// while none is selected, as if the list were entered from outside it:
// Down and Home the first line, Up and End the last, PageUp the first and
// PageDown the last of the first `page` lines.
inline int LineFromNoSelection(ListKey key, int count, int page) {
  switch (key) {
    case ListKey::kDown:
    case ListKey::kHome:
    case ListKey::kPageUp:
      return 0;
    case ListKey::kUp:
    case ListKey::kEnd:
      return count - 1;
    case ListKey::kPageDown:
      return std::clamp(page, 1, count) - 1;
  }
  return 0;
}

struct ListBox {
  std::vector<std::string> lines;
  int list_index = -1;  // the selected line; -1 for none
  bool visible = true;

  // Empties the list; no line stays selected. No click event follows.
  void Clear() {
    lines.clear();
    list_index = -1;
  }
  // The selected line's text, or the empty text when none is selected.
  std::string SelectedText() const {
    return list_index >= 0 && list_index < static_cast<int>(lines.size()) ? lines[list_index]
                                                                          : std::string();
  }
};

struct ComboBox {
  std::vector<std::string> items;
  std::string text;
  int list_index = -1;
};

struct TextBox {
  std::string text;
  bool visible = true;
  int left = 0;
};

struct Label {
  std::string caption;
  bool visible = true;
  int left = 0;
};

struct CheckBox {
  std::string caption;
  bool checked = false;
};

struct Button {
  std::string caption;
};

struct LineShape {
  int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  bool visible = true;
  bool white = false;
};

}  // namespace common

#endif  // COMMON_APP_CONTROLS_H_
