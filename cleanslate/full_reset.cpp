#include "cleanslate/full_reset.h"

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
#include "common/file_names.h"
#include "common/paths.h"

namespace cleanslate {

namespace {

constexpr char kFinished[] = "FINISHED";

// The store product keeps a follow-up list at the root of drive C, outside
// the data directory. A system without drive letters has no such file, so
// there this step deletes nothing.
void DeleteFollowUpList(common::Env& env) {
  if (const auto path = common::PathOnDrive('c', "followup.pt")) {
    common::DeleteIfPresent(env, *path);
  }
}

}  // namespace

void FullReset(const ActionContext& context, common::WindowHost& host) {
  common::Env& env = context.env;
  host.SetBusyPointer(true);

  // Every data file goes first, the tag layout files and "staff.dat" with the
  // other ".dat" files.
  common::DeleteIfPresent(env, {"*.yes", "*.dat", "*.pt", "*.ptn", "reportl.ast", "custph.srt"});
  DeleteFollowUpList(env);
  WritePrinterFontSize(env);
  host.ProcessPendingEvents();
  common::DeleteIfPresent(env, {"*.day", "*.ptr", "*.pt", "*.dat"});
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

  // The note is dated today; its count line and the conversion marker are
  // written only once the user has seen "FINISHED".
  WriteTestAccountNote(env, context.clock);
  context.messages.ShowMessage(kFinished, common::Buttons::kOk);
  WriteTestAccountNoteCount(env);
  WriteConversionMarker(env);

  host.ProcessPendingEvents();
  host.SetBusyPointer(false);
  host.EndProgram();
}

}  // namespace cleanslate
