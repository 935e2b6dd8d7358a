#include "common/app/messages.h"

namespace common {

Answer Messages::ShowMessage(const std::string& text, Buttons buttons, Icon icon,
                             std::optional<Answer> default_button) {
  Message message{text, buttons, icon, Answer::kOk};
  message.default_button =
      default_button.value_or(buttons == Buttons::kOk ? Answer::kOk : Answer::kYes);
  return Show(message);
}

Answer AnswerWhenClosed(Buttons buttons) {
  switch (buttons) {
    case Buttons::kOk:
      return Answer::kOk;
    case Buttons::kYesNo:
      return Answer::kNo;
    case Buttons::kYesNoCancel:
      return Answer::kCancel;
  }
  return Answer::kNo;
}

std::string WithLineFeeds(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r') {
      out += '\n';
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

}  // namespace common
