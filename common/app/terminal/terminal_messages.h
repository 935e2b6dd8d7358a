// TerminalMessages: messages on the terminal. The whole text is printed,
// each CR as a line break. An OK message then waits for Enter; a question
// shows its answers with the default in capitals ([y/N], [y/N/c]) and reads
// y/yes, n/no or c/cancel in any case, an empty line taking the default and
// anything else asking again. The end of input counts as OK, or as No
// (Cancel where it is offered).

#ifndef COMMON_APP_TERMINAL_TERMINAL_MESSAGES_H_
#define COMMON_APP_TERMINAL_TERMINAL_MESSAGES_H_

#include <string>
#include <utility>

#include "common/app/messages.h"
#include "common/app/terminal/terminal_io.h"

namespace common {

class TerminalMessages : public Messages {
 public:
  TerminalMessages(TerminalIo& io, std::string title) : io_(io), title_(std::move(title)) {}

 protected:
  Answer Show(const Message& message) override;

 private:
  TerminalIo& io_;
  std::string title_;
};

// The answer choices of a button set as shown after a question: "[y/N]".
std::string AnswerPrompt(Buttons buttons, Answer default_button);

}  // namespace common

#endif  // COMMON_APP_TERMINAL_TERMINAL_MESSAGES_H_
