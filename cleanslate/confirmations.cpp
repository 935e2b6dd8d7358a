#include "cleanslate/confirmations.h"

#include "cleanslate/action_runner.h"
#include "cleanslate/category_resets.h"
#include "cleanslate/lock_marker.h"
#include "common/files/line_file.h"

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

namespace {

constexpr char kLocked[] =
    "The Zero Files Function has been locked.\r\rIf you want to reactivate it\r"
    "contact the Brillora Company.";

}  // namespace

bool PassZeroingLock(common::Env& env, common::Messages& messages) {
  if (!ZeroingLocked(env)) return true;
  messages.ShowMessage(kLocked, Buttons::kOk);
  return false;
}

void LockZeroing(const ActionContext& context) {
  const Answer answer = context.messages.ShowMessage(
      "Are you sure that you want to eliminate the ability to zero files? (If you answer YES "
      "you will not be able to zero the files from this time on.)",
      Buttons::kYesNo, Icon::kQuestion);
  if (answer == Answer::kYes) {
    RunAction(
        context, ActionOptions("lock", kLockTitle, /*keep_backup=*/false),
        [](common::Plan& plan, const ActionContext&) {
          plan.Write(kLockMarker, common::kLineFileMostBytes);
        },
        [](const ActionContext& inner, common::Transaction&) { WriteLockMarker(inner.env); });
    context.messages.ShowMessage("You will not be able to zero the files from this time on",
                                 Buttons::kOk);
  } else {
    context.messages.ShowMessage(
        "You answered NO so you WILL still be able to run the CLEANSLATE program", Buttons::kOk);
  }
}

}  // namespace cleanslate
