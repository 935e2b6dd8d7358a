#include "tests/support/scripted_messages.h"

#include <gtest/gtest.h>

namespace testing_support {

void ScriptedMessages::Answer(std::initializer_list<common::Answer> answers) {
  answers_.insert(answers_.end(), answers.begin(), answers.end());
}

std::vector<std::string> ScriptedMessages::texts() const {
  std::vector<std::string> texts;
  for (const common::Message& message : shown_) texts.push_back(message.text);
  return texts;
}

common::Answer ScriptedMessages::Show(const common::Message& message) {
  shown_.push_back(message);
  if (on_show) on_show(message);
  if (message.buttons == common::Buttons::kOk) return common::Answer::kOk;
  if (answers_.empty()) {
    ADD_FAILURE() << "no answer queued for the question: " << message.text;
    return common::AnswerWhenClosed(message.buttons);
  }
  const common::Answer answer = answers_.front();
  answers_.pop_front();
  return answer;
}

}  // namespace testing_support
