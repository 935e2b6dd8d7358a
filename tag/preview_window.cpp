#include "tag/preview_window.h"

#include "common/platform/file_error.h"
#include "tag/item_file.h"
#include "tag/layout_check.h"
#include "tag/tag_preview.h"

namespace tag {

void PreviewWindow::Toggle() {
  shown_ = !shown_;
  // Shown anew: DEFAULT's layout may have been saved or reset meanwhile.
  if (shown_) default_read_ = false;
}

const PreviewedLayout& PreviewWindow::Subject(const ChangeOrder* department) {
  if (department != nullptr && department->open()) {
    const ChangeOrderControls& c = department->controls();
    for (std::size_t i = 0; i < subject_.boxes.size(); ++i) subject_.boxes[i] = c.Text[i].text;
    subject_.department = c.Dept.text;
    subject_.source =
        "The layout in the department window, for \"" + Printable(TrimSpaces(c.Dept.text)) + "\"";
    // Once the department window closes, DEFAULT is read again: a save there
    // may have changed it.
    default_read_ = false;
    return subject_;
  }
  if (default_read_) return subject_;
  subject_.department = kDefaultDepartment;
  try {
    const AppliedLayout applied = FieldLayoutFor(env_, DepartmentKey(kDefaultDepartment));
    subject_.boxes = applied.boxes;
    subject_.source = "The DEFAULT layout (" + applied.source + "):";
    for (const std::string& part : applied.boxes) {
      subject_.source += "  \"" + Printable(part) + "\"";
    }
  } catch (const common::FileError& error) {
    subject_.boxes = BuiltInFieldLayout();
    subject_.source = std::string(error.what()) + "; showing the built-in layout";
  }
  default_read_ = true;
  return subject_;
}

}  // namespace tag
