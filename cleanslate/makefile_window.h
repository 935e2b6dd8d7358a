// The window "makefile" of the reset utility, without any toolkit: the state
// of its controls as plain data and its two event procedures. Form_Load runs
// the two safety gates and fills the choice list; List1_Click dispatches the
// picked choice to its action and, for every known choice, ends the program.
// Messages go through the context's Messages; repaints, the busy pointer and
// the end of the program through the WindowHost. A file error leaves an
// event procedure as FileError, for the front end to report.

#ifndef CLEANSLATE_MAKEFILE_WINDOW_H_
#define CLEANSLATE_MAKEFILE_WINDOW_H_

#include <string>
#include <vector>

#include "cleanslate/action_context.h"
#include "common/app/controls.h"
#include "common/app/window_host.h"

namespace cleanslate {

inline constexpr char kMakefileCaption[] = "Making Files for Brillora Program ";
inline constexpr char kMakefileHeading[] = "Zeroing Files";  // the caption of Command1

class MakefileWindow {
 public:
  // `data_directory` is the full path of the data directory, shown under
  // the heading (nothing is shown when it is empty).
  MakefileWindow(const ActionContext& context, common::WindowHost& host,
                 const std::string& data_directory = std::string());

  MakefileWindow(const MakefileWindow&) = delete;
  MakefileWindow& operator=(const MakefileWindow&) = delete;

  // The start: the lock test, the danger question, then the window shown
  // with the fourteen choices. Either gate may end the program instead.
  void Form_Load();

  // The pick of List1.list_index. Ignored while the list is hidden.
  void List1_Click();

  // Whether Form_Load has shown the window.
  bool visible() const { return visible_; }

  common::ListBox List1;        // list_index is the picked line, 0 first
  common::Label DataDirectory;  // under the heading

 private:
  void Dispatch(int choice_index);

  ActionContext context_;
  common::WindowHost& host_;
  bool visible_ = false;
};

}  // namespace cleanslate

#endif  // CLEANSLATE_MAKEFILE_WINDOW_H_
