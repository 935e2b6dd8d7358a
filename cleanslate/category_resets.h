// The category resets: each starts one category of data files over. A reset
// is stated twice over the same files: its plan (every file it deletes,
// rewrites or creates, worked out before anything changes) and its run,
// which makes the change inside the transaction and returns the completion
// message that the dispatcher shows once every file is safe on the disk.

#ifndef CLEANSLATE_CATEGORY_RESETS_H_
#define CLEANSLATE_CATEGORY_RESETS_H_

#include <string>

#include "cleanslate/action_context.h"
#include "common/app/window_host.h"
#include "common/journal/transaction_plan.h"

namespace cleanslate {

struct CategoryReset {
  const char* backup_name;  // names the backup folder: "sales"
  const char* title;        // its line in the choice list: "Zero sales files"
  // Adds every file the reset changes. Throws FileError when a file it must
  // read first ("cust.pt") is missing or cannot be read.
  void (*plan)(common::Plan& plan, const ActionContext& context);
  // The reset itself, through context.env. Throws FileError.
  std::string (*run)(const ActionContext& context, common::WindowHost& host);
};

// Deletes the sales files and blanks the sale links of every customer that
// "cust.pt" counts; the normal pointer comes back before the customer walk.
extern const CategoryReset kSalesReset;
// The sample customer as record 1, one customer and one note counted.
extern const CategoryReset kCustomersReset;
// "ap.ptn" rewritten with "26"; "ap.dat" is not touched.
extern const CategoryReset kPayablesReset;
// "lastord.dat", "order.pt" and record 1 of "order.dat" written empty.
extern const CategoryReset kOrdersReset;
// Every counted customer's balance set to "0.00"; nothing else changes.
extern const CategoryReset kBalancesReset;
// The sample item 998-00001 as record 1, the counts set to 0.
extern const CategoryReset kInventoryReset;
// The working suppliers 998 and 999 as records 1 and 2.
extern const CategoryReset kSuppliersReset;
// Every "*.bud" file deleted.
extern const CategoryReset kBudgetReset;
// Every "cb*.dat" and "cb*.pt" file deleted.
extern const CategoryReset kCheckbookReset;
// The sample envelope as record 1; the envelope notes deleted.
extern const CategoryReset kEnvelopesReset;
// The 26 staff slots rewritten.
extern const CategoryReset kStaffReset;

// Plans `reset` and runs it in a transaction under the working lock and,
// once every file is safe and the lock is free again, shows its completion
// message. Throws DirectoryBusy, or FileError with every file put back.
void RunCategoryReset(const CategoryReset& reset, const ActionContext& context,
                      common::WindowHost& host);

}  // namespace cleanslate

#endif  // CLEANSLATE_CATEGORY_RESETS_H_
