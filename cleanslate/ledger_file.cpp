#include "cleanslate/ledger_file.h"

#include <cstdint>
#include <iterator>

#include "common/files/line_file.h"
#include "common/files/number_text.h"
#include "common/files/record_file.h"

namespace cleanslate {

namespace {

struct SeedAccount {
  const char* ledger_number;
  const char* name;
  const char* amount2;
};

// The seed chart in record order. Amount1 is "0" and Extra1 empty in every
// account.
constexpr SeedAccount kSeedChart[] = {
    {"100.00", "Cash On Hand", "0"},
    {"101.00", "Petty Cash", "0"},
    {"102.00", "Cash In Bank - Checking", "0"},
    {"103.00", "Cash In Bank - Savings", "0"},
    {"104.00", "Accounts Receivable - Trade", "0"},
    {"105.00", "Accounts Receivable - Other", "0"},
    {"106.00", "Accounts Receivable - Officers", "0"},
    {"107.00", "Allowance for Doubtful Accounts", "0"},
    {"108.00", "Notes Receivable", "0"},
    {"109.00", "Inventories", "0"},
    {"110.00", "Equipment", "0"},
    {"110.01", "Accumulated Depreciation-Equipment", "0"},
    {"111.00", "Furniture & Fixtures", "0"},
    {"111.01", "Accumulated Depreciation-Furniture & Fixtures", "0"},
    {"112.00", "Vehicles", "0"},
    {"112.01", "Accumulated Depreciation-Vehicles", "0"},
    {"113.00", "Buildings", "0"},
    {"113.01", "Accumulated Depreciation-Buildings", "0"},
    {"114.00", "Land", "0"},
    {"115.00", "Building Improvements", "0"},
    {"115.01", "Accumulated Depreciation-Building Improvements", "0"},
    {"116.00", "Prepaid Expenses", "0"},
    {"117.00", "Deposits", "0"},
    {"200.00", "Accounts Payable-Trade", "0"},
    {"201.00", "Accounts Payuable-Other", "0"},
    {"202.00", "Accounts Payable-Officers", "0"},  // between 201.00 and 203.00
    {"203.00", "Notes Payable", ""},
    {"206.00", "Notes Payable-Officers", "0"},
    {"210.00", "Accrued Payroll", "0"},
    {"212.00", "Accrued FICA Taxes Payable", "0"},
    {"213.00", "Accrued Federal W/H Taxes Payable", "10000"},
    {"214.00", "Accrued State W/H Taxes Payable", "0"},
    {"215.00", "Accrued State Unemployment Taxes Payable", "0"},
    {"216.00", "Accrued Federal Unemployment Taxes Payable", "0"},
    {"217.00", "Accrued Workmans Compensation Taxes Payable", "0"},
    {"218.00", "Other Payroll Deductions", "0"},
    {"220.00", "Accrude Interest Payable", "0"},
    {"224.00", "Accrude Income Taxes Payable", "0"},
    {"300.00", "Paid Up Capital", "0"},
    {"301.00", "Retained Earnings", "0"},
    {"302.00", "Profit & Loss", "0"},
    {"400.00", "Sales", "0"},
    {"406.00", "Returns, Discounts & Allowances", "0"},
    {"500.00", "Purchases", "0"},
    {"501.00", "Freight", "0"},
    {"600.00", "Wages", "0"},
    {"601.00", "Commissions", "0"},
    {"602.00", "Employee Bonuses", "0"},
    {"603.00", "Payroll Tax Expenses", "0"},
    {"604.00", "Employee Expenses", "0"},
    {"605.00", "Advertising & Promotion", "0"},
    {"606.00", "Education Expenses", "0"},
    {"607.00", "Travel Expenses", "0"},
    {"608.00", "Entertainment Expenses", "0"},
    {"609.00", "Vehicle Expense", "0"},
    {"610.00", "Equipment Lease & Rental", "0"},
    {"611.00", "Bank Charges", "0"},
    {"612.00", "Credit Card Discount", "0"},
    {"613.00", "Office Supplies & Expenses", "0"},
    {"614.00", "Postage", "0"},
    {"615.00", "Printing & Stationary", "0"},
    {"616.00", "Telephone", "0"},
    {"617.00", "Insurance Expense", "0"},
    {"618.00", "Interest Expense", "0"},
    {"619.00", "Dues & Subscriptions", "0"},
    {"620.00", "Donations", "0"},
    {"621.00", "Professional Fees", "0"},
    {"622.00", "License and Tax Expense", "0"},
    {"623.00", "General Supplies", "0"},
    {"624.00", "Maintenance and Repairs", "0"},
    {"625.00", "Rent", "0"},
    {"626.00", "Utilities", "0"},
    {"627.00", "Bad Debt Expense", "0"},
    {"628.00", "Miscellaneous Expense", "0"},
    {"629.00", "Depreciation Expense", "0"},
    {"630.00", "Income Tax Expense", "0"},
    {"710.00", "Gain or Loss on sale of Assets", "0"},
    {"720.00", "Interest Income", "0"},
};

// The record counter is a 16-bit signed number; the chart stays well inside it.
static_assert(std::size(kSeedChart) <= INT16_MAX);

}  // namespace

void WriteLedgerChart(common::Env& env) {
  common::RecordFile file(env, kLedgerFile, LedgerAccountRecord::kLength);
  std::int16_t count = 0;
  for (const SeedAccount& account : kSeedChart) {
    LedgerAccountRecord record;
    record.Set(LedgerAccountRecord::Name, account.name);
    record.Set(LedgerAccountRecord::LedgerNumber, account.ledger_number);
    record.Set(LedgerAccountRecord::Amount1, "0");
    record.Set(LedgerAccountRecord::Amount2, account.amount2);
    record.Set(LedgerAccountRecord::Extra1, "");
    ++count;
    file.write(count, record);
  }
  file.Close();

  common::LineFileWriter count_file(env, kLedgerCountFile);
  common::WriteTextLine(count_file, common::NumberText(count));
  count_file.Close();
}

}  // namespace cleanslate
