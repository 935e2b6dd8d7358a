#include "cleanslate/full_reset.h"

#include "cleanslate/action_runner.h"
#include "cleanslate/category_resets.h"
#include "cleanslate/customer_file.h"
#include "cleanslate/department_file.h"
#include "cleanslate/envelope_file.h"
#include "cleanslate/inventory_file.h"
#include "cleanslate/invoice_file.h"
#include "cleanslate/ledger_file.h"
#include "cleanslate/order_file.h"
#include "cleanslate/settings_file.h"
#include "cleanslate/small_files.h"
#include "cleanslate/staff_file.h"
#include "cleanslate/supplier_file.h"
#include "common/files/department_record.h"
#include "common/files/file_names.h"
#include "common/files/line_file.h"
#include "common/platform/file_error.h"
#include "common/platform/paths.h"

namespace cleanslate {

namespace {

constexpr char kFinished[] = "FINISHED";

constexpr std::string_view kFirstDeletion[] = {"*.yes", "*.dat",       "*.pt",
                                               "*.ptn", "reportl.ast", "custph.srt"};
constexpr std::string_view kSecondDeletion[] = {"*.day", "*.ptr", "*.pt", "*.dat"};

// The store product keeps a follow-up list at the root of drive C, outside
// the data directory. A system without drive letters has no such file, so
// there this step deletes nothing.
std::optional<std::string> FollowUpList() { return common::PathOnDrive('c', "followup.pt"); }

void DeleteFollowUpList(common::Env& env) {
  if (const auto path = FollowUpList()) common::DeleteIfPresent(env, *path);
}

// The files of the initial data set and their sizes, in the order of the
// steps that write them.
struct InitialFile {
  const char* name;
  std::uint64_t bytes;
};

constexpr std::uint64_t kLine = common::kLineFileMostBytes;
const InitialFile kInitialFiles[] = {
    {"prtfont.siz", kLine},
    {"nextslip.num", kLine},
    {"nextck.num", kLine},
    {kSupplierFile, 5 * SupplierRecord::kLength},
    {kSupplierCountFile, kLine},
    {kInventoryFile, InventoryRecord::kLength},
    {kInventoryCountFile, kLine},
    {kWideInventoryFile, kLine},
    {kCustomerFile, 3 * CustomerRecord::kLength},
    {kCustomerCountFile, kLine},
    {kNoteCountFile, kLine},
    {kRepairFile, RepairRecord::kLength},
    {kRepairCountFile, kLine},
    {kStaffFile, kStaffSlots* StaffRecord::kLength},
    {kInvoiceFile, InvoiceRecord::kLength},
    {kInvoiceCountFile, kLine},
    {common::kDepartmentFile, 30 * common::DepartmentRecord::kLength},
    {"lastbu.dat", kLine},
    {"taxrate.dat", kLine},
    {"tag.dat", kLine},
    {kLedgerFile, 78 * LedgerAccountRecord::kLength},
    {kLedgerCountFile, kLine},
    {kLastOrderFile, kLine},
    {kOrderCountFile, kLine},
    {kOrderFile, OrderRecord::kLength},
    {kSettingsFile, SettingsRecord::kLength},
    {"letter.dat", kLine},
    {kNoteFile, NoteRecord::kLength},
    {kConversionMarker, kLine},
};

}  // namespace

void PlanFullReset(common::Plan& plan, const ActionContext&) {
  plan.Delete(kFirstDeletion);
  if (const auto path = FollowUpList()) plan.Delete(*path);
  plan.Delete(kSecondDeletion);
  plan.DeleteFile(kStaffFile);
  plan.DeleteFile(kSettingsFile);
  plan.DeleteFile(kOldStaffFile);
  for (const InitialFile& file : kInitialFiles) plan.Write(file.name, file.bytes);
}

namespace {

// Steps 1 to 22: every data file deleted, the initial data set written,
// the note dated today.
void WriteInitialDataSet(const ActionContext& context, common::WindowHost& host) {
  common::Env& env = context.env;
  // Every data file goes first, the tag layout files and "staff.dat" with the
  // other ".dat" files.
  common::DeleteIfPresent(env, kFirstDeletion);
  DeleteFollowUpList(env);
  WritePrinterFontSize(env);
  host.ProcessPendingEvents();
  common::DeleteIfPresent(env, kSecondDeletion);
  // Two files that no pattern reaches are written as records; without
  // going first they would keep old bytes past the new ones (former staff
  // beyond slot 26, an older settings record's tail).
  common::DeleteIfPresent(env, kStaffFile);
  common::DeleteIfPresent(env, kSettingsFile);
  host.ProcessPendingEvents();

  // The initial data set, in a fixed order.
  WriteSlipAndCheckCounters(env);
  WriteSupplierSeed(env);
  WriteInventorySeed(env, context.random);
  WriteCustomerSeed(env);
  WriteEnvelopeSeed(env);
  WriteStaffSeed(env);
  WriteInvoiceFiles(env);
  WriteDepartmentFile(env);
  WriteLastBuFile(env);
  WriteTaxRate(env);
  WriteTagFile(env);
  WriteLedgerChart(env);
  WriteEmptyOrderFiles(env);
  WriteSettingsRecord(env);
  WriteLetterList(env);
  host.ProcessPendingEvents();
  WriteTestAccountNote(env, context.clock);
}

}  // namespace

void RunFullReset(const ActionContext& context, common::WindowHost& host) {
  host.SetBusyPointer(true);
  RunAction(context, ActionOptions("everything", kFullResetTitle), PlanFullReset,
            [&](const ActionContext& inner, common::Transaction& transaction) {
              WriteInitialDataSet(inner, host);
              // Written after "FINISHED", in the next transaction: kept here
              // as it is, so that restoring this backup undoes that too.
              transaction.KeepAsItIs(kConversionMarker);
            });

  // The user sees "FINISHED" with the reset committed: closing the window
  // here leaves the reset done, never half undone.
  context.messages.ShowMessage(kFinished, common::Buttons::kOk);

  try {
    RunAction(
        context, ActionOptions("everything", kFullResetTitle, /*keep_backup=*/false),
        [](common::Plan& plan, const ActionContext&) {
          plan.Write(kNoteCountFile, common::kLineFileMostBytes);
          plan.Write(kConversionMarker, common::kLineFileMostBytes);
        },
        [](const ActionContext& inner, common::Transaction&) {
          WriteTestAccountNoteCount(inner.env);
          WriteConversionMarker(inner.env);
        });
  } catch (const common::FileError& error) {
    throw error.WithNote("The data files had been zeroed before \"FINISHED\"; only \"" +
                         std::string(kNoteCountFile) + "\" and \"" + kConversionMarker +
                         "\" are as \"FINISHED\" left them.");
  }

  host.ProcessPendingEvents();
  host.SetBusyPointer(false);
  host.EndProgram();
}

}  // namespace cleanslate
