#include "cleanslate/makefile_window.h"

#include <iterator>

#include "cleanslate/category_resets.h"
#include "cleanslate/confirmations.h"
#include "cleanslate/full_reset.h"
#include "cleanslate/lock_marker.h"
#include "common/number_text.h"
#include "common/startup.h"

namespace cleanslate {

namespace {

using common::Answer;
using common::Buttons;
using common::Icon;

using Action = void (*)(const ActionContext&, common::WindowHost&);

// The choice table. A category choice has an action, and a sentence when it
// asks the category confirmation first; the last three are dispatched by
// their index.
struct Choice {
  const char* line;
  const char* sentence;
  Action action;
};

template <void (*Reset)(const ActionContext&)>
void Run(const ActionContext& context, common::WindowHost&) {
  Reset(context);
}

constexpr int kFullResetChoice = 11;
constexpr int kLockChoice = 12;
constexpr int kLeaveChoice = 13;

constexpr Choice kChoices[] = {
    {"Zero sales files", "All sales files will be erased.", ResetSalesFiles},
    {"Zero customers files", "All customer files will be erased.", Run<ResetCustomerFiles>},
    {"Zero A/P invoice files", "All accounts payable files will be erased.",
     Run<ResetPayablesFiles>},
    {"Zero orders files", "All order files will be erased.", Run<ResetOrdersFiles>},
    {"Zero customers balances only", "All charge account balances will be zeroed.",
     Run<ZeroCustomerBalances>},
    {"Zero inventory files", "All inventory files will be erased.", Run<ResetInventoryFiles>},
    {"Zero suppliers files", "All supplier files will be erased.", Run<ResetSupplierFiles>},
    {"Zero budget files", "All budget files will be erased.", Run<ResetBudgetFiles>},
    {"Zero checkbook files", "All checkbook files will be erased.", Run<ResetCheckbookFiles>},
    {"Zero envelope files", "All envelope files will be erased.", Run<ResetEnvelopeFiles>},
    {"Zero staff files", nullptr, Run<ResetStaffFiles>},
    {"Zero everything", nullptr, nullptr},
    {"No more zeroing (This will cancel this program)", nullptr, nullptr},
    {"Don't zero anything", nullptr, nullptr},
};
constexpr int kChoiceCount = static_cast<int>(std::size(kChoices));

constexpr char kLocked[] =
    "The Zero Files Function has been locked.\r\rIf you want to reactivate it\r"
    "contact the Brillora Company.";
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
  if (ZeroingLocked(context_.env)) {
    context_.messages.ShowMessage(kLocked, Buttons::kOk);
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
  for (const Choice& choice : kChoices) List1.lines.push_back(choice.line);
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
  if (choice_index >= 0 && choice_index < kChoiceCount && kChoices[choice_index].action) {
    const Choice& choice = kChoices[choice_index];
    if (choice.sentence != nullptr &&
        !ConfirmCategory(context_.messages, host_, choice.sentence)) {
      return;  // the program has ended
    }
    choice.action(context_, host_);
    host_.EndProgram();
    return;
  }
  switch (choice_index) {
    case kFullResetChoice:
      if (context_.messages.ShowMessage(kFullResetWarning, Buttons::kYesNo, Icon::kQuestion,
                                        Answer::kNo) == Answer::kYes) {
        FullReset(context_, host_);
      }
      host_.EndProgram();
      return;
    case kLockChoice:
      LockZeroing(context_);
      host_.EndProgram();
      return;
    case kLeaveChoice:
      host_.SetBusyPointer(false);
      host_.EndProgram();
      return;
    default:
      context_.messages.ShowMessage(
          "Choice # " + common::NumberText(choice_index) + " has not been programmed yet.",
          Buttons::kOk);
      List1.visible = true;
      host_.SetBusyPointer(false);
      return;
  }
}

}  // namespace cleanslate
