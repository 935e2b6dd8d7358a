#include "cleanslate/confirmations.h"

#include "cleanslate/action_runner.h"
#include "cleanslate/category_resets.h"
#include "cleanslate/lock_marker.h"

namespace cleanslate {

using common::Answer;
using common::Buttons;
using common::Icon;

bool ConfirmCategory(common::Messages& messages, common::WindowHost& host,
                     const std::string& sentence) {
  const Answer answer = messages.ShowMessage(sentence + "\rAre you sure that you want to do this?",
                                             Buttons::kYesNoCancel, Icon::kQuestion, Answer::kNo);
  if (answer == Answer::kYes) return true;
  messages.ShowMessage("You didn't choose YES so nothing was done", Buttons::kOk);
  host.EndProgram();
  return false;
}

void LockZeroing(const ActionContext& context) {
  const Answer answer = context.messages.ShowMessage(
      "Are you sure that you want to eliminate the ability to zero files? (If you answer YES "
      "you will not be able to zero the files from this time on.)",
      Buttons::kYesNo, Icon::kQuestion);
  if (answer == Answer::kYes) {
    common::Plan plan(context.env);
    plan.Write(kLockMarker, kLineFileBytes);
    RunAction(context, plan, "lock", [](const ActionContext& inner) { WriteLockMarker(inner.env); });
    context.messages.ShowMessage("You will not be able to zero the files from this time on",
                                 Buttons::kOk);
  } else {
    context.messages.ShowMessage(
        "You answered NO so you WILL still be able to run the CLEANSLATE program", Buttons::kOk);
  }
}

}  // namespace cleanslate
