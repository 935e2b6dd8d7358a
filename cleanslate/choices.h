// The choice table of the reset utility: the fourteen lines of its list,
// and for each what kind of action it is and what it asks first. The
// window dispatches by kind; the dry run plans from the same table.

#ifndef CLEANSLATE_CHOICES_H_
#define CLEANSLATE_CHOICES_H_

#include <ostream>
#include <span>

#include "cleanslate/action_context.h"
#include "cleanslate/category_resets.h"
#include "common/journal/transaction_plan.h"

namespace cleanslate {

enum class ChoiceKind {
  kCategory,   // a category reset, its confirmation first when it has one
  kFullReset,  // "Zero everything", after its own warning
  kLock,       // "No more zeroing"
  kLeave,      // "Don't zero anything"
};

struct Choice {
  const char* line;
  ChoiceKind kind;
  const char* sentence = nullptr;        // the category confirmation's first line
  const CategoryReset* reset = nullptr;  // for kCategory
};

std::span<const Choice> Choices();

// Every file `choice` would change. Throws FileError as the plans do.
void PlanChoice(const Choice& choice, common::Plan& plan, const ActionContext& context);

// The dry run of --plan: what choice `number` (1 to 14) would delete,
// rewrite or create, with sizes. Changes nothing. Returns false when there
// is no such choice. Throws FileError.
bool PrintChoicePlan(int number, const ActionContext& context, std::ostream& out);

}  // namespace cleanslate

#endif  // CLEANSLATE_CHOICES_H_
