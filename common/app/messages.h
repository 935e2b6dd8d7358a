// Messages: the modal message of both programs, behind one interface. The
// windows show a message box, the terminal prints and reads a line, and the
// tests script the answers.

#ifndef COMMON_APP_MESSAGES_H_
#define COMMON_APP_MESSAGES_H_

#include <optional>
#include <string>

namespace common {

enum class Buttons { kOk, kYesNo, kYesNoCancel };
enum class Icon { kNone, kQuestion };
enum class Answer { kOk, kYes, kNo, kCancel };

struct Message {
  std::string text;  // lines joined by a single CR
  Buttons buttons = Buttons::kOk;
  Icon icon = Icon::kNone;
  Answer default_button = Answer::kOk;
};

class Messages {
 public:
  virtual ~Messages() = default;

  // Shows `text` and waits for the answer. The default button is the first
  // of the set (OK or Yes) unless one is given.
  Answer ShowMessage(const std::string& text, Buttons buttons = Buttons::kOk,
                     Icon icon = Icon::kNone, std::optional<Answer> default_button = std::nullopt);

 protected:
  virtual Answer Show(const Message& message) = 0;
};

// The answer given when the message is closed without a choice: OK, No, or
// Cancel where Cancel is offered.
Answer AnswerWhenClosed(Buttons buttons);

// `text` with every CR (and CR LF) turned into a line feed, for display.
std::string WithLineFeeds(const std::string& text);

}  // namespace common

#endif  // COMMON_APP_MESSAGES_H_
