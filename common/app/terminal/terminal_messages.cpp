#include "common/app/terminal/terminal_messages.h"

#include <algorithm>
#include <cctype>

namespace common {

namespace {

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

std::string Choice(const char* letter, Answer answer, Answer default_button) {
  std::string text = letter;
  if (answer == default_button) text[0] = static_cast<char>(std::toupper(text[0]));
  return text;
}

}  // namespace

std::string AnswerPrompt(Buttons buttons, Answer default_button) {
  switch (buttons) {
    case Buttons::kOk:
      return "[press Enter]";
    case Buttons::kYesNo:
      return "[" + Choice("y", Answer::kYes, default_button) + "/" +
             Choice("n", Answer::kNo, default_button) + "]";
    case Buttons::kYesNoCancel:
      return "[" + Choice("y", Answer::kYes, default_button) + "/" +
             Choice("n", Answer::kNo, default_button) + "/" +
             Choice("c", Answer::kCancel, default_button) + "]";
  }
  return "";
}

Answer TerminalMessages::Show(const Message& message) {
  io_.out() << "\n[" << title_ << "]\n";
  io_.PrintLine(message.text);
  const std::string prompt = AnswerPrompt(message.buttons, message.default_button) + " ";
  std::string line;
  for (;;) {
    io_.out() << prompt;
    if (!io_.ReadLine(line)) {
      io_.out() << "\n";
      return AnswerWhenClosed(message.buttons);
    }
    if (message.buttons == Buttons::kOk) return Answer::kOk;
    const std::string answer = Lower(Trimmed(line));
    if (answer.empty()) return message.default_button;
    if (answer == "y" || answer == "yes") return Answer::kYes;
    if (answer == "n" || answer == "no") return Answer::kNo;
    const bool cancel_offered = message.buttons == Buttons::kYesNoCancel;
    if (cancel_offered && (answer == "c" || answer == "cancel")) return Answer::kCancel;
    io_.out() << (cancel_offered ? "Please answer y (yes), n (no) or c (cancel).\n"
                                 : "Please answer y (yes) or n (no).\n");
  }
}

}  // namespace common
