#include "cleanslate/makefile_window.h"

#include <string>

#include "cleanslate/action_runner.h"
#include "cleanslate/choices.h"
#include "cleanslate/confirmations.h"
#include "cleanslate/full_reset.h"
#include "cleanslate/lock_marker.h"
#include "common/app/backup_commands.h"
#include "common/app/startup.h"
#include "common/files/number_text.h"

namespace cleanslate {

namespace {

using common::Answer;
using common::Buttons;
using common::Icon;

constexpr char kDanger[] =
    "- EXTREME DANGER -\r\rUSE THIS PROGRAM WITH GREAT CARE!\r\r\r"
    "Are you sure that you want to use this program?";
constexpr char kFullResetWarning[] =
    "- EXTREME DANGER -\rYOU ARE ABOUT TO WIPE YOUR WORK OUT!\r\r"
    "Are you sure that you want to ZERO all of the files for Brillora?  This will wipe out all "
    "of your data files and let you start over with a fresh copy of Brillora as if you had just "
    "received it from The Brillora Co.";

}  // namespace

MakefileWindow::MakefileWindow(const ActionContext& context, common::WindowHost& host,
                               const std::string& data_directory)
    : context_(context), host_(host) {
  DataDirectory.caption = common::DataDirectoryText(data_directory);
}

void MakefileWindow::Form_Load() {
  // A run that a crash or a kill interrupted is put back before anything else.
  common::RecoverAtStart(context_.env, context_.messages);
  if (!PassZeroingLock(context_.env, context_.messages)) {
    host_.EndProgram();
    return;
  }
  if (context_.messages.ShowMessage(kDanger, Buttons::kYesNo, Icon::kQuestion, Answer::kNo) !=
      Answer::kYes) {
    host_.EndProgram();
    return;
  }
  visible_ = true;
  List1.lines.clear();
  for (const Choice& choice : Choices()) List1.lines.push_back(choice.line);
  List1.visible = true;
  host_.ProcessPendingEvents();
}

void MakefileWindow::List1_Click() {
  if (!visible_ || !List1.visible) return;
  List1.visible = false;
  host_.SetBusyPointer(true);
  host_.ProcessPendingEvents();
  Dispatch(List1.list_index);
}

void MakefileWindow::Dispatch(int choice_index) {
  const auto choices = Choices();
  if (choice_index < 0 || choice_index >= static_cast<int>(choices.size())) {
    context_.messages.ShowMessage(
        "Choice # " + common::NumberText(choice_index) + " has not been programmed yet.",
        Buttons::kOk);
    List1.visible = true;
    host_.SetBusyPointer(false);
    return;
  }
  const Choice& choice = choices[static_cast<std::size_t>(choice_index)];
  switch (choice.kind) {
    case ChoiceKind::kCategory: {
      if (choice.sentence != nullptr &&
          !ConfirmCategory(context_.messages, host_, choice.sentence)) {
        return;  // the program has ended
      }
      RunCategoryReset(*choice.reset, context_, host_);
      break;
    }
    case ChoiceKind::kFullReset:
      if (context_.messages.ShowMessage(kFullResetWarning, Buttons::kYesNo, Icon::kQuestion,
                                        Answer::kNo) == Answer::kYes) {
        RunFullReset(context_, host_);
      }
      break;
    case ChoiceKind::kLock:
      LockZeroing(context_);
      break;
    case ChoiceKind::kLeave:
      host_.SetBusyPointer(false);
      break;
  }
  host_.EndProgram();
}

}  // namespace cleanslate
