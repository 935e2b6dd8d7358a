// A small program that asks four messages on the terminal and prints the
// answers, for testing the terminal dialogue through a real pipe.

#include <iostream>

#include "common/app/terminal/terminal_messages.h"

int main() {
  common::TerminalIo io(std::cin, std::cout);
  common::TerminalMessages messages(io, "Probe");
  auto report = [](common::Answer answer) {
    const char* names[] = {"OK", "Yes", "No", "Cancel"};
    std::cout << "answer: " << names[static_cast<int>(answer)] << "\n";
  };
  using common::Answer;
  using common::Buttons;
  using common::Icon;
  report(messages.ShowMessage("First line\rsecond line"));
  report(messages.ShowMessage("Sure?", Buttons::kYesNo, Icon::kQuestion, Answer::kNo));
  report(messages.ShowMessage("Really?", Buttons::kYesNoCancel, Icon::kQuestion, Answer::kNo));
  report(messages.ShowMessage("At the end of input", Buttons::kYesNoCancel, Icon::kQuestion,
                              Answer::kNo));
  return 0;
}
