// The state of a window's controls as plain data, for the windows of both
// programs. Window logic changes it; the front ends draw it. Positions are
// in twips (1440 to the inch).

#ifndef COMMON_APP_CONTROLS_H_
#define COMMON_APP_CONTROLS_H_

#include <string>
#include <vector>

namespace common {

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
