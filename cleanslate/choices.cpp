#include "cleanslate/choices.h"

#include <iterator>

#include "cleanslate/action_runner.h"
#include "cleanslate/confirmations.h"
#include "cleanslate/full_reset.h"
#include "cleanslate/lock_marker.h"
#include "common/app/backup_commands.h"
#include "common/files/line_file.h"
#include "common/journal/backups.h"
#include "common/platform/windows1252.h"

namespace cleanslate {

namespace {

// A category's line is its reset's title.
const Choice kChoices[] = {
    {kSalesReset.title, ChoiceKind::kCategory, "All sales files will be erased.", &kSalesReset},
    {kCustomersReset.title, ChoiceKind::kCategory, "All customer files will be erased.",
     &kCustomersReset},
    {kPayablesReset.title, ChoiceKind::kCategory, "All accounts payable files will be erased.",
     &kPayablesReset},
    {kOrdersReset.title, ChoiceKind::kCategory, "All order files will be erased.", &kOrdersReset},
    {kBalancesReset.title, ChoiceKind::kCategory, "All charge account balances will be zeroed.",
     &kBalancesReset},
    {kInventoryReset.title, ChoiceKind::kCategory, "All inventory files will be erased.",
     &kInventoryReset},
    {kSuppliersReset.title, ChoiceKind::kCategory, "All supplier files will be erased.",
     &kSuppliersReset},
    {kBudgetReset.title, ChoiceKind::kCategory, "All budget files will be erased.", &kBudgetReset},
    {kCheckbookReset.title, ChoiceKind::kCategory, "All checkbook files will be erased.",
     &kCheckbookReset},
    {kEnvelopesReset.title, ChoiceKind::kCategory, "All envelope files will be erased.",
     &kEnvelopesReset},
    {kStaffReset.title, ChoiceKind::kCategory, nullptr, &kStaffReset},
    {kFullResetTitle, ChoiceKind::kFullReset},
    {kLockTitle, ChoiceKind::kLock},
    {"Don't zero anything", ChoiceKind::kLeave},
};

}  // namespace

std::span<const Choice> Choices() { return kChoices; }

void PlanChoice(const Choice& choice, common::Plan& plan, const ActionContext& context) {
  switch (choice.kind) {
    case ChoiceKind::kCategory:
      choice.reset->plan(plan, context);
      return;
    case ChoiceKind::kFullReset:
      PlanFullReset(plan, context);
      return;
    case ChoiceKind::kLock:
      plan.Write(kLockMarker, common::kLineFileMostBytes);
      return;
    case ChoiceKind::kLeave:
      return;
  }
}

bool PrintChoicePlan(int number, const ActionContext& context, std::ostream& out) {
  if (number < 1 || number > static_cast<int>(std::size(kChoices))) return false;
  const Choice& choice = kChoices[number - 1];
  common::Plan plan(context.env, /*detailed=*/true);
  PlanChoice(choice, plan, context);
  const auto name = [](const std::string& text) { return common::Windows1252ToUtf8(text); };
  const auto bytes = [](std::uint64_t n) {
    return std::to_string(n) + (n == 1 ? " byte" : " bytes");
  };
  // What the next start does first changes what this plan would find.
  for (const std::string& note : common::PendingNotes(context.env)) out << name(note) << "\n";
  out << "Choice " << number << ", \"" << choice.line << "\"";
  if (plan.files().empty()) {
    out << ", changes no file.\n";
  } else {
    out << ", would change " << plan.files().size()
        << (plan.files().size() == 1 ? " file:\n" : " files:\n");
    for (const common::PlannedFile& file : plan.files()) {
      out << "  " << common::ChangeWord(file.change) << "  \"" << name(file.name) << "\"";
      switch (file.change) {
        case common::Change::kDelete:
          out << "  (" << bytes(file.size) << ")";
          break;
        case common::Change::kReplace:
          out << "  (" << bytes(file.size) << " now, at most " << file.new_size << " after)";
          break;
        case common::Change::kCreate:
          out << "  (at most " << bytes(file.new_size) << ")";
          break;
      }
      if (!file.detail.empty()) out << ": " << name(file.detail);
      out << "\n";
    }
    if (choice.kind == ChoiceKind::kLock) {
      out << "It keeps no backup: the lock is for good.\n";
    } else {
      out << "Its backup in \"" << kBackupFolder << "\" would hold "
          << common::SizeText(plan.KeptBytes())
          << " (the files it deletes or replaces); the backups there hold "
          << common::SizeText(common::TreeBytes(context.env, kBackupFolder))
          << " now, and the newest five of each choice are kept.\n";
    }
  }
  if (choice.kind == ChoiceKind::kLock) {
    out << "It asks first; only a Yes writes the file.\n";
  }
  out << "Nothing has been changed.\n";
  out.flush();
  return true;
}

}  // namespace cleanslate
