// The customer files: "cust.dat" (one CustomerRecord per charge account),
// its count file "cust.pt", the customer notes "note.dat" (NoteRecord) and
// their count file "note.pt". The record layouts and every writer of these
// files live here; nothing here shows a message.

#ifndef CLEANSLATE_CUSTOMER_FILE_H_
#define CLEANSLATE_CUSTOMER_FILE_H_

#include <cstdint>
#include <string>

#include "cleanslate/clock.h"
#include "common/files/record_file.h"
#include "common/files/text_record.h"
#include "common/platform/env.h"

namespace cleanslate {

inline constexpr char kCustomerFile[] = "cust.dat";
inline constexpr char kCustomerCountFile[] = "cust.pt";
inline constexpr char kNoteFile[] = "note.dat";
inline constexpr char kNoteCountFile[] = "note.pt";

class CustomerRecord : public common::FixedRecord<180> {
 public:
  using FixedRecord::FixedRecord;

  static constexpr common::TextField LastName{0, 20};
  static constexpr common::TextField FirstName{20, 25};
  static constexpr common::TextField Street{45, 24};
  static constexpr common::TextField Extra1{69, 1};
  static constexpr common::TextField City{70, 20};
  static constexpr common::TextField State{90, 2};
  static constexpr common::TextField Zip{92, 10};
  static constexpr common::TextField SaleLinkA{102, 4};  // links into the sales files
  static constexpr common::TextField SaleLinkB{106, 8};
  static constexpr common::TextField Balance{114, 8};  // charge balance, "0.00"
  static constexpr common::TextField Amount2{122, 8};
  static constexpr common::TextField Phone{130, 12};
  static constexpr common::TextField Extra2{142, 6};
  static constexpr common::TextField Amount3{148, 8};
  static constexpr common::TextField AccountNumber{156, 5};
  static constexpr common::TextField Extra3{161, 8};
  static constexpr common::TextField Extra4{169, 4};
  static constexpr common::TextField Extra5{173, 2};
  static constexpr common::TextField Extra6{175, 5};
  static_assert(common::FieldsFillRecord(kLength,
                                         {LastName, FirstName, Street, Extra1, City, State, Zip,
                                          SaleLinkA, SaleLinkB, Balance, Amount2, Phone, Extra2,
                                          Amount3, AccountNumber, Extra3, Extra4, Extra5, Extra6}));
};

class NoteRecord : public common::FixedRecord<99> {
 public:
  using FixedRecord::FixedRecord;

  static constexpr common::TextField AccountNumber{0, 5};
  static constexpr common::TextField Text{5, 80};
  static constexpr common::TextField Extra1{85, 6};
  static constexpr common::TextField NoteDate{91, 8};  // mm-dd-yy
  static_assert(common::FieldsFillRecord(kLength, {AccountNumber, Text, Extra1, NoteDate}));
};

// The customer count: the first field of "cust.pt" read as a number and
// rounded to a whole one. A first field that is not a number gives 0; a
// negative count gives 0; a count beyond the 32-bit range gives its largest
// value. Throws FileError naming "cust.pt" when it is missing, cannot be
// read or holds no field at all (empty, or only spaces, tabs and line ends),
// so a caller that asks first has changed nothing then.
std::int32_t ReadCustomerCount(common::Env& env);

// Opens "cust.dat" (created empty when missing). Throws FileError.
common::RecordFile OpenCustomerFile(common::Env& env);

// Blanks SaleLinkA and SaleLinkB of records 1 to `count` and writes each one
// back; every other byte stays. The walk stops at the last whole record of
// the file, so a count larger than the file neither adds records nor touches
// a partial record at its end. The caller closes the file.
void BlankSaleLinks(common::RecordFile& customers, std::int32_t count);

// Sets Balance to "0.00" in those of records 1 to `count` whose balance is
// not zero, and writes back only those. Same bounds as BlankSaleLinks.
void ZeroBalances(common::RecordFile& customers, std::int32_t count);

// How many of records 1 to `count` have a balance that is not zero; the
// same bounds as ZeroBalances, which rewrites just those.
std::int32_t CountNonZeroBalances(common::RecordFile& customers, std::int32_t count);

// The one sample customer of the customer reset: record 1 of "cust.dat"
// (later records stay), "cust.pt" declaring one customer and "note.pt"
// declaring one note.
void WriteSampleCustomer(common::Env& env);

// The customers of a fresh data set: the sample customer and the accounts
// "CASH" and "ZZZZZZZZ" as records 1 to 3 of "cust.dat", "cust.pt"
// declaring three, "note.pt" declaring one note. Expects "cust.dat" to have
// been deleted before.
void WriteCustomerSeed(common::Env& env);

// The test account note, first half: record 1 of "note.dat", the note
// "THIS IS A TEST ACCOUNT" on account 1 dated `clock.Today()` with a
// two-digit year.
void WriteTestAccountNote(common::Env& env, Clock& clock);

// The test account note, second half: "note.pt" as one line holding " 1"
// left-justified in 80 characters.
void WriteTestAccountNoteCount(common::Env& env);

// "mm-dd-yyyy" as the note date "mm-dd-yy": the last four characters dropped
// and the last two appended.
std::string NoteDateFrom(const std::string& today);

}  // namespace cleanslate

#endif  // CLEANSLATE_CUSTOMER_FILE_H_
