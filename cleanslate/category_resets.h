// The category resets: each starts one category of data files over, shows
// its completion message and returns; the window logic asks the category's
// confirmation before and ends the program after. A file error throws
// FileError and leaves what was done before it.

#ifndef CLEANSLATE_CATEGORY_RESETS_H_
#define CLEANSLATE_CATEGORY_RESETS_H_

#include "cleanslate/action_context.h"
#include "common/window_host.h"

namespace cleanslate {

// Deletes the sales files and blanks the sale links of every customer that
// "cust.pt" counts. Restores the normal pointer before the customer walk.
// "cust.pt" is read and "cust.dat" opened before anything is deleted, so a
// missing "cust.pt" stops the reset with nothing changed.
void ResetSalesFiles(const ActionContext& context, common::WindowHost& host);
// "ap.ptn" rewritten with "26"; "ap.dat" is not touched.
void ResetPayablesFiles(const ActionContext& context);
// "lastord.dat", "order.pt" and record 1 of "order.dat" written empty.
void ResetOrdersFiles(const ActionContext& context);
// Every "*.bud" file deleted.
void ResetBudgetFiles(const ActionContext& context);
// Every "cb*.dat" and "cb*.pt" file deleted.
void ResetCheckbookFiles(const ActionContext& context);
// The sample customer as record 1, one customer and one note counted.
void ResetCustomerFiles(const ActionContext& context);
// Every counted customer's balance set to "0.00"; nothing else changes.
// A missing "cust.pt" stops it with nothing changed.
void ZeroCustomerBalances(const ActionContext& context);
// The sample item 998-00001 as record 1, the counts set to 0.
void ResetInventoryFiles(const ActionContext& context);
// The working suppliers 998 and 999 as records 1 and 2.
void ResetSupplierFiles(const ActionContext& context);
// The sample envelope as record 1; the envelope notes deleted.
void ResetEnvelopeFiles(const ActionContext& context);
// The 26 staff slots rewritten. Asks nothing before.
void ResetStaffFiles(const ActionContext& context);

}  // namespace cleanslate

#endif  // CLEANSLATE_CATEGORY_RESETS_H_
