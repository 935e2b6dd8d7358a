#include "tag/terminal/tag_terminal.h"

#include <algorithm>
#include <charconv>
#include <iomanip>
#include <ostream>
#include <string>
#include <vector>

#include "common/app/terminal/terminal_io.h"
#include "common/app/terminal/terminal_messages.h"
#include "tag/change_order.h"
#include "tag/form_tags.h"
#include "tag/item_picker.h"
#include "tag/program_info.h"
#include "tag/tag_preview.h"
#include "tag/tag_window_host.h"
#include "tag/terminal/tag_row_text.h"

namespace tag {

namespace {

// One command of a window: how it is typed, what the window's list of
// commands calls it, and what --help says of it (a line break continues the
// text under its first line).
struct TerminalCommand {
  std::string keys;
  std::string name;
  std::string help;
};

std::string Range(int first, int last) {
  return std::to_string(first) + " to " + std::to_string(last);
}

const std::vector<TerminalCommand>& LayoutCommands() {
  static const std::vector<TerminalCommand> commands{
      {Range(kHeadingLine, kNumberAcrossLine), "pick a setting",
       "click that line of the settings list; the change box then shows\n"
       "its text and the next line is its new text (an empty line keeps it)"},
      {"e", "change box", "go into the change box without clicking the list, as above"},
      {"s", "Save Change", "Save Change"},
      {"x", "Save/Exit", "Save/Exit: write the layout and end"},
      {"m", "micro-adjust", "click the micro-adjust check box"},
      {"f", "factor", "the next line is the new text of the micro-adjust factor box"},
      {"o", "Change Order", "Change Order: open the department window"},
      {"q", "quit",
       "close the window without saving; the program ends, or goes on with\n"
       "the department window while that is open"},
  };
  return commands;
}

const std::vector<TerminalCommand>& DepartmentCommands() {
  static const std::vector<TerminalCommand> commands{
      {"d", "department text", "the next line is the typed department text"},
      {"p", "pick department", "the next line is a department list number to pick (0 is DEFAULT)"},
      {Range(1, kLayoutBoxCount), "layout box", "the next line is the new text of that layout box"},
      {"s", "Save Change", "Save Change"},
      {"r", "Set all back to default", "Set all back to default"},
      {"v [N]", "view tag",
       "print the tag row for item N of the department (the first when\n"
       "N is left out): the printed lines under a column ruler, each cut\n"
       "field and each part that runs into the next part's column"},
      {"i [TEXT]", "items",
       "list the department's items (those holding TEXT), numbered for v;\n"
       "a department without items lists the first items of the store"},
      {"b", "back", "back to the layout window; the department window stays open"},
      {"q", "close",
       "close the department window; the program ends when the layout\n"
       "window is closed too"},
  };
  return commands;
}

// The commands as --help lists them: the keys in a column, the help beside.
std::string HelpLines(const std::vector<TerminalCommand>& commands) {
  const std::string indent(11, ' ');
  std::string text;
  for (const TerminalCommand& command : commands) {
    std::string line = "  " + command.keys;
    line.resize(std::max(line.size() + 1, indent.size()), ' ');
    for (const char c : command.help) line += c == '\n' ? "\n" + indent : std::string(1, c);
    text += line + "\n";
  }
  return text;
}

// The commands as the window lists them under itself.
std::string CommandList(const std::vector<TerminalCommand>& commands) {
  std::string text = "Commands:";
  for (std::size_t i = 0; i < commands.size(); ++i) {
    text += (i == 0 ? " " : ", ") + commands[i].keys + " " + commands[i].name;
  }
  return text;
}

// The number of a line or box `text` names, or -1.
int CommandNumber(const std::string& text) {
  const std::optional<int> value = common::WholeNumber(text);
  return value && *value >= 0 ? *value : -1;
}

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

class TerminalFrontEnd : public TagWindowHost {
 public:
  TerminalFrontEnd(common::Env& env, common::TerminalIo& io, const std::string& title,
                   const std::string& data_directory)
      : io_(io),
        messages_(io, title),
        form_(env, messages_, *this, layout_, data_directory),
        items_(env) {}

  void Run() {
    // Once, at the start; the path is the system's own text, printed as it is.
    const std::string& directory = form_.controls().DataDirectory.caption;
    if (!directory.empty()) io_.out() << directory << "\n";
    form_.Form_Load();
    PrintLayoutWindow();
    while (!ended_) {
      if (department_ != nullptr) {
        DepartmentCommand();
      } else {
        LayoutCommand();
      }
      // The program ends once none of its windows is open.
      if (!layout_open_ && !DepartmentWindowOpen()) ended_ = true;
    }
  }

  // TagWindowHost
  void ProcessPendingEvents() override {}
  void SetBusyPointer(bool) override {}
  void EndProgram() override { ended_ = true; }
  void MoveFocusToChangeBox() override { focus_requested_ = true; }
  void ShowChangeOrder(ChangeOrder& window) override { department_ = &window; }
  void CloseChangeOrder() override { department_ = nullptr; }

 private:
  // Reads the next line after `prompt`; at the end of input the program ends.
  bool Read(const std::string& prompt, std::string& line) {
    io_.out() << prompt;
    if (io_.ReadLine(line)) return true;
    io_.out() << "\n";
    ended_ = true;
    return false;
  }

  void LayoutCommand() {
    std::string line;
    if (!Read("tags layout> ", line)) return;
    const std::string command = common::Trimmed(line);
    if (command.empty()) return;
    const int number = CommandNumber(command);
    if (number >= kHeadingLine && number <= kNumberAcrossLine) {
      form_.ClickSettingsLine(number);
    } else if (command == "e") {
      MoveFocusToChangeBox();
    } else if (command == "s") {
      form_.Command1_Click();
    } else if (command == "x") {
      form_.save_Click();
    } else if (command == "m") {
      form_.ClickMicroAdjust();
    } else if (command == "f") {
      if (!Read("New text of the factor box: ", line)) return;
      form_.TypeFactor(line);
    } else if (command == "o") {
      form_.Command2_Click();
    } else if (command == "q") {
      // Closed by its frame: nothing is written. An open department window
      // stays, and the commands go to it.
      layout_open_ = false;
      if (!DepartmentWindowOpen()) return;
      department_ = form_.change_order();
    } else {
      io_.out() << "Unknown command \"" << command << "\".\n"
                << CommandList(LayoutCommands()) << "\n";
      return;
    }
    if (focus_requested_) EditChangeBox();
    if (ended_) return;
    PrintActiveWindow();
  }

  // The focus in the change box: it shows its text, takes the next line
  // and loses the focus again.
  void EditChangeBox() {
    focus_requested_ = false;
    form_.tabbox_GotFocus();
    io_.out() << "Change box: ";
    io_.PrintLine(Quoted(form_.controls().tabbox.text));
    std::string line;
    if (!Read("New text (an empty line keeps it): ", line)) return;
    if (!line.empty()) form_.TypeChangeBox(line);
    form_.tabbox_LostFocus();
  }

  void DepartmentCommand() {
    ChangeOrder& window = *department_;
    std::string line;
    if (!Read("department window> ", line)) return;
    const std::string command = common::Trimmed(line);
    if (command.empty()) return;
    const int box = CommandNumber(command);
    if (box >= 1 && box <= kLayoutBoxCount) {
      if (!Read("New text of layout box " + command + ": ", line)) return;
      window.TypeLayoutBox(box, line);
    } else if (command == "d") {
      if (!Read("Department text: ", line)) return;
      window.TypeDepartment(line);
    } else if (command == "p") {
      if (!Read("Department number: ", line)) return;
      const int index = CommandNumber(common::Trimmed(line));
      if (index < 0 || index >= static_cast<int>(window.controls().Dept.items.size())) {
        io_.out() << "There is no department number \"" << common::Trimmed(line) << "\".\n";
        return;
      }
      window.PickDepartment(index);
    } else if (command == "s") {
      window.Command1_Click();
    } else if (command == "r") {
      window.settoDefault_Click();
    } else if (command == "v" || command.starts_with("v ")) {
      ViewTagRow(window, common::Trimmed(std::string_view(command).substr(1)));
      return;  // the window itself is unchanged
    } else if (command == "i" || command.starts_with("i ")) {
      ListItems(window, common::Trimmed(std::string_view(command).substr(1)));
      return;
    } else if (command == "b") {
      if (!layout_open_) {
        io_.out() << "The layout window is closed; q closes this window and ends.\n";
        return;
      }
      department_ = nullptr;
    } else if (command == "q") {
      window.CloseByFrame();
      department_ = nullptr;
    } else {
      io_.out() << "Unknown command \"" << command << "\".\n"
                << CommandList(DepartmentCommands()) << "\n";
      return;
    }
    if (ended_ || (!layout_open_ && department_ == nullptr)) return;
    PrintActiveWindow();
  }

  bool DepartmentWindowOpen() {
    return form_.change_order() != nullptr && form_.change_order()->open();
  }

  // The department's items, read anew so that the list is the file's.
  void LoadItems(const ChangeOrder& window) {
    items_.ShowDepartment(window.controls().Dept.text, /*reload=*/true);
    io_.PrintLine(items_.Status());
  }

  void ViewTagRow(const ChangeOrder& window, const std::string& number_text) {
    LoadItems(window);
    std::size_t index = 0;
    if (!number_text.empty()) {
      const int number = CommandNumber(number_text);
      if (number < 1 || static_cast<std::size_t>(number) > items_.size()) {
        io_.out() << "There is no item number \"";
        io_.Print(number_text);
        io_.out() << "\" in this list.\n";
        return;
      }
      index = static_cast<std::size_t>(number - 1);
    }
    items_.Select(index);
    const auto item = items_.SelectedItem();
    if (item) {
      io_.out() << "Item " << index + 1 << ": ";
      io_.PrintLine(items_.Label(index));
    }
    FieldLayout boxes;
    for (std::size_t i = 0; i < boxes.size(); ++i) boxes[i] = window.controls().Text[i].text;
    for (const std::string& line : TagRowText(PreviewTagRow(layout_, boxes, item))) {
      io_.PrintLine(line);
    }
  }

  void ListItems(const ChangeOrder& window, const std::string& text) {
    LoadItems(window);
    for (const std::size_t i : items_.Search(text)) {
      io_.out() << std::setw(6) << i + 1 << "  ";
      io_.PrintLine(items_.Label(i));
    }
  }

  void PrintActiveWindow() {
    if (department_ == nullptr) {
      PrintLayoutWindow();
    } else {
      PrintDepartmentWindow();
    }
  }

  void PrintLayoutWindow() {
    const FormTagsControls& c = form_.controls();
    std::ostream& out = io_.out();
    out << "\n== " << kFormTagsCaption << " ==\n";
    out << "Settings of " << c.commandset.caption << ":\n";
    for (std::size_t i = 0; i < c.List1.lines.size(); ++i) {
      out << std::setw(4) << i << "  ";
      io_.PrintLine(c.List1.lines[i]);
    }
    out << "Preview:";
    for (std::size_t i = 0; i < c.Text.size(); ++i) {
      if (c.Text[i].visible) out << " " << c.letters[i].caption;
    }
    out << "\n" << (c.microadjust.checked ? "[x] " : "[ ] ") << c.microadjust.caption << "\n";
    out << kFactorLabel << ": ";
    io_.Print(Quoted(c.microadjustfactor.text));
    out << (c.microadjustfactor.visible ? "\n" : " (box hidden)\n");
    out << CommandList(LayoutCommands()) << "\n";
    shown_department_ = nullptr;
  }

  void PrintDepartmentWindow() {
    const ChangeOrderControls& c = department_->controls();
    std::ostream& out = io_.out();
    out << "\n== " << kChangeOrderCaption << " ==\n";
    // The notes go with the window's first view after the layout window's.
    if (department_ != shown_department_) {
      for (const common::Label* label : {&c.Label5, &c.Label1, &c.Label4, &c.Label3}) {
        if (!label->caption.empty()) io_.PrintLine(label->caption);
      }
      shown_department_ = department_;
    }
    out << "Fields:\n";
    for (const std::string& line : c.fields.lines) out << "  " << line << "\n";
    out << "Departments:\n";
    for (std::size_t i = 0; i < c.Dept.items.size(); ++i) {
      out << std::setw(4) << i << "  ";
      io_.PrintLine(c.Dept.items[i]);
    }
    out << c.Label2.caption << ": ";
    io_.PrintLine(Quoted(c.Dept.text));
    out << "Layout boxes (tag line: left, right):\n";
    for (int row = 0; row < 3; ++row) {
      out << "  " << 2 * row + 1 << " ";
      io_.Print(Quoted(c.Text[2 * row].text));
      out << "   " << 2 * row + 2 << " ";
      io_.PrintLine(Quoted(c.Text[2 * row + 1].text));
    }
    out << CommandList(DepartmentCommands()) << "\n";
  }

  common::TerminalIo& io_;
  common::TerminalMessages messages_;
  TagLayout layout_;
  FormTags form_;
  ItemPicker items_;                               // the items v and i show
  ChangeOrder* department_ = nullptr;              // the window commands go to, when set
  const ChangeOrder* shown_department_ = nullptr;  // whose notes were printed last
  bool focus_requested_ = false;
  bool layout_open_ = true;
  bool ended_ = false;
};

}  // namespace

std::string TerminalHelp() {
  return "Terminal mode: one command per line.\n"
         "Layout window (" +
         std::string(kFormTagsCaption) + "):\n" + HelpLines(LayoutCommands()) +
         "Department window (" + kChangeOrderCaption + "):\n" + HelpLines(DepartmentCommands()) +
         "The end of input ends the program; nothing more is written.\n";
}

int RunTerminal(std::istream& in, std::ostream& out, std::ostream& err, common::Env& env,
                const std::string& data_directory) {
  const common::ProgramInfo& info = TagInfo();
  common::TerminalIo io(in, out);
  return common::RunReportingErrors(info, out, err, [&] {
    TerminalFrontEnd front_end(env, io, info.title, data_directory);
    front_end.Run();
    return 0;
  });
}

}  // namespace tag
