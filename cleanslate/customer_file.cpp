#include "cleanslate/customer_file.h"

#include <algorithm>

#include "common/files/line_file.h"
#include "common/files/number_text.h"

namespace cleanslate {

namespace {

using R = CustomerRecord;

void WriteCountLines(common::Env& env, const char* name, std::int32_t count, int lines) {
  common::LineFileWriter file(env, name);
  for (int i = 0; i < lines; ++i) common::WriteTextLine(file, common::NumberText(count));
  file.Close();
}

// The walks never go past the last whole record of the file.
std::int32_t LastRecordToWalk(const common::RecordFile& customers, std::int32_t count) {
  return std::min(count, customers.RecordCount());
}

}  // namespace

std::int32_t ReadCustomerCount(common::Env& env) {
  // A file without a field is as unusable as a missing one: a count of 0
  // would let the sales reset delete every sales file and keep every
  // customer's links to them.
  common::LineFileReader file(env, kCustomerCountFile);
  const double count = common::LeadingNumber(common::ReadField(file));
  return count > 0 ? common::RoundToInt32(count) : 0;
}

common::RecordFile OpenCustomerFile(common::Env& env) {
  return common::RecordFile(env, kCustomerFile, CustomerRecord::kLength);
}

void BlankSaleLinks(common::RecordFile& customers, std::int32_t count) {
  const std::int32_t last = LastRecordToWalk(customers, count);
  // The records are changed where they are read, without a copy: a walk
  // may cover a million customers.
  for (std::int32_t n = 1; n <= last; ++n) {
    common::RecordView record = customers.Edit(n);
    record.Set(R::SaleLinkA, "");
    record.Set(R::SaleLinkB, "");
  }
}

void ZeroBalances(common::RecordFile& customers, std::int32_t count) {
  const std::int32_t last = LastRecordToWalk(customers, count);
  for (std::int32_t n = 1; n <= last; ++n) {
    const std::string_view balance = customers.Peek(n).substr(R::Balance.offset, R::Balance.width);
    if (common::LeadingNumber(balance) == 0) continue;
    customers.Edit(n).Set(R::Balance, "0.00");
  }
}

std::int32_t CountNonZeroBalances(common::RecordFile& customers, std::int32_t count) {
  const std::int32_t last = LastRecordToWalk(customers, count);
  std::int32_t found = 0;
  for (std::int32_t n = 1; n <= last; ++n) {
    const std::string_view balance = customers.Peek(n).substr(R::Balance.offset, R::Balance.width);
    if (common::LeadingNumber(balance) != 0) ++found;
  }
  return found;
}

void WriteSampleCustomer(common::Env& env) {
  CustomerRecord record;
  record.Set(R::LastName, "SAMPLER");
  record.Set(R::FirstName, "CHRIS");
  record.Set(R::Street, "10000 SAMPLE-AVE. WAY #A4");
  record.Set(R::City, "MIDTOWN");
  record.Set(R::State, "WA");
  record.Set(R::Zip, "54321");
  record.Set(R::Balance, "0.00");
  record.Set(R::Amount2, "50.00");
  record.Set(R::Phone, "555-010-0001");
  record.Set(R::Extra2, "1");
  record.Set(R::Amount3, "1000");
  record.Set(R::AccountNumber, "2");
  record.Set(R::Extra3, "");
  record.Set(R::Extra4, "");

  common::RecordFile customers(env, kCustomerFile, R::kLength);
  customers.write(1, record);
  customers.Close();
  WriteCountLines(env, kCustomerCountFile, 1, 2);
  WriteCountLines(env, kNoteCountFile, 1, 1);
}

void WriteCustomerSeed(common::Env& env) {
  common::RecordFile customers(env, kCustomerFile, R::kLength);
  std::int32_t n = 1;
  CustomerRecord record;
  record.Set(R::LastName, "SAMPLER");
  record.Set(R::FirstName, "CHRIS");
  record.Set(R::Street, "10000 SAMPLE-AVENUE-W WAY A3");
  record.Set(R::City, "MIDTOWN");
  record.Set(R::State, "WA");
  record.Set(R::Zip, "54321");
  record.Set(R::Balance, "500.00");
  record.Set(R::Amount2, "50.00");
  record.Set(R::Phone, "555-010-0001");
  record.Set(R::Extra2, "1");
  record.Set(R::Amount3, "1000");
  record.Set(R::AccountNumber, common::NumberText(n));
  record.Set(R::Extra3, "");
  record.Set(R::Extra4, "");
  customers.write(n, record);

  // The cash-sale account: the sample customer's record, changed.
  n = 2;
  record.Set(R::LastName, "CASH");
  record.Set(R::FirstName, "SALE");
  record.Set(R::Street, "");
  record.Set(R::City, "");
  record.Set(R::State, "");
  record.Set(R::Zip, "");
  record.Set(R::Balance, ".00");
  record.Set(R::Amount2, "0.00");
  record.Set(R::Phone, "999-999-9000");
  record.Set(R::Extra2, "");
  record.Set(R::Amount3, "0");
  record.Set(R::AccountNumber, common::NumberText(n));
  customers.write(n, record);

  n = 3;
  record.Set(R::LastName, "ZZZZZZZZ");
  record.Set(R::FirstName, "");
  record.Set(R::Phone, "999-999-9999");
  record.Set(R::AccountNumber, common::NumberText(n));
  customers.write(n, record);
  customers.Close();

  WriteCountLines(env, kCustomerCountFile, n, 2);
  WriteCountLines(env, kNoteCountFile, 1, 1);
}

std::string NoteDateFrom(const std::string& today) {
  if (today.size() < 4) return today;
  return today.substr(0, today.size() - 4) + today.substr(today.size() - 2);
}

void WriteTestAccountNote(common::Env& env, Clock& clock) {
  NoteRecord note;
  note.Set(NoteRecord::AccountNumber, "1");
  note.Set(NoteRecord::Text, "THIS IS A TEST ACCOUNT");
  note.Set(NoteRecord::Extra1, "0");
  note.Set(NoteRecord::NoteDate, NoteDateFrom(clock.Today()));
  common::RecordFile notes(env, kNoteFile, NoteRecord::kLength);
  notes.write(1, note);
  notes.Close();
}

void WriteTestAccountNoteCount(common::Env& env) {
  std::string line = common::NumberText(1);
  line.resize(80, ' ');
  common::LineFileWriter file(env, kNoteCountFile);
  common::WriteTextLine(file, line);
  file.Close();
}

}  // namespace cleanslate
