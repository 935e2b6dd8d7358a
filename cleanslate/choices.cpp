#include "cleanslate/choices.h"

#include <iterator>

#include "cleanslate/full_reset.h"
#include "cleanslate/lock_marker.h"

namespace cleanslate {

namespace {

constexpr Choice kChoices[] = {
    {"Zero sales files", ChoiceKind::kCategory, "All sales files will be erased.", &kSalesReset},
    {"Zero customers files", ChoiceKind::kCategory, "All customer files will be erased.",
     &kCustomersReset},
    {"Zero A/P invoice files", ChoiceKind::kCategory, "All accounts payable files will be erased.",
     &kPayablesReset},
    {"Zero orders files", ChoiceKind::kCategory, "All order files will be erased.", &kOrdersReset},
    {"Zero customers balances only", ChoiceKind::kCategory,
     "All charge account balances will be zeroed.", &kBalancesReset},
    {"Zero inventory files", ChoiceKind::kCategory, "All inventory files will be erased.",
     &kInventoryReset},
    {"Zero suppliers files", ChoiceKind::kCategory, "All supplier files will be erased.",
     &kSuppliersReset},
    {"Zero budget files", ChoiceKind::kCategory, "All budget files will be erased.", &kBudgetReset},
    {"Zero checkbook files", ChoiceKind::kCategory, "All checkbook files will be erased.",
     &kCheckbookReset},
    {"Zero envelope files", ChoiceKind::kCategory, "All envelope files will be erased.",
     &kEnvelopesReset},
    {"Zero staff files", ChoiceKind::kCategory, nullptr, &kStaffReset},
    {"Zero everything", ChoiceKind::kFullReset},
    {"No more zeroing (This will cancel this program)", ChoiceKind::kLock},
    {"Don't zero anything", ChoiceKind::kLeave},
};

}  // namespace

std::span<const Choice> Choices() { return kChoices; }

void PlanChoice(const Choice& choice, common::Plan& plan, const ActionContext& context) {
  switch (choice.kind) {
    case ChoiceKind::kCategory: choice.reset->plan(plan, context); return;
    case ChoiceKind::kFullReset: PlanFullReset(plan, context); return;
    case ChoiceKind::kLock: plan.Write(kLockMarker, kLineFileBytes); return;
    case ChoiceKind::kLeave: return;
  }
}

bool PrintChoicePlan(int number, const ActionContext& context, std::ostream& out) {
  if (number < 1 || number > static_cast<int>(std::size(kChoices))) return false;
  const Choice& choice = kChoices[number - 1];
  common::Plan plan(context.env, /*detailed=*/true);
  PlanChoice(choice, plan, context);
  out << "Choice " << number << ", \"" << choice.line << "\"";
  if (plan.files().empty()) {
    out << ", changes no file.\n";
  } else {
    out << ", would change " << plan.files().size()
        << (plan.files().size() == 1 ? " file:\n" : " files:\n");
    for (const common::PlannedFile& file : plan.files()) {
      out << "  " << common::ChangeWord(file.change) << "  \"" << file.name << "\"";
      switch (file.change) {
        case common::Change::kDelete: out << "  (" << file.size << " bytes)"; break;
        case common::Change::kReplace:
          out << "  (" << file.size << " bytes now, at most " << file.new_size << " after)";
          break;
        case common::Change::kCreate: out << "  (at most " << file.new_size << " bytes)"; break;
      }
      if (!file.detail.empty()) out << ": " << file.detail;
      out << "\n";
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
