// ScriptedMessages: the messages of a test. Every message is recorded; a
// question (Yes/No, Yes/No/Cancel) takes the next queued answer, an OK
// message is answered OK. A question with no answer queued fails the test
// and is answered as if closed.

#ifndef TESTS_SUPPORT_SCRIPTED_MESSAGES_H_
#define TESTS_SUPPORT_SCRIPTED_MESSAGES_H_

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "common/app/messages.h"

namespace testing_support {

class ScriptedMessages : public common::Messages {
 public:
  // Queues answers for the coming questions, in order.
  void Answer(std::initializer_list<common::Answer> answers);

  const std::vector<common::Message>& shown() const { return shown_; }
  std::vector<std::string> texts() const;
  std::size_t unused_answers() const { return answers_.size(); }

  // Called after each message is recorded, before it is answered (to look at
  // the files at that moment, say).
  std::function<void(const common::Message&)> on_show;

 protected:
  common::Answer Show(const common::Message& message) override;

 private:
  std::vector<common::Message> shown_;
  std::deque<common::Answer> answers_;
};

}  // namespace testing_support

#endif  // TESTS_SUPPORT_SCRIPTED_MESSAGES_H_
