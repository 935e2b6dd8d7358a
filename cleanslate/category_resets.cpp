#include "cleanslate/category_resets.h"

#include "cleanslate/action_runner.h"
#include "cleanslate/bookkeeping_files.h"
#include "cleanslate/customer_file.h"
#include "cleanslate/envelope_file.h"
#include "cleanslate/inventory_file.h"
#include "cleanslate/order_file.h"
#include "cleanslate/sales_files.h"
#include "cleanslate/staff_file.h"
#include "cleanslate/supplier_file.h"
#include "common/files/line_file.h"
#include "common/files/number_text.h"

namespace cleanslate {

namespace {

using common::Plan;

constexpr char kSortNow[] =
    " You will have to run a SORT EVERYTHING immediatly to have Brillora work.";

std::string Records(std::int32_t count) {
  return count < 1 ? std::string("no records") : "records 1 to " + std::to_string(count);
}

// Sales: the customer count is read and "cust.dat" opened before the first
// deletion, so a missing or unreadable one stops the reset at once.
void PlanSales(Plan& plan, const ActionContext& context) {
  const std::int32_t count = ReadCustomerCount(context.env);
  plan.Delete(kSalesFilePatterns);
  plan.WriteRecords(kCustomerFile, CustomerRecord::kLength, 0,
                    "sale links blanked in " + Records(count));
}

std::string RunSales(const ActionContext& context, common::WindowHost& host) {
  const std::int32_t count = ReadCustomerCount(context.env);
  common::RecordFile customers = OpenCustomerFile(context.env);
  DeleteSalesFiles(context.env);
  host.SetBusyPointer(false);
  BlankSaleLinks(customers, count);
  customers.Close();
  return "The sales files have been zeroed.";
}

void PlanCustomers(Plan& plan, const ActionContext&) {
  plan.WriteRecords(kCustomerFile, CustomerRecord::kLength, 1, "the sample customer as record 1");
  plan.Write(kCustomerCountFile, common::kLineFileMostBytes);
  plan.Write(kNoteCountFile, common::kLineFileMostBytes);
}

std::string RunCustomers(const ActionContext& context, common::WindowHost&) {
  WriteSampleCustomer(context.env);
  return std::string("The customer files have been zeroed.") + kSortNow;
}

void PlanPayables(Plan& plan, const ActionContext&) {
  plan.Write(kPayablesCountFile, common::kLineFileMostBytes);
}

std::string RunPayables(const ActionContext& context, common::WindowHost&) {
  WritePayablesCount(context.env, "26");
  return std::string("The accounts payable files have been zeroed.") + kSortNow;
}

void PlanOrders(Plan& plan, const ActionContext&) {
  plan.Write(kLastOrderFile, common::kLineFileMostBytes);
  plan.Write(kOrderCountFile, common::kLineFileMostBytes);
  plan.WriteRecords(kOrderFile, OrderRecord::kLength, 1, "an empty record 1");
}

std::string RunOrders(const ActionContext& context, common::WindowHost&) {
  WriteEmptyOrderFiles(context.env);
  return std::string("The orders files have been zeroed.") + kSortNow;
}

void PlanBalances(Plan& plan, const ActionContext& context) {
  const std::int32_t count = ReadCustomerCount(context.env);
  std::string detail = "balance set to 0.00 where it is not zero, in " + Records(count);
  if (plan.detailed()) {
    common::RecordFile customers = OpenCustomerFile(context.env);
    detail += " (" + std::to_string(CountNonZeroBalances(customers, count)) + " records)";
  }
  plan.WriteRecords(kCustomerFile, CustomerRecord::kLength, 0, std::move(detail));
}

std::string RunBalances(const ActionContext& context, common::WindowHost&) {
  const std::int32_t count = ReadCustomerCount(context.env);
  common::RecordFile customers = OpenCustomerFile(context.env);
  ZeroBalances(customers, count);
  customers.Close();
  return "The customer balances have been zeroed.";
}

void PlanInventory(Plan& plan, const ActionContext&) {
  plan.WriteRecords(kInventoryFile, InventoryRecord::kLength, 1, "the sample item as record 1");
  plan.Write(kInventoryCountFile, common::kLineFileMostBytes);
}

std::string RunInventory(const ActionContext& context, common::WindowHost&) {
  WriteSampleItem(context.env, context.random);
  return std::string("The inventory files have been zeroed.") + kSortNow +
         " NOTE: there is one item in the inventory number 998-00001.  After you enter more "
         "inventory, this item can be eliminated by entering 999 as the vendor number.";
}

void PlanSuppliers(Plan& plan, const ActionContext&) {
  plan.WriteRecords(kSupplierFile, SupplierRecord::kLength, 2,
                    "the working suppliers as records 1 and 2");
  plan.Write(kSupplierCountFile, common::kLineFileMostBytes);
}

std::string RunSuppliers(const ActionContext& context, common::WindowHost&) {
  WriteWorkingSuppliers(context.env);
  return std::string("The supplier files have been zeroed.") + kSortNow;
}

void PlanBudget(Plan& plan, const ActionContext&) { plan.Delete(kBudgetFilePattern); }

std::string RunBudget(const ActionContext& context, common::WindowHost&) {
  DeleteBudgetFiles(context.env);
  return "The budget files have been zeroed.";
}

void PlanCheckbook(Plan& plan, const ActionContext&) { plan.Delete(kCheckbookFilePatterns); }

std::string RunCheckbook(const ActionContext& context, common::WindowHost&) {
  DeleteCheckbookFiles(context.env);
  return "The checkbook files have been zeroed.";
}

void PlanEnvelopes(Plan& plan, const ActionContext&) {
  plan.WriteRecords(kRepairFile, RepairRecord::kLength, 1, "the sample envelope as record 1");
  plan.Write(kRepairCountFile, common::kLineFileMostBytes);
  plan.DeleteFile(kEnvelopeNoteFile);
  plan.DeleteFile(kEnvelopeNoteCountFile);
}

std::string RunEnvelopes(const ActionContext& context, common::WindowHost&) {
  WriteEnvelopeSeed(context.env);
  DeleteEnvelopeNotes(context.env);
  return "The envelope files have been zeroed.";
}

void PlanStaff(Plan& plan, const ActionContext&) {
  plan.WriteRecords(kStaffFile, StaffRecord::kLength, kStaffSlots, "the 26 staff slots");
}

std::string RunStaff(const ActionContext& context, common::WindowHost&) {
  WriteStaffSlots(context.env);
  return "The staff files have been zeroed.";
}

}  // namespace

void RunCategoryReset(const CategoryReset& reset, const ActionContext& context,
                      common::WindowHost& host) {
  std::string done;
  RunAction(
      context, ActionOptions(reset.backup_name, reset.title), reset.plan,
      [&](const ActionContext& inner, common::Transaction&) { done = reset.run(inner, host); });
  context.messages.ShowMessage(done, common::Buttons::kOk);
}

const CategoryReset kSalesReset{"sales", "Zero sales files", PlanSales, RunSales};
const CategoryReset kCustomersReset{"customers", "Zero customers files", PlanCustomers,
                                    RunCustomers};
const CategoryReset kPayablesReset{"payables", "Zero A/P invoice files", PlanPayables, RunPayables};
const CategoryReset kOrdersReset{"orders", "Zero orders files", PlanOrders, RunOrders};
const CategoryReset kBalancesReset{"balances", "Zero customers balances only", PlanBalances,
                                   RunBalances};
const CategoryReset kInventoryReset{"inventory", "Zero inventory files", PlanInventory,
                                    RunInventory};
const CategoryReset kSuppliersReset{"suppliers", "Zero suppliers files", PlanSuppliers,
                                    RunSuppliers};
const CategoryReset kBudgetReset{"budget", "Zero budget files", PlanBudget, RunBudget};
const CategoryReset kCheckbookReset{"checkbook", "Zero checkbook files", PlanCheckbook,
                                    RunCheckbook};
const CategoryReset kEnvelopesReset{"envelopes", "Zero envelope files", PlanEnvelopes,
                                    RunEnvelopes};
const CategoryReset kStaffReset{"staff", "Zero staff files", PlanStaff, RunStaff};

}  // namespace cleanslate
