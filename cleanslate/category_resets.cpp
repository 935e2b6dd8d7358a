#include "cleanslate/category_resets.h"

#include "cleanslate/bookkeeping_files.h"
#include "cleanslate/customer_file.h"
#include "cleanslate/envelope_file.h"
#include "cleanslate/inventory_file.h"
#include "cleanslate/order_file.h"
#include "cleanslate/sales_files.h"
#include "cleanslate/staff_file.h"
#include "cleanslate/supplier_file.h"

namespace cleanslate {

namespace {

constexpr char kSortNow[] =
    " You will have to run a SORT EVERYTHING immediatly to have Brillora work.";

void Done(const ActionContext& context, const std::string& text) {
  context.messages.ShowMessage(text, common::Buttons::kOk);
}

}  // namespace

void ResetSalesFiles(const ActionContext& context, common::WindowHost& host) {
  // Both customer files are reached before the first deletion: a missing or
  // unreadable one then stops the reset before anything is lost.
  const std::int32_t count = ReadCustomerCount(context.env);
  common::RecordFile customers = OpenCustomerFile(context.env);
  DeleteSalesFiles(context.env);
  host.SetBusyPointer(false);
  BlankSaleLinks(customers, count);
  customers.Close();
  Done(context, "The sales files have been zeroed.");
}

void ResetPayablesFiles(const ActionContext& context) {
  WritePayablesCount(context.env, "26");
  Done(context, std::string("The accounts payable files have been zeroed.") + kSortNow);
}

void ResetOrdersFiles(const ActionContext& context) {
  WriteEmptyOrderFiles(context.env);
  Done(context, std::string("The orders files have been zeroed.") + kSortNow);
}

void ResetBudgetFiles(const ActionContext& context) {
  DeleteBudgetFiles(context.env);
  Done(context, "The budget files have been zeroed.");
}

void ResetCheckbookFiles(const ActionContext& context) {
  DeleteCheckbookFiles(context.env);
  Done(context, "The checkbook files have been zeroed.");
}

void ResetCustomerFiles(const ActionContext& context) {
  WriteSampleCustomer(context.env);
  Done(context, std::string("The customer files have been zeroed.") + kSortNow);
}

void ZeroCustomerBalances(const ActionContext& context) {
  const std::int32_t count = ReadCustomerCount(context.env);
  common::RecordFile customers = OpenCustomerFile(context.env);
  ZeroBalances(customers, count);
  customers.Close();
  Done(context, "The customer balances have been zeroed.");
}

void ResetInventoryFiles(const ActionContext& context) {
  WriteSampleItem(context.env, context.random);
  Done(context,
       std::string("The inventory files have been zeroed.") + kSortNow +
           " NOTE: there is one item in the inventory number 998-00001.  After you enter more "
           "inventory, this item can be eliminated by entering 999 as the vendor number.");
}

void ResetSupplierFiles(const ActionContext& context) {
  WriteWorkingSuppliers(context.env);
  Done(context, std::string("The supplier files have been zeroed.") + kSortNow);
}

void ResetEnvelopeFiles(const ActionContext& context) {
  WriteEnvelopeSeed(context.env);
  DeleteEnvelopeNotes(context.env);
  Done(context, "The envelope files have been zeroed.");
}

void ResetStaffFiles(const ActionContext& context) {
  WriteStaffSlots(context.env);
  Done(context, "The staff files have been zeroed.");
}

}  // namespace cleanslate
